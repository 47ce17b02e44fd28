// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodformmodel.h"
#include "support/fakedialogs.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace velmo::test {
namespace {

// The food window's checks, in the user's number format: one line per case.
TEST(FoodFormModel, ChecksEveryFieldAndAsksAboutDoubtfulValues)
{
    // The texts of the name, edible part, protein, fat, carbohydrate, energy, fibre, cholesterol;
    // the answer to the question on doubtful values, when it is asked; where a refusal sends the user (-1:
    // saved); the protein as saved; the text of calcium, one of the other nutrients, and its value as saved.
    const int calcium = FoodFormModel::kFieldCount + static_cast<int>(extraNutrientIndex(u"CA"_s).value());
    // clang-format off
    const struct { int line; const char *locale; std::array<const char *, 8> texts; std::optional<Answer> answer; int focus; std::optional<double> protein; const char *calcium = ""; std::optional<double> calciumSaved = {}; const char *measures = "", *measuresSaved = "", *measuresShown = ""; } cases[] = {
        {__LINE__, "it_IT", {"Yogurt", "100", "3,5", "1.000,5", "", "", "", ""}, {}, 3, {}},
        {__LINE__, "it_IT", {"Yogurt", "100", "3,5", "1,5", "4,5", "", "", ""}, {}, -1, 3.5},
        {__LINE__, "en_US", {"Yogurt", "100", "3.5", "1.5", "4.5", "45", "", "8"}, {}, -1, 3.5},
        {__LINE__, "en_US", {"Yogurt", "100", "3,5", "", "", "", "", ""}, {}, 2, {}},
        {__LINE__, "it_IT", {"  ", "100", "", "", "", "", "", ""}, {}, 0, {}},
        {__LINE__, "it_IT", {"Yogurt", "", "", "", "", "", "", ""}, {}, 1, {}},
        {__LINE__, "it_IT", {"Yogurt", "100,5", "", "", "", "", "", ""}, {}, 1, {}},
        {__LINE__, "it_IT", {"Yogurt", "100", "", "", "", "", "", "6000"}, {}, 7, {}},
        {__LINE__, "it_IT", {"Vino", "100", "0", "0", "1", "70", "", ""}, Answer::No, 5, {}},
        {__LINE__, "it_IT", {"Vino", "100", "0", "0", "1", "70", "", ""}, Answer::Yes, -1, 0.0},
        {__LINE__, "it_IT", {"Pane", "100", "40", "40", "40", "680", "", ""}, Answer::No, 2, {}},
        {__LINE__, "it_IT", {"Latte", "100", "3,3", "", "", "", "", ""}, {}, -1, 3.3, "1.200,5", 1200.5},
        {__LINE__, "en_US", {"Latte", "100", "3.3", "", "", "", "", ""}, {}, -1, 3.3, "1,200.5", 1200.5},
        {__LINE__, "it_IT", {"Latte", "100", "3,3", "", "", "", "", ""}, {}, calcium, {}, "100.000,5"},
        {__LINE__, "it_IT", {"Latte", "100", "3,3", "", "", "", "", ""}, {}, calcium, {}, "-1"},
        // The household measures, saved as the CSV writes them, shown with the user's decimal separator;
        // a thousands separator is refused, where it could be taken for a decimal one.
        {__LINE__, "it_IT", {"Yogurt", "100", "3,5", "", "", "", "", ""}, {}, -1, 3.5, "", {}, " vasetto = 125|cucchiaio=15,5|pizzico=0.125", "vasetto=125|cucchiaio=15.5|pizzico=0.125", "vasetto=125|cucchiaio=15,5|pizzico=0,125"},
        {__LINE__, "en_US", {"Yogurt", "100", "3.5", "", "", "", "", ""}, {}, -1, 3.5, "", {}, "pot=1000|spoon=15,5|cup=0.125", "pot=1000|spoon=15.5|cup=0.125", "pot=1000|spoon=15.5|cup=0.125"},
        {__LINE__, "it_IT", {"Yogurt", "100", "3,5", "", "", "", "", ""}, {}, FoodFormModel::kMeasuresField, {}, "", {}, "vasetto=1.000"},
        {__LINE__, "en_US", {"Yogurt", "100", "3.5", "", "", "", "", ""}, {}, FoodFormModel::kMeasuresField, {}, "", {}, "pot=1,000"},
        {__LINE__, "it_IT", {"Yogurt", "100", "3,5", "", "", "", "", ""}, {}, FoodFormModel::kMeasuresField, {}, "", {}, "vasetto"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const LocaleGuard locale(c.locale);
        QTemporaryDir dir;
        QString error;
        auto catalogue = PersonalCatalogue::open(dir.filePath(u"p.db"_s), true, &error);
        FakeDialogs dialogs;
        if (c.answer)
            dialogs.questionAnswers.push_back(*c.answer);
        FoodFormModel form(*catalogue, dialogs);
        for (int i = 0; i < FoodFormModel::kFieldCount; ++i)
            form.setText(i, QString::fromUtf8(c.texts[static_cast<std::size_t>(i)]));
        form.setText(calcium, QString::fromUtf8(c.calcium));
        form.setMeasures(QString::fromUtf8(c.measures));
        EXPECT_EQ(form.accept(), c.focus < 0);
        EXPECT_EQ(dialogs.shown.size(), c.answer || c.focus >= 0 ? 1u : 0u);  // the question, or the refusal
        if (c.focus >= 0) {
            EXPECT_EQ(form.focusField(), c.focus);
            continue;
        }
        const auto saved = catalogue->find(QString::fromUtf8(c.texts[0]));
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->nutrients[0], c.protein);
        EXPECT_FALSE(saved->nutrients[4].has_value());  // an empty box stays unknown
        EXPECT_EQ(saved->extra[static_cast<std::size_t>(calcium - FoodFormModel::kFieldCount)], c.calciumSaved);
        EXPECT_EQ(measuresText(saved->measures), QString::fromUtf8(c.measuresSaved));
        // Opened again and saved unchanged (its doubts confirmed again), the food keeps every value.
        dialogs.questionAnswers.push_back(Answer::Yes);
        FoodFormModel reopened(*catalogue, dialogs, saved);
        EXPECT_EQ(reopened.measures(), QString::fromUtf8(c.measuresShown));
        EXPECT_TRUE(reopened.accept());
        EXPECT_EQ(catalogue->find(saved->name), saved);
    }
}

// Leaving the window asks only when something was typed since it opened, and the answer says
// whether to save, close or stay.
TEST(FoodFormModel, LeavingAsksOnlyAfterATypedChange)
{
    using Leaving = FoodFormModel::Leaving;
    QTemporaryDir dir;
    QString error;
    auto catalogue = PersonalCatalogue::open(dir.filePath(u"p.db"_s), true, &error);
    FakeDialogs dialogs;
    const PersonalFood cake{u"Torta"_s, 100, {6.5, 12.0, 50.0, 340.0, {}, {}}, {}, {{u"fetta"_s, 80}}};
    for (const bool editing : {false, true}) {
        FoodFormModel form(*catalogue, dialogs, editing ? std::optional(cake) : std::nullopt);
        EXPECT_EQ(form.leave(), Leaving::Close);
        form.setMeasures(u"fetta=70"_s);
        dialogs.questionAnswers = {Answer::Yes, Answer::No, Answer::Cancel};
        EXPECT_EQ(form.leave(), Leaving::Save);
        EXPECT_EQ(form.leave(), Leaving::Close);
        EXPECT_EQ(form.leave(), Leaving::Stay);
        form.setMeasures(editing ? u"fetta=80"_s : QString());
        EXPECT_EQ(form.leave(), Leaving::Close);
        EXPECT_EQ(dialogs.shown.size(), editing ? 6u : 3u);
    }
}

// A food changed elsewhere since the window read it (another window, velmo-pasto) is overwritten
// only at the user's word.
TEST(FoodFormModel, AFoodChangedElsewhereIsOverwrittenOnlyWhenTheUserSaysSo)
{
    QTemporaryDir dir;
    QString error;
    auto catalogue = PersonalCatalogue::open(dir.filePath(u"p.db"_s), true, &error);
    FakeDialogs dialogs;
    PersonalFood cake{u"Torta"_s, 100, {6.5, 12.0, 50.0, 340.0, {}, {}}, {}, {}};
    ASSERT_TRUE(catalogue->save(cake, {}, &error)) << error.toStdString();
    FoodFormModel form(*catalogue, dialogs, catalogue->find(u"Torta"_s));
    form.setText(2, u"7"_s);
    PersonalFood elsewhere = cake;
    elsewhere.nutrients[4] = 9.0;
    ASSERT_TRUE(catalogue->save(elsewhere, u"Torta"_s, &error));
    EXPECT_FALSE(form.accept());  // the question cancelled
    EXPECT_EQ(catalogue->find(u"Torta"_s)->nutrients[4], 9.0);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(u"cambiato da un'altra finestra"_s));
    dialogs.questionAnswers = {Answer::Yes};
    EXPECT_TRUE(form.accept());
    EXPECT_EQ(catalogue->find(u"Torta"_s)->nutrients[0], 7.0);
    // Unchanged elsewhere: no question.
    dialogs.clear();
    FoodFormModel again(*catalogue, dialogs, catalogue->find(u"Torta"_s));
    again.setText(2, u"8"_s);
    EXPECT_TRUE(again.accept());
    EXPECT_TRUE(dialogs.shown.empty());
}

// The form names the nutrients with the composition table's words.
TEST(FoodFormModel, NamesTheNutrientsAsTheTableDoes)
{
    EXPECT_EQ(
        QStringList({FoodFormModel::caption(2), FoodFormModel::caption(3), FoodFormModel::caption(4),
                     FoodFormModel::caption(FoodFormModel::kFieldCount),
                     FoodFormModel::caption(FoodFormModel::kFieldCount + 14)})
            .join(u'|'),
        u"&Protidi (g, 0–100)|&Lipidi (g, 0–100)|&Glucidi (g, 0–100)|Energia (kJ, 0–3800)|Calcio (mg, 0–100000)"_s);
}

}  // namespace
}  // namespace velmo::test
