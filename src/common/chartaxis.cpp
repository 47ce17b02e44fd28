// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/chartaxis.h"

#include "common/numbertext.h"

#include <algorithm>
#include <cmath>

namespace velmo {

namespace {

// The tallest bar stays clear of the top of the axis.
constexpr double kHeadroom = 1.05;
constexpr int kMaxSteps = 5;

qint64 powerOfTen(int exponent)
{
    qint64 p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

}  // namespace

QString ChartAxis::label(int tick, const QLocale &locale) const
{
    return formatUnits(tick * stepUnits, decimals, locale);
}

double ChartAxis::tickValue(int tick) const
{
    // A whole number divided by a power of ten: the double nearest to the decimal value.
    return static_cast<double>(tick * stepUnits) / static_cast<double>(powerOfTen(decimals));
}

bool ChartAxis::suits(double top) const
{
    const double wanted = top * kHeadroom;
    return wanted <= max && wanted > max / 2;
}

ChartAxis chartAxis(double top)
{
    if (!(top > 0))
        return {};
    const double wanted = std::clamp(top, 0.01, 1e15) * kHeadroom;

    // The smallest round step that reaches the wanted top in at most five steps: mantissa 1, 2 or
    // 5 times 10^exponent, kept as integers so that its decimals are exact.
    const double raw = wanted / kMaxSteps;
    int exponent = static_cast<int>(std::floor(std::log10(raw)));
    double fraction = raw / std::pow(10.0, exponent);
    if (fraction >= 10) {
        ++exponent;
        fraction /= 10;
    } else if (fraction < 1) {
        --exponent;
        fraction *= 10;
    }
    // The quotient carries the rounding of the division: 0.2 / 0.1 is 2.0000000000000004.
    const double slack = 1 + 1e-9;
    qint64 mantissa = fraction <= slack ? 1 : fraction <= 2 * slack ? 2 : fraction <= 5 * slack ? 5 : 10;
    if (mantissa == 10) {
        mantissa = 1;
        ++exponent;
    }

    ChartAxis axis;
    axis.decimals = std::max(0, -exponent);
    axis.stepUnits = exponent >= 0 ? mantissa * powerOfTen(exponent) : mantissa;
    const double step = axis.tickValue(1);
    int steps = static_cast<int>(std::ceil(wanted / step));
    while (steps > 1 && axis.tickValue(steps - 1) >= wanted)
        --steps;
    while (axis.tickValue(steps) < wanted)
        ++steps;
    axis.tickCount = steps + 1;
    axis.max = axis.tickValue(steps);
    return axis;
}

}  // namespace velmo
