// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/packedcolumn.h"

#include <QtEndian>

#include <cmath>
#include <cstring>
#include <limits>

namespace velmo {

namespace {

template <typename T>
void append(QByteArray &bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

template <typename T>
std::optional<T> at(QByteArrayView column, std::size_t row)
{
    if (row >= static_cast<std::size_t>(column.size()) / sizeof(T))
        return std::nullopt;
    T value;
    std::memcpy(&value, column.data() + row * sizeof(T), sizeof value);
    return qFromLittleEndian(value);
}

}  // namespace

QByteArray packDoubles(const std::vector<std::optional<double>> &values)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(values.size() * sizeof(double)));
    for (const std::optional<double> &v : values)
        append(bytes, v.value_or(std::numeric_limits<double>::quiet_NaN()));
    return bytes;
}

QByteArray packIntegers(const std::vector<qint32> &values)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(values.size() * sizeof(qint32)));
    for (const qint32 v : values)
        append(bytes, v);
    return bytes;
}

QByteArray packTexts(const QStringList &texts)
{
    QByteArray bytes;
    for (const QString &text : texts) {
        const QByteArray utf8 = text.toUtf8();
        append(bytes, static_cast<qint32>(utf8.size()));
        bytes.append(utf8);
    }
    return bytes;
}

std::optional<double> packedDouble(QByteArrayView column, std::size_t row)
{
    const auto value = at<double>(column, row);
    return value && !std::isnan(*value) ? value : std::nullopt;
}

std::optional<qint32> packedInteger(QByteArrayView column, std::size_t row)
{
    return at<qint32>(column, row);
}

std::optional<QStringList> packedTexts(QByteArrayView column)
{
    QStringList texts;
    for (qsizetype at = 0; at < column.size();) {
        const auto length = packedInteger(column.sliced(at), 0);
        at += static_cast<qsizetype>(sizeof(qint32));
        if (!length || *length < 0 || *length > column.size() - at)
            return std::nullopt;
        texts.append(QString::fromUtf8(column.sliced(at, *length)));
        at += *length;
    }
    return texts;
}

}  // namespace velmo
