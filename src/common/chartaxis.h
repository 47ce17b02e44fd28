// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

namespace velmo {

// The value axis of a bar chart: from 0 to `max` in `tickCount - 1` equal steps of a round size
// (1, 2 or 5 times a power of ten), each tick labelled with `decimals` decimals. The step is
// held exactly, as a whole count of units of 10^-decimals, so that a step of 0.2 has one decimal
// and no more.
struct ChartAxis {
    double max = 10;
    int tickCount = 6;
    int decimals = 0;
    qint64 stepUnits = 2;

    // The label of tick `tick` (0 at the bottom), written as every number of the program is.
    QString label(int tick, const QLocale &locale) const;
    double tickValue(int tick) const;
    // Whether the axis still suits bars whose tallest is `top`: it stands under the top of the
    // axis with room to spare, and fills more than half of it. Saves a rescale for every change.
    bool suits(double top) const;

    bool operator==(const ChartAxis &) const = default;
};

// The axis for bars whose tallest is `top`: at most five steps, the top with a little room above
// it. No bars (or none above 0) give 0 to 10; tops are taken between 0.01 and 10^15, beyond which
// no meal or requirement goes.
ChartAxis chartAxis(double top);

}  // namespace velmo
