// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/portionchoicemodel.h"

#include "catalogue/foodcategory.h"
#include "common/numbertext.h"
#include "shell/mainwindowmodel.h"

#include <QCoreApplication>

#include <cmath>

namespace velmo {

std::optional<FoodPortions> readFoodPortions(MainWindowModel &window, std::unique_ptr<MeasureStore> &measures,
                                             const FoodRef &food, QString *error)
{
    if (isPersonalCategory(food.category)) {
        PersonalCatalogue *personal = window.personalFoods().catalogue();
        return personal ? personalFoodPortions(personal->connection(), food.name, error) : FoodPortions();
    }
    if (!measures)
        measures = std::make_unique<MeasureStore>(window.foodDatabase());
    return measures->portions(food, error);
}

PortionChoiceModel::PortionChoiceModel(MainWindowModel &window) : window_(window)
{
}

PortionChoiceModel::~PortionChoiceModel() = default;

bool PortionChoiceModel::refuse(const QString &why)
{
    window_.dialogs().message(why, warningTitle(), MessageIcon::Critical);
    return false;
}

bool PortionChoiceModel::begin()
{
    const MealGrid &meal = window_.meal();
    const std::optional<int> open = meal.openRow();
    const std::optional<FoodRef> food = open ? window_.document().rowFood(*open) : std::nullopt;
    if (!food)
        return refuse(QCoreApplication::translate(
            "PortionChoiceModel", "Nessun alimento da misurare: scegliere prima un alimento nella griglia."));
    row_ = *open;
    food_ = meal.row(row_).name();
    // The edible part the row will be calculated with: the one it shows.
    ediblePercent_ = readLocaleNumber(meal.row(row_).cell(MealColumn::Net).text, QLocale()).value_or(0);
    if (!(ediblePercent_ > 0))
        return refuse(grossGramsFor(1, ediblePercent_).error);
    QString error;
    const std::optional<FoodPortions> portions = readFoodPortions(window_, measures_, *food, &error);
    if (!portions)
        return refuse(QCoreApplication::translate("PortionChoiceModel", "Impossibile leggere le misure di %1: %2")
                          .arg(food_, error));
    portions_ = *portions;
    units_ = portionUnits(portions_);
    return true;
}

QStringList PortionChoiceModel::unitCaptions() const
{
    QStringList captions;
    for (const PortionUnit &unit : units_)
        captions << portionUnitCaption(portions_, unit, QLocale());
    return captions;
}

QStringList PortionChoiceModel::countChoices()
{
    return {QStringLiteral("½"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
}

bool PortionChoiceModel::apply(int unit, const QString &count)
{
    if (unit < 0 || unit >= static_cast<int>(units_.size()))
        return false;
    const QLocale locale;
    const PortionUnit chosen = units_[static_cast<std::size_t>(unit)];
    const PortionValue read = readUnitCount(count, chosen, locale);
    if (!read.value)
        return refuse(read.error);
    const PortionValue gross = grossGramsFor(portionEdibleGrams(*read.value, portions_, chosen), ediblePercent_);
    if (!gross.value)
        return refuse(gross.error);
    if (*gross.value < 1)
        return refuse(QCoreApplication::translate(
            "PortionChoiceModel", "La porzione pesa meno di 1 g: sceglierne una più grande o scrivere il peso lordo."));
    MealGrid &meal = window_.meal();
    // As typed: the box's own rule decides, and a locked row refuses.
    if (!meal.setGrossText(row_, QString::number(static_cast<qint64>(*gross.value))))
        return refuse(
            QCoreApplication::translate("PortionChoiceModel", "La riga è bloccata: sbloccarla per cambiarne il peso."));
    meal.setPortion(row_, portionText(*read.value, portions_, chosen, locale));
    return true;
}

}  // namespace velmo
