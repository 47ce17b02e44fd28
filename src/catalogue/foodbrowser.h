// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/datacontrol.h"

#include <QLocale>
#include <QObject>
#include <QString>

#include <array>

namespace velmo {

// The current food as the rest of the program sees it: the texts of the controls bound to the
// data control. `fields` follows the bound text boxes: 0 edible part, 2 to 7 protein, fat,
// carbohydrate, energy, fibre, cholesterol; there is no field 1.
struct CurrentFood {
    QString name;
    std::array<QString, 8> fields;

    bool operator==(const CurrentFood &) const = default;
};

// The current food's name and values as texts, bound to the data control: they follow its current
// record; `foodNameChanged` is raised only when the shown name really changes.
class FoodBrowser : public QObject {
    Q_OBJECT
public:
    explicit FoodBrowser(DataControl &data, QObject *parent = nullptr);

    const CurrentFood &current() const { return current_; }
    QString foodName() const { return current_.name; }
    // One value as text: 0 edible part, 2 to 7 the nutrients.
    QString fieldText(int index) const { return current_.fields[static_cast<std::size_t>(index)]; }

    // The text a bound control shows for a value: the user's number format, whole numbers
    // without decimals, nothing for a missing value.
    static QString valueText(const FoodRow &row, int valueIndex, const QLocale &locale);

signals:
    void foodNameChanged();

private:
    void follow();

    DataControl &data_;
    CurrentFood current_;
    bool resetPending_ = false;
};

}  // namespace velmo
