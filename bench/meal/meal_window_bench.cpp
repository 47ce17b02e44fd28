// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "shell/mainwindowmodel.h"
#include "silentdialogs.h"
#include "ui/meal/compositiontableview.h"
#include "ui/shell/mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace velmo;

// The user's click on the last lock box of a full table, with the model's work and every widget
// update it causes, painting included.
void BM_WindowLockClickTwelveRows(benchmark::State &state)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // Boxes are never opened here: a refusal would be a failed run.
    bench::SilentDialogs dialogs;
    MainWindowModel model(dialogs);
    QString error;
    if (!model.load(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    ui::MainWindow window(model);
    window.show();
    model.chooseCategory(*findFoodCategory(QStringLiteral("Frutta")));
    ui::CompositionTableView *table = window.table();
    for (int r = 0; r < kMealRows - 1; ++r) {
        model.gridRowChosen(r);
        QTest::keyClicks(table->grossBox(r), QString::number(100 + r));
        QTest::mouseClick(table->lockBox(r), Qt::LeftButton);
    }
    QCoreApplication::processEvents();
    QCheckBox *last = table->lockBox(kMealRows - 1);
    for (auto _ : state) {
        state.PauseTiming();
        if (last->isChecked())
            QTest::mouseClick(last, Qt::LeftButton);
        model.gridRowChosen(20);
        model.gridRowChosen(21);
        QTest::keyClicks(table->grossBox(kMealRows - 1), QStringLiteral("250"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::mouseClick(last, Qt::LeftButton);
        if (state.range(0) == 1)
            QCoreApplication::processEvents();
    }
    if (!last->isChecked() || dialogs.messages != 0)
        state.SkipWithError("the last row did not lock");
}
// Argument 1: painting included; 0: the click's handling and widget updates only.
BENCHMARK(BM_WindowLockClickTwelveRows)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// `velmo-pasto` on a twelve-food file, as a whole process: start, database, model, output.
void BM_PastoProcessTwelveFoods(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dodici.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the meal file");
        return;
    }
    const char *foods[12] = {"Cereali e derivati;Pane tipo italiano;80",
                             "Formaggi e latticini;Mozzarella di latte intero;125",
                             "Verdure ed ortaggi;Lattuga romana, cruda;100",
                             "Oli e grassi;Olio d'oliva;10",
                             "Frutta;Mela, con buccia, cruda;200",
                             "Latte e yogurt;Yogurt bianco, da latte scremato;125",
                             "Frutta;Banana, cruda;150",
                             "Frutta;Albicocche, crude;100",
                             "Formaggi e latticini;Parmigiano, grattugiato;10",
                             "Cereali e derivati;Pane integrale, confezionato;50",
                             "Verdure ed ortaggi;Asparagi, bolliti;150",
                             "Frutta;Banana, cruda;150"};
    for (const char *line : foods)
        file.write(QByteArray(line) + '\n');
    file.close();
    const QString program = programFile(QStringLiteral("velmo-pasto"));
    for (auto _ : state) {
        QProcess process;
        process.start(program, {path});
        process.waitForFinished(10000);
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            state.SkipWithError(process.readAllStandardError().toStdString().c_str());
            return;
        }
    }
}
BENCHMARK(BM_PastoProcessTwelveFoods)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
