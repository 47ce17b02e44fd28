// From nothing to the main window shown, as the program starts (offscreen), and the memory the
// program holds once it is up; beside it the yardstick, a bare Qt window with a three-bar chart
// shown the same way. Compare the two times: the program's start-up is aimed at 1.2 times the
// yardstick's or less.

#include "ui/shell/appwindows.h"
#include "ui/shell/mainwindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QMainWindow>

namespace {

double residentMegabytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void BM_StartUpToMainWindowShown(benchmark::State &state)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("elementi97.db");
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
    for (auto _ : state) {
        QMainWindow window;
        auto *chart = new QChart;
        auto *series = new QBarSeries(chart);
        for (const char *name : {"C1", "C2", "C3"}) {
            auto *set = new QBarSet(QString::fromLatin1(name), series);
            set->append(0.0);
            series->append(set);
        }
        chart->addSeries(series);
        chart->createDefaultAxes();
        auto *view = new QChartView(chart, &window);
        window.setCentralWidget(view);
        window.resize(760, 620);
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_BareWindowWithChartShown)->Unit(benchmark::kMillisecond);

}  // namespace
