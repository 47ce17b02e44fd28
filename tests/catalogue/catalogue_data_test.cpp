#include "catalogue/foodcategory.h"
#include "catalogue/foodsearch.h"
#include "catalogue_builder.h"
#include "common/csv.h"
#include "common/numbertext.h"
#include "support/fooddbfixture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace velmo;

namespace {

QString dataFile(const char *name)
{
    return QDir(QStringLiteral(VELMO_DATA_DIR)).filePath(QString::fromLatin1(name));
}

std::vector<CsvRecord> readCsv(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const CsvParseResult parsed = parseCsv(QString::fromUtf8(file.readAll()));
    EXPECT_TRUE(parsed.ok()) << parsed.error.toStdString();
    return parsed.records;
}

// Alphabetical order as an Italian reader expects it: accents and case do not count.
QString sortKey(const QString &name)
{
    QString key;
    for (QChar c : name.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            key.append(c);
    return key.toCaseFolded();
}

class ShippedCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        catalogue = new std::vector<CsvRecord>(readCsv(dataFile("catalogo.csv")));
        source = new QHash<QString, QStringList>;
        const auto sourceRecords = readCsv(dataFile("sr28/sr28_foods.csv"));
        header = new QStringList(sourceRecords.front().fields);
        for (std::size_t i = 1; i < sourceRecords.size(); ++i)
            source->insert(sourceRecords[i].fields[0], sourceRecords[i].fields);
    }
    static void TearDownTestSuite()
    {
        delete catalogue;
        delete source;
        delete header;
    }
    static std::vector<CsvRecord> *catalogue;
    static QHash<QString, QStringList> *source;
    static QStringList *header;
};

std::vector<CsvRecord> *ShippedCatalogue::catalogue = nullptr;
QHash<QString, QStringList> *ShippedCatalogue::source = nullptr;
QStringList *ShippedCatalogue::header = nullptr;

TEST_F(ShippedCatalogue, MeetsTheMinimumOfEveryTable)
{
    const QHash<QString, int> minimum{
        {"bevande_alcoliche", 20},  {"carni_fresche", 80}, {"carni_trasformate_e_conservate", 35},
        {"cereali_e_derivati", 80}, {"dolci", 60},         {"Fast_Food_a_base_di_carne", 25},
        {"Formaggi_e_latticini", 50}, {"Frattaglie", 20},  {"Frutta", 80},
        {"Latte_e_Yogurt", 25},     {"Legumi", 35},        {"Olii_e_grassi", 30},
        {"Prodotti_della_pesca", 70}, {"Prodotti_vari", 50}, {"Uova", 12},
        {"Verdure_ed_ortaggi", 100}};
    QHash<QString, int> count;
    for (std::size_t i = 1; i < catalogue->size(); ++i)
        ++count[(*catalogue)[i].fields.value(0)];
    for (auto it = minimum.begin(); it != minimum.end(); ++it)
        EXPECT_GE(count.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_GE(static_cast<int>(catalogue->size()) - 1, 850);
}

TEST_F(ShippedCatalogue, NamesAreWellFormedUniqueAndInAlphabeticalOrder)
{
    ASSERT_EQ(catalogue->front().fields, (QStringList{"tabella", "ndb", "alimenti"}));
    QHash<QString, QString> lastKey;
    QSet<QString> seen;
    for (std::size_t i = 1; i < catalogue->size(); ++i) {
        const CsvRecord &r = (*catalogue)[i];
        SCOPED_TRACE(testing::Message() << "catalogo.csv line " << r.line);
        ASSERT_EQ(r.fields.size(), 3);
        const QString &name = r.fields[2];
        EXPECT_TRUE(name == name.trimmed() && name.size() > 1 && name.size() <= 60 && name.at(0).isUpper()
                    && !name.contains(u';') && !name.contains(u'"')) << name.toStdString();
        const QString unique = r.fields[0] + u'\n' + name.toCaseFolded();
        EXPECT_FALSE(seen.contains(unique)) << name.toStdString();
        seen.insert(unique);
        const QString key = sortKey(name);
        EXPECT_LE(lastKey.value(r.fields[0]), key) << name.toStdString();
        lastKey[r.fields[0]] = key;
    }
}

TEST_F(ShippedCatalogue, BuiltDatabaseHoldsTheSourceValuesInCatalogueOrder)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("elementi97.db");
    ASSERT_TRUE(QFile::exists(path));
    const QStringList sourceColumns{"edible_pct", "protein_g", "fat_g", "carbohydrate_g", "energy_kcal", "fibre_g",
                                    "cholesterol_mg"};
    QHash<QString, std::vector<const CsvRecord *>> perTable;
    for (std::size_t i = 1; i < catalogue->size(); ++i)
        perTable[(*catalogue)[i].fields[0]].push_back(&(*catalogue)[i]);

    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "shipped");
        db.setDatabaseName(path);
        db.setConnectOptions("QSQLITE_OPEN_READONLY");
        ASSERT_TRUE(db.open());
        for (const FoodCategory &category : foodCategories()) {
            SCOPED_TRACE(category.table.toStdString());
            QSqlQuery info(db);
            ASSERT_TRUE(info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(category.table)));
            QStringList columns;
            while (info.next())
                columns << info.value(1).toString();
            EXPECT_EQ(columns, (QStringList{"alimenti", "edibile", "proteine", "lipidi", "carboidrati", "energia", "fibra",
                                            "colesterolo"}));

            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(category.recordSource()));
            const auto &expected = perTable.value(category.table);
            std::size_t n = 0;
            while (q.next()) {
                ASSERT_LT(n, expected.size());
                const CsvRecord &row = *expected[n++];
                EXPECT_EQ(q.value(0).toString(), row.fields[2]);
                ASSERT_TRUE(source->contains(row.fields[1])) << row.fields[1].toStdString();
                const QStringList &src = source->value(row.fields[1]);
                for (int c = 0; c < 7; ++c) {
                    const QString text = src[header->indexOf(sourceColumns[c])];
                    if (text.isEmpty())
                        EXPECT_TRUE(q.value(c + 1).isNull()) << row.fields[2].toStdString() << " column " << c;
                    else
                        EXPECT_EQ(q.value(c + 1).toDouble(), *readLocaleNumber(text, QLocale::c()))
                            << row.fields[2].toStdString() << " column " << c;
                }
                // Edible parts are whole percentages: the row calculation reads them so.
                EXPECT_EQ(q.value(1).toDouble(), static_cast<int>(q.value(1).toDouble()));
            }
            EXPECT_EQ(n, expected.size());
        }

        // The search index names every food once, at its row of its category.
        ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("SELECT 1 FROM %1").arg(QLatin1String(kSearchIndexTable))));
        FoodSearch search;
        QString error;
        ASSERT_TRUE(search.load(db, &error)) << error.toStdString();
        ASSERT_EQ(search.size(), static_cast<int>(catalogue->size()) - 1);
        for (int i = 0; i < search.size(); ++i) {
            const SearchableFood &food = search.food(i);
            const auto &rows = perTable.value(foodCategories()[static_cast<std::size_t>(food.category)].table);
            ASSERT_LT(static_cast<std::size_t>(food.row), rows.size()) << food.name.toStdString();
            EXPECT_EQ(rows[static_cast<std::size_t>(food.row)]->fields[2], food.name);
            EXPECT_EQ(food.key, searchKey(food.name));
        }
    }
    QSqlDatabase::removeDatabase("shipped");
}

TEST_F(ShippedCatalogue, BuildIsDeterministic)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.db");
    const QString b = dir.filePath("b.db");
    ASSERT_TRUE(buildCatalogue(dataFile("catalogo.csv"), dataFile("sr28/sr28_foods.csv"), a).ok);
    ASSERT_TRUE(buildCatalogue(dataFile("catalogo.csv"), dataFile("sr28/sr28_foods.csv"), b).ok);
    const QByteArray bytes = test::fileBytes(a);
    EXPECT_FALSE(bytes.isEmpty());
    EXPECT_EQ(bytes, test::fileBytes(b));
    EXPECT_EQ(bytes, test::fileBytes(QDir(QCoreApplication::applicationDirPath()).filePath("elementi97.db")));
}

}  // namespace
