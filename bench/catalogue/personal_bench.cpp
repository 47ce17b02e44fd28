// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// The personal catalogue: a large CSV import, which reads the file a piece at a time and writes
// every food in one transaction with a full sync, its export, and the personal category shown in
// the window's model.

#include "catalogue/foodcategory.h"
#include "catalogue/personalcatalogue.h"
#include "shell/mainwindowmodel.h"
#include "silentdialogs.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

QByteArray foodsCsv(int count)
{
    QByteArray text = "alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo\r\n";
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("\"Ricetta di casa numero %1, porzione\",95,6.5,12.25,40,305,,35\r\n").arg(i).toUtf8();
    return text;
}

void BM_ImportIntoANewCatalogue(benchmark::State &state)
{
    const QByteArray csv = foodsCsv(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        state.ResumeTiming();
        QString error;
        const auto catalogue = velmo::PersonalCatalogue::open(dir.filePath(u"p.db"_s), true, &error);
        QBuffer buffer;
        buffer.setData(csv);
        buffer.open(QIODevice::ReadOnly);
        velmo::PersonalCatalogue::Merge counts;
        const velmo::CsvFoods read = catalogue->importFoods(
            [&buffer](const velmo::FoodSink &sink) { return velmo::readFoods(buffer, {sink}); }, &counts, &error);
        if (!read.ok() || !error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportIntoANewCatalogue)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State &state)
{
    QTemporaryDir dir;
    QString error;
    const auto catalogue = velmo::PersonalCatalogue::open(dir.filePath(u"p.db"_s), true, &error);
    velmo::PersonalCatalogue::Merge counts;
    catalogue->merge(velmo::foodsFromCsv(foodsCsv(static_cast<int>(state.range(0)))).foods, &counts, &error);
    for (auto _ : state) {
        qint64 bytes = 0;
        qint64 count = 0;
        if (!catalogue->exportFoods([&bytes](const QByteArray &piece) { return (bytes += piece.size()) > 0; }, &count,
                                    &error))
            state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Export)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ChoosePersonalCategory(benchmark::State &state)
{
    QTemporaryDir dir;
    QString error;
    {
        const auto catalogue = velmo::PersonalCatalogue::open(dir.filePath(u"p.db"_s), true, &error);
        velmo::PersonalCatalogue::Merge counts;
        catalogue->merge(velmo::foodsFromCsv(foodsCsv(static_cast<int>(state.range(0)))).foods, &counts, &error);
    }
    velmo::bench::SilentDialogs dialogs;
    velmo::MainWindowModel model(dialogs);
    model.personalFoods().setPath(dir.filePath(u"p.db"_s));
    for (auto _ : state) {
        model.chooseCategory(velmo::kPersonalCategory);
        if (model.dataControl().rowCount() != state.range(0))
            state.SkipWithError("personal foods missing");
    }
}
BENCHMARK(BM_ChoosePersonalCategory)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
