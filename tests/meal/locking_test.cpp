// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "mealtestsupport.h"

namespace velmo::test {
namespace {

// What the user does to the meal table, one step at a time.
enum class Act { Lock, Unlock, Browse, ClearGross };
struct Step {
    Act act;
    int row;
    char food = ' ';         // 'a' apple, 'b' bread, 'p' pasta, 'o' oil, ' ' none browsed before the lock
    const char *gross = "";  // typed before the lock
};

// A sequence of steps, then (English texts; the Italian ones have a comma for the point) the
// totals, the chart, each row's lock, the rows shown, messages, passes of the totals, and the
// signals of the last step.
struct LockCase {
    int line;
    std::vector<Step> steps;
    Texts totals;
    std::array<double, 3> chart;
    const char *locks;
    int shown;
    int messages;
    int passes;
    const char *events;
};

const QStringList kZeros(8, QStringLiteral("0"));

// clang-format off
const LockCase kLockCases[] = {
    // No weight, or no food: refused with a message; the unlock runs nested, before the totals.
    {__LINE__, {{Act::Lock, 0, 'a'}}, kZeros, {0, 0, 0}, "0", 1, 1, 1, "lock 0=1,lock 0=0,totals"},
    // Acceptance calculates the row, shows the next one only, and fills totals and chart.
    {__LINE__, {{Act::Lock, 0, 'a', "200"}}, {"200", "200", "20", "10", "40", "340", "4", "60"}, {20, 10, 40}, "10", 2, 0, 1, "lock 0=1,lock 1=0,totals,chart"},
    {__LINE__, {{Act::Lock, 0, 'p', "80"}}, {"80", "80", "10", "1.2", "60", "0", "0", "0"}, {10, 1.2, 60}, "10", 2, 0, 1, "lock 0=1,lock 1=0,totals,chart"},
    // The chart is redrawn when one column alone changes.
    {__LINE__, {{Act::Lock, 0, 'o', "10"}}, {"10", "10", "0", "10", "0", "90", "0", "0"}, {0, 10, 0}, "10", 2, 0, 1, "lock 0=1,lock 1=0,totals,chart"},
    // Net 62.5 g of bread: fat 0.625 g rounds half to even, 0.62.
    {__LINE__, {{Act::Lock, 0, 'a', "200"}, {Act::Lock, 1, 'b', "125"}}, {"325", "262.5", "25", "10.62", "77.5", "515", "5.88", "60"}, {25, 10.62, 77.5}, "110", 3, 0, 1, "lock 1=1,lock 2=0,totals,chart"},
    // Unlocking recomputes; the browsed food waiting in the open row is no part of the meal.
    {__LINE__, {{Act::Lock, 0, 'a', "200"}, {Act::Lock, 1, 'b', "100"}, {Act::Browse, 2, 'a'}, {Act::Unlock, 0}}, {"100", "50", "4", "0.5", "30", "140", "1.5", "0"}, {4, 0.5, 30}, "0100", 3, 0, 1, "lock 0=0,totals,chart"},
    {__LINE__, {{Act::Lock, 0, 'a', "200"}, {Act::Unlock, 0}}, kZeros, {0, 0, 0}, "00", 2, 0, 1, "lock 0=0,totals,chart"},
    // Locked for a weight before any food reached it: the food browsed next is counted at once.
    {__LINE__, {{Act::Lock, 0, 'a', "200"}, {Act::Lock, 1, ' ', "100"}, {Act::Browse, 0, 'a'}}, {"300", "300", "30", "15", "60", "510", "6", "90"}, {30, 15, 60}, "110", 3, 0, 1, "totals,chart"},
    // Locked again after an unlock: the row below is already shown.
    {__LINE__, {{Act::Lock, 0, 'a', "200"}, {Act::Unlock, 0}, {Act::Lock, 0, 'b', "100"}}, {"100", "50", "4", "0.5", "30", "140", "1.5", "0"}, {4, 0.5, 30}, "10", 2, 0, 1, "lock 0=1,totals,chart"},
    {__LINE__, {{Act::Lock, 0, 'a', "100"}, {Act::Lock, 1, 'b', "100"}, {Act::Lock, 2, 'a', "300"}, {Act::Unlock, 1}}, {"400", "400", "40", "20", "80", "680", "8", "120"}, {40, 20, 80}, "10100", 4, 0, 1, "lock 1=0,totals,chart"},
    // The same value runs no handler.
    {__LINE__, {{Act::Lock, 0, 'a', "200"}, {Act::Lock, 0}, {Act::Unlock, 1}}, {"200", "200", "20", "10", "40", "340", "4", "60"}, {20, 10, 40}, "10", 2, 0, 0, ""},
    // A weight of 0 is calculated, then released by the totals in the same pass.
    {__LINE__, {{Act::Lock, 0, 'a', "200"}, {Act::Lock, 1, 'b', "0"}}, {"200", "200", "20", "10", "40", "340", "4", "60"}, {20, 10, 40}, "100", 3, 0, 1, "lock 1=1,lock 2=0,lock 1=0"},
    // A locked row left without weight by an earlier step is unlocked inside the handler of the next
    // lock, between two passes of the totals.
    {__LINE__, {{Act::Lock, 0, 'a', "200"}, {Act::Lock, 1, 'b', "100"}, {Act::ClearGross, 0}, {Act::Lock, 2, 'b', "100"}}, {"200", "100", "8", "1", "60", "280", "3", "0"}, {8, 1, 60}, "0110", 4, 0, 2, "lock 2=1,lock 3=0,totals,lock 0=0,chart,totals,chart"},
};
// clang-format on

class Locking : public LocaleGridTest {
protected:
    // Per 100 g after the edible percentage: protein, fat, carbohydrate, energy, fibre, cholesterol.
    CurrentFood browsed(char which) const
    {
        const std::map<char, std::pair<const char *, Texts>> foods{
            {'a', {"Mela", {"100", "10", "5", "20", "170", "2", "30"}}},
            {'b', {"Pane", {"50", "8", "1", "60", "280", "3", "0"}}},
            {'p', {"Pasta", {"100", "12.5", "1.5", "75"}}},
            {'o', {"Olio", {"100", "0", "100", "0", "900"}}},
        };
        const auto &[name, values] = foods.at(which);
        return food(QString::fromLatin1(name), localized(values));
    }
};

TEST_P(Locking, SequencesOfLocksAndUnlocks)
{
    for (const LockCase &c : kLockCases) {
        VELMO_CASE(c);
        FakeDialogs messages;
        OpenGrid g;
        g.setDialogs(&messages);
        QStringList events;
        int lastRowGrossChanges = 0;
        QObject::connect(&g, &MealGrid::rowStateChanged,
                         [&](int r) { events.append(QStringLiteral("lock %1=%2").arg(r).arg(g.row(r).lock)); });
        const auto record = [&events](const char *signal) {  // repeats of one signal count once
            return [&events, signal] {
                if (events.isEmpty() || events.last() != QLatin1String(signal))
                    events.append(QLatin1String(signal));
            };
        };
        QObject::connect(&g, &MealGrid::totalsChanged, record("totals"));
        QObject::connect(&g, &MealGrid::chartChanged, record("chart"));
        // Every pass of the totals writes and blanks the hidden last row: three changes.
        QObject::connect(&g, &MealGrid::cellChanged, [&](int r, MealColumn col) {
            lastRowGrossChanges += r == kMealRows - 1 && col == MealColumn::Gross;
        });
        for (const Step &step : c.steps) {
            events.clear();
            lastRowGrossChanges = 0;
            if (step.food != ' ')
                g.placeFood(browsed(step.food));
            if (*step.gross)
                g.setGrossText(step.row, QString::fromLatin1(step.gross));
            switch (step.act) {
            case Act::Lock: g.setLock(step.row, 1); break;
            case Act::Unlock: g.setLock(step.row, 0); break;
            case Act::ClearGross: g.setCellText(step.row, MealColumn::Gross, QString()); break;
            case Act::Browse: break;
            }
        }
        EXPECT_EQ(totalsTexts(g), localized(c.totals));
        EXPECT_EQ(g.chartValues(), c.chart);
        EXPECT_EQ(messages.shown.size(), static_cast<std::size_t>(c.messages));
        EXPECT_EQ(lastRowGrossChanges / 3, c.passes);
        EXPECT_EQ(events.join(u','), QString::fromLatin1(c.events));
        for (int r = 0; r < kMealRows; ++r) {
            const MealRow &row = g.row(r);
            const bool locked = r < static_cast<int>(std::strlen(c.locks)) && c.locks[r] == '1';
            EXPECT_EQ(row.lock, locked ? 1 : 0) << r;
            EXPECT_EQ(row.visible, r < c.shown) << r;
            // A locked row has the calculated look; an unlocked one is the window's again and
            // keeps nothing but a browsed food.
            EXPECT_EQ(row.cell(MealColumn::Protein).alignment, locked ? CellAlignment::Right : CellAlignment::Left)
                << r;
            EXPECT_EQ(row.cell(MealColumn::Name).background,
                      locked ? CellBackground::Calculated : CellBackground::Window)
                << r;
            if (!locked && row.name() != QStringLiteral("Mela")) {
                EXPECT_EQ(QStringList(rowValues(g, r).mid(1)), QStringList(7, QString())) << r;
            }
        }
    }
}

// The refusal asks for the weight; without anyone to tell, it still unlocks.
TEST_P(Locking, RefusalAsksForTheWeightAndUnlocksEvenUntold)
{
    grid.placeFood(browsed('a'));
    grid.setLock(0, 1);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Inserire quantità sul campo peso lordo")});

    OpenGrid silent;  // without anyone to tell, the refusal still unlocks
    silent.placeFood(browsed('a'));
    silent.setLock(0, 1);
    EXPECT_EQ(silent.row(0).lock, 0);
    EXPECT_EQ(cellText(silent, 0, MealColumn::Name), QString());
}

TEST_P(Locking, LockingTheLastRowCalculatesItAndRevealsNothing)
{
    for (int r = 0; r < kMealRows; ++r)
        lockFood(r, food(QStringLiteral("Pera %1").arg(r), {QStringLiteral("100"), QString::number(r + 1)}),
                 QStringLiteral("100"));
    for (int r = 0; r < kMealRows; ++r) {
        EXPECT_EQ(grid.row(r).lock, 1) << r;
        EXPECT_TRUE(grid.row(r).visible) << r;
        EXPECT_EQ(cellText(grid, r, MealColumn::Protein), localized(QStringLiteral("%1.00").arg(r + 1))) << r;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

VELMO_BOTH_LOCALES(Locking);

}  // namespace
}  // namespace velmo::test
