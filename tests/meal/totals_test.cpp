#include "mealtestsupport.h"

#include "common/numbertext.h"

#include <cmath>
#include <map>
#include <optional>

namespace velmo::test {
namespace {

class Totals : public LocaleGridTest {
protected:
    void lockedRow(int r, const QStringList &values)
    {
        grid.mutableRow(r).lock = 1;
        grid.setCellText(r, MealColumn::Name, QStringLiteral("Alimento %1").arg(r));
        for (std::size_t i = 0; i < kValueColumns.size(); ++i)
            grid.setCellText(r, kValueColumns[i], values.value(static_cast<int>(i)));
    }
};

TEST_P(Totals, ZeroFillsOnlyEmptyCellsWithWhiteZero)
{
    grid.setCellText(0, MealColumn::Prot, QStringLiteral(" "));
    grid.setCellText(0, MealColumn::Lip, QStringLiteral("3"));
    grid.zero();
    EXPECT_EQ(cellText(grid, 0, MealColumn::Prot), QStringLiteral(" "));
    EXPECT_EQ(grid.row(0).cell(MealColumn::Prot).textColour, CellTextColour::WindowText);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Lip), QStringLiteral("3"));
    EXPECT_EQ(cellText(grid, 0, MealColumn::Gross), QStringLiteral("0"));
    EXPECT_EQ(grid.row(0).cell(MealColumn::Gross).textColour, CellTextColour::White);
    EXPECT_EQ(cellText(grid, 11, MealColumn::Col), QStringLiteral("0"));
    EXPECT_EQ(grid.row(11).cell(MealColumn::Col).textColour, CellTextColour::White);
    // The food name is no value cell.
    EXPECT_EQ(cellText(grid, 5, MealColumn::Name), QString());
}

TEST_P(Totals, SumsReadGroupSeparatorsAndWritePlainDecimals)
{
    lockedRow(0, {QStringLiteral("100"), QStringLiteral("90"), local("1,234.56", "1.234,56"), local("12.5", "12,5")});
    lockedRow(1, {QStringLiteral("50"), QStringLiteral("40"), local("10.00", "10,00"), QStringLiteral("0")});
    grid.zero();
    grid.sommax();
    EXPECT_EQ(grid.totalText(MealColumn::Gross), QStringLiteral("150"));
    EXPECT_EQ(grid.totalText(MealColumn::Net), QStringLiteral("130"));
    EXPECT_EQ(grid.totalText(MealColumn::Prot), local("1244.56", "1244,56"));
    EXPECT_EQ(grid.totalText(MealColumn::Lip), local("12.5", "12,5"));
    EXPECT_EQ(grid.totalText(MealColumn::Ener), QStringLiteral("0"));
}

TEST_P(Totals, SumsTakeFifteenSignificantDigits)
{
    lockedRow(0, {QStringLiteral("1"), local("0.1", "0,1")});
    lockedRow(1, {QStringLiteral("2"), local("0.2", "0,2")});
    grid.sommax();
    EXPECT_EQ(grid.totalText(MealColumn::Net), local("0.3", "0,3"));
}

// The browsed food in the open row is shown per 100 g, with its edible percentage in the
// net-weight cell: none of it is eaten until the row is locked.
TEST_P(Totals, OpenRowIsNoPartOfTheMeal)
{
    lockedRow(0, {QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("5")});
    grid.setCellText(1, MealColumn::Name, QStringLiteral("Mela"));
    grid.setCellText(1, MealColumn::Net, QStringLiteral("90"));
    grid.setCellText(1, MealColumn::Prot, QStringLiteral("12"));
    grid.setGrossText(1, QStringLiteral("300"));
    grid.zero();
    grid.sommax();
    EXPECT_EQ(grid.totalText(MealColumn::Gross), QStringLiteral("100"));
    EXPECT_EQ(grid.totalText(MealColumn::Net), QStringLiteral("100"));
    EXPECT_EQ(grid.totalText(MealColumn::Prot), QStringLiteral("5"));
    EXPECT_EQ(grid.row(1).lock, 0);
    EXPECT_EQ(cellText(grid, 1, MealColumn::Prot), QStringLiteral("12"));
}

TEST_P(Totals, ApiciBlanksZeroCellsAndKeepsTheirColour)
{
    lockedRow(0, {QStringLiteral("100"), QStringLiteral("100"), local("0.00", "0,00"), local("1.50", "1,50")});
    grid.zero();
    grid.sommax();
    EXPECT_EQ(cellText(grid, 0, MealColumn::Prot), QString());
    EXPECT_EQ(cellText(grid, 0, MealColumn::Lip), local("1.50", "1,50"));
    EXPECT_EQ(cellText(grid, 0, MealColumn::Gluc), QString());
    EXPECT_EQ(grid.row(0).cell(MealColumn::Gluc).textColour, CellTextColour::White);
    EXPECT_EQ(grid.row(0).lock, 1);
    for (int r = 1; r < kMealRows; ++r)
        EXPECT_EQ(rowValues(grid, r), QStringList(8, QString())) << r;
}

TEST_P(Totals, ApiciLeavesTextThatIsNoNumber)
{
    lockedRow(0, {QStringLiteral("100"), QStringLiteral("n.d."), QStringLiteral("0")});
    grid.apici();
    EXPECT_EQ(cellText(grid, 0, MealColumn::Net), QStringLiteral("n.d."));
    EXPECT_EQ(cellText(grid, 0, MealColumn::Prot), QString());
    EXPECT_EQ(grid.row(0).lock, 1);
}

TEST_P(Totals, ApiciUnlocksEveryRowWithoutGrossWeight)
{
    lockedRow(0, {QString(), QString(), QStringLiteral("3")});
    lockedRow(1, {QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("4")});
    lockedRow(2, {QStringLiteral("0"), QStringLiteral("0")});
    grid.apici();
    EXPECT_EQ(grid.row(0).lock, 0);
    EXPECT_EQ(cellText(grid, 0, MealColumn::Name), QString());
    EXPECT_EQ(cellText(grid, 0, MealColumn::Prot), QString());
    EXPECT_EQ(grid.row(1).lock, 1);
    EXPECT_EQ(grid.row(2).lock, 0);
    EXPECT_EQ(cellText(grid, 2, MealColumn::Name), QString());
}

TEST_P(Totals, EmptyTableTotalsAreZeroAndCellsStayEmpty)
{
    grid.zero();
    grid.sommax();
    EXPECT_EQ(totalsTexts(grid), QStringList(8, QStringLiteral("0")));
    for (int r = 0; r < kMealRows; ++r)
        EXPECT_EQ(rowValues(grid, r), QStringList(8, QString())) << r;
}

TEST_P(Totals, TotalsAreEmptyUntilTheFirstRecomputation)
{
    EXPECT_EQ(totalsTexts(grid), QStringList(8, QString()));
    EXPECT_EQ(grid.chartValues(), (std::array<double, 3>{0, 0, 0}));
}

VELMO_BOTH_LOCALES(Totals);

// After every user action the totals and the chart are the sums of what the locked rows hold,
// and what a locked row holds is its portion calculated from the food and the weight: never its
// values per 100 g, whatever the order of browsing, typing, locking and unlocking.
class TotalsFollowTheLockedRows : public LocaleGridTest {
protected:
    struct Food {
        double edible;
        std::array<std::optional<double>, 6> per100;
    };
    const std::map<QString, Food> foods{
        {QStringLiteral("Mela"), {90, {{0.3, 0.1, 13.7, 53, 2.0, 0}}}},
        {QStringLiteral("Pane"), {100, {{8.1, 0.5, 63.5, 275, 3.8, std::nullopt}}}},
        {QStringLiteral("Tonno"), {75, {{21.5, 8.1, 0, 159, 0, 40}}}},
    };

    CurrentFood browsed(const QString &name) const
    {
        const Food &f = foods.at(name);
        QStringList texts{formatPlain(f.edible, QLocale())};
        for (const auto &v : f.per100)
            texts.append(v ? formatPlain(*v, QLocale()) : QString());
        return food(name, texts);
    }

    void expectTotalsAreTheLockedPortions(const MealGrid &table) const
    {
        const QLocale locale;
        std::array<double, 8> sums{};
        for (int r = 0; r < kMealRows; ++r) {
            const MealRow &row = table.row(r);
            if (row.lock != 1)
                continue;
            std::array<double, 8> expected{};
            expected[0] = readLocaleNumberOrZero(cellText(table, r, MealColumn::Gross), locale);
            if (!row.isFree()) {
                const Food &f = foods.at(row.name());
                expected[1] = expected[0] * f.edible / 100;
                for (std::size_t i = 0; i < 6; ++i)
                    expected[i + 2] = std::round(f.per100[i].value_or(0) * expected[1]) / 100;
            }
            for (std::size_t i = 0; i < 8; ++i) {
                EXPECT_NEAR(readLocaleNumberOrZero(cellText(table, r, kValueColumns[i]), locale), expected[i], 1e-9)
                    << "row " << r << ", column " << i;
                sums[i] += expected[i];
            }
        }
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_NEAR(readLocaleNumberOrZero(table.totals().texts[i], locale), sums[i], 1e-9) << "total " << i;
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(table.chartValues()[i], sums[i + 2], 1e-9) << "chart " << i;
    }
};

TEST_P(TotalsFollowTheLockedRows, AfterEveryUserAction)
{
    enum class Act { Browse, Type, Lock, Unlock };
    struct Step {
        Act act;
        int row;
        const char *text;  // the food browsed to, or the weight typed
    };
    const struct {
        int line;
        std::vector<Step> steps;
    } sequences[] = {
        // Row 1 locked before any food reached it, then filled by browsing; unlock; browse again.
        {__LINE__,
         {{Act::Browse, 0, "Mela"}, {Act::Type, 0, "200"}, {Act::Lock, 0, ""}, {Act::Type, 1, "150"},
          {Act::Lock, 1, ""}, {Act::Browse, 0, "Pane"}, {Act::Browse, 0, "Tonno"}, {Act::Type, 2, "80"},
          {Act::Lock, 2, ""}, {Act::Unlock, 1, ""}, {Act::Browse, 0, "Mela"}, {Act::Lock, 3, ""},
          {Act::Type, 1, "120"}, {Act::Lock, 1, ""}, {Act::Browse, 0, "Pane"}}},
        // A row unlocked in the middle, then filled again from the top.
        {__LINE__,
         {{Act::Browse, 0, "Pane"}, {Act::Type, 0, "100"}, {Act::Lock, 0, ""}, {Act::Browse, 0, "Tonno"},
          {Act::Type, 1, "9999999"}, {Act::Lock, 1, ""}, {Act::Unlock, 0, ""}, {Act::Browse, 0, "Mela"},
          {Act::Type, 0, "80"}, {Act::Lock, 0, ""}, {Act::Unlock, 1, ""}, {Act::Unlock, 0, ""}}},
        // A weight of 0, a refused lock, and a weight typed before the food arrives.
        {__LINE__,
         {{Act::Type, 0, "300"}, {Act::Browse, 0, "Mela"}, {Act::Type, 0, "0"}, {Act::Lock, 0, ""},
          {Act::Lock, 0, ""}, {Act::Browse, 0, "Pane"}, {Act::Type, 0, "250"}, {Act::Lock, 0, ""},
          {Act::Lock, 1, ""}, {Act::Type, 1, "40"}, {Act::Lock, 1, ""}, {Act::Browse, 0, "Tonno"}}},
    };
    for (const auto &sequence : sequences) {
        FakeDialogs messages;
        MealGrid g;
        g.setDialogs(&messages);
        int index = 0;
        for (const Step &step : sequence.steps) {
            SCOPED_TRACE(testing::Message() << "sequence at " << __FILE__ << ":" << sequence.line << ", step "
                                            << ++index);
            const QString text = QString::fromUtf8(step.text);
            switch (step.act) {
            case Act::Browse: g.inseri(browsed(text)); break;
            case Act::Type: g.setGrossText(step.row, text); break;
            case Act::Lock: g.setLock(step.row, 1); break;
            case Act::Unlock: g.setLock(step.row, 0); break;
            }
            expectTotalsAreTheLockedPortions(g);
        }
    }
}

VELMO_BOTH_LOCALES(TotalsFollowTheLockedRows);


}  // namespace
}  // namespace velmo::test
