// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodsearch.h"
#include "support/fooddbfixture.h"
#include "support/languageguard.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

using namespace velmo;
using namespace velmo::test;

namespace {

// The sixteen categories in menu order; every caption is its heading with one accelerator, in
// either language, and only four record sources end without a blank.
TEST(FoodCategories, SixteenInMenuOrderWithTheirRecordSources)
{
    const auto &c = foodCategories();
    ASSERT_EQ(c.size(), 16u);
    EXPECT_EQ(
        c[0].recordSource(),
        u"SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM bevande_alcoliche "_s);
    EXPECT_EQ(c[9].recordSource(),
              u"SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM Latte_e_Yogurt"_s);
    EXPECT_STREQ(c[15].menuItem, "mnuVerdure");
    QStringList noBlank;
    QSet<QString> tables;
    for (const FoodCategory &category : c) {
        if (!category.recordSource().endsWith(u' '))
            noBlank << category.table;
        tables.insert(category.table);
    }
    // In English the seventeen items of the menu have keys of their own.
    for (const Language language : {Language::Italian, Language::English}) {
        const LanguageGuard guard(language);
        QSet<QChar> keys;
        for (int i = 0; i < kAllCategoryCount; ++i) {
            const QString caption = foodCategory(i).shownMenuCaption();
            EXPECT_EQ(QString(caption).remove(u'&'), foodCategory(i).shownHeading());
            EXPECT_EQ(caption.count(u'&'), 1) << caption.toStdString();
            keys.insert(caption.at(caption.indexOf(u'&') + 1).toLower());
        }
        EXPECT_TRUE(language == Language::Italian || keys.size() == kAllCategoryCount);
    }
    EXPECT_EQ(noBlank,
              (QStringList{u"Latte_e_Yogurt"_s, u"Olii_e_grassi"_s, u"Prodotti_vari"_s, u"Verdure_ed_ortaggi"_s}));
    EXPECT_EQ(tables.size(), 16);
}

TEST(FoodCategories, FoundByHeadingOrTableIgnoringCase)
{
    // clang-format off
    // `english`: the English heading, found only while the interface speaks English.
    const struct { int line; const char *name; std::optional<int> index; bool english = false; } cases[] = {
        {__LINE__, "Frutta", 8},         {__LINE__, "latte e yogurt", 9}, {__LINE__, "Olii_e_grassi", 11},
        {__LINE__, "Oli e grassi", 11},  {__LINE__, " Uova ", 14},        {__LINE__, "Frutta; DROP TABLE Uova", {}},
        {__LINE__, "", {}},              {__LINE__, "fruit", 8, true},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(findFoodCategory(QString::fromUtf8(c.name)), c.english ? std::nullopt : c.index);
        const LanguageGuard english(Language::English);
        EXPECT_EQ(findFoodCategory(QString::fromUtf8(c.name)), c.index);
    }
}

// The names found, each with the common name that found it, if any, in brackets.
QStringList names(const FoodSearch &search, const FoodSearch::Result &result)
{
    QStringList found;
    for (std::size_t i = 0; i < result.foods.size(); ++i)
        found << search.food(result.foods[i]).name
                     + (result.synonyms.at(i).isEmpty() ? QString() : u" ("_s + result.synonyms.at(i) + u')');
    return found;
}

FoodSearch sample()
{
    const QStringList foods{
        u"Würstel di pollo"_s, u"Pane di città"_s,  u"Pane integrale"_s,         u"Olio d’oliva extravergine"_s,
        u"Panettone"_s,        u"Budino di pane"_s, u"Pane, tostato"_s,          u"Mela"_s,
        u"Crème caramel"_s,    u"Lattuga romana"_s, u"Condimento per insalata"_s};
    std::vector<SearchableFood> all;
    for (const QString &name : foods)
        all.push_back({searchKey(name), name, static_cast<int>(all.size()) % 16, 0});
    const std::vector<FoodSynonym> synonyms{{u"budino"_s, u"budino"_s, 8, 0}, {u"insalata"_s, u"insalata"_s, 9, 0}};
    FoodSearch search;
    search.setFoods(std::move(all), synonyms);
    return search;
}

// Case, accents (or the apostrophe typed for one) and typographic quotes do not count; every word must occur, in the
// name or in the name and its common names together; the foods that have the text whole as a common name come first,
// then those whose name or a common name starts with the first word, then the rest, each part alphabetical by name (a
// blank before a comma before a letter). A food found through a common name says which. Nothing depends on the user's
// language.
TEST(FoodSearch, MatchesEveryWordAndRanksThePrefixFirst)
{
    const struct {
        int line;
        const char *text;
        QStringList expected;
    } cases[] = {
        {__LINE__, "wurstel", {u"Würstel di pollo"_s}},
        {__LINE__, "WÜRSTEL", {u"Würstel di pollo"_s}},
        {__LINE__, "citta", {u"Pane di città"_s}},
        {__LINE__, "citta\u0300", {u"Pane di città"_s}},
        {__LINE__, "citta'", {u"Pane di città"_s}},  // the apostrophe typed for the accent
        {__LINE__, "CITTA\u2019 pane", {u"Pane di città"_s}},
        {__LINE__, "d' oliva", {u"Olio d’oliva extravergine"_s}},
        {__LINE__, "creme", {u"Crème caramel"_s}},
        {__LINE__, "d'oliva", {u"Olio d’oliva extravergine"_s}},
        {__LINE__, "d\u2019oliva", {u"Olio d’oliva extravergine"_s}},
        {__LINE__,
         "pane",
         {u"Pane di città"_s, u"Pane integrale"_s, u"Pane, tostato"_s, u"Panettone"_s, u"Budino di pane"_s}},
        {__LINE__, "integrale pane", {u"Pane integrale"_s}},
        {__LINE__,
         "pa ne",
         {u"Pane di città"_s, u"Pane integrale"_s, u"Pane, tostato"_s, u"Panettone"_s, u"Budino di pane"_s}},
        {__LINE__, "  di\tpane ", {u"Budino di pane"_s, u"Pane di città"_s}},
        {__LINE__, "pane tostato", {u"Pane, tostato"_s}},
        {__LINE__, "pane mela", {}},
        {__LINE__, "   ", {}},
        {__LINE__, "INSALATA", {u"Lattuga romana (insalata)"_s, u"Condimento per insalata"_s}},
        {__LINE__, "insal", {u"Lattuga romana (insalata)"_s, u"Condimento per insalata"_s}},
        {__LINE__, "romana insalata", {u"Lattuga romana (insalata)"_s}},
        {__LINE__, "budino", {u"Crème caramel (budino)"_s, u"Budino di pane"_s}},
        {__LINE__, "caramel budino", {u"Crème caramel (budino)"_s}},
    };
    const FoodSearch search = sample();
    for (const char *locale : {"it_IT", "en_US"}) {
        LocaleGuard guard(locale);
        for (const auto &c : cases) {
            VELMO_CASE(c);
            EXPECT_EQ(names(search, search.find(QString::fromUtf8(c.text))), c.expected) << locale;
        }
    }
}

// A limit keeps the best matches and still counts all of them.
TEST(FoodSearch, LimitKeepsTheBestAndCountsAll)
{
    const FoodSearch search = sample();
    const FoodSearch::Result result = search.find(QStringLiteral("pane"), 2);
    EXPECT_EQ(names(search, result), (QStringList{u"Pane di città"_s, u"Pane integrale"_s}));
    EXPECT_EQ(result.total, 5);
}

// A category read again from its table is searched with the foods it has now.
TEST(FoodSearch, ACategoryReadAgainIsSearchedWithItsNewFoods)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"alimenti.db"_s);
    ASSERT_TRUE(writeFoodDatabase(path, {{u"Frutta"_s, {{u"Pera"_s, {100, 0.3, 0.1, 9.5, 35, 3.8, 0}}}}}));
    QString error;
    const auto database = FoodDatabase::open(path, &error);
    ASSERT_TRUE(database) << error.toStdString();
    FoodSearch search = sample();
    ASSERT_TRUE(search.readCategory(database->connection(), *findFoodCategory(u"Frutta"_s), &error));
    EXPECT_EQ(names(search, search.find(u"pera"_s)), QStringList{u"Pera"_s});
}

}  // namespace
