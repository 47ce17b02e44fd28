#include "catalogue/datacontrol.h"
#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodgridmodel.h"
#include "support/fooddbfixture.h"
#include "support/localeguard.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace velmo;
using namespace velmo::test;

namespace {

class DataControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dir.filePath("elementi97.db");
        ASSERT_TRUE(writeFoodDatabase(path, {{"Frutta",
                                              {{"Mela", {90, 0.3, 0.2, 14, 52, 2.4, 0}},
                                               {"Pera", {92, 0.4, 0.1, 15.5, 57, 3.1, QVariant()}},
                                               {"Kiwi", {86, 1.1, 0.5, 14.7, 61, 3, 0}}}},
                                             {"Uova", {{"Uovo intero, crudo", {88, 12.56, 9.51, 0.72, 143, 0, 372}}}},
                                             // Cells that are no number: a text, a blob, an empty cell.
                                             {"Dolci", {{"Torta", {90, QStringLiteral("tracce"), QByteArray("\x01", 1),
                                                                   QVariant(), 300, 1.5, 0}}}}}));
        QString error;
        db = FoodDatabase::open(path, &error);
        ASSERT_NE(db, nullptr) << error.toStdString();
        data.setDatabase(db->connection());
        QObject::connect(&data, &DataControl::validate, [this] { events << "validate"; });
        QObject::connect(&data, &DataControl::reposition, [this] { events << "reposition"; });
    }

    void choose(const char *heading)
    {
        data.setRecordSource(foodCategories()[static_cast<std::size_t>(*findFoodCategory(heading))].recordSource());
        ASSERT_TRUE(data.refresh());
    }

    QTemporaryDir dir;
    std::unique_ptr<FoodDatabase> db;
    DataControl data;
    QStringList events;
};

TEST_F(DataControlTest, WithoutRecordsetEveryMoveAndTestFails)
{
    EXPECT_FALSE(data.hasRecordset());
    EXPECT_EQ(data.bof(), std::nullopt);
    EXPECT_EQ(data.eof(), std::nullopt);
    EXPECT_FALSE(data.moveFirst());
    EXPECT_FALSE(data.moveLast());
    EXPECT_FALSE(data.moveNext());
    EXPECT_FALSE(data.movePrevious());
    EXPECT_EQ(data.currentRow(), std::nullopt);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(DataControlTest, RefreshMakesTheFirstRowCurrentInDatabaseOrder)
{
    choose("Frutta");
    EXPECT_EQ(data.currentRow(), 0);
    EXPECT_EQ(data.rowCount(), 3);
    EXPECT_EQ(data.row(0).name, "Mela");
    EXPECT_EQ(data.row(2).name, "Kiwi");
    EXPECT_EQ(data.bof(), false);
    EXPECT_EQ(data.eof(), false);
    EXPECT_EQ(data.columnNames(), (QStringList{"alimenti", "edibile", "proteine", "lipidi", "carboidrati", "energia",
                                               "fibra", "colesterolo"}));
    EXPECT_FALSE(data.row(1).hasValue(6));
    EXPECT_TRUE(data.row(1).hasValue(5));
    EXPECT_EQ(events, (QStringList{"validate", "reposition"}));
}

TEST_F(DataControlTest, MovesPastEitherEndRaiseTheFlags)
{
    choose("Frutta");
    events.clear();
    EXPECT_TRUE(data.movePrevious());
    EXPECT_EQ(data.bof(), true);
    EXPECT_EQ(data.currentRow(), std::nullopt);
    EXPECT_FALSE(data.movePrevious());   // already before the first row
    EXPECT_TRUE(data.moveNext());        // back onto the first row
    EXPECT_EQ(data.currentRow(), 0);
    EXPECT_TRUE(data.moveLast());
    EXPECT_EQ(data.currentRow(), 2);
    EXPECT_TRUE(data.moveNext());
    EXPECT_EQ(data.eof(), true);
    EXPECT_FALSE(data.moveNext());
    EXPECT_TRUE(data.movePrevious());
    EXPECT_EQ(data.currentRow(), 2);
    // Every move is wrapped in its two notifications.
    EXPECT_EQ(events.count("validate"), 5);
    EXPECT_EQ(events.count("reposition"), 5);
    for (int i = 0; i < events.size(); i += 2)
        EXPECT_EQ(events[i], "validate");
}

TEST_F(DataControlTest, EmptyTableHasNoCurrentRow)
{
    choose("Legumi");
    EXPECT_EQ(data.rowCount(), 0);
    EXPECT_EQ(data.bof(), true);
    EXPECT_EQ(data.eof(), true);
    EXPECT_FALSE(data.moveFirst());
    EXPECT_FALSE(data.moveLast());
    EXPECT_FALSE(data.moveNext());
}

TEST_F(DataControlTest, OnlyANumberIsAValue)
{
    choose("Dolci");
    ASSERT_EQ(data.rowCount(), 1);
    const FoodRow &torta = data.row(0);
    const std::array<std::optional<double>, 7> expected{90, std::nullopt, std::nullopt, std::nullopt, 300, 1.5, 0};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(torta.hasValue(i), expected[static_cast<std::size_t>(i)].has_value());
        if (torta.hasValue(i)) {
            EXPECT_EQ(torta.values[static_cast<std::size_t>(i)], *expected[static_cast<std::size_t>(i)]);
        }
    }
}

TEST_F(DataControlTest, ChoosingAgainReturnsToTheFirstRow)
{
    choose("Frutta");
    data.moveTo(2);
    ASSERT_EQ(data.currentRow(), 2);
    choose("Frutta");
    EXPECT_EQ(data.currentRow(), 0);
}

TEST_F(DataControlTest, GridShowsEveryColumnAsTheUsersNumberTexts)
{
    FoodGridModel grid(data);
    EXPECT_EQ(grid.rowCount(), 0);
    choose("Uova");
    ASSERT_EQ(grid.rowCount(), 1);
    ASSERT_EQ(grid.columnCount(), 8);
    EXPECT_EQ(grid.headerData(0, Qt::Horizontal).toString(), "alimenti");
    EXPECT_EQ(grid.headerData(7, Qt::Horizontal).toString(), "colesterolo");
    {
        LocaleGuard it("it_IT");
        EXPECT_EQ(grid.data(grid.index(0, 2)).toString(), "12,56");
        EXPECT_EQ(grid.data(grid.index(0, 1)).toString(), "88");
    }
    {
        LocaleGuard en("en_US");
        EXPECT_EQ(grid.data(grid.index(0, 2)).toString(), "12.56");
        EXPECT_EQ(grid.data(grid.index(0, 7)).toString(), "372");
    }
    EXPECT_FALSE(grid.flags(grid.index(0, 0)) & Qt::ItemIsEditable);
}

}  // namespace
