#include "catalogue/foodcategory.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace velmo;

namespace {

TEST(FoodCategories, SixteenInMenuOrderWithTheirRecordSources)
{
    const auto &c = foodCategories();
    ASSERT_EQ(c.size(), 16u);
    EXPECT_EQ(c[0].recordSource(),
              "SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM bevande_alcoliche ");
    EXPECT_EQ(c[9].recordSource(),
              "SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM Latte_e_Yogurt");
    EXPECT_EQ(c[14].recordSource().right(5), "Uova ");

    // Only four record sources end without a blank.
    QStringList noBlank;
    for (const FoodCategory &category : c)
        if (!category.recordSource().endsWith(u' '))
            noBlank << category.table;
    EXPECT_EQ(noBlank, (QStringList{"Latte_e_Yogurt", "Olii_e_grassi", "Prodotti_vari", "Verdure_ed_ortaggi"}));

    EXPECT_EQ(c[11].menuCaption, "&Oli e grassi");
    EXPECT_EQ(c[11].heading, "Oli e grassi");
    EXPECT_EQ(c[11].table, "Olii_e_grassi");
    EXPECT_EQ(c[2].menuCaption, "Carni &trasformate e conservate");
    EXPECT_EQ(c[13].menuCaption, "Pro&dotti vari");
    EXPECT_STREQ(c[15].menuItem, "mnuVerdure");
}

TEST(FoodCategories, CaptionsWithoutAcceleratorAreTheHeadings)
{
    QSet<QString> tables;
    for (const FoodCategory &category : foodCategories()) {
        EXPECT_EQ(QString(category.menuCaption).remove(u'&'), category.heading);
        EXPECT_EQ(category.menuCaption.count(u'&'), 1) << category.menuCaption.toStdString();
        tables.insert(category.table);
    }
    EXPECT_EQ(tables.size(), 16);
}

TEST(FoodCategories, FoundByHeadingOrTableIgnoringCase)
{
    EXPECT_EQ(findFoodCategory("Frutta"), 8);
    EXPECT_EQ(findFoodCategory("latte e yogurt"), 9);
    EXPECT_EQ(findFoodCategory("Olii_e_grassi"), 11);
    EXPECT_EQ(findFoodCategory(" Uova "), 14);
    EXPECT_EQ(findFoodCategory("Frutta; DROP TABLE Uova"), std::nullopt);
    EXPECT_EQ(findFoodCategory(""), std::nullopt);
}

}  // namespace
