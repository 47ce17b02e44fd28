// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

// The yardstick of the program's start-up: a bare Qt window with a three-bar chart, shown.

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QMainWindow>

#include <memory>

inline std::unique_ptr<QMainWindow> showBareChartWindow()
{
    auto window = std::make_unique<QMainWindow>();
    auto *chart = new QChart;
    auto *series = new QBarSeries(chart);
    for (const char *name : {"C1", "C2", "C3"}) {
        auto *set = new QBarSet(QString::fromLatin1(name), series);
        set->append(0.0);
        series->append(set);
    }
    chart->addSeries(series);
    chart->createDefaultAxes();
    window->setCentralWidget(new QChartView(chart, window.get()));
    window->resize(760, 620);
    window->show();
    QCoreApplication::processEvents();
    return window;
}
