// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/decimalround.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace velmo {

namespace {

// Decimal digits and exponent of the shortest text of `value`: value = 0.d1d2...dn × 10^point.
struct ShortestDigits {
    std::string digits;
    int point = 0;
};

ShortestDigits shortestDigits(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    ShortestDigits out;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            out.digits.push_back(text[i]);
    }
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);
    out.point = exponent + 1;
    return out;
}

// Adds one unit in the last place of a digit string; returns true when it grew a digit.
bool incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

}  // namespace

RoundedDecimal roundHalfEven(double value, int decimals)
{
    RoundedDecimal out;
    if (!std::isfinite(value) || value == 0.0) {
        out.integerDigits = "0";
        out.fractionDigits.assign(static_cast<std::size_t>(decimals), '0');
        return out;
    }
    const ShortestDigits s = shortestDigits(value);

    // Lay the digits out as integer digits and enough fraction digits to see past the cut.
    std::string integer;
    std::string fraction;
    if (s.point > 0) {
        const auto n = static_cast<std::size_t>(s.point);
        integer = s.digits.substr(0, std::min(n, s.digits.size()));
        if (integer.size() < n)
            integer.append(n - integer.size(), '0');
        if (s.digits.size() > n)
            fraction = s.digits.substr(n);
    } else {
        fraction.assign(static_cast<std::size_t>(-s.point), '0');
        fraction += s.digits;
    }

    const auto keep = static_cast<std::size_t>(decimals);
    bool roundUp = false;
    if (fraction.size() > keep) {
        const char next = fraction[keep];
        const bool restNonZero = fraction.find_first_not_of('0', keep + 1) != std::string::npos;
        if (next > '5' || (next == '5' && restNonZero)) {
            roundUp = true;
        } else if (next == '5') {
            const char last = keep > 0 ? fraction[keep - 1] : (integer.empty() ? '0' : integer.back());
            roundUp = ((last - '0') % 2) == 1;
        }
        fraction.resize(keep);
    } else {
        fraction.append(keep - fraction.size(), '0');
    }

    if (integer.empty())
        integer = "0";
    if (roundUp) {
        std::string all = integer + fraction;
        incrementDigits(all);
        integer = all.substr(0, all.size() - keep);
        fraction = all.substr(all.size() - keep);
    }
    const auto firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);

    out.integerDigits = integer;
    out.fractionDigits = fraction;
    out.negative = value < 0 && (integer != "0" || fraction.find_first_not_of('0') != std::string::npos);
    return out;
}

std::optional<std::int64_t> roundHalfEvenScaled(double value, int decimals)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const RoundedDecimal r = roundHalfEven(value, decimals);
    const std::string all = r.integerDigits + r.fractionDigits;
    std::uint64_t magnitude = 0;
    const auto [ptr, ec] = std::from_chars(all.data(), all.data() + all.size(), magnitude);
    if (ec != std::errc() || ptr != all.data() + all.size()
        || magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
    return r.negative ? -signedMagnitude : signedMagnitude;
}

std::optional<std::int64_t> roundHalfEvenToInteger(double value)
{
    return roundHalfEvenScaled(value, 0);
}

}  // namespace velmo
