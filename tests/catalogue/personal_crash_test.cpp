// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// A crash or a power cut in the middle of a change leaves the personal catalogue in its old or
// its new state. velmo-pasto imports a large CSV file and is killed with SIGKILL at a random
// moment, hundreds of times; after each kill the file must open and hold one of the two states.

#include "catalogue/personalcatalogue.h"
#include "support/killedruns.h"

#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

    killChangesAtRandom(
        QStringLiteral(VELMO_PASTO), env,
        [&](int i) {
            return QStringList{QStringLiteral("--importa-alimenti"), csv[i]};
        },
        [&] { return stateOf(path); }, full, kKills);
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
