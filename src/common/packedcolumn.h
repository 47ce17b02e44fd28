// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

namespace velmo {

// One column of a table (a value per row, row 0 first) kept as a single blob, so that a reader
// that wants every row of one column gets them in one read instead of one query row each: the
// food database keeps each category's names, each nutrient of each category, and each category's
// places in the search order, this way. Little-endian IEEE doubles, an unknown value as a NaN;
// little-endian 32-bit integers; texts as UTF-8, each after its length in bytes as such an integer.
QByteArray packDoubles(const std::vector<std::optional<double>> &values);
QByteArray packIntegers(const std::vector<qint32> &values);
QByteArray packTexts(const QStringList &texts);

// The value of `row`; none when the row is beyond the column or its value is unknown.
std::optional<double> packedDouble(QByteArrayView column, std::size_t row);
std::optional<qint32> packedInteger(QByteArrayView column, std::size_t row);
// Every text of the column, in order; none when the column is cut short.
std::optional<QStringList> packedTexts(QByteArrayView column);

}  // namespace velmo
