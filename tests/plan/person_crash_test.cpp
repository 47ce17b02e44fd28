// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// A crash or a power cut in the middle of a change leaves the persons' store in its old or its
// new state: velmo-pasto replaces a person of a year of days and is killed with SIGKILL at a
// random moment, again and again; after each kill the file must hold one of the two states.

#include "plan/personjson.h"
#include "support/killedruns.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

    killChangesAtRandom(
        QStringLiteral(VELMO_PASTO), env,
        [&](int i) {
            return QStringList{u"--importa-persona"_s, json[i], u"--sostituisci"_s};
        },
        [&] { return stateOf(path); }, full, kKills);
}

}  // namespace
}  // namespace velmo::test
