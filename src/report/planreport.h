// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/settings.h"
#include "meal/dayfigures.h"
#include "meal/mealday.h"
#include "nutrition/referenceintakes.h"
#include "plan/person.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace velmo {

class FoodNames;
class NutrientStore;

// What a printed plan covers: one meal, a day of meals, or the seven days from a date.
enum class ReportScope { Meal, Day, Week };

// What the plan is made from: a person's stored days or the window's day (or a day file) with no
// person, whose requirement may then be given as kcal alone.
struct PlanInput {
    ReportScope scope = ReportScope::Day;
    std::optional<Person> person;
    QDate date;  // the day, or the week's first day; may be invalid for a file without a date
    std::vector<std::pair<QDate, MealDay>> days;
    int meal = -1;                             // of one meal: which of the day's; its share is of the whole day
    std::optional<double> requirementKcal;     // without a person
    std::optional<IntakePerson> intakePerson;  // without a person: whose references (none: an adult's)
    QString notes;                             // the dietitian's, printed as written
    PracticeHeading practice;
    QDate printed = QDate::currentDate();
};

// A label and its value, as the report's small tables show them ("Peso", "72,5 kg").
using ReportField = std::pair<QString, QString>;

struct ReportFood {
    QString name;
    // The household portion the user chose for the food ("2 fette"), empty when none; the column
    // is left out when no food of the report has one.
    QString portion;
    QString edibleGrams;
    QString grossGrams;
    QString energy;
};

struct ReportMeal {
    QString name;
    std::vector<ReportFood> foods;
    QString energy;  // as the day panel shows it
    QString share;   // "22 %"
};

struct ReportDay {
    QDate date;
    std::vector<ReportMeal> meals;
    QString summary;  // the day against the requirement, as the day panel says it
};

// A row of the nutrient table: a group's heading (only `name`) or a nutrient.
struct ReportNutrient {
    bool heading = false;
    QString name, amount, reference, percent, note;
};

// A bar of the macronutrient chart: the share of energy and its reference range, in percent.
struct ReportShare {
    QString name;
    std::optional<double> percent;
    std::optional<double> minimum, maximum;
};

// A printed plan as data: every number already written as the window writes it, so a renderer
// only lays it out and a test reads it row by row.
struct PlanReport {
    ReportScope scope = ReportScope::Day;
    QString title;
    QString period;  // the date or the week; empty without one
    std::vector<ReportField> person;
    std::vector<ReportField> requirement;
    std::vector<ReportDay> days;
    QString figuresCaption;  // the day's totals, or the week's daily average
    std::vector<FigureLine> totals;
    std::vector<FigureLine> split;
    QString summary;
    QString nutrientsCaption;
    std::vector<ReportNutrient> nutrients;
    std::vector<ReportShare> chart;
    QStringList missing;  // what the plan lacks, each said in a sentence
    QString notes;
    PracticeHeading practice;
    QString printed;
    QString sources;  // the food data and the reference intakes
    QString estimate;
    bool hasPortions = false;
};

// The plan of `input` on the numeric core, with the day panel's and the profile window's
// figures. None, with the reason, when the food database has no profile or a food is not found.
// `names` (may be null) gives the foods their names in the interface's language.
std::optional<PlanReport> buildPlanReport(const PlanInput &input, NutrientStore &store, const FoodNames *names,
                                          const QLocale &locale, QString *error);

// "Velmo 1.0.0".
QString velmoVersionText();

}  // namespace velmo
