// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodbrowser.h"

#include "common/numbertext.h"

namespace velmo {

FoodBrowser::FoodBrowser(DataControl &data, QObject *parent) : QObject(parent), data_(data)
{
    connect(&data_, &DataControl::aboutToReset, this, [this] { resetPending_ = true; });
    connect(&data_, &DataControl::reposition, this, &FoodBrowser::follow);
}

QString FoodBrowser::valueText(const FoodRow &row, int valueIndex, const QLocale &locale)
{
    if (!row.hasValue(valueIndex))
        return {};
    return formatPlain(row.values[static_cast<std::size_t>(valueIndex)], locale);
}

void FoodBrowser::follow()
{
    const bool afterReset = resetPending_;
    resetPending_ = false;
    const auto currentRow = data_.currentRow();
    if (!currentRow) {
        // At either end the controls keep the last record; a re-read that found nothing clears them.
        if (!afterReset)
            return;
        current_.fields.fill(QString());
        if (!current_.name.isEmpty()) {
            current_.name.clear();
            emit foodNameChanged();
        }
        return;
    }

    const FoodRow &row = data_.row(*currentRow);
    const QLocale locale;
    // The numbers first: the name's change hands the whole food on, so it must already be there.
    current_.fields[0] = valueText(row, 0, locale);
    for (int i = 2; i <= 7; ++i)
        current_.fields[static_cast<std::size_t>(i)] = valueText(row, i - 1, locale);
    if (row.name != current_.name) {
        current_.name = row.name;
        emit foodNameChanged();
    }
}

}  // namespace velmo
