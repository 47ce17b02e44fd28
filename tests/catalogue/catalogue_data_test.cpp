#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodsearch.h"
#include "catalogue_builder.h"
#include "common/csv.h"
#include "support/fooddbfixture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace velmo;

namespace {

QString dataFile(const char *name)
{
    return QDir(QStringLiteral(VELMO_DATA_DIR)).filePath(QString::fromLatin1(name));
}

QString shippedDatabase()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("elementi97.db"));
}

std::vector<CsvRecord> readCatalogue()
{
    QFile file(dataFile("catalogo.csv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
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

// The builder refuses malformed and repeated names; what it leaves to the catalogue is the
// reader's order.
TEST(ShippedCatalogue, NamesStartWithACapitalAndEachTableIsInAlphabeticalOrder)
{
    const auto catalogue = readCatalogue();
    EXPECT_GE(catalogue.size(), 851u);
    QHash<QString, QString> lastKey;
    for (std::size_t i = 1; i < catalogue.size(); ++i) {
        const QString &table = catalogue[i].fields.value(0);
        const QString &name = catalogue[i].fields.value(2);
        SCOPED_TRACE(testing::Message() << "catalogo.csv line " << catalogue[i].line << ": " << name.toStdString());
        EXPECT_TRUE(!name.isEmpty() && name.front().isUpper());
        EXPECT_LE(lastKey.value(table), sortKey(name));
        lastKey[table] = sortKey(name);
    }
}

// The values themselves are the builder's, whose output the shipped file is (see below).
TEST(ShippedCatalogue, DatabaseListsTheCatalogueInOrderAndItsIndexNamesEveryFoodOnce)
{
    const auto catalogue = readCatalogue();
    QHash<QString, QStringList> perTable;
    for (std::size_t i = 1; i < catalogue.size(); ++i)
        perTable[catalogue[i].fields[0]] << catalogue[i].fields[2];
    QString error;
    const auto db = FoodDatabase::open(shippedDatabase(), &error);
    ASSERT_TRUE(db) << error.toStdString();
    for (const FoodCategory &category : foodCategories()) {
        SCOPED_TRACE(category.table.toStdString());
        QSqlQuery q(db->connection());
        ASSERT_TRUE(q.exec(category.recordSource()));
        QStringList names;
        while (q.next())
            names << q.value(0).toString();
        EXPECT_FALSE(names.isEmpty());
        EXPECT_EQ(names, perTable.value(category.table));
    }
    FoodSearch search;
    ASSERT_TRUE(search.load(db->connection(), &error)) << error.toStdString();
    ASSERT_EQ(search.size(), static_cast<int>(catalogue.size()) - 1);
    for (int i = 0; i < search.size(); ++i) {
        const SearchableFood &food = search.food(i);
        EXPECT_EQ(perTable.value(foodCategories()[static_cast<std::size_t>(food.category)].table).value(food.row), food.name);
        EXPECT_EQ(food.key, searchKey(food.name));
    }
}

TEST(ShippedCatalogue, IsWhatTheBuilderMakesEveryTime)
{
    QTemporaryDir dir;
    for (const char *name : {"a.db", "b.db"})
        ASSERT_TRUE(buildCatalogue(dataFile("catalogo.csv"), dataFile("sr28/sr28_foods.csv"), dir.filePath(name)).ok);
    const QByteArray bytes = test::fileBytes(dir.filePath("a.db"));
    EXPECT_FALSE(bytes.isEmpty());
    EXPECT_EQ(bytes, test::fileBytes(dir.filePath("b.db")));
    EXPECT_EQ(bytes, test::fileBytes(shippedDatabase()));
}

}  // namespace
