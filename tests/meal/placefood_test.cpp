// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "mealtestsupport.h"

namespace velmo::test {
namespace {

// A row as an earlier step leaves it: its name, gross weight and lock.
// clang-format off
struct Given { int row; const char *name; const char *gross; bool locked; };
// clang-format on

// Foods browsed one after the other into a table given so, then every row's name, gross weight,
// net cell, protein and lock ("name|gross|net|protein|lock", rows from the first; the rest empty).
// Browsed: "name/edible/protein".
// clang-format off
struct PlaceFoodCase { int line; std::vector<Given> given; Texts browsed; Texts rows; };
// clang-format on

// clang-format off
const PlaceFoodCase kPlaceFoodCases[] = {
    // The first open row follows browsing; its weight and look are left alone.
    {__LINE__, {}, {"Mela/90/12,4"}, {"Mela||90|12,4|0"}},
    {__LINE__, {{0, "", "150", false}, {5, "", "80", false}}, {"Mela/90/12,4", "Pera/92/0,4"},
     {"Pera|150|92|0,4|0", "||||0", "||||0", "||||0", "||||0", "|80|||0"}},
    // Locked rows stay; the next open row follows.
    {__LINE__, {{0, "Cibo 0", "", true}, {1, "Cibo 1", "", true}, {2, "Cibo 2", "", true}}, {"Kiwi/90/12,4", "Fico/90/1"},
     {"Cibo 0||||1", "Cibo 1||||1", "Cibo 2||||1", "Fico||90|1|0"}},
    // A locked row without food takes the food and is calculated at once; so is the row after it.
    {__LINE__, {{0, "Pane", "100", true}, {1, "", "200", true}}, {"Kiwi/90/12,4"},
     {"Pane|100|||1", "Kiwi|200|180|22,32|1", "Kiwi||90|12,4|0"}},
    // One locked without food and without weight is released; the food goes to the next.
    {__LINE__, {{0, "", "", true}}, {"Fico/90/1"}, {"||||0", "Fico||90|1|0"}},
    // A one-character name counts as no food, but the row stays as it is.
    {__LINE__, {{0, "X", "", true}}, {"Kiwi/90/12,4"}, {"X||||1"}},
    // A food without name leaves the row free for the next.
    {__LINE__, {}, {"//"}, {"||||0"}},
    {__LINE__, {}, {"//", "Kiwi/90/12,4"}, {"Kiwi||90|12,4|0"}},
};
// clang-format on

TEST(PlaceFood, BrowsedFoodGoesToTheFirstOpenRow)
{
    const LocaleGuard italian("it_IT");
    for (const PlaceFoodCase &c : kPlaceFoodCases) {
        VELMO_CASE(c);
        OpenGrid g;
        for (const Given &r : c.given) {
            g.setCellText(r.row, MealColumn::Name, QString::fromUtf8(r.name));
            g.setCellText(r.row, MealColumn::Gross, QString::fromUtf8(r.gross));
            g.mutableRow(r.row).lock = r.locked ? 1 : 0;
        }
        for (const QString &f : c.browsed) {
            const QStringList parts = f.split(u'/');
            g.placeFood(food(parts[0], {parts[1], parts[2], QStringLiteral("1"), QStringLiteral("2"),
                                        QStringLiteral("350"), QStringLiteral("3"), QString()}));
        }
        for (int r = 0; r < kMealRows; ++r) {
            const QStringList cells{cellText(g, r, MealColumn::Name), cellText(g, r, MealColumn::Gross),
                                    cellText(g, r, MealColumn::Net), cellText(g, r, MealColumn::Protein),
                                    QString::number(g.row(r).lock)};
            EXPECT_EQ(cells.join(u'|'), c.rows.value(r, QStringLiteral("||||0"))) << r;
        }
    }
}

// The other values per 100 g are copied as they are, an empty one as an empty text; the look is
// left for the calculation, and a full table changes nothing.
TEST(PlaceFood, ValuesAreCopiedAsTextsAndAFullTableIsLeftAlone)
{
    OpenGrid t;
    t.placeFood(food(QStringLiteral("Pera"), {"92", "0,4", "1", "2", "350", "3", ""}));
    EXPECT_EQ(rowValues(t, 0), (Texts{"", "92", "0,4", "1", "2", "350", "3", ""}));
    EXPECT_EQ(t.row(0).cell(MealColumn::Protein).alignment, CellAlignment::Left);
    EXPECT_FALSE(t.row(1).visible);
    for (int r = 0; r < kMealRows; ++r) {
        t.setCellText(r, MealColumn::Name, QStringLiteral("Cibo %1").arg(r));
        t.mutableRow(r).lock = 1;
    }
    t.placeFood(food(QStringLiteral("Kiwi"), {"90"}));
    for (int r = 0; r < kMealRows; ++r)
        EXPECT_EQ(t.row(r).name(), QStringLiteral("Cibo %1").arg(r));
}

}  // namespace
}  // namespace velmo::test
