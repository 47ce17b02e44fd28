// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// From nothing to the main window shown, as the program starts (offscreen), and the memory the
// program holds once it is up; beside it the yardstick, a bare Qt window with a three-bar chart
// shown the same way. Compare the two times: the program's start-up is aimed at 1.2 times the
// yardstick's or less.

#include "ui/shell/appwindows.h"
#include "ui/shell/mainwindow.h"

#include <benchmark/benchmark.h>

#include "barechartwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void BM_StartUpToMainWindowShown(benchmark::State &state)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("elementi97.db"));
    for (auto _ : state) {
        velmo::ui::AppWindows windows;
        QString error;
        if (!windows.start(path, &error))
            state.SkipWithError(qPrintable(error));
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(windows.mainWindow()->isVisible());
        state.PauseTiming();
        state.counters["rss_MB"] = residentMegabytes();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);

void BM_BareWindowWithChartShown(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(showBareChartWindow()->isVisible());
}
BENCHMARK(BM_BareWindowWithChartShown)->Unit(benchmark::kMillisecond);

}  // namespace
