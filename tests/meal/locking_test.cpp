#include "mealtestsupport.h"

namespace velmo::test {
namespace {

class Locking : public LocaleGridTest {
protected:
    // Apple: 100 % edible, per 100 g 10 protein, 5 fat, 20 carbohydrate, 170 kcal, 2 fibre, 30 mg.
    CurrentFood apple() const
    {
        return food(QStringLiteral("Mela"), {QStringLiteral("100"), QStringLiteral("10"), QStringLiteral("5"),
                                             QStringLiteral("20"), QStringLiteral("170"), QStringLiteral("2"),
                                             QStringLiteral("30")});
    }
    // Bread: 50 % edible, per 100 g 8 protein, 1 fat, 60 carbohydrate, 280 kcal, 3 fibre, 0 mg.
    CurrentFood bread() const
    {
        return food(QStringLiteral("Pane"), {QStringLiteral("50"), QStringLiteral("8"), QStringLiteral("1"),
                                             QStringLiteral("60"), QStringLiteral("280"), QStringLiteral("3"),
                                             QStringLiteral("0")});
    }
    std::array<double, 3> chart(double p, double l, double g) const { return {p, l, g}; }

    // Records the order of lock changes and totals writes as they happen.
    void trace()
    {
        QObject::connect(&grid, &MealGrid::rowStateChanged, [this](int r) {
            events.append(QStringLiteral("lock %1=%2").arg(r).arg(grid.row(r).lock));
        });
        QObject::connect(&grid, &MealGrid::totalsChanged, [this] {
            if (events.isEmpty() || events.last() != QStringLiteral("totals"))
                events.append(QStringLiteral("totals"));
        });
        // Every pass of `zero` and `apici` writes and blanks the hidden last row: three changes.
        QObject::connect(&grid, &MealGrid::cellChanged, [this](int r, MealColumn c) {
            if (r == kMealRows - 1 && c == MealColumn::Gross)
                ++lastRowGrossChanges;
        });
    }
    int totalsPasses() const { return lastRowGrossChanges / 3; }
    QStringList events;
    int lastRowGrossChanges = 0;
};

TEST_P(Locking, LockWithoutGrossWeightIsRefusedAndTheRowEmptied)
{
    grid.inseri(apple());
    bool lockedWhileMessageOpen = false;
    bool nameWhileMessageOpen = false;
    dialogs.onMessage = [&] {
        lockedWhileMessageOpen = grid.row(0).lock == 1;
        nameWhileMessageOpen = !cellText(grid, 0, MealColumn::Name).isEmpty();
    };
    trace();

    grid.setLock(0, 1);

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Inserire quantità sul campo peso lordo"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Attenzione"));
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(lockedWhileMessageOpen);
    EXPECT_TRUE(nameWhileMessageOpen);

    EXPECT_EQ(grid.row(0).lock, 0);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Name), QString());
    EXPECT_EQ(rowValues(grid, 0), QStringList(8, QString()));
    EXPECT_FALSE(grid.row(1).visible);
    EXPECT_EQ(totalsTexts(grid), QStringList(8, QStringLiteral("0")));
    EXPECT_EQ(grid.chartValues(), chart(0, 0, 0));
    EXPECT_EQ(totalsPasses(), 1);
    // The unlock ran nested, inside the acceptance, before the totals were written.
    EXPECT_EQ(events, (QStringList{QStringLiteral("lock 0=1"), QStringLiteral("lock 0=0"), QStringLiteral("totals")}));
}

TEST_P(Locking, FirstLockFillsTotalsAndChart)
{
    lockFood(0, apple(), QStringLiteral("200"));
    EXPECT_EQ(rowValues(grid, 0),
              (QStringList{QStringLiteral("200"), QStringLiteral("200"), local("20.00", "20,00"), local("10.00", "10,00"),
                           local("40.00", "40,00"), local("340.00", "340,00"), local("4.00", "4,00"),
                           local("60.00", "60,00")}));
    EXPECT_EQ(totalsTexts(grid),
              (QStringList{QStringLiteral("200"), QStringLiteral("200"), QStringLiteral("20"), QStringLiteral("10"),
                           QStringLiteral("40"), QStringLiteral("340"), QStringLiteral("4"), QStringLiteral("60")}));
    EXPECT_EQ(grid.chartValues(), chart(20, 10, 40));
}

TEST_P(Locking, SecondLockChartsTheSumOfBothRows)
{
    lockFood(0, apple(), QStringLiteral("200"));
    lockFood(1, bread(), QStringLiteral("125"));  // net 62,5; fat 0,625 g rounds half to even, 0,62
    EXPECT_EQ(cellText(grid, 1, MealColumn::Net), local("62.5", "62,5"));
    EXPECT_EQ(totalsTexts(grid),
              (QStringList{QStringLiteral("325"), local("262.5", "262,5"), QStringLiteral("25"), local("10.62", "10,62"),
                           local("77.5", "77,5"), QStringLiteral("515"),
                           local("5.88", "5,88"), QStringLiteral("60")}));
    EXPECT_EQ(grid.chartValues(), chart(25, 10.62, 77.5));
    // The zero cholesterol of bread is blanked, not shown as 0,00.
    EXPECT_EQ(cellText(grid, 1, MealColumn::Col), QString());
}

// The totals and the chart follow an unlock, as they follow a lock.
TEST_P(Locking, UnlockRecomputesTotalsAndChart)
{
    lockFood(0, apple(), QStringLiteral("200"));
    lockFood(1, bread(), QStringLiteral("100"));
    grid.inseri(apple());  // the browsed food waits in row 2, uncalculated
    ASSERT_EQ(cellText(grid, 2, MealColumn::Name), QStringLiteral("Mela"));

    grid.setLock(0, 0);

    EXPECT_EQ(grid.row(0).lock, 0);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Name), QString());
    EXPECT_EQ(rowValues(grid, 0), QStringList(8, QString()));
    // Only bread is left in the meal: 100 g gross, 50 g net, 4 / 0,5 / 30 / 140 / 1,5 / 0.
    EXPECT_EQ(totalsTexts(grid),
              (QStringList{QStringLiteral("100"), QStringLiteral("50"), QStringLiteral("4"), local("0.5", "0,5"),
                           QStringLiteral("30"), QStringLiteral("140"), local("1.5", "1,5"), QStringLiteral("0")}));
    EXPECT_EQ(grid.chartValues(), chart(4, 0.5, 30));
    EXPECT_TRUE(dialogs.shown.empty());
    // The open row keeps the browsed food as it was.
    EXPECT_EQ(cellText(grid, 2, MealColumn::Prot), QStringLiteral("10"));
}

TEST_P(Locking, UnlockingTheLastRowEmptiesTotalsToZero)
{
    lockFood(0, apple(), QStringLiteral("200"));
    grid.setLock(0, 0);
    EXPECT_EQ(totalsTexts(grid), QStringList(8, QStringLiteral("0")));
    EXPECT_EQ(grid.chartValues(), chart(0, 0, 0));
}

TEST_P(Locking, UnlockInTheMiddleLeavesTheOtherRows)
{
    lockFood(0, apple(), QStringLiteral("100"));
    lockFood(1, bread(), QStringLiteral("100"));
    lockFood(2, apple(), QStringLiteral("300"));
    const QStringList row2 = rowValues(grid, 2);

    grid.setLock(1, 0);

    EXPECT_EQ(grid.row(0).lock, 1);
    EXPECT_EQ(grid.row(2).lock, 1);
    EXPECT_EQ(rowValues(grid, 2), row2);
    EXPECT_EQ(cellText(grid, 1, MealColumn::Name), QString());
    EXPECT_TRUE(grid.row(1).visible);
    EXPECT_TRUE(grid.row(3).visible);
    EXPECT_EQ(grid.totalText(MealColumn::Prot), QStringLiteral("40"));
    for (MealColumn c : kValueColumns) {
        EXPECT_EQ(grid.row(1).cell(c).alignment, CellAlignment::Left);
        EXPECT_EQ(grid.row(1).cell(c).background, CellBackground::Window);
    }
    EXPECT_EQ(grid.row(1).cell(MealColumn::Name).background, CellBackground::Window);
}

TEST_P(Locking, SameValueRunsNoHandler)
{
    lockFood(0, apple(), QStringLiteral("200"));
    trace();
    grid.setLock(0, 1);
    grid.setLock(1, 0);
    EXPECT_TRUE(events.isEmpty());
}

// A locked row left without gross weight (its box cannot be emptied while it is locked, but an
// earlier step could leave it so) is unlocked by `apici`, nested inside the recomputation; the
// totals then no longer count it.
TEST_P(Locking, ApiciUnlocksRowsLeftWithoutGrossWeight)
{
    lockFood(0, apple(), QStringLiteral("200"));
    lockFood(1, bread(), QStringLiteral("100"));
    grid.setCellText(0, MealColumn::Gross, QString());
    trace();

    lockFood(2, bread(), QStringLiteral("100"));

    EXPECT_EQ(grid.row(0).lock, 0);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Name), QString());
    EXPECT_EQ(rowValues(grid, 0), QStringList(8, QString()));
    EXPECT_EQ(grid.row(1).lock, 1);
    EXPECT_EQ(grid.row(2).lock, 1);
    EXPECT_EQ(totalsTexts(grid),
              (QStringList{QStringLiteral("200"), QStringLiteral("100"), QStringLiteral("8"), QStringLiteral("1"),
                           QStringLiteral("60"), QStringLiteral("280"), QStringLiteral("3"), QStringLiteral("0")}));
    EXPECT_EQ(grid.chartValues(), chart(8, 1, 60));
    // Row 0 was unlocked inside the handler of row 2, between two writes of the totals.
    const auto unlock = events.indexOf(QStringLiteral("lock 0=0"));
    ASSERT_GE(unlock, 0);
    EXPECT_EQ(events.indexOf(QStringLiteral("lock 2=1")), 0);
    EXPECT_EQ(events.lastIndexOf(QStringLiteral("totals")), events.size() - 1);
    EXPECT_GT(events.size() - 1, unlock);
    // The row emptied by `apici` had been counted: the sums are taken a second time, no more.
    EXPECT_EQ(totalsPasses(), 2);
}

TEST_P(Locking, ZeroGrossWeightNeedsNoSecondPass)
{
    lockFood(0, apple(), QStringLiteral("200"));
    trace();
    lockFood(1, bread(), QStringLiteral("0"));
    EXPECT_EQ(grid.row(1).lock, 0);
    EXPECT_EQ(grid.totalText(MealColumn::Prot), QStringLiteral("20"));
    EXPECT_EQ(totalsPasses(), 1);
}

VELMO_BOTH_LOCALES(Locking);

}  // namespace
}  // namespace velmo::test
