// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace velmo {

// A decimal with exactly four places, held as a count of ten-thousandths.
class Fixed4 {
public:
    constexpr Fixed4() = default;

    // Rounds to four places, halves to even; empty when the value does not fit.
    static std::optional<Fixed4> fromDouble(double value);
    static constexpr Fixed4 fromUnits(std::int64_t tenThousandths) { return Fixed4(tenThousandths); }

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / 10000.0; }

    // Shortest text: up to four decimals, trailing zeros and a trailing separator dropped, the
    // locale's decimal separator, no grouping (1351, 1304,5, 1,5).
    QString toText(const QLocale &locale) const;

    friend constexpr bool operator==(Fixed4, Fixed4) = default;

private:
    constexpr explicit Fixed4(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

}  // namespace velmo
