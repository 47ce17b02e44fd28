#include "catalogue/foodsearch.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>


using namespace velmo;
using namespace velmo::test;

namespace {

QStringList names(const FoodSearch &search, const FoodSearch::Result &result)
{
    QStringList found;
    for (int food : result.foods)
        found << search.food(food).name;
    return found;
}

FoodSearch sample()
{
    const QStringList foods{"Würstel di pollo", "Pane di città", "Pane integrale", "Olio d’oliva extravergine",
                            "Panettone", "Budino di pane", "Pane, tostato", "Mela", "Crème caramel"};
    std::vector<SearchableFood> all;
    for (const QString &name : foods)
        all.push_back({searchKey(name), name, static_cast<int>(all.size()) % 16, 0});
    FoodSearch search;
    search.setFoods(std::move(all));
    return search;
}

// Case, accents and typographic quotes do not count; every word must occur; names starting with
// the first word come first, the rest follow, each part alphabetical (a blank before a comma
// before a letter). Neither depends on the user's language.
TEST(FoodSearch, MatchesEveryWordAndRanksThePrefixFirst)
{
    const struct {
        int line;
        const char *text;
        QStringList expected;
    } cases[] = {
        {__LINE__, "wurstel", {"Würstel di pollo"}},
        {__LINE__, "WÜRSTEL", {"Würstel di pollo"}},
        {__LINE__, "citta", {"Pane di città"}},
        {__LINE__, "citta\u0300", {"Pane di città"}},
        {__LINE__, "creme", {"Crème caramel"}},
        {__LINE__, "d'oliva", {"Olio d’oliva extravergine"}},
        {__LINE__, "d\u2019oliva", {"Olio d’oliva extravergine"}},
        {__LINE__, "pane", {"Pane di città", "Pane integrale", "Pane, tostato", "Panettone", "Budino di pane"}},
        {__LINE__, "integrale pane", {"Pane integrale"}},
        {__LINE__, "  di\tpane ", {"Budino di pane", "Pane di città"}},
        {__LINE__, "pane tostato", {"Pane, tostato"}},
        {__LINE__, "pane mela", {}},
        {__LINE__, "   ", {}},
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
    EXPECT_EQ(names(search, result), (QStringList{"Pane di città", "Pane integrale"}));
    EXPECT_EQ(result.total, 5);
}

}  // namespace
