// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include <benchmark/benchmark.h>

#ifdef VELMO_BENCH_GUI
#include <QApplication>
#else
#include <QCoreApplication>
#endif

// One application object for the whole run; window benchmarks get a QApplication on the
// offscreen platform unless another one is asked for.
int main(int argc, char **argv)
{
#ifdef VELMO_BENCH_GUI
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
