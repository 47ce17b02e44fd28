#include "mealtestsupport.h"

#include "common/numbertext.h"

#include <cmath>
#include <map>
#include <optional>

namespace velmo::test {
namespace {

// Rows as an earlier step leaves them (English texts: the Italian ones swap point and comma),
// then the totals recomputed: the totals (none: not checked) and each given row after.
struct GivenRow {
    bool locked;
    QStringList values;  // gross, net, then the six nutrients
    QStringList after;   // the values after the recomputation
    bool lockedAfter;
};
struct TotalsCase {
    int line;
    std::vector<GivenRow> rows;
    QStringList totals;
};

const TotalsCase kTotalsCases[] = {
    // Sums read group separators and write plain decimals, to fifteen significant digits.
    {__LINE__,
     {{true, {"100", "90", "1,234.56", "12.5"}, {"100", "90", "1,234.56", "12.5", "", "", "", ""}, true},
      {true, {"50", "40", "10.00", "0"}, {"50", "40", "10.00", "", "", "", "", ""}, true}},
     {"150", "130", "1244.56", "12.5", "0", "0", "0", "0"}},
    {__LINE__, {{true, {"1", "0.1"}, {"1", "0.1", "", "", "", "", "", ""}, true}, {true, {"2", "0.2"}, {"2", "0.2", "", "", "", "", "", ""}, true}},
     {"3", "0.3", "0", "0", "0", "0", "0", "0"}},
    // The open row shows the browsed food per 100 g: none of it is eaten until it is locked.
    {__LINE__,
     {{true, {"100", "100", "5"}, {"100", "100", "5", "", "", "", "", ""}, true},
      {false, {"300", "90", "12"}, {"300", "90", "12", "", "", "", "", ""}, false}},
     {"100", "100", "5", "0", "0", "0", "0", "0"}},
    // Zero cells are blanked; a text that is no number is left as it is.
    {__LINE__, {{true, {"100", "n.d.", "0.00", "1.50"}, {"100", "n.d.", "", "1.50", "", "", "", ""}, true}},
     {"100", "0", "0", "1.5", "0", "0", "0", "0"}},
    // Every locked row without gross weight is unlocked and emptied (the next pass counts it no more).
    {__LINE__,
     {{true, {"", "", "3"}, {"", "", "", "", "", "", "", ""}, false},
      {true, {"100", "100", "4"}, {"100", "100", "4", "", "", "", "", ""}, true},
      {true, {"0", "0"}, {"", "", "", "", "", "", "", ""}, false}},
     {}},
    {__LINE__, {}, {"0", "0", "0", "0", "0", "0", "0", "0"}},
};

class Totals : public LocaleGridTest {};

TEST_P(Totals, RecomputationSumsTheLockedRowsAndBlanksTheirZeros)
{
    for (const TotalsCase &c : kTotalsCases) {
        VELMO_CASE(c);
        OpenGrid g;
        for (std::size_t r = 0; r < c.rows.size(); ++r) {
            const int row = static_cast<int>(r);
            g.mutableRow(row).lock = c.rows[r].locked ? 1 : 0;
            g.setCellText(row, MealColumn::Name, QStringLiteral("Alimento %1").arg(r));
            const QStringList values = localized(c.rows[r].values);
            for (std::size_t i = 0; i < kValueColumns.size(); ++i)
                g.setCellText(row, kValueColumns[i], values.value(static_cast<int>(i)));
        }
        g.zero();
        g.sommax();
        if (!c.totals.isEmpty()) {
            EXPECT_EQ(totalsTexts(g), localized(c.totals));
        }
        for (int r = 0; r < kMealRows; ++r) {
            const GivenRow given = r < static_cast<int>(c.rows.size()) ? c.rows[static_cast<std::size_t>(r)] : GivenRow{};
            EXPECT_EQ(rowValues(g, r), localized(given.after.isEmpty() ? QStringList(8, QString()) : given.after)) << r;
            EXPECT_EQ(g.row(r).lock, given.lockedAfter ? 1 : 0) << r;
            const bool emptied = r >= static_cast<int>(c.rows.size()) || (given.locked && !given.lockedAfter);
            EXPECT_EQ(cellText(g, r, MealColumn::Name).isEmpty(), emptied) << r;
            // A cell `zero` filled is blanked again and keeps its white.
            for (std::size_t i = 0; i < kValueColumns.size(); ++i)
                if (given.values.value(static_cast<int>(i)).isEmpty()) {
                    EXPECT_EQ(g.row(r).cell(kValueColumns[i]).textColour, CellTextColour::White) << r << " " << i;
                }
        }
    }
}

TEST_P(Totals, ZeroFillsOnlyEmptyCellsWithWhiteZero)
{
    EXPECT_EQ(totalsTexts(grid), QStringList(8, QString()));  // empty until the first recomputation
    EXPECT_EQ(grid.chartValues(), (std::array<double, 3>{0, 0, 0}));
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
    EXPECT_EQ(cellText(grid, 5, MealColumn::Name), QString());  // the food name is no value cell
    grid.apici();  // on its own, outside a recomputation
    EXPECT_EQ(cellText(grid, 0, MealColumn::Gross), QString());
    EXPECT_EQ(cellText(grid, 0, MealColumn::Lip), QStringLiteral("3"));
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
            VELMO_CASE(sequence);
            SCOPED_TRACE(++index);
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

// Numbers read once are remembered only for the locale they were read in.
TEST(TotalsLocale, ATextIsReadAgainWhenTheLocaleChanges)
{
    const velmo::test::LocaleGuard italianLocale("it_IT");
    velmo::test::OpenGrid g;
    g.mutableRow(0).lock = 1;
    g.setCellText(0, velmo::MealColumn::Name, QStringLiteral("Alimento"));
    g.setCellText(0, velmo::MealColumn::Gross, QStringLiteral("1,234.5"));  // no number in Italian
    g.sommax();
    EXPECT_EQ(g.totalText(velmo::MealColumn::Gross), QStringLiteral("0"));
    const velmo::test::LocaleGuard englishLocale("en_US");
    g.sommax();
    EXPECT_EQ(g.totalText(velmo::MealColumn::Gross), QStringLiteral("1234.5"));
}
