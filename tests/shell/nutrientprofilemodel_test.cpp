// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/nutrientprofilemodel.h"
#include "shellfixture.h"
#include "support/languageguard.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>

namespace velmo::test {
namespace {

class NutrientProfileModelTest : public ShellModelTest {
protected:
    void SetUp() override
    {
        ShellModelTest::SetUp();
        addShellProfile(database);
        addShellMeasures(database);
    }
};

struct Lock {
    const char *heading;
    int food;
    const char *grams;
};

constexpr auto kNone = IntakeStatus::None;
const IntakePerson kWoman30{true, 30};

// clang-format off
// Locks (Mela: 90 % edible, Albicocche 93 %, Uovo 91 %), then an undo or the open row's food
// and weight (per portion: the portion chosen; the apple's slice 27 g, its standard portion 150 g,
// the pear has neither); the row of `key` as the table shows it ("" amount: no such row).
const struct ProfileCase {
    int line;
    std::vector<Lock> locks;
    bool undo;
    Lock open;
    ProfileSubject subject;
    std::optional<IntakePerson> person;
    const char *key, *amount, *reference, *percent;
    IntakeStatus status;
} kProfileCases[] = {
    {__LINE__, {{"Frutta", 1, "100"}}, false, {}, ProfileSubject::Meal, {}, "ENERC_KCAL", "47 kcal", "", "", kNone},
    {__LINE__, {{"Frutta", 1, "100"}}, false, {}, ProfileSubject::Meal, kWoman30, "VITC", "n.d.", "PRI 85,0 mg", "", kNone},
    {__LINE__, {{"Frutta", 1, "100"}, {"Frutta", 0, "100"}}, false, {}, ProfileSubject::Meal, {}, "VITC", "\u2265 9,3 mg", "", "", kNone},
    {__LINE__, {{"Frutta", 1, "100"}, {"Frutta", 0, "100"}}, false, {}, ProfileSubject::Meal, kWoman30, "CA", "17 mg",
     "PRI 1000 mg, UL 2500 mg", "2 %", IntakeStatus::BelowAverage},
    {__LINE__, {{"Uova", 0, "150"}}, false, {}, ProfileSubject::Meal, kWoman30, "CA", "874 mg", "PRI 1000 mg, UL 2500 mg",
     "87 %", IntakeStatus::BelowReference},
    {__LINE__, {{"Uova", 0, "200"}}, false, {}, ProfileSubject::Meal, kWoman30, "CA", "1165 mg", "PRI 1000 mg, UL 2500 mg",
     "116 %", IntakeStatus::Reached},
    {__LINE__, {{"Uova", 0, "500"}}, false, {}, ProfileSubject::Meal, kWoman30, "CA", "2912 mg", "PRI 1000 mg, UL 2500 mg",
     "291 %", IntakeStatus::AboveMaximum},
    {__LINE__, {{"Uova", 0, "500"}}, true, {}, ProfileSubject::Meal, kWoman30, "CA", "", "", "", kNone},
    {__LINE__, {{"Uova", 0, "500"}}, false, {"Frutta", 2, ""}, ProfileSubject::FoodPer100g, {}, "ENERC_KCAL", "57 kcal", "",
     "", kNone},
    {__LINE__, {}, false, {"Frutta", 2, ""}, ProfileSubject::FoodPer100g, {}, "CA", "n.d.", "", "", kNone},
    {__LINE__, {}, false, {"Frutta", 2, "200"}, ProfileSubject::FoodPortion, {}, "ENERC_KCAL", "105 kcal", "", "", kNone},
    {__LINE__, {}, false, {"Frutta", 2, ""}, ProfileSubject::FoodPortion, {}, "ENERC_KCAL", "", "", "", kNone},
    {__LINE__, {}, false, {"Frutta", 1, "1 porzione standard (150 g)"}, ProfileSubject::FoodMeasure, kWoman30, "CA", "9 mg",
     "PRI 1000 mg, UL 2500 mg", "1 %", IntakeStatus::BelowAverage},
    {__LINE__, {}, false, {"Frutta", 1, "1 fetta (27 g)"}, ProfileSubject::FoodMeasure, {}, "ENERC_KCAL", "14 kcal", "", "", kNone},
    {__LINE__, {}, false, {"Frutta", 1, "1 fetta (27 g)"}, ProfileSubject::FoodMeasure, {}, "VITC", "n.d.", "", "", kNone},
    {__LINE__, {}, false, {"Frutta", 2, ""}, ProfileSubject::FoodMeasure, {}, "ENERC_KCAL", "", "", "", kNone},
};
// clang-format on

// The profile follows the table live: every case builds its table with the window open.
TEST_F(NutrientProfileModelTest, ShowsAmountsBoundsReferencesAndStatusOfWhatIsChosen)
{
    for (const ProfileCase &c : kProfileCases) {
        VELMO_CASE(c);
        FakeDialogs boxes;
        const auto main = window(boxes);
        NutrientProfileModel profile(*main);
        QAbstractItemModelTester tester(&profile, QAbstractItemModelTester::FailureReportingMode::Fatal);
        profile.setSubject(c.subject);
        profile.setPerson(c.person);
        for (const Lock &lock : c.locks)
            add(*main, lock.heading, lock.food, lock.grams);
        if (c.undo)
            main->undoStack().undo();
        if (c.open.heading) {
            main->chooseCategory(category(c.open.heading));
            main->gridRowChosen(c.open.food);
            if (c.subject != ProfileSubject::FoodMeasure)
                main->meal().setGrossText(*main->meal().openRow(), QString::fromLatin1(c.open.grams));
        }
        QCoreApplication::processEvents();
        if (c.subject == ProfileSubject::FoodMeasure)
            profile.setMeasureChoice(
                static_cast<int>(profile.measureChoices().indexOf(QString::fromUtf8(c.open.grams))));
        QCoreApplication::processEvents();
        const auto row = profile.rowOf(QString::fromLatin1(c.key));
        ASSERT_EQ(row.has_value(), *c.amount != 0) << profile.subjectText().toStdString();
        if (!row)
            continue;
        const auto cell = [&](int column, int role = Qt::DisplayRole) {
            return profile.index(*row, column).data(role);
        };
        EXPECT_EQ(cell(NutrientProfileModel::AmountColumn).toString(), QString::fromUtf8(c.amount));
        EXPECT_EQ(cell(NutrientProfileModel::ReferenceColumn).toString(), QString::fromUtf8(c.reference));
        EXPECT_EQ(cell(NutrientProfileModel::PercentColumn).toString(), QString::fromUtf8(c.percent));
        EXPECT_EQ(cell(NutrientProfileModel::StatusColumn, NutrientProfileModel::StatusRole).toInt(),
                  static_cast<int>(c.status));
        // The note, often cut by its column, is whole in the tooltip.
        EXPECT_EQ(cell(NutrientProfileModel::NoteColumn, Qt::ToolTipRole).toString(),
                  cell(NutrientProfileModel::NoteColumn).toString());
    }
}

// Below six months there is no reference intake: the subject says so, not the empty column alone.
TEST_F(NutrientProfileModelTest, ABabyUnderSixMonthsIsToldWhyNoReferenceShows)
{
    FakeDialogs boxes;
    const auto main = window(boxes);
    NutrientProfileModel profile(*main);
    add(*main, "Uova", 0, "150");
    for (const double age : {0.25, 0.5}) {
        profile.setPerson(IntakePerson{false, age});
        QCoreApplication::processEvents();
        EXPECT_EQ(profile.subjectText().endsWith(u"Sotto i 6 mesi di età non ci sono livelli di riferimento."_s),
                  age < 0.5)
            << profile.subjectText().toStdString();
    }
}

// A nutrient's foods: largest first, the one lacking the value last, shares of the known sum; a
// food in two rows is one food.
TEST_F(NutrientProfileModelTest, ContributionsComeLargestFirstWithTheirShare)
{
    NutrientProfileModel profile(*model);
    add(*model, "Frutta", 2, "100");
    add(*model, "Frutta", 1, "100");
    add(*model, "Frutta", 0, "100");
    add(*model, "Frutta", 1, "150");
    profile.refresh();
    const auto foods = profile.contributions(*profile.rowOf(u"CA"_s));
    ASSERT_EQ(foods.size(), 3u);
    EXPECT_EQ(foods[0].food, u"Mela, con buccia, cruda"_s);
    EXPECT_NEAR(foods[0].share, 2.5 * 5.4 / (12.09 + 2.5 * 5.4), 1e-9);
    EXPECT_EQ(foods[1].food, u"Albicocche, crude"_s);
    EXPECT_EQ(foods[2].food, u"Pera, cruda"_s);
    EXPECT_FALSE(foods[2].amount);
    // The day's foods are named in the user's language too, as the table names them.
    const LanguageGuard english(Language::English);
    profile.setSubject(ProfileSubject::Day);
    profile.refresh();
    EXPECT_EQ(profile.contributions(*profile.rowOf(u"CA"_s)).at(0).food, u"Apples, raw, with skin"_s);
}

// A personal food changed while it stands in the meal: the profile shows it as it is now.
TEST_F(NutrientProfileModelTest, APersonalFoodIsShownAsItIsNow)
{
    NutrientProfileModel profile(*model);
    PersonalFood cake{u"Torta"_s, 100, {5.0, 10.0, 50.0, 300.0, {}, {}}};
    QString error;
    ASSERT_TRUE(model->personalFoods().open());
    ASSERT_TRUE(model->personalFoods().catalogue()->save(cake, {}, &error)) << error.toStdString();
    add(*model, "Alimenti personali", 0, "100");
    for (const double kcal : {300.0, 250.0}) {
        cake.nutrients[3] = kcal;
        ASSERT_TRUE(model->personalFoods().catalogue()->save(cake, cake.name, &error)) << error.toStdString();
        profile.refresh();
        EXPECT_EQ(profile.index(*profile.rowOf(u"ENERC_KCAL"_s), NutrientProfileModel::AmountColumn).data().toString(),
                  QStringLiteral("%1 kcal").arg(kcal));
    }
    // A stored day may name it in other capitals: its catalogue keeps names apart by their key.
    NutrientStore &store = *model->nutrientStore();
    const auto values = store.values({kPersonalCategory, u"TORTA"_s}, &error);
    ASSERT_TRUE(values) << error.toStdString();
    EXPECT_EQ(values->per100g.at(*store.nutrients(&error)->indexOf(u"ENERC_KCAL"_s)), 250.0);
    // Its kJ, when not given, are its kcal's; given, they stand.
    const auto kj = store.nutrients(&error)->indexOf(u"ENERC_KJ"_s);
    ASSERT_TRUE(kj);
    EXPECT_DOUBLE_EQ(values->per100g.at(*kj).value_or(0), 250.0 * 4.184);
    cake.extra[*extraNutrientIndex(u"ENERC_KJ"_s)] = 1000.0;
    ASSERT_TRUE(model->personalFoods().catalogue()->save(cake, cake.name, &error)) << error.toStdString();
    EXPECT_EQ(store.values({kPersonalCategory, u"Torta"_s}, &error)->per100g.at(*kj), 1000.0);
}

// A meal saved as a food: a value an ingredient lacks is unknown, not the others' sum, and the
// other nutrients come with it where every ingredient gives them (100 g of apricots, 93 % edible,
// and of apples, 90 %: calcium (12.09 + 5.4) mg in 183 g).
TEST_F(NutrientProfileModelTest, AMealSavedAsAFoodLacksWhatAnIngredientLacks)
{
    const struct {
        int line;
        int second;  // the other fruit with the apricots
        bool cholesterol;
        std::optional<double> calcium;
    } cases[] = {
        {__LINE__, 2, false, std::nullopt},
        {__LINE__, 1, true, 9.56},
    };
    for (const auto &c : cases) {
        VELMO_CASE(c);
        FakeDialogs boxes;
        const auto main = window(boxes);
        add(*main, "Frutta", 0, "100");
        add(*main, "Frutta", c.second, "100");
        const QString name = u"Macedonia %1"_s.arg(c.line);  // the catalogue outlives the window
        boxes.inputAnswers = {name};
        main->personalFoods().saveMealAsFood();
        const auto saved = main->personalFoods().catalogue()->find(name);
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->nutrients[5].has_value(), c.cholesterol);
        EXPECT_TRUE(saved->nutrients[3]);
        EXPECT_EQ(saved->extra[*extraNutrientIndex(u"CA"_s)], c.calcium);
        EXPECT_FALSE(saved->extra[*extraNutrientIndex(u"VITC"_s)]);
    }
}

}  // namespace
}  // namespace velmo::test
