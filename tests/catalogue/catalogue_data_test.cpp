// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodsearch.h"
#include "catalogue/personalfood.h"
#include "catalogue_builder.h"
#include "common/csv.h"
#include "support/fooddbfixture.h"
#include "support/languageguard.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

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

std::vector<CsvRecord> readData(const char *name = "catalogo.csv")
{
    QFile file(dataFile(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const CsvParseResult parsed = parseCsv(QString::fromUtf8(file.readAll()));
    EXPECT_TRUE(parsed.ok()) << parsed.error.toStdString();
    return parsed.records;
}

// A personal food may have every measured nutrient of the profile beyond the six of the category
// tables (protein, fat, carbohydrate, energy, fibre, cholesterol), in the profile's order, names
// and units.
TEST(ShippedCatalogue, PersonalFoodsTakeTheProfilesOtherMeasuredNutrients)
{
    const QStringList six{u"203"_s, u"204"_s, u"205"_s, u"208"_s, u"291"_s, u"601"_s};
    QStringList expected;
    for (const CsvRecord &row : readData("nutrienti.csv"))
        if (row.line > 1 && !row.fields.value(1).isEmpty() && !six.contains(row.fields.value(1)))
            expected.append(row.fields.value(0) + u' ' + row.fields.value(2) + u' ' + row.fields.value(4));
    QStringList listed;
    for (const ExtraNutrient &n : extraNutrients())
        listed.append(QLatin1String(n.tag) + u' ' + QString::fromUtf8(n.name) + u' ' + QString::fromUtf8(n.unit));
    EXPECT_EQ(listed, expected);
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
    const auto catalogue = readData();
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
// Under English the names are the source's descriptions, shown and searched.
TEST(ShippedCatalogue, DatabaseListsTheCatalogueInOrderAndItsIndexNamesEveryFoodOnce)
{
    const auto catalogue = readData();
    const auto source = readData("sr28/sr28_foods.csv");
    QHash<QString, QString> description;  // by ndb
    for (const CsvRecord &food : source)
        description.insert(food.fields[0], food.fields.value(source[0].fields.indexOf(u"long_desc"_s)));
    for (const Language language : {Language::Italian, Language::English}) {
        const test::LanguageGuard guard(language);
        QHash<QString, QStringList> perTable;
        for (std::size_t i = 1; i < catalogue.size(); ++i)
            perTable[catalogue[i].fields[0]]
                << (language == Language::English ? description.value(catalogue[i].fields[1]) : catalogue[i].fields[2]);
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
            // The table by name holds this table's rows with every value, and no other of its category.
            const auto index = &category - foodCategories().data();
            ASSERT_TRUE(q.exec(u"SELECT (SELECT count(*) FROM (SELECT *,%1,rowid FROM %2 EXCEPT SELECT * FROM %3)), "
                               "(SELECT count(*) FROM %3 WHERE categoria = %1)"_s.arg(index)
                                   .arg(category.table, kFoodsByNameTable)));
            ASSERT_TRUE(q.next());
            EXPECT_EQ(q.value(0).toInt(), 0);
            EXPECT_EQ(q.value(1).toInt(), names.size());
        }
        FoodSearch search;
        ASSERT_TRUE(search.load(db->connection(), &error)) << error.toStdString();
        ASSERT_EQ(search.size(), static_cast<int>(catalogue.size()) - 1);
        for (int i = 0; i < search.size(); ++i) {
            const SearchableFood &food = search.food(i);
            EXPECT_EQ(perTable.value(foodCategories()[static_cast<std::size_t>(food.category)].table).value(food.row),
                      food.name);
            EXPECT_EQ(food.key, searchKey(food.name));
        }
        if (language == Language::English) {
            EXPECT_EQ(search.food(search.find(u"apricots raw"_s).foods.at(0)).name, u"Apricots, raw"_s);
            EXPECT_EQ(search.find(u"insalata"_s).total, 0);  // the common names are Italian words
        }
    }
}

// Every common name finds its foods first, each in its own table, and says so when their names do
// not; a search finds what it must and leaves what only looks alike.
TEST(ShippedCatalogue, CommonNamesFindTheFoodsTheyNameFirst)
{
    const test::LanguageGuard guard(Language::Italian);
    QString error;
    const auto db = FoodDatabase::open(shippedDatabase(), &error);
    ASSERT_TRUE(db) << error.toStdString();
    FoodSearch search;
    ASSERT_TRUE(search.load(db->connection(), &error)) << error.toStdString();
    // What a search finds, first the limit asked, as table;name and the common name that found it.
    const auto found = [&search](const QString &text, int limit = -1, bool reasons = true) {
        const FoodSearch::Result result = search.find(text, limit);
        QStringList foods;
        for (std::size_t i = 0; i < result.foods.size(); ++i)
            foods << foodCategory(search.food(result.foods[i]).category).table + u';'
                         + search.food(result.foods[i]).name
                         + (!reasons || result.synonyms[i].isEmpty() ? QString() : u" ("_s + result.synonyms[i] + u')');
        return foods;
    };
    QMap<QString, QStringList> lines;  // by common name
    for (const CsvRecord &line : readData("sinonimi.csv"))
        if (line.line > 1)
            lines[line.fields[0]] << line.fields[1] + u';' + line.fields[2];
    EXPECT_GE(lines.size(), 150);
    for (auto line = lines.cbegin(); line != lines.cend(); ++line) {
        QStringList first = found(line.key(), static_cast<int>(line->size()), false);
        QStringList expected = line.value();
        first.sort();
        expected.sort();
        EXPECT_EQ(first, expected) << line.key().toStdString();
    }
    // clang-format off
    const struct { int line; const char *text; QStringList find, leave; } cases[] = {
        {__LINE__, "insalata", {u"Verdure_ed_ortaggi;Lattuga romana, cruda (insalata)"_s},
         {u"Fast_Food_a_base_di_carne;Panino con pollo croccante, lattuga e maionese, fast food"_s}},
        {__LINE__, "insalata verde", {u"Verdure_ed_ortaggi;Lattuga a foglia verde, cruda (insalata)"_s},
         {u"Verdure_ed_ortaggi;Lattuga romana, cruda (insalata)"_s}},
        {__LINE__, "latte", {u"Latte_e_Yogurt;Latte scremato"_s, u"Legumi;Bevanda di soia, naturale o alla vaniglia (latte di soia)"_s}, {}},
        {__LINE__, "petto di pollo", {u"carni_fresche;Pollo, petto senza pelle e senza osso, crudo (petto di pollo)"_s},
         {u"Fast_Food_a_base_di_carne;Pollo fritto impanato, petto con pelle, fast food"_s, u"carni_fresche;Tacchino, petto, solo carne, crudo"_s}},
        {__LINE__, "prosciutto", {u"carni_trasformate_e_conservate;Prosciutto cotto affettato, circa 11% di grassi"_s},
         {u"carni_fresche;Maiale, coscia fresca intera, cruda"_s}},
        {__LINE__, "tonno in scatola", {u"Prodotti_della_pesca;Tonno chiaro sott'olio, sgocciolato (tonno in scatola)"_s},
         {u"Prodotti_della_pesca;Tonno rosso, fresco, crudo"_s}},
        {__LINE__, "olio evo", {u"Olii_e_grassi;Olio d'oliva (olio evo)"_s}, {u"Olii_e_grassi;Olio di semi di lino, spremuto a freddo"_s}},
        {__LINE__, "uova", {u"Uova;Uovo di gallina, intero, sodo (uova)"_s}, {u"Uova;Uovo d'oca, intero, crudo"_s}},
        {__LINE__, "bistecca", {u"carni_fresche;Manzo, fesa, bistecca, cruda"_s}, {u"carni_fresche;Manzo, macinato, 5% di grasso, crudo"_s}},
        {__LINE__, "bresaola", {u"carni_trasformate_e_conservate;Manzo salato ed essiccato (bresaola)"_s}, {}},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const QStringList all = found(QString::fromUtf8(c.text));
        for (const QString &food : c.find)
            EXPECT_TRUE(all.contains(food)) << food.toStdString();
        for (const QString &food : c.leave)
            EXPECT_FALSE(all.contains(food)) << food.toStdString();
    }
}

// The shipped file was built when the program was; a build now must give the same bytes.
TEST(ShippedCatalogue, IsWhatTheBuilderMakesEveryTime)
{
    QTemporaryDir dir;
    ASSERT_TRUE(buildCatalogue(dataFile("catalogo.csv"), dataFile("sr28/sr28_foods.csv"), dir.filePath(u"a.db"_s),
                               dataFile("sinonimi.csv"))
                    .ok);
    const QByteArray bytes = test::fileBytes(dir.filePath(u"a.db"_s));
    EXPECT_FALSE(bytes.isEmpty());
    EXPECT_EQ(bytes, test::fileBytes(shippedDatabase()));
}

const char *kSource =
    "ndb,group_code,group,long_desc,common_name,sci_name,manufacturer,refuse_desc,refuse_pct,edible_pct,protein_g,"
    "fat_g,carbohydrate_g,energy_kcal,fibre_g,cholesterol_mg\n"
    "09003,0900,Fruits,\"Apples, raw, with skin\",,,,Core and stem,10,90,0.26,0.17,13.81,52,2.4,0\n"
    "09252,0900,Fruits,\"Pears, raw\",,,,\"Core, stem\",8,92,0.36,0.14,15.23,57,3.1,\n"
    "11529,1100,Vegetables,\"Tomatoes, red, ripe, raw\",,,,Core and stem ends,9,91,0.88,0.2,3.89,18,1.2,0\n"
    "99999,1100,Vegetables,Unknown refuse,,,,,,,1,1,1,1,1,1\n"
    "09004,0900,Fruits,\"Apples, raw, without skin\",,,,Core,8,92,0.27,0.13,12.76,48,1.3,0\n"
    "09005,0900,Fruits,Apples unreadable,,,,,,90,n/a,0.1,1,5,1,0\n"
    "09006,0900,Fruits,Apples negative,,,,,,90,0.3,-5,1,5,1,0\n"
    "09007,0900,Fruits,Apples without edible part,,,,,,0,0.3,0.1,1,5,1,0\n"
    "09008,0900,Fruits,Apples with a comma,,,,,,90,\"1,500\",0.1,1,5,1,0\n"
    "09009,0900,Fruits,Apples with an exponent,,,,,,90,1e2,0.1,1,5,1,0\n";
// Their profile, beside them as in the data folder: the peeled apple's protein doctored.
const char *kProfileValues = "ndb,nutrient,value\n09003,203,0.26\n09003,204,0.17\n09003,205,13.81\n09003,208,52\n"
                             "09003,291,2.4\n09003,601,0\n09003,301,6\n09252,203,0.36\n09252,204,0.14\n"
                             "09252,205,15.23\n09252,208,57\n09252,291,3.1\n09004,203,0.3\n";

// The builder program on a catalogue and the source above: what it says, and its exit code.
class CatalogueBuilderTest : public ::testing::Test {
protected:
    // With `synonyms`, a list of common names too; with `measures`, the household measures and
    // the foods' standard portion groups (`groups`).
    std::pair<QString, int> build(const QByteArray &catalogue, const char *synonyms = nullptr,
                                  const char *measures = nullptr, const char *groups = "ndb,gruppo\n")
    {
        if (measures == nullptr)
            QFile::remove(dir.filePath(u"misure.csv"_s));
        for (const auto &[name, text] :
             {std::pair{u"catalogo.csv"_s, catalogue}, std::pair{u"sr28.csv"_s, QByteArray(kSource)},
              std::pair{u"sinonimi.csv"_s, QByteArray(synonyms)}, std::pair{u"misure.csv"_s, QByteArray(measures)},
              std::pair{u"gruppi_porzione.csv"_s, QByteArray(groups)},
              std::pair{u"porzioni_standard.csv"_s, QByteArray("gruppo,nome,quantita,unita,stato,fonte\n"
                                                               "frutta,Frutta,150,g,a crudo,LARN 2014\n")}}) {
            if (name == u"misure.csv" && measures == nullptr)
                continue;
            QFile file(dir.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        }
        QStringList arguments{dir.filePath(u"catalogo.csv"_s), dir.filePath(u"sr28.csv"_s), out()};
        if (synonyms != nullptr)
            arguments.insert(2, dir.filePath(u"sinonimi.csv"_s));
        {
            QFile values(dir.filePath(u"nutrient_values.csv"_s));
            EXPECT_TRUE(values.open(QIODevice::WriteOnly) && values.write(kProfileValues) > 0);
        }
        for (const char *name : {"nutrienti.csv", "sr28/nutrients.csv"})
            QFile::copy(dataFile(name), dir.filePath(QFileInfo(dataFile(name)).fileName()));
        QProcess tool;
        tool.start(QStringLiteral(VELMO_BUILDER), arguments);
        EXPECT_TRUE(tool.waitForFinished(30000));
        return {QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError()), tool.exitCode()};
    }
    QString out() const { return dir.filePath(u"elementi97.db"_s); }
    QTemporaryDir dir;
};

// Every column from the source, NULL where it has no value, in a file that opens as a food database.
TEST_F(CatalogueBuilderTest, BuildsAFoodDatabaseWithEverySourceValue)
{
    const auto [said, exitCode] = build(
        "tabella,ndb,alimenti\nFrutta,09003,\"Mela, con buccia, cruda\"\nFrutta,09252,\"Pera, cruda\"\n");
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(said, u"elementi97.db: 2 alimenti\n"_s);
    QString error;
    const auto db = FoodDatabase::open(out(), &error);
    ASSERT_TRUE(db) << error.toStdString();
    QSqlQuery q(db->connection());
    ASSERT_TRUE(q.exec(foodCategories()[static_cast<std::size_t>(*findFoodCategory(u"Frutta"_s))].recordSource()));
    QStringList rows;
    while (q.next()) {
        QStringList row;
        for (int c = 0; c < 8; ++c)
            row << q.value(c).toString();
        rows << row.join(u'|');
    }
    EXPECT_EQ(rows, (QStringList{u"Mela, con buccia, cruda|90|0.26|0.17|13.81|52|2.4|0"_s,
                                 u"Pera, cruda|92|0.36|0.14|15.23|57|3.1|"_s}));
}

// A bad line builds nothing and ends the program with code 1: a database built earlier stays as
// it was, and no partial file is left.
TEST_F(CatalogueBuilderTest, RefusesBadLinesAndKeepsTheEarlierDatabase)
{
    ASSERT_EQ(build("tabella,ndb,alimenti\nFrutta,09003,Mela\n").second, 0);
    const QByteArray before = test::fileBytes(out());
    // clang-format off
    const char *apple = "tabella,ndb,alimenti\nFrutta,09003,Mela\n";
    const char *measure = "ndb,ordine,quantita,misura,misura_plurale,grammi_edibili,misura_inglese\n";
    const struct { int line; const char *catalogue, *message, *synonyms = nullptr, *measures = nullptr, *groups = "ndb,gruppo\n"; } cases[] = {
        {__LINE__, "tabella,ndb,alimenti\nFrutti,09003,Mela\n", "tabella sconosciuta \"Frutti\""},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,01234,Mela\n", "ndb 01234 assente"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,Mela\nFrutta,09252,mela\n", "riga 3: nome ripetuto"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003\n", "riga 2: riga malformata"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,\"Mela\n", "virgolette non chiuse"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,M\n", "nome non valido"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003, Mela\n", "nome non valido"},
        {__LINE__, "tabella,ndb,alimenti\nVerdure_ed_ortaggi,99999,Ignoto\n", "parte edibile"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09007,Mela\n", "parte edibile"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09005,Mela\n", "ndb 09005: la fonte dà il valore non valido \"n/a\""},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09006,Mela\n", "ndb 09006: la fonte dà il valore non valido \"-5\""},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09008,Mela\n", "ndb 09008: la fonte dà il valore non valido \"1,500\""},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09009,Mela\n", "ndb 09009: la fonte dà il valore non valido \"1e2\""},
        {__LINE__, "alimento,ndb\nFrutta,09003,Mela\n", "intestazione"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,Mela\nFrutta,09003,Mela cruda\n", "riga 3: ndb 09003 ripetuto (già alla riga 2)"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,Mela\nVerdure_ed_ortaggi,09003,Mela cotta\n", "riga 3: ndb 09003 ripetuto"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,Mela\nFrutta,09252,\"Apples, raw, with skin\"\n", "riga 2: il nome inglese"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,Mela\n", "sinonimi.csv, riga 3: alimento inesistente nella tabella Frutta: \"Pera\"",
         "sinonimo,tabella,alimenti\nmele,Frutta,Mela\nfrutto,Frutta,Pera\n"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,Mela\n", "sinonimi.csv, riga 2: tabella sconosciuta \"Frutti\"",
         "sinonimo,tabella,alimenti\nmele,Frutti,Mela\n"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,Mela\n", "riga 3: sinonimo ripetuto", "sinonimo,tabella,alimenti\nmele,Frutta,Mela\nMELE,Frutta,Mela\n"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,Mela\n", "sinonimo non valido", "sinonimo,tabella,alimenti\nmele  rosse,Frutta,Mela\n"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,Mela\n", "intestazione", "alimenti,sinonimo\nMela,mele\n"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09004,Mela sbucciata\n", "\"Mela sbucciata\" (ndb 09004): Proteine vale 0.27 nella tabella degli alimenti e 0.3 nel profilo"},
        {__LINE__, apple, "misure.csv, riga 2: l'alimento con ndb \"09252\" non è nel catalogo", nullptr, "ndb,ordine,quantita,misura,misura_plurale,grammi_edibili,misura_inglese\n09252,1,1,pera,pere,178,medium\n"},
        {__LINE__, apple, "misure.csv, riga 2: quantità \"1\" o grammi \"0\" non positivi", nullptr, "ndb,ordine,quantita,misura,misura_plurale,grammi_edibili,misura_inglese\n09003,1,1,mela,mele,0,medium\n"},
        {__LINE__, apple, "quantità \"-1\" o grammi \"182\" non positivi", nullptr, "ndb,ordine,quantita,misura,misura_plurale,grammi_edibili,misura_inglese\n09003,1,-1,mela,mele,182,medium\n"},
        {__LINE__, apple, "misure.csv, riga 2: la misura \"confezione (142 g)\" pesa 28.4 g l'una", nullptr, "ndb,ordine,quantita,misura,misura_plurale,grammi_edibili,misura_inglese\n09003,1,5,confezione (142 g),confezioni (142 g),142,package (5 oz)\n"},
        {__LINE__, apple, "misure.csv, riga 2: la misura \"vasetto (113 g)\" pesa 226 g l'una", nullptr, "ndb,ordine,quantita,misura,misura_plurale,grammi_edibili,misura_inglese\n09003,1,0.5,vasetto (113 g),vasetti (113 g),113,container (4 oz)\n"},
        {__LINE__, apple, "misure.csv, riga 3: ordine \"1\" non valido o ripetuto", nullptr, "ndb,ordine,quantita,misura,misura_plurale,grammi_edibili,misura_inglese\n09003,1,1,mela,mele,182,medium\n09003,1,1,tazza,tazze,125,cup\n"},
        {__LINE__, apple, "gruppi_porzione.csv, riga 2: gruppo \"pane\" sconosciuto", nullptr, measure, "ndb,gruppo\n09003,pane\n"},
        {__LINE__, apple, "gruppi_porzione.csv, riga 3: l'alimento con ndb \"09003\" è ripetuto", nullptr, measure, "ndb,gruppo\n09003,frutta\n09003,frutta\n"},
        {__LINE__, apple, "gruppi_porzione.csv, riga 2: l'alimento con ndb \"09252\" non è nel catalogo", nullptr, measure, "ndb,gruppo\n09252,frutta\n"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const auto [said, exitCode] = build(c.catalogue, c.synonyms, c.measures, c.groups);
        EXPECT_EQ(exitCode, 1);
        EXPECT_TRUE(said.startsWith(u"velmo-build-catalogue: "_s) && said.contains(QString::fromUtf8(c.message)))
            << said.toStdString();
        EXPECT_EQ(test::fileBytes(out()), before);
        EXPECT_FALSE(QFile::exists(out() + u".partial"_s));
    }
}

}  // namespace
