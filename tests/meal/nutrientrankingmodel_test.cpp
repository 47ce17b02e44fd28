// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "meal/nutrientrankingmodel.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace velmo::test {
namespace {

// The shipped foods ranked, the first one and the counts worked out from the source's values of
// the foods data/catalogo.csv names (value per 100 g, or × 100 / its kcal).
TEST(NutrientRankingModel, RanksTheShippedFoodsUnknownLast)
{
    const LocaleGuard locale("it_IT");
    QString error;
    const auto database = FoodDatabase::open(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error);
    ASSERT_TRUE(database) << error.toStdString();
    NutrientRankingModel model(database->connection());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const QStringList nutrients = model.nutrientChoices();
    // clang-format off
    const struct { int line; const char *nutrient; const char *category; RankingBasis basis; const char *first, *value; int known, unknown; } cases[] = {
        {__LINE__, "Calcio (mg)", nullptr, RankingBasis::Per100g, "Lievito chimico in polvere, a doppia azione", "5876 mg", 876, 5},
        {__LINE__, "Ferro (mg)", nullptr, RankingBasis::Per100kcal, "Timo, essiccato", "44,8 mg", 873, 8},  // 123,6 mg in 276 kcal
        {__LINE__, "Vitamina C (acido ascorbico totale) (mg)", "Frutta", RankingBasis::Per100g, "Kiwi, crudo", "92,7 mg", 87, 3},
        {__LINE__, "Zuccheri totali (g)", "Latte_e_Yogurt", RankingBasis::Per100g, "Latte condensato zuccherato, in scatola", "54,4 g", 26, 3},
        {__LINE__, "Acqua (g)", "Olii_e_grassi", RankingBasis::Per100g, "Burro light, in panetto, salato", "42,1 g", 34, 0},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const int nutrient = static_cast<int>(nutrients.indexOf(QString::fromUtf8(c.nutrient)));
        const int category = c.category ? findFoodCategory(QString::fromLatin1(c.category)).value_or(-2) + 1 : 0;
        model.choose(nutrient, category, c.basis);
        ASSERT_EQ(model.rowCount(), c.known + c.unknown) << model.summary().toStdString();
        const auto text = [&model](int row, int column) { return model.index(row, column).data().toString(); };
        EXPECT_EQ(text(0, NutrientRankingModel::FoodColumn), QString::fromUtf8(c.first));
        EXPECT_EQ(model.food(0).name, QString::fromUtf8(c.first));
        EXPECT_EQ(text(0, NutrientRankingModel::ValueColumn), QString::fromUtf8(c.value));
        EXPECT_NE(text(c.known - 1, NutrientRankingModel::ValueColumn), u"n.d.");
        EXPECT_EQ(text(model.rowCount() - 1, NutrientRankingModel::ValueColumn) == u"n.d.", c.unknown > 0);
    }
    EXPECT_FALSE(nutrients.contains(u"Sale (sodio × 2,5) (g)"));  // a derived value is not ranked
}

}  // namespace
}  // namespace velmo::test
