// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>

#include <map>
#include <utility>
#include <vector>

namespace velmo {

// The two names of each shipped food: the Italian one, which meal files hold whatever the
// interface's language, and the source's English description, which the grid and the meal's
// table show under English. Read from a food database one category at a time, when first asked;
// a database without English names (a file of an older build) gives every food its Italian name
// only. The personal foods have the one name their user gave them, found in the personal
// catalogue by its key (personalFoodKey) when one is set: a meal naming "torta" has the food
// stored as "Torta".
class FoodNames {
public:
    void setDatabase(const QSqlDatabase &database);
    void setPersonalDatabase(const QSqlDatabase &personal) { personal_ = personal; }

    // The Italian name of the food of `category` called `name` in either language (compared as
    // names look, nameKey; an Italian name before an English one); `name` itself when no shipped
    // food of the category has it.
    QString canonical(int category, const QString &name) const;
    // The name the interface shows for that food: its English name under English, its Italian
    // name otherwise; `name` itself as above.
    QString shown(int category, const QString &name) const;
    // The names of a food read by another query of its row, found by its Italian name as stored:
    // asked for by that name, they need no query of their own. The first told for a name counts.
    // With `englishIsUnique` the English name is known to be no other food's name in the category
    // (the catalogue builder makes no file where it is), so asked for by it they need none either.
    void remember(int category, const QString &italian, const QString &english, bool englishIsUnique = false);

private:
    struct Category {
        std::vector<std::pair<QString, QString>> foods;  // Italian, English
        QHash<QString, std::size_t> byName;              // nameKey of either name -> index of foods
    };
    const Category &namesOf(int category) const;
    const std::pair<QString, QString> *find(int category, const QString &name) const;
    const std::pair<QString, QString> *findStored(int category, const QString &name) const;
    // The stored name of the personal food whose key `name` has; `name` itself when there is none.
    QString personalName(const QString &name) const;

    QSqlDatabase database_;
    QSqlDatabase personal_;  // read anew each time: the user may change a food at any moment
    mutable std::map<int, Category> read_;
    // Names found one at a time as stored, before their category was read whole.
    mutable std::map<std::pair<int, QString>, std::pair<QString, QString>> stored_;
};

}  // namespace velmo
