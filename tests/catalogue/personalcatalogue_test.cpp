// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/personalcatalogue.h"
#include "support/fooddbfixture.h"
#include "support/localeguard.h"
#include "support/readonly.h"
#include "support/tablecase.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>

using namespace Qt::StringLiterals;
#endif

namespace velmo::test {
namespace {

const QByteArray kHeader = "alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo\r\n";

PersonalFood food(const char *name, double edible, std::array<std::optional<double>, 6> nutrients,
                  std::initializer_list<std::pair<const char *, double>> extra = {})
{
    PersonalFood made{QString::fromUtf8(name), edible, nutrients};
    for (const auto &[tag, value] : extra)
        made.extra[extraNutrientIndex(QString::fromLatin1(tag)).value()] = value;
    return made;
}

class PersonalCatalogueTest : public ::testing::Test {
protected:
    std::unique_ptr<PersonalCatalogue> open()
    {
        QString error;
        auto catalogue = PersonalCatalogue::open(path, true, &error);
        EXPECT_TRUE(catalogue) << error.toStdString();
        return catalogue;
    }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("dati/alimenti-personali.db"));
};

// A message of the catalogue says in Italian what happened; the engine's words come only after
// "Dettagli:".
void expectItalian(const QString &message, const char *words)
{
    const QString told = message.section(QStringLiteral("\nDettagli:"), 0, 0);
    EXPECT_TRUE(told.contains(QString::fromUtf8(words))) << message.toStdString();
    EXPECT_FALSE(told.contains(QRegularExpression(QStringLiteral("database|unable|attempt|readonly|Impossibile "
                                                                 "(ottenere|eseguire)"),
                                                  QRegularExpression::CaseInsensitiveOption)))
        << message.toStdString();
}

// One line per rule of the import: all lines or none, and each fault names its line; the same
// whether the foods are read into memory or straight into a catalogue.
TEST(PersonalFoodCsv, ImportRules)
{
    // The lines after the header, the foods read when no error is expected, words of the first
    // error, whether doubtful values are taken; what is read is exported and imported back.
    // clang-format off
    const struct { int line; QByteArray body; int foods; const char *error; bool force = false; QByteArray columns = {}; } cases[] = {
        {__LINE__, "\"Torta, fetta\",100,6.5,\"12,3\",50,340,,40\r\n", 1, ""},
        {__LINE__, "Birra,100,0.5,0,3.5,,,\r\nAcqua,100,,,,,,\r\nZucchero,100,0,0,100,,,\r\nAlbume,100,100,0,0,,,\r\n", 4, ""},
        {__LINE__, "Sale,100,0.00001,0,0,0.1234567890123456,0,0\r\n", 1, "", true},  // exported as read, no exponent
        {__LINE__, "Pane,0,1,1,1,1,1,1\r\n", 0, "riga 2: Parte edibile: il valore deve essere compreso fra 1 e 100"},
        {__LINE__, "Pane,,1,1,1,1,1,1\r\n", 0, "riga 2: Parte edibile: manca il valore"},
        {__LINE__, "Pane,100,1,1,1,1000,1,1\r\n", 0, "riga 2: Energia: il valore deve essere compreso fra 0 e 900", true},
        {__LINE__, "Pane,100,1,1,1,17,100.5,1\r\n", 0, "riga 2: Fibra: il valore deve essere compreso fra 0 e 100", true},
        {__LINE__, "Buono,100,1,1,1,17,1,1\r\nPane,100,-1,1,1,1,1,1\r\n", 0, "riga 3: Protidi: \"-1\" non è un numero"},
        {__LINE__, "Pane,100,1.005,5,1,53,1,1\r\nPane,100,1,1\r\n", 0, "riga 3: servono 8 campi"},
        {__LINE__, "Pane,100,1,1,1,17,1,1\r\npane ,90,1,1,1,17,1,1\r\n", 0, "riga 3: l'alimento \"pane\" compare già alla riga 2"},
        {__LINE__, "Pane,100,50,50,50,1,,\r\npane,100,1,1,1,,,\r\n", 0, "riga 3: l'alimento \"pane\" compare già alla riga 2", true},
        {__LINE__, ",100,1,1,1,1,1,1\r\n", 0, "riga 2: Il nome dell'alimento è vuoto"},
        {__LINE__, "X,100,1,1,1,17,1,1\r\n", 0, "riga 2: Il nome dell'alimento deve avere almeno due caratteri"},
        {__LINE__, "Pane\xe2\x80\x8b,100,1,1,1,17,1,1\r\n", 0, "riga 2: Il nome dell'alimento contiene caratteri di controllo o invisibili"},
        {__LINE__, "\"Pane\r\n", 0, "riga 2: virgolette non chiuse"},
        {__LINE__, "\"Pane" + QByteArray(70000, 'x') + "\r\n", 0, "riga 2: la riga supera 65536 caratteri"},
        {__LINE__, "Pan\xff,100,1,1,1,1,1,1\r\n", 0, "il file non è testo UTF-8"},
        {__LINE__, "x\"y\r\n\xc3", 0, "il file non è testo UTF-8"},
        // A character cut by the end of the first 64 KiB read, after its first byte or its second.
        {__LINE__, QByteArray(65534 - kHeader.size(), '\n') + "T\xc3\xa8,100,,,,,,\r\n", 1, ""},
        {__LINE__, QByteArray(65533 - kHeader.size(), '\n') + "T\xe2\x82\xac,100,,,,,,\r\n", 1, ""},
        {__LINE__, QByteArray(kMaxFoodCsvBytes, '\n'), 0, "il file supera 64 MB"},
        // What the food window asks to confirm is refused with its line, unless it is forced.
        {__LINE__, "Vino,100,0,0,1,70,,\r\n", 0, "riga 2: L'energia indicata (70 kcal) differisce di più del 15%"},
        {__LINE__, "Vino,100,0,0,1,70,,\r\n", 1, "", true},
        {__LINE__, "Pane,100,50,50,50,1,,\r\n", 0, "(4 × 50 + 9 × 50 + 4 × 50 = 850 kcal); può essere giusta, per esempio per l'alcol o i polioli. Protidi, lipidi e glucidi insieme fanno 150 g"},
        {__LINE__, "Olio,100,0.11,99.98,0,884,,\r\n", 0, "riga 2: Protidi, lipidi e glucidi insieme fanno 100,09 g"},
        {__LINE__, "Olio,100,0.11,99.98,0,884,,\r\n", 1, "", true},
        // The extra nutrients, by their tags after the eight columns.
        {__LINE__, "Latte,100,3.3,3.6,4.9,64,,14,,119\r\n", 1, "", false, ", vitc ,CA"},
        {__LINE__, "Latte,100,3.3,3.6,4.9,64,,14,1e3\r\n", 0, "riga 2: Calcio (CA): \"1e3\" non è un numero", false, ",CA"},
        {__LINE__, "Latte,100,3.3,3.6,4.9,64,,14,100000.1\r\n", 0, "riga 2: Calcio (CA): il valore deve essere compreso fra 0 e 100000 mg", false, ",CA"},
        {__LINE__, "Latte,100,3.3,3.6,4.9,64,,14,100000001\r\n", 0, "riga 2: Selenio (SE): il valore deve essere compreso fra 0 e 100000000 µg", false, ",SE"},
        {__LINE__, "Latte,100,3.3,3.6,4.9,64,,14,1,100.5\r\n", 0, "riga 2: Acqua (WATER): il valore deve essere compreso fra 0 e 100 g", false, ",CA,WATER"},
        {__LINE__, "Latte,100,3.3,3.6,4.9,64,,14\r\n", 0, "riga 2: servono tanti campi quante sono le colonne dell'intestazione (9), ce ne sono 8", false, ",CA"},
        {__LINE__, "Latte,100,3.3,3.6,4.9,64,,14,1,1\r\n", 0, "riga 1: colonna sconosciuta \"IOD\"", false, ",CA,IOD"},
        {__LINE__, "Latte,100,3.3,3.6,4.9,64,,14,1,1\r\n", 0, "riga 1: la colonna \"ca\" compare più volte", false, ",CA,ca"},
        {__LINE__, "Latte,100,3.3,3.6,4.9,64,,14,1\r\n", 0, "riga 1: colonna sconosciuta \"PROCNT\"", false, ",PROCNT"},
        // The household measures, in an optional column of their own.
        {__LINE__, "Pane,100,8,1,50,241,,,\" fetta = 30|panino=12,5\"\r\nGrissini,100,12,8,68,392,,,\r\n", 2, "", false, ",MISURE"},
        {__LINE__, "Pane,100,8,1,50,241,,,filone=1.000|pizzico=0.125\r\n", 0, "riga 2: misure: filone: i grammi \"1.000\" non sono chiari", false, ",misure"},
        {__LINE__, "Pane,100,8,1,50,241,,,cucchiaino=12.125\r\n", 1, "", false, ",misure"},  // as exported
        {__LINE__, "Pane,100,8,1,50,241,,,1,fetta\r\n", 0, "riga 2: misure: \"fetta\" non è una misura: scrivere nome=grammi", false, ",CA,misure"},
        {__LINE__, "Pane,100,8,1,50,241,,,fetta=40|1/2=20\r\n", 0, "riga 2: misure: Il nome di misura \"1/2\" non ha lettere", false, ",misure"},
        {__LINE__, "Pane,100,8,1,50,241,,,fetta=0\r\n", 0, "riga 2: misure: fetta: i grammi di parte edibile devono essere maggiori di 0 e al più 10.000", false, ",misure"},
        {__LINE__, "Pane,100,8,1,50,241,,,fetta=1|Fetta=2\r\n", 0, "riga 2: misure: La misura \"Fetta\" compare più volte", false, ",misure"},
        {__LINE__, "Pane,100,8,1,50,241,,,a=1|b=1|c=1|d=1|e=1|f=1|g=1|h=1|i=1|j=1|k=1\r\n", 0, "riga 2: misure: Al massimo 10 misure per alimento", false, ",misure"},
    };
    // clang-format on
    const LocaleGuard locale("it_IT");
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QBuffer csv;
        csv.setData(kHeader.chopped(2) + c.columns + "\r\n" + c.body);
        const auto read = [&](const FoodSink &sink) {
            csv.open(QIODevice::ReadOnly);
            const CsvFoods found = readFoods(csv, {sink, c.force});
            csv.close();
            return found;
        };
        const CsvFoods inMemory = read({});
        EXPECT_EQ(inMemory.foods.size(), static_cast<std::size_t>(c.foods));
        EXPECT_TRUE(inMemory.errors.value(0).contains(QString::fromUtf8(c.error)))
            << inMemory.errors.join(u'|').toStdString();
        EXPECT_EQ(inMemory.ok(), *c.error == '\0');
        QTemporaryDir dir;
        QString error;
        const auto catalogue = PersonalCatalogue::open(dir.filePath(u"p.db"_s), true, &error);
        PersonalCatalogue::Merge counts;
        EXPECT_EQ(catalogue->importFoods(read, &counts, &error).errors, inMemory.errors);
        EXPECT_EQ(catalogue->foods(&error), inMemory.foods);  // measures and values stored as read
        EXPECT_EQ(counts.added, c.foods);
        if (inMemory.ok()) {
            csv.setData(foodsToCsv(inMemory.foods).toUtf8());
            EXPECT_EQ(read({}).foods, inMemory.foods);
        }
    }
    EXPECT_EQ(foodsFromCsv("nome,edibile\r\nPane,100\r\n").errors.value(0).left(7), QStringLiteral("riga 1:"));
    // A spreadsheet's semicolons are named as such: with the measures, quoted, spaced, or with a
    // quote the comma reader finds out of place.
    const QByteArray semicolons = QByteArray(kHeader).replace(',', ';');
    for (const QByteArray &csv :
         {semicolons + "Pane;100;8;1;50;241;;\r\n", semicolons.chopped(2) + ";misure\r\nPane;100;8;1;50;241;;;\r\n",
          "\"" + semicolons.chopped(2).replace(";", "\";\"") + "\"\r\n\"Pane\";100;8;1;50;241;;\r\n",
          QByteArray(semicolons).replace(";", " ; ") + "Pane;100;8;1;50;241;;\r\n",
          semicolons + "\"Pane \"\"suo\"\"\";100;8;1;50;241;;\r\n"})
        EXPECT_EQ(foodsFromCsv(csv).errors.value(0),
                  u"riga 1: le colonne devono essere separate da virgole, non da punti e virgola"_s)
            << csv.toStdString();
}

// Three digits after the user's thousands separator, the last a zero, may be thousands: refused in
// the user's language with what to write, read as decimals in the other; a leading zero is no doubt.
TEST(PersonalFoodCsv, DoubtfulThousandsFollowTheUsersLanguage)
{
    // clang-format off
    const struct { int line; const char *locale; QByteArray cholesterol; const char *error; } cases[] = {
        {__LINE__, "it_IT", "1.250", "riga 2: Colesterolo: il valore \"1.250\" non è chiaro. Scrivere le migliaia senza separatore (1250) e i decimali con \",\"."},
        {__LINE__, "it_IT", "\"1,250\"", ""},
        {__LINE__, "it_IT", "1.255", ""},
        {__LINE__, "it_IT", "0.250", ""},
        {__LINE__, "en_US", "\"1,250\"", "riga 2: Colesterolo: il valore \"1,250\" non è chiaro. Scrivere le migliaia senza separatore (1250) e i decimali con \".\"."},
        {__LINE__, "en_US", "1.250", ""},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const LocaleGuard locale(c.locale);
        const CsvFoods read = foodsFromCsv(kHeader + "Uova,100,12,9,0,140,," + c.cholesterol + "\r\n");
        EXPECT_EQ(read.errors.value(0).toStdString(), c.error);
        EXPECT_EQ(read.foods.size(), *c.error ? 0U : 1U);
    }
}

// A food's measures follow it through a rename, stay when an update does not state them and go
// with it; a file of the second format gains their table, which refuses a weight out of range.
TEST_F(PersonalCatalogueTest, MeasuresFollowTheirFoodAndAFileOfTheSecondFormatGainsThem)
{
    QString error;
    {
        auto older = open();
        QSqlQuery q(older->connection());
        ASSERT_TRUE(q.exec(u"DROP TABLE misure_personali"_s) && q.exec(u"PRAGMA user_version = 2"_s));
    }
    auto catalogue = open();
    PersonalFood bread = food("Pane", 90, {});
    bread.measures = {{u"fetta"_s, 30}, {u"panino"_s, 50}};
    ASSERT_TRUE(catalogue->save(bread, {}, &error)) << error.toStdString();
    bread.name = u"Pane nero"_s;
    bread.measures.pop_back();
    ASSERT_TRUE(catalogue->save(bread, u"Pane"_s, &error));
    PersonalFood unstated = food("pane nero", 80, {});
    unstated.unstated.set();
    PersonalCatalogue::Merge counts;
    ASSERT_TRUE(catalogue->merge({unstated}, &counts, &error));
    unstated.measures = bread.measures;
    EXPECT_EQ(catalogue->foods(&error), std::vector<PersonalFood>{unstated});
    QSqlQuery q(catalogue->connection());
    EXPECT_FALSE(q.exec(u"INSERT INTO misure_personali VALUES ('pane nero', 5, 'x', 0)"_s));
    ASSERT_TRUE(catalogue->remove(u"Pane nero"_s, &error));
    ASSERT_TRUE(q.exec(u"SELECT count(*) FROM misure_personali"_s) && q.next());
    EXPECT_EQ(q.value(0).toInt(), 0);
}

TEST_F(PersonalCatalogueTest, CreatedOnFirstUseWithUniqueNamesWhateverTheCapitals)
{
    QString error;
    EXPECT_TRUE(PersonalCatalogue::open(path, false, &error)->inMemory());
    EXPECT_FALSE(QFile::exists(path));  // reading alone never creates the file
    auto catalogue = open();
    ASSERT_TRUE(catalogue->save(food("Pane", 100, {}), {}, &error));
    EXPECT_TRUE(catalogue->lastChange().has_value());
    EXPECT_FALSE(catalogue->save(food("PANE", 90, {}), {}, &error));
    EXPECT_TRUE(error.contains(u"Esiste già un alimento personale di nome \"Pane\""_s)) << error.toStdString();
    ASSERT_TRUE(catalogue->save(food("Pane nero", 95, {}), {}, &error));
    EXPECT_FALSE(catalogue->save(food("pane nero", 95, {}), QStringLiteral("Pane"), &error));  // renaming onto another
    ASSERT_TRUE(catalogue->save(food("pane", 80, {1}), QStringLiteral("Pane"), &error)) << error.toStdString();
    ASSERT_TRUE(catalogue->remove(QStringLiteral("PANE NERO"), &error));
    catalogue.reset();
    const auto reopened = open();
    EXPECT_EQ(reopened->foods(&error), (std::vector<PersonalFood>{food("pane", 80, {1})}));
}

// A food's extra values follow it through a rename and a change and go with it; the table
// refuses an unknown tag or a value out of range whoever writes; a file of the first format
// opens with every food and gains the table.
TEST_F(PersonalCatalogueTest, ExtraValuesFollowTheirFoodAndAnOlderFileGainsThem)
{
    QString error;
    {
        auto older = open();
        QSqlQuery q(older->connection());
        ASSERT_TRUE(
            q.exec(u"DROP TABLE valori_personali"_s) && q.exec(u"DROP TABLE misure_personali"_s)
            && q.exec(u"PRAGMA user_version = 1"_s)
            && q.exec(u"INSERT INTO alimenti_personali (alimenti, edibile, chiave) VALUES ('Pane', 90, 'pane')"_s));
    }
    auto catalogue = open();
    EXPECT_EQ(catalogue->foods(&error), (std::vector<PersonalFood>{food("Pane", 90, {})}));
    ASSERT_TRUE(catalogue->save(food("Pane", 90, {}, {{"CA", 20}, {"VITC", 0.5}}), u"Pane"_s, &error));
    ASSERT_TRUE(catalogue->save(food("Latte", 100, {}, {{"CA", 119}}), {}, &error));
    ASSERT_TRUE(catalogue->save(food("Pane nero", 90, {}, {{"CA", 25}}), u"pane"_s, &error)) << error.toStdString();
    ASSERT_TRUE(catalogue->remove(u"latte"_s, &error));
    ASSERT_TRUE(catalogue->save(food("Latte", 100, {}), {}, &error));
    EXPECT_EQ(catalogue->foods(&error),
              (std::vector<PersonalFood>{food("Pane nero", 90, {}, {{"CA", 25}}), food("Latte", 100, {})}));
    // clang-format off
    const struct { int line; const char *values; bool taken; } cases[] = {
        {__LINE__, "'latte', 'FE', 100000.0", true},
        {__LINE__, "'latte', 'FE', 100000.5", false},
        {__LINE__, "'latte', 'WATER', 100.5", false},
        {__LINE__, "'latte', 'VITD', -1.0", false},
        {__LINE__, "'latte', 'IOD', 1.0", false},
        {__LINE__, "'latte', 'PROCNT', 1.0", false},
        {__LINE__, "'latte', 'SE', 'x'", false},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(QSqlQuery(catalogue->connection())
                      .exec(u"INSERT OR REPLACE INTO valori_personali VALUES (%1)"_s.arg(QLatin1String(c.values))),
                  c.taken);
    }
    catalogue.reset();
    EXPECT_EQ(open()->foods(&error).at(1), food("Latte", 100, {}, {{"FE", 100000}}));
}

// A file larger than any catalogue is refused before a food of it is read.
TEST(PersonalFoodCsv, ATooLargeFileIsRefusedBeforeItIsRead)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(u"grande.csv"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kHeader + "Birra,100,0.5,0,3.5,17,,\r\n");
    ASSERT_TRUE(file.resize(kMaxFoodCsvBytes + 1));
    file.close();
    int taken = 0;
    const CsvFoods read = readFoodsFile(file.fileName(), {[&taken](const PersonalFood &, int, bool) {
                                            ++taken;
                                            return 0;
                                        }});
    EXPECT_EQ(read.errors, QStringList(u"il file supera 64 MB"_s));
    EXPECT_EQ(taken, 0);
}

// Extra values and household measures go out in the columns that some food has, in the profile's
// order, and come back exactly; an import keeps the values of the columns its file lacks and
// clears those it leaves empty.
TEST_F(PersonalCatalogueTest, ExtraValuesGoOutAndComeBackInTheirColumns)
{
    std::vector<PersonalFood> foods{
        food("Latte", 100, {3.3, 3.6, 4.9, 64, {}, 14}, {{"VITD", 0.1 + 0.2}, {"CA", 119}}),
        food("Olio", 100, {0, 99.9, 0, 899, 0, 0}, {{"ENERC_KJ", 3800}}),
        food("Pane", 90, {}),
    };
    foods[0].measures = {{u"tazza"_s, 250}, {u"bicchiere"_s, 200}};
    auto catalogue = open();
    QString error;
    for (const PersonalFood &f : foods)
        ASSERT_TRUE(catalogue->save(f, {}, &error)) << error.toStdString();
    QByteArray exported;
    qint64 count = 0;
    ASSERT_TRUE(
        catalogue->exportFoods([&](const QByteArray &piece) { return exported += piece, true; }, &count, &error));
    EXPECT_TRUE(exported.startsWith(kHeader.chopped(2) + ",ENERC_KJ,CA,VITD,misure\r\n")) << exported.toStdString();

    QTemporaryDir other;
    auto copy = PersonalCatalogue::open(other.filePath(u"copia.db"_s), true, &error);
    ASSERT_TRUE(copy->save(food("Pane", 90, {}, {{"CA", 1}, {"FE", 2}}), {}, &error));
    const auto import = [&](QByteArray csv) {
        QBuffer buffer(&csv);
        buffer.open(QIODevice::ReadOnly);
        PersonalCatalogue::Merge counts;
        EXPECT_EQ(
            copy->importFoods([&](const FoodSink &sink) { return readFoods(buffer, {sink}); }, &counts, &error).errors,
            QStringList());
    };
    import(exported);
    EXPECT_EQ(copy->foods(&error), (std::vector<PersonalFood>{food("Pane", 90, {}, {{"FE", 2}}), foods[0], foods[1]}));
    import(kHeader + "Pane,90,,,,,,\r\n");
    EXPECT_EQ(copy->find(u"pane"_s), food("Pane", 90, {}, {{"FE", 2}}));
}

// Export then import gives back every name and value exactly, into a catalogue that has one of
// the foods already; a name a spreadsheet would run as a formula is exported as text.
TEST_F(PersonalCatalogueTest, ExportThenImportGivesBackEveryNameAndValue)
{
    // clang-format off
    const struct { int line; PersonalFood food; const char *record; } cases[] = {
        {__LINE__, food("Birra", 100, {0.5, 0, 3.5, 17, {}, {}}), "Birra,100,0.5,0,3.5,17,,\r\n"},
        {__LINE__, food("Torta, \"nonna\"", 100.0 / 3, {0.1 + 0.2, 1.0 / 3, 2.0 / 3, {}, 1e-7, 4999.999999999999}),
         "\"Torta, \"\"nonna\"\"\",33.333333333333336,0.30000000000000004,0.3333333333333333,0.6666666666666666,,0.0000001,4999.999999999999\r\n"},
        {__LINE__, food("Minimo", 100, {5e-324, {}, {}, {}, {}, {}}), "Minimo,100,0.0000000000"},
        {__LINE__, food("=SOMMA(A1:A9)", 100, {}), "'=SOMMA(A1:A9),100,,,,,,\r\n"},
        {__LINE__, food("'Nduja", 100, {}), "'Nduja,100,,,,,,\r\n"},
        {__LINE__, food("'=x", 100, {}), "''=x,100,,,,,,\r\n"},
        {__LINE__, food("+39", 100, {}), "'+39,100,,,,,,\r\n"},
        {__LINE__, food("-x", 100, {}), "'-x,100,,,,,,\r\n"},
        {__LINE__, food("@x", 100, {}), "'@x,100,,,,,,\r\n"},
        {__LINE__, food("''", 100, {}), "''',100,,,,,,\r\n"},
        {__LINE__, food("Pane = pasta", 100, {}), "Pane = pasta,100,"},
    };
    // clang-format on
    auto catalogue = open();
    QString error;
    for (const auto &c : cases)
        ASSERT_TRUE(catalogue->save(c.food, {}, &error)) << error.toStdString();
    QByteArray exported;
    qint64 count = 0;
    ASSERT_TRUE(catalogue->exportFoods(
        [&](const QByteArray &piece) {
            exported += piece;
            return true;
        },
        &count, &error));
    EXPECT_EQ(count, std::ssize(cases));

    QTemporaryDir other;
    auto copy = PersonalCatalogue::open(other.filePath(u"copia.db"_s), true, &error);
    ASSERT_TRUE(copy->save(food("BIRRA", 90, {}), {}, &error));
    QBuffer csv(&exported);
    csv.open(QIODevice::ReadOnly);
    PersonalCatalogue::Merge counts;
    EXPECT_EQ(copy->importFoods([&](const FoodSink &sink) { return readFoods(csv, {sink}); }, &counts, &error).errors,
              QStringList());
    EXPECT_EQ(counts.added, std::ssize(cases) - 1);
    EXPECT_EQ(counts.updated, 1);
    const std::vector<PersonalFood> back = copy->foods(&error);
    ASSERT_EQ(back.size(), std::size(cases));
    for (std::size_t i = 0; i < back.size(); ++i) {
        VELMO_CASE(cases[i]);
        EXPECT_EQ(back[i], cases[i].food);
        EXPECT_TRUE(exported.contains("\r\n" + QByteArray(cases[i].record))) << exported.toStdString();
    }
}

// A file that cannot be opened is refused with its name, says in Italian what to do, and is
// left byte for byte as it was.
TEST_F(PersonalCatalogueTest, AFileThatCannotBeOpenedIsNeverWritten)
{
    const auto sqlite = [this](const char *statement) {
        return [this, statement] {
            QString error;
            auto c = PersonalCatalogue::open(path, true, &error);
            QSqlQuery(c->connection()).exec(QString::fromLatin1(statement));
        };
    };
    const QString folder = QFileInfo(path).absolutePath();
    // clang-format off
    const struct { int line; std::function<void()> make; QString readOnly; PersonalCatalogue::Problem problem; const char *words; } cases[] = {
        {__LINE__, [this] { QFile f(path); f.open(QIODevice::WriteOnly); f.write(QByteArray(3000, 'x')); }, {}, PersonalCatalogue::Problem::Damaged, "danneggiato o non è un archivio di Velmo. Ripristinarlo da una copia"},
        {__LINE__, sqlite("PRAGMA user_version = 4"), {}, PersonalCatalogue::Problem::Newer, "versione più recente"},
        {__LINE__, sqlite("DROP TABLE alimenti_personali"), {}, PersonalCatalogue::Problem::Damaged, "danneggiato"},
        {__LINE__, [this] { QFile::remove(path); QDir().mkpath(path); }, {}, PersonalCatalogue::Problem::NoPermission, "non indica un file"},
        {__LINE__, sqlite("SELECT 1"), path, PersonalCatalogue::Problem::NoPermission, "Permessi insufficienti"},
        {__LINE__, sqlite("SELECT 1"), folder, PersonalCatalogue::Problem::NoPermission, "Permessi insufficienti"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QDir(path).removeRecursively();
        QFile::remove(path);
        QDir().mkpath(folder);
        c.make();
        const QByteArray before = fileBytes(path);
        std::optional<ReadOnly> readOnly;
        if (!c.readOnly.isEmpty() && !readOnly.emplace(c.readOnly).held())
            continue;  // nothing here can take writing from this user
        QString error;
        PersonalCatalogue::Problem problem{};
        EXPECT_FALSE(PersonalCatalogue::open(path, true, &error, &problem));
        EXPECT_EQ(problem, c.problem);
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        expectItalian(error, c.words);
        EXPECT_EQ(fileBytes(path), before);
    }
}

// A change refused by a folder made read-only while the catalogue is open says so in Italian.
TEST_F(PersonalCatalogueTest, AChangeRefusedByAReadOnlyFolderSaysWhatToDo)
{
    auto catalogue = open();
    const ReadOnly folder(QFileInfo(path).absolutePath());
    if (!folder.held())
        GTEST_SKIP() << "nothing here can take writing from this user";
    QString error;
    EXPECT_FALSE(catalogue->save(food("Pane", 100, {}), {}, &error));
    expectItalian(error, "scrivibil");
}

#ifdef Q_OS_UNIX
int mode(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? static_cast<int>(status.st_mode & 07777) : -1;
}

// The foods are the user's alone whatever the umask: the folder 0700, the file and its journal
// 0600; a folder or file found open to others is closed to them, each with a notice.
TEST(PersonalCataloguePrivacy, TheFolderAndItsFilesAreTheUsersAloneWhateverTheUmask)
{
    // The umask; the permissions the folder, the catalogue and another file in the folder are
    // found with (0: the catalogue is new); the notices.
    // clang-format off
    const struct { int line; mode_t umask; int folder; int file; int other; int notices; } cases[] = {
        {__LINE__, 022, 0, 0, 0, 0},
        {__LINE__, 000, 0, 0, 0, 0},
        {__LINE__, 000, 0755, 0644, 0666, 3},
        {__LINE__, 022, 0711, 0600, 0400, 1},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QTemporaryDir home;
        const QString folder = home.filePath(u"dati/Velmo"_s);
        const QString path = folder + u"/alimenti-personali.db"_s;
        const mode_t umask = ::umask(c.umask);
        QString error;
        if (c.folder != 0) {
            ASSERT_TRUE(PersonalCatalogue::open(path, true, &error));
            QFile(folder + u"/copia.csv"_s).open(QIODevice::WriteOnly);
            for (const auto &[made, permissions] :
                 {std::pair(folder + u"/copia.csv"_s, c.other), {path, c.file}, {folder, c.folder}})
                ::chmod(QFile::encodeName(made).constData(), static_cast<mode_t>(permissions));
        }
        const auto catalogue = PersonalCatalogue::open(path, true, &error);
        ::umask(umask);
        ASSERT_TRUE(catalogue) << error.toStdString();
        QSqlQuery write(catalogue->connection());
        ASSERT_TRUE(
            write.exec(u"BEGIN IMMEDIATE"_s)
            && write.exec(u"INSERT INTO alimenti_personali (alimenti, edibile, chiave) VALUES ('x', 100, 'x')"_s));
        // The folders, the file, its journal, the other file.
        EXPECT_EQ((std::vector{mode(home.filePath(u"dati"_s)), mode(folder), mode(path), mode(path + u"-journal"_s),
                               mode(folder + u"/copia.csv"_s)}),
                  (std::vector{0700, 0700, 0600, 0600, c.other == 0 ? -1 : (c.other & 0700)}));
        EXPECT_EQ(catalogue->notices().size(), c.notices) << catalogue->notices().join(u'\n').toStdString();
        write.exec(u"ROLLBACK"_s);
    }
}
#endif

}  // namespace
}  // namespace velmo::test
