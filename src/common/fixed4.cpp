// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/fixed4.h"

#include "common/decimalround.h"

namespace velmo {

std::optional<Fixed4> Fixed4::fromDouble(double value)
{
    const auto units = roundHalfEvenScaled(value, 4);
    if (!units)
        return std::nullopt;
    return Fixed4(*units);
}

QString Fixed4::toText(const QLocale &locale) const
{
    const bool negative = units_ < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(units_)
                                             : static_cast<std::uint64_t>(units_);
    QString text = QString::number(magnitude / 10000);
    QString fraction = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += locale.decimalPoint() + fraction;
    return negative ? locale.negativeSign() + text : text;
}

}  // namespace velmo
