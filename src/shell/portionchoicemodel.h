// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/measurestore.h"
#include "meal/portiontext.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace velmo {

class MainWindowModel;

// The measures of a food of the window: a personal food's from the personal catalogue, a shipped
// food's from `measures`, made on first use. None, with the reason, when they cannot be read.
std::optional<FoodPortions> readFoodPortions(MainWindowModel &window, std::unique_ptr<MeasureStore> &measures,
                                             const FoodRef &food, QString *error);

// The portion choice of the composition table's open row: the food's household measures, its
// standard portion and grams of edible part, with a count. The gross weight it works out is
// written into the open row's gross-weight box as the user would type it, so that every rule of
// the table holds; the row then shows the portion beside the food.
class PortionChoiceModel {
public:
    explicit PortionChoiceModel(MainWindowModel &window);
    ~PortionChoiceModel();

    // Takes the open row's food: false, having said why, when no open row holds a food, the food
    // has no edible part, or its measures cannot be read.
    bool begin();
    // What the food can be measured in ("1 fetta (30 g)", ..., "grammi di parte edibile"), and
    // the counts offered; a count may also be typed.
    QStringList unitCaptions() const;
    static QStringList countChoices();
    QString foodName() const { return food_; }

    // `count` (as typed, in the user's number format) of unit `unit`: the gross weight written
    // into the row and the portion shown beside the food. False, having said why, when the count
    // is refused or the weight does not fit the box.
    bool apply(int unit, const QString &count);

private:
    bool refuse(const QString &why);

    MainWindowModel &window_;
    std::unique_ptr<MeasureStore> measures_;
    int row_ = -1;
    QString food_;
    double ediblePercent_ = 0;
    FoodPortions portions_;
    std::vector<PortionUnit> units_;
};

}  // namespace velmo
