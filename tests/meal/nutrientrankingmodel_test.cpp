// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodsearch.h"
#include "common/programdir.h"
#include "meal/measurestore.h"
#include "meal/nutrientrankingmodel.h"
#include "support/languageguard.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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
    const struct { int line; const char *nutrient; const char *category; RankingBasis basis; const char *first, *value; int known, unknown; const char *why = "senza il valore (n.d.: non disponibile"; } cases[] = {
        {__LINE__, "Calcio (mg)", nullptr, RankingBasis::Per100g, "Lievito chimico in polvere, a doppia azione", "5876 mg", 876, 5},
        {__LINE__, "Ferro (mg)", nullptr, RankingBasis::Per100kcal, "Timo, essiccato", "44,8 mg", 873, 8, "non è zero): 6, senza energia nota o con 0 kcal: 2."},  // 123,6 mg in 276 kcal
        {__LINE__, "Vitamina C (acido ascorbico totale) (mg)", "Frutta", RankingBasis::Per100g, "Kiwi, crudo", "92,7 mg", 87, 3},
        {__LINE__, "Zuccheri totali (g)", "Latte_e_Yogurt", RankingBasis::Per100g, "Latte condensato zuccherato, in scatola", "54,4 g", 26, 3},
        {__LINE__, "Acqua (g)", "Olii_e_grassi", RankingBasis::Per100g, "Burro light, in panetto, salato", "42,1 g", 34, 0},
        // 193 mg in 125 ml of 245 g a cup: 129,4 g; 8 foods of no LARN group (cream, condensed milk...).
        {__LINE__, "Calcio (mg)", "Latte_e_Yogurt", RankingBasis::PerStandardPortion, "Latte di pecora", "250 mg", 21, 8, "senza porzione standard (n.d.), in fondo alla lista: 8."},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const int nutrient = static_cast<int>(nutrients.indexOf(QString::fromUtf8(c.nutrient)));
        const int category = c.category ? findFoodCategory(QString::fromLatin1(c.category)).value_or(-2) + 1 : 0;
        model.choose(nutrient, category, c.basis);
        ASSERT_EQ(model.rowCount(), c.known + c.unknown) << model.summary().toStdString();
        EXPECT_TRUE(c.unknown == 0 || model.summary().contains(QString::fromUtf8(c.why)))
            << model.summary().toStdString();
        const auto text = [&model](int row, int column) { return model.index(row, column).data().toString(); };
        EXPECT_EQ(text(0, NutrientRankingModel::FoodColumn), QString::fromUtf8(c.first));
        EXPECT_EQ(model.food(0).name, QString::fromUtf8(c.first));
        EXPECT_EQ(text(0, NutrientRankingModel::ValueColumn), QString::fromUtf8(c.value));
        EXPECT_NE(text(c.known - 1, NutrientRankingModel::ValueColumn), u"n.d.");
        EXPECT_EQ(text(model.rowCount() - 1, NutrientRankingModel::ValueColumn) == u"n.d.", c.unknown > 0);
        for (int row = c.known + 1; row < model.rowCount(); ++row)  // the unknown in the search's order
            EXPECT_LE(searchKey(model.food(row - 1).name), searchKey(model.food(row).name)) << row;
    }
    EXPECT_FALSE(nutrients.contains(u"Sale (sodio × 2,5) (g)"));  // a derived value is not ranked
    // A personal file without the personal foods' table says so in place of the counts.
    QSqlDatabase personal = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("senza-tabelle"));
    personal.setDatabaseName(QStringLiteral(":memory:"));
    ASSERT_TRUE(personal.open());
    model.setPersonalDatabase(personal);
    model.choose(static_cast<int>(nutrients.indexOf(u"Calcio (mg)")), 0, RankingBasis::Per100g);
    EXPECT_TRUE(model.summary().startsWith(u"impossibile leggere i nutrienti")) << model.summary().toStdString();
    // A food database without its packed columns names the missing table.
    const QTemporaryDir dir;
    const QString copy = dir.filePath(QString::fromLatin1(FoodDatabase::kFileName));
    ASSERT_TRUE(QFile::copy(programFile(QString::fromLatin1(FoodDatabase::kFileName)), copy));
    ASSERT_TRUE(QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner));
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("senza-colonne"));
        raw.setDatabaseName(copy);
        ASSERT_TRUE(raw.open());
        ASSERT_TRUE(QSqlQuery(raw).exec(QStringLiteral("DROP TABLE colonne_nutrienti")));
        raw.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("senza-colonne"));
    const auto stripped = FoodDatabase::open(copy, &error);
    ASSERT_TRUE(stripped) << error.toStdString();
    NutrientRankingModel strippedModel(stripped->connection());
    strippedModel.choose(static_cast<int>(nutrients.indexOf(u"Calcio (mg)")), 0, RankingBasis::Per100g);
    EXPECT_TRUE(strippedModel.summary().contains(u"colonne_nutrienti")) << strippedModel.summary().toStdString();
}

// Under English, foods of equal value (those without it, at the bottom, among them) go in the
// order of the English names shown.
TEST(NutrientRankingModel, UnderEnglishEqualValuesGoInTheOrderOfTheNamesShown)
{
    const LocaleGuard locale("en_US");
    const LanguageGuard english(Language::English);
    QString error;
    const auto database = FoodDatabase::open(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error);
    ASSERT_TRUE(database) << error.toStdString();
    NutrientRankingModel model(database->connection());
    int compared = 0;
    for (int nutrient = 0; nutrient < model.nutrientChoices().size(); ++nutrient) {
        model.choose(nutrient, 0, RankingBasis::Per100g);
        const auto shown = [&model](int row) {
            return searchKey(model.index(row, NutrientRankingModel::FoodColumn).data().toString());
        };
        for (int row = model.rowCount() - 1;
             row > 0 && model.index(row, NutrientRankingModel::ValueColumn).data() == u"n/a"_s
             && model.index(row - 1, NutrientRankingModel::ValueColumn).data() == u"n/a"_s;
             --row, ++compared)
            EXPECT_LE(shown(row - 1), shown(row)) << nutrient << " " << row;
    }
    EXPECT_GT(compared, 10);
}

// Every shipped food with measures or a standard portion: ½, 1, 2 and 3 of each give a gross
// weight in whole grams whose edible part is the portion's within that gram's rounding.
TEST(MeasureStore, PortionGrossNetRoundTripForEveryShippedFood)
{
    QString error;
    const auto database = FoodDatabase::open(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error);
    ASSERT_TRUE(database) << error.toStdString();
    MeasureStore store(database->connection());
    // The foods the data files measure and group, by ndb, each file's header among them.
    const auto ndbs = [](const char *name) {
        QSet<QString> found;
        QFile file(QStringLiteral(VELMO_DATA_DIR "/") + QString::fromLatin1(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        while (!file.atEnd())
            found.insert(QString::fromUtf8(file.readLine()).section(u',', 0, 0));
        return found.size() - 1;
    };
    int withMeasures = 0, withPortion = 0;
    for (int category = 0; category < kPersonalCategory; ++category) {
        QSqlQuery q(database->connection());
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT alimenti, edibile FROM %1").arg(foodCategory(category).table)));
        while (q.next()) {
            const FoodRef food{category, q.value(0).toString()};
            const double percent = q.value(1).toDouble();
            const auto portions = store.portions(food, &error);
            ASSERT_TRUE(portions) << error.toStdString();
            std::vector<double> grams;
            for (const HouseholdMeasure &m : portions->measures)
                for (const double count : {0.5, 1.0, 2.0, 3.0})
                    grams.push_back(edibleGrams(count, m));
            if (portions->standard)
                grams.push_back(portions->standard->grams);
            withMeasures += portions->measures.empty() ? 0 : 1;
            withPortion += portions->standard ? 1 : 0;
            for (const double edible : grams) {
                const PortionValue gross = grossGramsFor(edible, percent);
                // A pinch is less than the gram the table weighs.
                ASSERT_EQ(gross.value.has_value(), percent > 0 && edible * 100 / percent >= 0.5)
                    << food.name.toStdString();
                if (gross.value) {
                    EXPECT_NEAR((Portion{*gross.value, percent}.netGrams()), edible, 0.5 * percent / 100 + 1e-9)
                        << food.name.toStdString();
                }
            }
        }
    }
    EXPECT_EQ(withMeasures, ndbs("misure.csv"));
    EXPECT_EQ(withPortion, ndbs("gruppi_porzione.csv"));
    // A portion by volume takes the food's cup: olive oil, 216 g a cup of 236,6 ml.
    const auto oil = store.portions({*findFoodCategory(u"Olii_e_grassi"_qs), u"Olio d'oliva"_qs}, &error);
    ASSERT_TRUE(oil && oil->standard);
    EXPECT_DOUBLE_EQ(oil->standard->grams, 9.1);
    EXPECT_EQ(oil->standard->density, u"tazza");
    EXPECT_EQ(oil->standard->group + u'|' + oil->standard->name, u"olio|Olio"_qs);  // data/porzioni_standard.csv
}

}  // namespace
}  // namespace velmo::test
