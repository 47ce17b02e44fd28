// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "nutrition/householdmeasure.h"
#include "nutrition/portion.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace velmo {

// The household measures and standard portions of the food database, each shipped food's read
// when first asked for (never at start-up) and kept.
class MeasureStore {
public:
    explicit MeasureStore(const QSqlDatabase &database) : database_(database) {}

    // The food's measures in their order and its standard portion; none of either for a personal
    // food or a food the tables do not measure. None, with the reason, when the database cannot be
    // read or has no such food.
    std::optional<FoodPortions> portions(const FoodRef &food, QString *error);

    // The English name of each Italian measure name, singular and plural, as the food tables give
    // it: of the English names a name has, the one most of its foods measured one at a time have,
    // then the shortest. Empty when the database cannot say.
    static QHash<QString, QString> englishNames(const QSqlDatabase &database);
    // Makes them the names shownMeasureName() gives, read from the connection of `database` when
    // first needed (none once it is closed).
    static void showEnglishNamesOf(const QSqlDatabase &database);

private:
    QSqlDatabase database_;
    QHash<QString, FoodPortions> portions_;  // by category and name
};

// The household measures of the personal food `name` (no standard portion: the groups are of
// shipped foods); none, with the reason, when the personal catalogue cannot be read. No measures
// without a catalogue.
std::optional<FoodPortions> personalFoodPortions(const QSqlDatabase &personal, const QString &name, QString *error);

}  // namespace velmo
