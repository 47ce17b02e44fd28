#include "catalogue/foodcategory.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace velmo;

namespace {

// The sixteen categories in menu order; every caption is its heading with one accelerator, and
// only four record sources end without a blank.
TEST(FoodCategories, SixteenInMenuOrderWithTheirRecordSources)
{
    const auto &c = foodCategories();
    ASSERT_EQ(c.size(), 16u);
    EXPECT_EQ(c[0].recordSource(),
              "SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM bevande_alcoliche ");
    EXPECT_EQ(c[9].recordSource(),
              "SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM Latte_e_Yogurt");
    EXPECT_STREQ(c[15].menuItem, "mnuVerdure");
    QStringList noBlank;
    QSet<QString> tables;
    for (const FoodCategory &category : c) {
        if (!category.recordSource().endsWith(u' '))
            noBlank << category.table;
        EXPECT_EQ(QString(category.menuCaption).remove(u'&'), category.heading);
        EXPECT_EQ(category.menuCaption.count(u'&'), 1) << category.menuCaption.toStdString();
        tables.insert(category.table);
    }
    EXPECT_EQ(noBlank, (QStringList{"Latte_e_Yogurt", "Olii_e_grassi", "Prodotti_vari", "Verdure_ed_ortaggi"}));
    EXPECT_EQ(tables.size(), 16);
}

TEST(FoodCategories, FoundByHeadingOrTableIgnoringCase)
{
    // clang-format off
    const struct {
        int line;
        const char *name;
        std::optional<int> index;
    } cases[] = {
        {__LINE__, "Frutta", 8},         {__LINE__, "latte e yogurt", 9}, {__LINE__, "Olii_e_grassi", 11},
        {__LINE__, "Oli e grassi", 11},  {__LINE__, " Uova ", 14},        {__LINE__, "Frutta; DROP TABLE Uova", {}},
        {__LINE__, "", {}},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(findFoodCategory(c.name), c.index);
    }
}

}  // namespace
