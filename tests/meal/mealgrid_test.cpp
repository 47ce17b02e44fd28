#include "mealtestsupport.h"

namespace velmo::test {
namespace {

class Chart : public LocaleGridTest {};

TEST_P(Chart, FollowsTheProteinFatAndCarbohydrateTotals)
{
    int redraws = 0;
    QObject::connect(&grid, &MealGrid::chartChanged, [&] { ++redraws; });
    grid.inseri(food(QStringLiteral("Pasta"), {QStringLiteral("100"), local("12.5", "12,5"), local("1.5", "1,5"),
                                               QStringLiteral("75")}));
    grid.setGrossText(0, QStringLiteral("80"));
    grid.setLock(0, 1);
    EXPECT_EQ(grid.totalText(MealColumn::Prot), QStringLiteral("10"));
    EXPECT_EQ(grid.totalText(MealColumn::Lip), local("1.2", "1,2"));
    EXPECT_DOUBLE_EQ(grid.chartValue(ChartColumn::Protein), 10.0);
    EXPECT_DOUBLE_EQ(grid.chartValue(ChartColumn::Fat), 1.2);
    EXPECT_DOUBLE_EQ(grid.chartValue(ChartColumn::Carbohydrate), 60.0);
    EXPECT_GT(redraws, 0);
}

TEST_P(Chart, ThreeZerosAfterARefusedFirstLock)
{
    grid.setLock(0, 1);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(grid.chartValues(), (std::array<double, 3>{0, 0, 0}));
}

TEST_P(Chart, RefusalWithoutDialogsStillUnlocks)
{
    OpenGrid silent;
    silent.inseri(food(QStringLiteral("Mela"), {QStringLiteral("100")}));
    silent.setLock(0, 1);
    EXPECT_EQ(silent.row(0).lock, 0);
    EXPECT_EQ(cellText(silent, 0, MealColumn::Name), QString());
}

VELMO_BOTH_LOCALES(Chart);

TEST(MealGridSignals, LockChangesAreAnnounced)
{
    LocaleGuard g("it_IT");
    MealGrid grid;
    std::vector<int> rows;
    QObject::connect(&grid, &MealGrid::rowStateChanged, [&](int r) { rows.push_back(r); });
    grid.inseri(food(QStringLiteral("Mela"), {QStringLiteral("100"), QStringLiteral("10")}));
    grid.setGrossText(0, QStringLiteral("100"));
    grid.setLock(0, 1);
    EXPECT_EQ(rows, (std::vector<int>{0, 1}));  // the lock of row 0, then row 1 shown
}

}  // namespace
}  // namespace velmo::test
