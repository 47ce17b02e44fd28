#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "meal/pasto/mealcomposer.h"
#include "meal/pasto/mealreport.h"
#include "support/fooddbfixture.h"
#include "support/tablecase.h"
#include "support/localeguard.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace velmo::test {
namespace {

// A small database where names repeat: "Mela" twice in Frutta (the first food of the table)
// and once in Dolci, each with its own values.
class Composer : public ::testing::Test {
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
                                         {QStringLiteral("Strudel d'Alto Adige"), {100, 3, 11, 36, 250, 2, 20}}}}},
                                      true, &error))
            << error.toStdString();
        database = FoodDatabase::open(path, &error);
        ASSERT_TRUE(database) << error.toStdString();
        composer = std::make_unique<MealComposer>(database->connection());
    }

    void add(int line, const char *category, const char *food, const char *grams)
    {
        MealFileEntry entry{line, *findFoodCategory(QString::fromUtf8(category)), QString::fromUtf8(food),
                            QString::fromUtf8(grams)};
        QString error;
        ASSERT_TRUE(composer->add(entry, &error)) << error.toStdString();
    }
    QString cell(int r, MealColumn c) const { return composer->grid().row(r).cell(c).text; }

    LocaleGuard guard{"it_IT"};
    QTemporaryDir dir;
    std::unique_ptr<FoodDatabase> database;
    std::unique_ptr<MealComposer> composer;
};

TEST_F(Composer, SameFoodTwiceIsComputedTwice)
{
    add(1, "Frutta", "Pera", "100");
    add(2, "Frutta", "Pera", "100");
    add(3, "Frutta", "Mela", "100");  // the first food: current right after choosing the category
    add(4, "Frutta", "Mela", "100");
    EXPECT_EQ(cell(0, MealColumn::Prot), QStringLiteral("4,00"));
    EXPECT_EQ(cell(1, MealColumn::Prot), QStringLiteral("4,00"));
    EXPECT_EQ(cell(2, MealColumn::Prot), QStringLiteral("10,00"));
    EXPECT_EQ(cell(3, MealColumn::Prot), QStringLiteral("10,00"));
    EXPECT_EQ(composer->grid().totalText(MealColumn::Prot), QStringLiteral("28"));
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(composer->grid().row(r).lock, 1) << r;
}

TEST_F(Composer, NamesakeInAnotherCategoryBringsItsOwnValues)
{
    add(1, "Frutta", "Mela", "100");
    add(2, "Dolci", "Mela", "100");
    EXPECT_EQ(cell(0, MealColumn::Lip), QStringLiteral("1,00"));
    EXPECT_EQ(cell(1, MealColumn::Lip), QStringLiteral("30,00"));
    EXPECT_EQ(cell(1, MealColumn::Col), QStringLiteral("80,00"));
}

TEST_F(Composer, UnknownFoodsAreNamedWithTheirLine)
{
    QString databaseError;
    const auto errors = composer->missingFoods(
        {{4, *findFoodCategory(QStringLiteral("Frutta")), QStringLiteral("pera"), QStringLiteral("1")},
         {7, *findFoodCategory(QStringLiteral("Frutta")), QStringLiteral("Mela"), QStringLiteral("1")},
         {9, *findFoodCategory(QStringLiteral("Uova")), QStringLiteral("Uovo sodo"), QStringLiteral("1")}},
        &databaseError);
    EXPECT_TRUE(databaseError.isEmpty());
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].message(), QStringLiteral("riga 4: l'alimento \"pera\" non è nella categoria \"Frutta\" (forse \"Pera\"?)"));
    EXPECT_EQ(errors[1].message(), QStringLiteral("riga 9: l'alimento \"Uovo sodo\" non è nella categoria \"Uova\""));
}

// A name typed as it looks, whatever its code points: decomposed accents, typographic quotes.
struct NameCase {
    int line;
    const char *typed;
    const char *catalogue;
};

const NameCase kNameCases[] = {
    {__LINE__, "Cre\xCC\x80me caramel", "Crème caramel"},
    {__LINE__, "Crème caramel", "Crème caramel"},
    {__LINE__, "Torta \"della nonna\"", "Torta “della nonna”"},
    {__LINE__, "Torta „della nonna“", "Torta “della nonna”"},
    {__LINE__, "Strudel d’Alto Adige", "Strudel d'Alto Adige"},
    {__LINE__, "Strudel d‘Alto Adige", "Strudel d'Alto Adige"},
};

TEST_F(Composer, NamesMatchAsTheyLookAndTheTableShowsTheCataloguesSpelling)
{
    int row = 0;
    for (const NameCase &c : kNameCases) {
        VELMO_CASE(c);
        const MealFileEntry entry{c.line, *findFoodCategory(QStringLiteral("Dolci")), QString::fromUtf8(c.typed),
                                  QStringLiteral("100")};
        QString databaseError;
        EXPECT_TRUE(composer->missingFoods({entry}, &databaseError).empty());
        QString error;
        ASSERT_TRUE(composer->add(entry, &error)) << error.toStdString();
        EXPECT_EQ(composer->grid().row(row++).name(), QString::fromUtf8(c.catalogue));
    }
    QString databaseError;
    const auto errors = composer->missingFoods(
        {{1, *findFoodCategory(QStringLiteral("Dolci")), QStringLiteral("torta \u201Cdella nonna\u201D\x1b"), {}}},
        &databaseError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, QStringLiteral("l'alimento \"torta “della nonna”\\x1b\" non è nella categoria \"Dolci\""));
}

TEST_F(Composer, NamesAreLookedUpExactlyAndNeverAsSql)
{
    const int frutta = *findFoodCategory(QStringLiteral("Frutta"));
    const QString names[] = {QStringLiteral("Pera' OR 'a'='a"), QStringLiteral("Olio d'oliva"), QStringLiteral("Pera\x01"),
                             QStringLiteral("Pera "), QStringLiteral("PERA")};
    std::vector<MealFileEntry> entries;
    for (const QString &name : names)
        entries.push_back({static_cast<int>(entries.size()) + 1, frutta, name, QStringLiteral("1")});
    entries.push_back({9, frutta, QStringLiteral("Pera"), QStringLiteral("1")});
    QString databaseError;
    const auto errors = composer->missingFoods(entries, &databaseError);
    EXPECT_TRUE(databaseError.isEmpty()) << databaseError.toStdString();
    ASSERT_EQ(errors.size(), std::size(names));
    for (std::size_t i = 0; i < errors.size(); ++i)
        EXPECT_EQ(errors[i].line, static_cast<int>(i) + 1);
}

TEST_F(Composer, ReportShowsLockedRowsAndTotalsAligned)
{
    add(1, "Frutta", "Pera", "250");
    const QStringList lines = mealReportText(composer->grid()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Alimento")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Colesterolo: mg")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("-----")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Pera ")));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Calcolo per una persona")));
    // Numbers end where their heading ends.
    const qsizetype protEnd = lines[0].indexOf(QStringLiteral("Protidi: g")) + 10;
    EXPECT_EQ(lines[2].mid(protEnd - 6, 6), QStringLiteral(" 10,00"));  // 5 g per 100 g of 200 g net
    EXPECT_EQ(lines[4].mid(protEnd - 3, 3), QStringLiteral(" 10"));
}

TEST_F(Composer, CsvHasTrimmedHeadingsAndNumbersWithoutGroups)
{
    struct Case {
        const char *locale;
        const char *tableEnergy;
        const char *row;
        const char *totals;
    };
    const Case cases[] = {
        {"it_IT", "2.000,00", "Pera,5000,4000,\"200,00\",\"40,00\",\"400,00\",\"2000,00\",\"120,00\",",
         "Calcolo per una persona,5000,4000,200,40,400,2000,120,0"},
        {"en_US", "2,000.00", "Pera,5000,4000,200.00,40.00,400.00,2000.00,120.00,",
         "Calcolo per una persona,5000,4000,200,40,400,2000,120,0"},
    };
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
}

}  // namespace
}  // namespace velmo::test
