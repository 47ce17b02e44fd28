// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velmo {

// A double rounded to a fixed number of decimals, kept as decimal digits so that values of any
// magnitude round and print exactly. Rounding works on the shortest decimal text that reads back
// as the same double (what a user would write for it), halves to the even digit: 2.675 is
// "2.675", a true half, and gives 2.68; 0.125 gives 0.12.
struct RoundedDecimal {
    bool negative = false;       // never set for a value that rounds to zero
    std::string integerDigits;   // at least "0", no leading zeros
    std::string fractionDigits;  // exactly the requested number of decimals
};

// Rounds a finite double to `decimals` places (0 to 17), halves to even.
RoundedDecimal roundHalfEven(double value, int decimals);

// The same, as a whole count of units of 10^-decimals; empty when it does not fit in 64 bits
// or the value is not finite.
std::optional<std::int64_t> roundHalfEvenScaled(double value, int decimals);

// Nearest whole number, halves to even; empty when not finite or beyond 64 bits.
std::optional<std::int64_t> roundHalfEvenToInteger(double value);

}  // namespace velmo
