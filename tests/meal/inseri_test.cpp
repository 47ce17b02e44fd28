#include "meal/mealgrid.h"
#include "support/localeguard.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

using namespace velmo;

namespace {

// Reaches the table's cells the way the lock boxes and the row calculation do.
class Table : public MealGrid {
public:
    void lockRow(int r, int value) { mutableRow(r).lock = value; }
    void setCell(int r, MealColumn c, const QString &text) { setCellText(r, c, text); }
};

CurrentFood food(const QString &name, const QString &edible = "90", const QString &protein = "12,4")
{
    CurrentFood f;
    f.name = name;
    f.fields = {edible, QString(), protein, "1", "2", "350", "3", "4"};
    return f;
}

QStringList cells(const MealGrid &g, int r)
{
    QStringList out;
    for (int c = 0; c < kMealColumns; ++c)
        out << g.row(r).cell(static_cast<MealColumn>(c)).text;
    return out;
}

TEST(Inseri, EmptyTableTakesTheFoodInRowZeroAndFollowsBrowsing)
{
    Table t;
    t.inseri(food("Mela"));
    EXPECT_EQ(cells(t, 0), (QStringList{"Mela", "", "90", "12,4", "1", "2", "350", "3", "4"}));
    t.setCell(0, MealColumn::Gross, "150");
    t.inseri(food("Pera", "92", "0,4"));
    EXPECT_EQ(cells(t, 0), (QStringList{"Pera", "150", "92", "0,4", "1", "2", "350", "3", "4"}));
    for (int r = 1; r < kMealRows; ++r)
        EXPECT_TRUE(t.row(r).name().isEmpty());
}

TEST(Inseri, LockedRowsStayAndTheNextOpenRowFollows)
{
    Table t;
    for (int r = 0; r < 3; ++r) {
        t.setCell(r, MealColumn::Name, QStringLiteral("Cibo %1").arg(r));
        t.setCell(r, MealColumn::Prot, "27,90");
        t.lockRow(r, 1);
    }
    t.inseri(food("Kiwi"));
    EXPECT_EQ(t.row(3).name(), "Kiwi");
    EXPECT_EQ(t.row(2).cell(MealColumn::Prot).text, "27,90");
    t.inseri(food("Fico"));
    EXPECT_EQ(t.row(3).name(), "Fico");
    EXPECT_EQ(t.row(2).name(), "Cibo 2");
    EXPECT_TRUE(t.row(4).name().isEmpty());
}

TEST(Inseri, FullTableChangesNothing)
{
    Table t;
    for (int r = 0; r < kMealRows; ++r) {
        t.setCell(r, MealColumn::Name, QStringLiteral("Cibo %1").arg(r));
        t.lockRow(r, 1);
    }
    t.inseri(food("Kiwi"));
    for (int r = 0; r < kMealRows; ++r)
        EXPECT_EQ(t.row(r).name(), QStringLiteral("Cibo %1").arg(r));
}

// The locked row is a portion at once: calculated for its weight, not left per 100 g. One that
// cannot be calculated (here: no weight) is released as `apici` releases a row without weight.
TEST(Inseri, ALockedRowWithoutFoodTakesTheFoodAndSoDoesTheRowAfterIt)
{
    const test::LocaleGuard italian("it_IT");
    Table t;
    t.setCell(0, MealColumn::Name, "Pane");
    t.setCell(0, MealColumn::Gross, "100");
    t.lockRow(0, 1);
    t.setCell(1, MealColumn::Gross, "200");
    t.lockRow(1, 1);  // locked while it had no food
    t.inseri(food("Kiwi"));
    EXPECT_EQ(t.row(1).name(), "Kiwi");   // the locked row without food
    EXPECT_EQ(t.row(2).name(), "Kiwi");   // rows 0 and 1 now taken and locked
    EXPECT_EQ(t.row(1).cell(MealColumn::Net).text, "180");
    EXPECT_EQ(t.row(1).cell(MealColumn::Prot).text, "22,32");
    EXPECT_EQ(t.totalText(MealColumn::Prot), "22,32");

    t.lockRow(3, 1);  // locked without food and without weight
    t.inseri(food("Fico"));
    EXPECT_EQ(t.row(3).lock, 0);
    EXPECT_TRUE(t.row(3).isFree());
}

TEST(Inseri, AOneCharacterNameDoesNotCountAsTaken)
{
    Table t;
    t.setCell(0, MealColumn::Name, "X");
    t.lockRow(0, 1);
    t.inseri(food("Kiwi"));
    for (int r = 1; r < kMealRows; ++r)
        EXPECT_TRUE(t.row(r).name().isEmpty()) << r;
    EXPECT_EQ(t.row(0).name(), "X");
}

TEST(Inseri, AFoodWithoutNameLeavesTheRowFree)
{
    Table t;
    t.inseri(food("", "", ""));
    EXPECT_TRUE(t.row(0).isFree());
    t.inseri(food("Kiwi"));
    EXPECT_EQ(t.row(0).name(), "Kiwi");
}

TEST(Inseri, EmptyValuesAreCopiedAsEmptyTexts)
{
    Table t;
    CurrentFood f = food("Pera");
    f.fields[7].clear();
    t.inseri(f);
    EXPECT_EQ(t.row(0).cell(MealColumn::Col).text, "");
    EXPECT_EQ(t.row(0).cell(MealColumn::Fib).text, "3");
}

TEST(Inseri, GrossWeightsAndLooksAreNeverTouched)
{
    Table t;
    t.setCell(5, MealColumn::Gross, "80");
    t.inseri(food("Kiwi"));
    EXPECT_EQ(t.row(5).cell(MealColumn::Gross).text, "80");
    EXPECT_EQ(t.row(0).cell(MealColumn::Prot).alignment, CellAlignment::Left);
    EXPECT_EQ(t.row(0).lock, 0);
    EXPECT_FALSE(t.row(1).visible);
}

}  // namespace
