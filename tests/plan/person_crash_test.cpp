// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// A crash or a power cut in the middle of a change leaves the persons' store in its old or its
// new state: velmo-pasto replaces a person of a year of days and is killed with SIGKILL at a
// random moment, again and again; after each kill the file must hold one of the two states.

#include "plan/personjson.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>

using namespace Qt::StringLiterals;

namespace velmo::test {
namespace {

constexpr int kDays = 365;
constexpr int kKills = 100;

// Whether SQLite finds the file sound, how many days, and the least and greatest weight of a
// food: every import below gives all foods one weight, so a half-applied import would show.
QString stateOf(const QString &path)
{
    QString state;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"stato"_s);
        db.setDatabaseName(path);
        QSqlQuery query(db);
        state = db.open()
                        && query.exec(u"SELECT (SELECT integrity_check FROM pragma_integrity_check) || ': ' || "
                                      "(SELECT count(*) FROM giorni) || ' giorni, grammi da ' || min(grammi) || "
                                      "' a ' || max(grammi) FROM righe_pasto"_s)
                        && query.next()
                    ? query.value(0).toString()
                    : query.lastError().text();
    }
    QSqlDatabase::removeDatabase(u"stato"_s);
    return state;
}

QString writeYear(const QTemporaryDir &dir, int grams)
{
    PersonRecord record{{u"Prova"_s, Sex::Male, QDate(1970, 1, 1), 180, {}, {}, {}, {}, {}}, {}};
    for (int d = 0; d < kDays; ++d) {
        MealDay day = emptyDay();
        for (DayMeal &meal : day.meals)
            for (int r = 0; r < 3; ++r)
                meal.entries.push_back({0, r, QStringLiteral("Alimento %1").arg(r), QString::number(grams)});
        record.days.emplace_back(QDate(2025, 1, 1).addDays(d), day);
    }
    const QString path = dir.filePath(QStringLiteral("anno-%1.json").arg(grams));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(personJson(record));
    return path;
}

TEST(PersonStoreCrash, AKilledImportLeavesTheOldOrTheNewState)
{
    QTemporaryDir dir;
    const QString json[2] = {writeYear(dir, 100), writeYear(dir, 200)};
    const QString full[2] = {QStringLiteral("ok: %1 giorni, grammi da 100 a 100").arg(kDays),
                             QStringLiteral("ok: %1 giorni, grammi da 200 a 200").arg(kDays)};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_DATA_HOME"_s, dir.filePath(u"dati"_s));
    const QString path = dir.filePath(u"dati/Velmo/Velmo/persone.db"_s);

    // One whole import first: how long one takes sets the range of the kill moments.
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(VELMO_PASTO), {u"--importa-persona"_s, json[0], u"--sostituisci"_s});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    double limit = static_cast<double>(std::max<qint64>(clock.nsecsElapsed() / 1000, 1000));
    QString current = stateOf(path);
    ASSERT_EQ(current, full[0]);

    int newStates = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const int next = current == full[0] ? 1 : 0;
        process.start(QStringLiteral(VELMO_PASTO), {u"--importa-persona"_s, json[next], u"--sostituisci"_s});
        ASSERT_TRUE(process.waitForStarted());
        QThread::usleep(static_cast<unsigned long>(limit * (0.5 + QRandomGenerator::global()->generateDouble() / 2)));
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString after = stateOf(path);
        ASSERT_TRUE(after == current || after == full[next]) << "uccisione " << kill << ": " << after.toStdString();
        newStates += after == current ? 0 : 1;
        limit *= after == current ? 1.05 : 0.9;
        current = after;
    }
    // Not a check: how the kills fell depends on the machine.
    std::cout << kKills << " importazioni interrotte, " << newStates << " già concluse\n";
}

}  // namespace
}  // namespace velmo::test
