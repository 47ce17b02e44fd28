#include "catalogue/datacontrol.h"
#include "catalogue/foodbrowser.h"
#include "catalogue/fooddatabase.h"
#include "support/fooddbfixture.h"
#include "support/localeguard.h"

#include <tuple>

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace velmo;
using namespace velmo::test;

namespace {

class FoodBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dir.filePath("elementi97.db");
        ASSERT_TRUE(writeFoodDatabase(
            path, {{"Frutta",
                    {{"Mela", {90, 0.3, 0.2, 14, 52, 2.4, 0}},
                     {"Mela", {75, 1, 2, 3, 4, 5, 6}},  // same name, other values
                     {"Pera", {92, 12.4, 0.1, 15.5, 57, 3.1, QVariant()}}}}}));
        QString error;
        db = FoodDatabase::open(path, &error);
        ASSERT_NE(db, nullptr);
        data.setDatabase(db->connection());
        QObject::connect(&browser, &FoodBrowser::foodNameChanged, [this] {
            changes << browser.foodName() + "|" + browser.fieldText(0) + "|" + browser.fieldText(2);
        });
        data.setRecordSource("SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM Frutta ");
    }

    QTemporaryDir dir;
    std::unique_ptr<FoodDatabase> db;
    DataControl data;
    FoodBrowser browser{data};
    QStringList changes;
};

TEST_F(FoodBrowserTest, NameChangeSeesTheNewValuesInTheUsersLocale)
{
    for (const auto &[locale, apple, pear, fibre] :
         {std::tuple{"it_IT", "0,3", "12,4", "3,1"}, std::tuple{"en_US", "0.3", "12.4", "3.1"}}) {
        LocaleGuard guard(locale);
        changes.clear();
        data.refresh();
        data.moveTo(2);
        // The change of the name is raised after the numbers are in place.
        EXPECT_EQ(changes, (QStringList{QString("Mela|90|") + apple, QString("Pera|92|") + pear}));
        EXPECT_EQ(browser.fieldText(6), fibre);
        EXPECT_EQ(browser.fieldText(7), "");  // no value: empty text
        EXPECT_EQ(browser.fieldText(5), "57");
        EXPECT_EQ(browser.fieldText(1), "");
    }
}

TEST_F(FoodBrowserTest, SameNameRaisesNoChangeButTheValuesFollow)
{
    data.refresh();
    changes.clear();
    data.moveNext();
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_EQ(browser.foodName(), "Mela");
    EXPECT_EQ(browser.fieldText(0), "75");
}

TEST_F(FoodBrowserTest, EndsKeepTheLastFoodAndAnEmptyTableClearsIt)
{
    data.refresh();
    data.movePrevious();  // before the first row: no current record
    EXPECT_EQ(browser.foodName(), "Mela");
    changes.clear();
    data.setRecordSource("SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM Uova ");
    data.refresh();
    EXPECT_EQ(browser.foodName(), "");
    EXPECT_EQ(browser.fieldText(0), "");
    EXPECT_EQ(changes, QStringList{"||"});
}

}  // namespace
