// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "meal/mealcomposer.h"
#include "meal/measurestore.h"
#include "meal/cli/mealreport.h"
#include "meal/mealcsv.h"
#include "meal/portiontext.h"
#include "support/fooddbfixture.h"
#include "support/tablecase.h"
#include "support/languageguard.h"
#include "support/localeguard.h"

#include <QDate>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace velmo::test {
namespace {

using namespace Qt::StringLiterals;

// A small database where names repeat: "Mela" twice in Frutta (the first food of the table)
// and once in Dolci, each with its own values; with the table of every food by name (true) or
// read by category.
class Composer : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("elementi97.db"));
        QString error;
        ASSERT_TRUE(writeFoodDatabase(path,
                                      {{QStringLiteral("Frutta"),
                                        {{QStringLiteral("Mela"), {100, 10, 1, 20, 100, 2, 0}},
                                         {QStringLiteral("Mela"), {50, 40, 4, 40, 400, 4, 4}},
                                         {QStringLiteral("Pera"), {80, 5, 1, 10, 50, 3, 0}}}},
                                       {QStringLiteral("dolci"),
                                        {{QStringLiteral("Mela"), {100, 3, 30, 60, 500, 1, 80}},
                                         {QStringLiteral("Crème caramel"), {100, 4, 2, 25, 135, 0, 70}},
                                         {QStringLiteral("Torta “della nonna”"), {100, 6, 15, 50, 360, 1, 60}},
                                         {QStringLiteral("Strudel d'Alto Adige"), {100, 3, 11, 36, 250, 2, 20}},
                                         {QStringLiteral("=Gelato"), {100, 3, 11, 36, 250, 2, 20}}}}},
                                      true, &error, GetParam()))
            << error.toStdString();
        database = FoodDatabase::open(path, &error);
        ASSERT_TRUE(database) << error.toStdString();
        composer = std::make_unique<MealComposer>(database->connection());
    }

    static MealFileEntry entry(int line, const char *category, const char *food, const char *grams)
    {
        return {line, *findFoodCategory(QString::fromUtf8(category)), QString::fromUtf8(food),
                QString::fromUtf8(grams)};
    }
    void add(int line, const char *category, const char *food, const char *grams)
    {
        QString error;
        ASSERT_TRUE(composer->add(entry(line, category, food, grams), &error)) << error.toStdString();
    }
    QString cell(int r, MealColumn c) const { return composer->grid().row(r).cell(c).text; }

    LocaleGuard guard{"it_IT"};
    QTemporaryDir dir;
    std::unique_ptr<FoodDatabase> database;
    std::unique_ptr<MealComposer> composer;
};

// The same food twice is computed twice; a namesake in another category brings its own values.
TEST_P(Composer, EveryLineIsItsOwnLockedRow)
{
    // Checked first, all at once, as the program does: what that reads is what they are made of.
    const std::vector<MealFileEntry> entries{entry(1, "Frutta", "Pera", "100"), entry(2, "Frutta", "Pera", "100"),
                                             // the first food: current right after choosing the category
                                             entry(3, "Frutta", "Mela", "100"), entry(4, "Frutta", "Mela", "100"),
                                             entry(5, "Dolci", "Mela", "100")};
    QString error;
    EXPECT_TRUE(composer->missingFoods(entries, &error).empty()) << error.toStdString();
    ASSERT_TRUE(composer->addAll(entries, &error)) << error.toStdString();
    const char *protein[] = {"4,00", "4,00", "10,00", "10,00", "3,00"};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(cell(r, MealColumn::Protein), QString::fromLatin1(protein[r])) << r;
        EXPECT_EQ(composer->grid().row(r).lock, 1) << r;
    }
    EXPECT_EQ(cell(4, MealColumn::Cholesterol), QStringLiteral("80,00"));
    EXPECT_EQ(composer->grid().totalText(MealColumn::Protein), QStringLiteral("31"));
}

// A name typed as it looks, whatever its code points, is found and shown in the catalogue's
// spelling; any other is named with its line (and the near name, if there is one), and never
// read as SQL.
// `found`: the catalogue's spelling, or the fault.
// clang-format off
struct NameCase { int line; const char *category, *typed, *found; };
// clang-format on

// clang-format off
const NameCase kNameCases[] = {
    {__LINE__, "Dolci", "Cre\xCC\x80me caramel", "Crème caramel"},
    {__LINE__, "Dolci", "Torta \"della nonna\"", "Torta “della nonna”"},
    {__LINE__, "Dolci", "Torta „della nonna“", "Torta “della nonna”"},
    {__LINE__, "Dolci", "Strudel d’Alto Adige", "Strudel d'Alto Adige"},
    {__LINE__, "Frutta", "Mela", "Mela"},
    {__LINE__, "Frutta", "pera", "l'alimento \"pera\" non è nella categoria \"Frutta\" (forse \"Pera\"?)"},
    {__LINE__, "Uova", "Uovo sodo", "l'alimento \"Uovo sodo\" non è nella categoria \"Uova\""},
    {__LINE__, "Dolci", "torta “della nonna”\x1b", "l'alimento \"torta “della nonna”\\x1b\" non è nella categoria \"Dolci\""},
    {__LINE__, "Frutta", "Pera' OR 'a'='a", "l'alimento \"Pera' OR 'a'='a\" non è nella categoria \"Frutta\""},
    {__LINE__, "Frutta", "Pera ", "l'alimento \"Pera \" non è nella categoria \"Frutta\""},
    {__LINE__, "Frutta", "PERA", "l'alimento \"PERA\" non è nella categoria \"Frutta\" (forse \"Pera\"?)"},
};
// clang-format on

TEST_P(Composer, NamesMatchAsTheyLookOrAreNamedWithTheirLine)
{
    std::vector<MealFileEntry> all;
    QStringList faults;
    for (const NameCase &c : kNameCases) {
        VELMO_CASE(c);
        all.push_back({c.line, *findFoodCategory(QString::fromUtf8(c.category)), QString::fromUtf8(c.typed),
                       QStringLiteral("100")});
        const QString found = QString::fromUtf8(c.found);
        QString error;
        if (found.startsWith(QStringLiteral("l'alimento"))) {
            faults << QStringLiteral("riga %1: %2").arg(c.line).arg(found);
        } else {
            ASSERT_TRUE(composer->add(all.back(), &error)) << error.toStdString();
            EXPECT_EQ(composer->grid().row(static_cast<int>(all.size()) - static_cast<int>(faults.size()) - 1).name(),
                      found);
        }
    }
    // Looked up all at once, as the program does: every fault, in line order.
    QString databaseError;
    QStringList reported;
    for (const InputError &e : composer->missingFoods(all, &databaseError))
        reported << e.message();
    EXPECT_EQ(reported, faults) << databaseError.toStdString();
}

TEST_P(Composer, ReportShowsLockedRowsAndTotalsAligned)
{
    add(1, "Frutta", "Pera", "250");
    const QStringList lines = mealReportText(composer->grid()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Colesterolo: mg")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Pera ")));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Calcolo per una persona")));
    // Numbers end where their heading ends.
    const qsizetype protEnd = lines[0].indexOf(QStringLiteral("Protidi: g")) + 10;
    EXPECT_EQ(lines[2].mid(protEnd - 6, 6), QStringLiteral(" 10,00"));  // 5 g per 100 g of 200 g net
    EXPECT_EQ(lines[4].mid(protEnd - 3, 3), QStringLiteral(" 10"));
}

TEST_P(Composer, CsvHasTrimmedHeadingsAndNumbersWithoutGroups)
{
    // clang-format off
    struct Case { const char *locale, *tableEnergy, *row, *totals; };
    const Case cases[] = {
        {"it_IT", "2.000,00", "Pera,5000,4000,\"200,00\",\"40,00\",\"400,00\",\"2000,00\",\"120,00\",",
         "Calcolo per una persona,5000,4000,200,40,400,2000,120,0"},
        {"en_US", "2,000.00", "Pera,5000,4000,200.00,40.00,400.00,2000.00,120.00,",
         "Calcolo per una persona,5000,4000,200,40,400,2000,120,0"},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale);
        LocaleGuard locale(c.locale);
        composer = std::make_unique<MealComposer>(database->connection());
        add(1, "Frutta", "Pera", "5000");
        ASSERT_TRUE(mealReportText(composer->grid()).contains(QString::fromLatin1(c.tableEnergy)));
        const QStringList records = mealReportCsv(composer->grid()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        ASSERT_EQ(records.size(), 3);
        EXPECT_EQ(records[0], QStringLiteral("Alimento,Peso lordo: g,Peso netto: g,Protidi: g,Lipidi: g,Glucidi: g,"
                                             "Energia: kcal,Fibra alim: g,Colesterolo: mg"));
        EXPECT_EQ(records[1], QString::fromLatin1(c.row));
        EXPECT_EQ(records[2], QString::fromLatin1(c.totals));
    }
    add(__LINE__, "dolci", "=Gelato", "100");  // shown by a spreadsheet, never run as a formula
    EXPECT_TRUE(mealReportCsv(composer->grid()).contains(QStringLiteral("\r\n'=Gelato,100,")));
}

// Days one after the other, a line per food, each meal's and each day's totals against the
// requirement. Pear 25 g: 20 g net, 1 g protein, 0.2 g fat, 2 g carbohydrate, 10 kcal, 0.6 g fibre.
TEST_P(Composer, DaysHaveDateAndMealColumnsAndTheirTotals)
{
    // clang-format off
    const struct { const char *locale, *pear, *day; } cases[] = {
        {"it_IT", "2026-03-02,Colazione,Pera,25,20,\"1,00\",\"0,20\",\"2,00\",\"10,00\",\"0,60\",,,,,,",
         "2026-03-02,,Totale del giorno,125,120,4,\"30,2\",62,510,\"1,6\",80,2000,26,3,51,46"},
        {"en_US", "2026-03-02,Colazione,Pera,25,20,1.00,0.20,2.00,10.00,0.60,,,,,,",
         "2026-03-02,,Totale del giorno,125,120,4,30.2,62,510,1.6,80,2000,26,3,51,46"},
    };
    // clang-format on
    for (const auto &c : cases) {
        SCOPED_TRACE(c.locale);
        LocaleGuard locale(c.locale);
        composer = std::make_unique<MealComposer>(database->connection());
        add(1, "Frutta", "Pera", "25");
        MealComposer dinner(database->connection());
        QString error;
        ASSERT_TRUE(dinner.add({1, *findFoodCategory(u"dolci"_s), u"Mela"_s, u"100"_s}, &error));
        const std::vector<DatedMealGrids> days{
            {QDate(2026, 3, 2), {{u"Colazione"_s, &composer->grid()}, {u"=Cena"_s, &dinner.grid()}}},
            {QDate(2026, 3, 3), {{QString(), &dinner.grid()}}}};
        const QStringList records = daysReportCsv(days, 2000).split(u"\r\n"_s);
        ASSERT_EQ(records.size(), 10);  // the last after the last line end
        EXPECT_TRUE(records[0].startsWith(u"Data,Pasto,Alimento,Peso lordo: g,"));
        EXPECT_TRUE(records[0].endsWith(u",Colesterolo: mg,Fabbisogno: kcal,Pasto: % del fabbisogno,Protidi: % "
                                        "energia,Lipidi: % energia,Glucidi: % energia"));
        EXPECT_EQ(records[1], QString::fromUtf8(c.pear));
        EXPECT_TRUE(records[2].startsWith(u"2026-03-02,Colazione,Calcolo per una persona,25,20,1,"));
        EXPECT_TRUE(records[4].startsWith(u"2026-03-02,'=Cena,Calcolo per una persona,100,100,3,30,60,500,1,80,2000,"));
        EXPECT_EQ(records[5], QString::fromUtf8(c.day));
        EXPECT_TRUE(records[6].startsWith(u"2026-03-03,,Mela,100,"));
        EXPECT_TRUE(records[8].startsWith(u"2026-03-03,,Totale del giorno,100,100,3,30,60,500,1,80,2000,25,"));
        EXPECT_EQ(mealEnergyShares(days[0].meals), (std::vector<qint64>{2, 98}));
    }
}

INSTANTIATE_TEST_SUITE_P(ByCategoryOrByName, Composer, ::testing::Bool());

// Read from the table by name, a meal's foods bring every name they are checked, shown and kept
// by: in either language the meal is made without a query of their category (here gone).
TEST(ComposerByName, AMealNeedsNoQueryOfItsCategory)
{
    for (const Language language : {Language::Italian, Language::English}) {
        const LanguageGuard speaking(language);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"elementi97.db"_s);
        QString error;
        ASSERT_TRUE(writeFoodDatabase(path,
                                      {{u"Frutta"_s,
                                        {{u"Mela"_s, {100, 10, 1, 20, 100, 2, 0}, u"Apple"_s},
                                         {u"Pera"_s, {80, 5, 1, 10, 50, 3, 0}, u"Pear"_s}}}},
                                      true, &error, true))
            << error.toStdString();
        const auto database = FoodDatabase::open(path, &error);
        ASSERT_TRUE(database) << error.toStdString();
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
            other.setDatabaseName(path);
            ASSERT_TRUE(other.open() && QSqlQuery(other).exec(u"DROP TABLE Frutta"_s));
            other.close();
        }
        QSqlDatabase::removeDatabase(u"other"_s);
        MealComposer composer(database->connection());
        const int fruit = *findFoodCategory(u"Frutta"_s);
        const std::vector<MealFileEntry> entries{{1, fruit, u"Pera"_s, u"100"_s}, {2, fruit, u"Mela"_s, u"50"_s}};
        EXPECT_TRUE(composer.missingFoods(entries, &error).empty()) << error.toStdString();
        ASSERT_TRUE(composer.addAll(entries, &error)) << error.toStdString();
        EXPECT_EQ(composer.grid().row(0).name(), language == Language::English ? u"Pear"_s : u"Pera"_s);
        ASSERT_EQ(composer.placed().size(), 2U);
        EXPECT_EQ(composer.placed()[0].food + u'|' + composer.placed()[1].food, u"Pera|Mela"_s);
    }
}

// A portion is shown with its count in the user's number format, whichever language saved it.
TEST(ShownPortion, CountsFollowTheUsersNumbersAndStandardWordsTheirLanguage)
{
    // clang-format off
    const struct { int line; Language language; const char *locale, *stored, *shown; } cases[] = {
        {__LINE__, Language::Italian, "it_IT", "1.3 fette medie", "1,3 fette medie"},
        {__LINE__, Language::Italian, "it_IT", "1.125 fette medie", "1,125 fette medie"},
        {__LINE__, Language::Italian, "it_IT", "1.5 porzioni standard", "1½ porzioni standard"},
        {__LINE__, Language::Italian, "it_IT", "117.76 g di parte edibile", "117,76 g di parte edibile"},
        {__LINE__, Language::Italian, "it_IT", "0.5 g di parte edibile", "0,5 g di parte edibile"},
        {__LINE__, Language::Italian, "it_IT", "2 fette", "2 fette"},
        {__LINE__, Language::Italian, "it_IT", "1½ fette", "1½ fette"},
        {__LINE__, Language::English, "en_US", "1,3 fette medie", "1.3 fette medie"},
        {__LINE__, Language::English, "en_US", "1,5 porzioni standard", "1½ standard portions"},
        {__LINE__, Language::English, "en_US", "80,25 g di parte edibile", "80.25 g of edible part"},
        {__LINE__, Language::English, "en_US", "150.5 fette", "150.5 fette"},  // no count: as written
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const LanguageGuard speaking(c.language);
        const LocaleGuard numbers(c.locale);
        EXPECT_EQ(shownPortion(QString::fromUtf8(c.stored)), QString::fromUtf8(c.shown));
    }
}

// Under English a measure takes the English name most of the foods measured one at a time give
// it, then the shortest; under Italian, and where the tables have none, its own.
TEST(ShownPortion, MeasuresTakeTheirCommonestEnglishName)
{
    {
        auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"measures-en"_s);
        db.setDatabaseName(u":memory:"_s);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(
            q.exec(u"CREATE TABLE misure (misura, misura_plurale, misura_inglese, quantita, categoria, riga)"_s));
        // Cups of five foods, slices of two, and two sandwiches of one food under one English name.
        ASSERT_TRUE(q.exec(u"INSERT INTO misure VALUES ('tazza', 'tazze', 'cup', 1, 1, 1), "
                           "('tazza', 'tazze', 'cup', 0.5, 1, 2), ('tazza', 'tazze', 'cup (8 fl oz)', 1, 1, 3), "
                           "('tazza', 'tazze', 'cups', 2, 1, 4), ('tazza', 'tazze', 'cups', 4, 1, 5), "
                           "('tazza', 'tazze', 'cups', 3, 1, 6), ('fetta', 'fette', 'slice, thin', 1, 2, 1), "
                           "('fetta', 'fette', 'slice', 1, 2, 2), ('acino', 'acini', 'grapes', 10, 3, 1), "
                           "('foglia', 'foglie', '', 1, 3, 2), ('panino (15 cm)', 'panini (15 cm)', 'sub', 1, 4, 1), "
                           "('panino (30 cm)', 'panini (30 cm)', 'sub', 1, 4, 1)"_s));
        MeasureStore::showEnglishNamesOf(db);
        // clang-format off
        const struct { int line; Language language; const char *stored, *shown; } cases[] = {
            {__LINE__, Language::English, "2 tazze", "2 cup"},
            {__LINE__, Language::English, "1 tazza", "1 cup"},
            {__LINE__, Language::English, "2 fette", "2 slice"},
            {__LINE__, Language::English, "3 acini", "3 grapes"},
            {__LINE__, Language::English, "2 foglie", "2 foglie"},
            {__LINE__, Language::English, "2 panini (30 cm)", "2 panini (30 cm)"},
            {__LINE__, Language::Italian, "2 tazze", "2 tazze"},
        };
        // clang-format on
        for (const auto &c : cases) {
            VELMO_CASE(c);
            const LanguageGuard speaking(c.language);
            EXPECT_EQ(shownPortion(QString::fromUtf8(c.stored)), QString::fromUtf8(c.shown));
        }
        // Read back by either name in either language.
        const FoodPortions cups{{{u"tazza"_s, u"tazze"_s, 1, 240}}, {}};
        for (const Language language : {Language::Italian, Language::English}) {
            const LanguageGuard speaking(language);
            EXPECT_EQ(readPortionText(u"2 cup"_s, cups, u"Latte"_s).value, 480.0);
            EXPECT_EQ(readPortionText(u"½ tazza"_s, cups, u"Latte"_s).value, 120.0);
        }
    }
    QSqlDatabase::removeDatabase(u"measures-en"_s);
    setEnglishMeasureNames({});
}

}  // namespace
}  // namespace velmo::test
