// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/programdir.h"
#include "meal/dayfile.h"
#include "plan/personjson.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace velmo;

// A full day: five meals of twelve foods each, the most the windows plan.
QByteArray fullDayText()
{
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
                             "Frutta;Pera, cruda;150"};
    QByteArray text;
    for (const char *meal : {"Colazione", "Spuntino", "Pranzo", "Merenda", "Cena"}) {
        text += QByteArray("[") + meal + "]\n";
        for (const char *line : foods)
            text += QByteArray(line) + '\n';
    }
    return text;
}

bool runPasto(benchmark::State &state, const QStringList &arguments, const QProcessEnvironment &env = {})
{
    QProcess process;
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.start(programFile(QStringLiteral("velmo-pasto")), arguments);
    process.waitForFinished(30000);
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    state.SkipWithError(process.readAllStandardError().toStdString().c_str());
    return false;
}

// `velmo-pasto --pdf` of a full day file: start, database, plan, layout, PDF written.
void BM_PdfOfADay(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString day = dir.filePath(QStringLiteral("giorno.txt"));
    QFile file(day);
    if (!file.open(QIODevice::WriteOnly) || file.write(fullDayText()) < 0) {
        state.SkipWithError("cannot write the day file");
        return;
    }
    file.close();
    for (auto _ : state)
        if (!runPasto(state, {QStringLiteral("--pdf"), dir.filePath(QStringLiteral("giorno.pdf")), day}))
            return;
}
BENCHMARK(BM_PdfOfADay)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// `velmo-pasto --persona --data --settimana --pdf` of a person with seven full days stored.
void BM_PdfOfAStoredWeek(benchmark::State &state)
{
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("dati")));
    PersonRecord record{{QStringLiteral("Prova Settimana"),
                         Sex::Female,
                         QDate(1980, 5, 1),
                         165.0,
                         {{QDate(2026, 1, 1), 62.0, std::nullopt}},
                         ActivityLevel::Moderate,
                         RecommendedActivities::With,
                         PersonCondition::None,
                         QString()},
                        {}};
    const MealDay day = readDayFile(fullDayText()).day;
    for (int d = 0; d < 7; ++d)
        record.days.push_back({QDate(2026, 3, 2).addDays(d), day});
    const QString json = dir.filePath(QStringLiteral("persona.json"));
    QFile file(json);
    if (!file.open(QIODevice::WriteOnly) || file.write(personJson(record)) < 0) {
        state.SkipWithError("cannot write the person's file");
        return;
    }
    file.close();
    if (!runPasto(state, {QStringLiteral("--importa-persona"), json}, env))
        return;
    for (auto _ : state)
        if (!runPasto(state,
                      {QStringLiteral("--persona"), record.person.name, QStringLiteral("--data"),
                       QStringLiteral("2026-03-02"), QStringLiteral("--settimana"), QStringLiteral("--pdf"),
                       dir.filePath(QStringLiteral("settimana.pdf"))},
                      env))
            return;
}
BENCHMARK(BM_PdfOfAStoredWeek)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
