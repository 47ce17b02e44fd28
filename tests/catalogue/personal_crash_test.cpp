// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// A crash or a power cut in the middle of a change leaves the personal catalogue in its old or
// its new state. velmo-pasto imports a large CSV file and is killed with SIGKILL at a random
// moment, hundreds of times; after each kill the file must open and hold one of the two states.

#include "catalogue/personalcatalogue.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
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

constexpr int kFoods = 2000;
constexpr int kKills = 200;

// The catalogue's state in brief: whether SQLite finds the file sound, how many foods, and the
// least and greatest protein. Every import below gives all foods one protein value, so a
// half-applied import would show.
QString stateOf(const QString &path)
{
    QString error;
    const auto catalogue = PersonalCatalogue::open(path, false, &error);
    if (!catalogue)
        return error;
    QSqlQuery query(catalogue->connection());
    query.exec(
        u"SELECT (SELECT integrity_check FROM pragma_integrity_check) || ': ' || count(*) || ' alimenti, proteine da '"
        " || min(proteine) || ' a ' || max(proteine) FROM alimenti_personali"_s);
    return query.next() ? query.value(0).toString() : query.lastError().text();
}

QString writeCsv(const QTemporaryDir &dir, int protein)
{
    const QString path = dir.filePath(QStringLiteral("proteine-%1.csv").arg(protein));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray text = "alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo\r\n";
    for (int i = 0; i < kFoods; ++i)
        text += QStringLiteral("\"Alimento numero %1, prova\",100,%2,1.5,20,,3,\r\n").arg(i).arg(protein).toUtf8();
    file.write(text);
    return path;
}

TEST(PersonalCatalogueCrash, AKilledImportLeavesTheOldOrTheNewState)
{
    QTemporaryDir dir;
    const QString csv[2] = {writeCsv(dir, 1), writeCsv(dir, 2)};
    const QString full[2] = {QStringLiteral("ok: %1 alimenti, proteine da 1.0 a 1.0").arg(kFoods),
                             QStringLiteral("ok: %1 alimenti, proteine da 2.0 a 2.0").arg(kFoods)};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("dati")));
    const QString path = dir.filePath(QStringLiteral("dati/Velmo/Velmo/alimenti-personali.db"));

    // One whole import first: how long one takes sets the range of the kill moments.
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(VELMO_PASTO), {QStringLiteral("--importa-alimenti"), csv[0]});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    // The kill moments follow the end of the runs: a run that got to its end shortens the
    // range, one that did not lengthens it, so that most kills fall while the file is written.
    double limit = static_cast<double>(std::max<qint64>(clock.nsecsElapsed() / 1000, 1000));
    QString current = stateOf(path);
    ASSERT_EQ(current, full[0]);

    int newStates = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const int next = current == full[0] ? 1 : 0;
        process.start(QStringLiteral(VELMO_PASTO), {QStringLiteral("--importa-alimenti"), csv[next]});
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

// Two imports started together on a user folder that does not exist yet: each makes the
// catalogue or finds it made, and both import.
TEST(PersonalCatalogueCrash, TwoImportsStartedTogetherOnANewFolderBothSucceed)
{
    // A small file, so that both reach the catalogue at the same moment.
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("pane.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo\r\nPane,100,1,,,,,\r\n");
    file.close();
    for (int round = 0; round < 20; ++round) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString data = dir.filePath(QStringLiteral("dati-%1").arg(round));
        env.insert(QStringLiteral("XDG_DATA_HOME"), data);
        QProcess imports[2];
        for (QProcess &p : imports) {
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(VELMO_PASTO), {QStringLiteral("--importa-alimenti"), csv});
        }
        for (QProcess &p : imports) {
            ASSERT_TRUE(p.waitForFinished(60000));
            EXPECT_EQ(p.exitCode(), 0) << "giro " << round << ": " << p.readAllStandardError().toStdString();
        }
        EXPECT_EQ(stateOf(data + QStringLiteral("/Velmo/Velmo/alimenti-personali.db")),
                  QStringLiteral("ok: 1 alimenti, proteine da 1.0 a 1.0"));
    }
}

}  // namespace
}  // namespace velmo::test
