// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/datacontrol.h"
#include "catalogue/foodbrowser.h"
#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodgridmodel.h"
#include "support/fooddbfixture.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QTemporaryDir>

#include <tuple>

using namespace Qt::StringLiterals;

using namespace velmo;
using namespace velmo::test;

namespace {

class DataControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dir.filePath(u"elementi97.db"_s);
        ASSERT_TRUE(writeFoodDatabase(
            path, {{u"Frutta"_s,
                    {{u"Mela"_s, {90, 0.3, 0.2, 14, 52, 2.4, 0}},
                     {u"Mela"_s, {75, 1, 2, 3, 4, 5, 6}},  // same name, other values
                     {u"Pera"_s, {92, 12.4, 0.1, 15.5, 57, 3.1, QVariant()}}}},
                   {u"Uova"_s, {{u"Uovo intero, crudo"_s, {88, 12.56, 9.51, 0.72, 143, 0, 372}}}},
                   // Cells that are no number: a text, a blob, an empty cell.
                   {u"Dolci"_s, {{u"Torta"_s, {90, u"tracce"_s, QByteArray("\x01", 1), QVariant(), 300, 1.5, 0}}}}}));
        QString error;
        db = FoodDatabase::open(path, &error);
        ASSERT_NE(db, nullptr) << error.toStdString();
        data.setDatabase(db->connection());
        QObject::connect(&data, &DataControl::validate, [this] { events << u"validate"_s; });
        QObject::connect(&data, &DataControl::reposition, [this] { events << u"reposition"_s; });
    }

    void choose(const char *heading)
    {
        data.setRecordSource(foodCategory(*findFoodCategory(QString::fromUtf8(heading))).recordSource());
        ASSERT_TRUE(data.refresh());
    }

    QTemporaryDir dir;
    std::unique_ptr<FoodDatabase> db;
    DataControl data;
    QStringList events;
};

// Each move from where the previous one left, before any table is chosen, in "Frutta" (3 rows) or
// in the empty "Legumi": whether it moved, and the current row and end flags after it (-1: no
// current row; no flag without a table).
enum class Move { First, Last, Next, Previous, To2, Choose };
// clang-format off
const struct { int line; const char *table; Move move; bool moved; int current; std::optional<bool> bof, eof; } kMoves[] = {
    {__LINE__, "", Move::First, false, -1, {}, {}},
    {__LINE__, "", Move::Last, false, -1, {}, {}},
    {__LINE__, "", Move::Next, false, -1, {}, {}},
    {__LINE__, "", Move::Previous, false, -1, {}, {}},
    {__LINE__, "", Move::To2, false, -1, {}, {}},
    {__LINE__, "Frutta", Move::Choose, true, 0, false, false},
    {__LINE__, "Frutta", Move::Previous, true, -1, true, false},
    {__LINE__, "Frutta", Move::Previous, false, -1, true, false},  // already before the first row
    {__LINE__, "Frutta", Move::Next, true, 0, false, false},
    {__LINE__, "Frutta", Move::Last, true, 2, false, false},
    {__LINE__, "Frutta", Move::Next, true, -1, false, true},
    {__LINE__, "Frutta", Move::Next, false, -1, false, true},
    {__LINE__, "Frutta", Move::Previous, true, 2, false, false},
    {__LINE__, "Frutta", Move::First, true, 0, false, false},
    {__LINE__, "Frutta", Move::To2, true, 2, false, false},
    {__LINE__, "Frutta", Move::Choose, true, 0, false, false},  // choosing again returns to the top
    {__LINE__, "Legumi", Move::Choose, true, -1, true, true},
    {__LINE__, "Legumi", Move::First, false, -1, true, true},
    {__LINE__, "Legumi", Move::Last, false, -1, true, true},
    {__LINE__, "Legumi", Move::Next, false, -1, true, true},
};
// clang-format on

// The grid model over the data control stays a consistent model through every category change
// and move (the tester aborts at the first broken rule).
TEST_F(DataControlTest, MovesRaiseTheFlagsAndKeepTheGridModelConsistent)
{
    FoodGridModel grid(data);
    QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (const auto &c : kMoves) {
        VELMO_CASE(c);
        events.clear();
        bool moved = true;
        switch (c.move) {
        case Move::First: moved = data.moveFirst(); break;
        case Move::Last: moved = data.moveLast(); break;
        case Move::Next: moved = data.moveNext(); break;
        case Move::Previous: moved = data.movePrevious(); break;
        case Move::To2: moved = data.moveTo(2); break;
        case Move::Choose: choose(c.table); break;
        }
        EXPECT_EQ(moved, c.moved);
        EXPECT_EQ(data.currentRow().value_or(-1), c.current);
        EXPECT_EQ(data.bof(), c.bof);
        EXPECT_EQ(data.eof(), c.eof);
        // Every move is wrapped in its two notifications.
        EXPECT_EQ(events, c.moved ? QStringList({u"validate"_s, u"reposition"_s}) : QStringList());
        EXPECT_EQ(grid.rowCount(), data.rowCount());
    }
}

TEST_F(DataControlTest, OnlyANumberIsAValue)
{
    choose("Dolci");
    ASSERT_EQ(data.rowCount(), 1);
    const FoodRow &torta = data.row(0);
    const std::array<std::optional<double>, 7> expected{90, std::nullopt, std::nullopt, std::nullopt, 300, 1.5, 0};
    for (std::size_t i = 0; i < 7; ++i) {
        ASSERT_EQ(torta.hasValue(static_cast<int>(i)), expected[i].has_value()) << i;
        EXPECT_EQ(torta.values[i], expected[i].value_or(torta.values[i])) << i;
    }
}

TEST_F(DataControlTest, GridShowsEveryColumnAsTheUsersNumberTexts)
{
    FoodGridModel grid(data);
    EXPECT_EQ(grid.rowCount(), 0);
    choose("Uova");
    ASSERT_EQ(grid.rowCount(), 1);
    ASSERT_EQ(grid.columnCount(), 8);
    EXPECT_EQ(grid.headerData(7, Qt::Horizontal).toString(), u"colesterolo"_s);
    for (const auto &[locale, protein] : {std::pair{"it_IT", "12,56"}, std::pair{"en_US", "12.56"}}) {
        LocaleGuard guard(locale);
        EXPECT_EQ(grid.data(grid.index(0, 2)).toString(), QLatin1StringView(protein)) << locale;
        EXPECT_EQ(grid.data(grid.index(0, 7)).toString(), u"372"_s) << locale;
    }
    EXPECT_FALSE(grid.flags(grid.index(0, 0)) & Qt::ItemIsEditable);
}

// A category longer than what a refresh reads at once: every row is there, read when asked for,
// in any order, up to the last.
TEST_F(DataControlTest, LongCategoryGivesEveryRowWhenAskedFor)
{
    for (const int count : {256, 257, 600}) {
        SCOPED_TRACE(count);
        std::vector<TestFood> foods;
        for (int i = 0; i < count; ++i)
            foods.push_back({QStringLiteral("Cibo %1").arg(i), {i, 1, 2, 3, 4, 5, 6}});
        const QString path = dir.filePath(QStringLiteral("lungo%1.db").arg(count));
        ASSERT_TRUE(writeFoodDatabase(path, {{u"Legumi"_s, foods}}));
        QString error;
        const auto longDb = FoodDatabase::open(path, &error);
        ASSERT_NE(longDb, nullptr) << error.toStdString();
        data.setDatabase(longDb->connection());
        FoodGridModel grid(data);
        choose("Legumi");
        ASSERT_EQ(grid.rowCount(), count);
        // A record source set counts from its refresh: the pages not read yet are the old one's.
        data.setRecordSource(u"SELECT 'Altro', 1, 1, 1, 1, 1, 1, 1"_s);
        for (const int row : {count - 1, 0, 255, count / 2, 256 % count, 1}) {
            EXPECT_EQ(grid.data(grid.index(row, 0)).toString(), QStringLiteral("Cibo %1").arg(row)) << row;
            EXPECT_EQ(data.row(row).values[0], row) << row;
        }
        EXPECT_TRUE(data.moveLast());
        EXPECT_EQ(data.currentRow(), count - 1);
        data.setDatabase(db->connection());
    }
}

// The browser shows the current food in the user's number format; a change of name is raised
// only when the name differs, after the numbers are in place. Past the ends it keeps the last
// food; an empty table clears it.
TEST_F(DataControlTest, BrowserFollowsTheCurrentFood)
{
    FoodBrowser browser(data);
    QStringList changes;
    QObject::connect(&browser, &FoodBrowser::foodNameChanged, [&] {
        changes << browser.foodName() + u"|"_s + browser.fieldText(0) + u"|"_s + browser.fieldText(2);
    });
    for (const auto &[locale, apple, pear, fibre] :
         {std::tuple{"it_IT", "0,3", "12,4", "3,1"}, std::tuple{"en_US", "0.3", "12.4", "3.1"}}) {
        LocaleGuard guard(locale);
        changes.clear();
        choose("Frutta");
        data.moveNext();
        EXPECT_EQ(browser.fieldText(0), u"75"_s);
        data.moveNext();
        EXPECT_EQ(changes,
                  (QStringList{u"Mela|90|"_s + QLatin1StringView(apple), u"Pera|92|"_s + QLatin1StringView(pear)}));
        EXPECT_EQ(browser.fieldText(6), QLatin1StringView(fibre));
        EXPECT_EQ(browser.fieldText(7), u""_s);  // no value: empty text
        EXPECT_EQ(browser.fieldText(5), u"57"_s);
        EXPECT_EQ(browser.fieldText(1), u""_s);
    }
    data.moveNext();
    EXPECT_EQ(browser.foodName(), u"Pera"_s);
    changes.clear();
    choose("Legumi");
    EXPECT_EQ(browser.fieldText(0), u""_s);
    EXPECT_EQ(changes, QStringList{u"||"_s});
}

}  // namespace
