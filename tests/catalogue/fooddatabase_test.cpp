// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/datacontrol.h"
#include "catalogue/fooddatabase.h"
#include "support/fooddbfixture.h"
#include "support/languageguard.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <unistd.h>

using namespace Qt::StringLiterals;

using namespace velmo;
using namespace velmo::test;

namespace {

class FoodDatabaseTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

// Runs SQL on a writable connection of its own, as another program would change the file.
bool changeDatabase(const QString &path, const QStringList &statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"change"_s);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString &sql : statements)
            ok = ok && q.exec(sql);
    }
    QSqlDatabase::removeDatabase(u"change"_s);
    return ok;
}

// A file that is no complete food database (missing, a folder, unreadable, no SQLite file, or made by
// `writeFoodDatabase`, marked as its builder marks it, and then changed by `sql`): refused naming what it lacks, and
// left as it was.
enum class Made { Nothing, Folder, Unreadable, Garbage, Empty, Database, AllTables, Marked };
// clang-format off
const struct { int line; Made made; QStringList sql; const char *fault; Language language = Language::Italian; } kSchemaCases[] = {
    {__LINE__, Made::Nothing, {}, "Il file non esiste"},
    {__LINE__, Made::Folder, {}, "Il percorso non indica un file"},
    {__LINE__, Made::Unreadable, {}, "non è leggibile"},
    {__LINE__, Made::Garbage, {}, "non è un archivio di alimenti valido"},
    {__LINE__, Made::Empty, {}, "Il file è vuoto"},
    {__LINE__, Made::Database, {u"CREATE TABLE note (testo TEXT)"_s}, "non contiene nessuna delle sedici tabelle degli alimenti"},
    {__LINE__, Made::AllTables, {u"DROP TABLE Uova"_s}, "(manca la tabella Uova)"},
    {__LINE__, Made::AllTables, {u"DROP TABLE Uova"_s, u"DROP TABLE dolci"_s}, "(mancano le tabelle dolci, Uova)"},
    {__LINE__, Made::AllTables,
     {u"DROP TABLE Frutta"_s, u"CREATE TABLE Frutta (alimenti, edibile, proteine, lipidi, carboidrati, energia)"_s},
     "(nella tabella Frutta mancano le colonne fibra, colesterolo)"},
    {__LINE__, Made::AllTables,
     {u"DROP TABLE Uova"_s, u"CREATE TABLE UOVA (ALIMENTI, Edibile, PROTEINE, LIPIDI, CARBOIDRATI, ENERGIA, FIBRA, COLESTEROLO)"_s},
     ""},
    {__LINE__, Made::AllTables,
     {u"DROP TABLE Frutta"_s, u"CREATE TABLE Frutta (\"alimenti\" TEXT, [edibile] REAL, `proteine`, 'lipidi', carboidrati "
                           "NUMERIC(10, 2), energia CHECK (energia >= 0), fibra, colesterolo, PRIMARY KEY (alimenti))"_s},
     ""},
    {__LINE__, Made::AllTables, {u"DROP TABLE Frutta"_s, u"CREATE VIEW Frutta AS SELECT * FROM Uova"_s}, ""},
    {__LINE__, Made::AllTables, {u"DROP TABLE Frutta"_s, u"CREATE VIEW Frutta AS SELECT alimenti FROM Uova"_s}, "Frutta"},
    {__LINE__, Made::Marked, {}, ""},
    {__LINE__, Made::Marked, {u"ALTER TABLE Frutta DROP COLUMN fibra"_s}, "(nella tabella Frutta mancano le colonne fibra)"},
    {__LINE__, Made::AllTables, {u"ALTER TABLE Uova DROP COLUMN nome_inglese"_s}, "(the table Uova lacks the columns nome_inglese)", Language::English},
};
// clang-format on

TEST_F(FoodDatabaseTest, IncompleteDatabaseIsRefusedNamingWhatLacksAndLeftUnchanged)
{
    for (const auto &c : kSchemaCases) {
        VELMO_CASE(c);
        const LanguageGuard language(c.language);  // Italian with its plural forms, as the programs run
        if (c.made == Made::Unreadable && geteuid() == 0)
            continue;  // root reads every file: permissions cannot be tested
        const QString file = path("elementi97.db");
        QString error;
        QFile::remove(file);
        QDir(file).removeRecursively();
        QFile made(file);
        switch (c.made) {
        case Made::Nothing: break;
        case Made::Folder: ASSERT_TRUE(QDir().mkdir(file)); break;
        // clang-format off
        case Made::Unreadable: ASSERT_TRUE(made.open(QIODevice::WriteOnly) && made.setPermissions(QFileDevice::WriteOwner)); break;
        case Made::Garbage: ASSERT_TRUE(made.open(QIODevice::WriteOnly) && made.write(QByteArray(4096, 'x')) == 4096); break;
        // clang-format on
        case Made::Empty: ASSERT_TRUE(made.open(QIODevice::WriteOnly)); break;
        case Made::Database:
        case Made::AllTables:
        case Made::Marked:
            ASSERT_TRUE(writeFoodDatabase(file, {}, c.made != Made::Database));
            if (c.made == Made::Marked) {
                ASSERT_TRUE(FoodDatabase::markAsBuilt(file, &error));
            }
            ASSERT_TRUE(changeDatabase(file, c.sql));
        }
        made.close();
        const QByteArray before = fileBytes(file);

        auto db = FoodDatabase::open(file, &error);
        if (QString::fromUtf8(c.fault).isEmpty()) {
            EXPECT_NE(db, nullptr) << error.toStdString();
        } else {
            EXPECT_EQ(db, nullptr);
            EXPECT_TRUE(error.contains(file)) << error.toStdString();
            EXPECT_EQ(error.contains(c.language == Language::Italian ? u"non è un archivio di alimenti valido"_s
                                                                     : u"is not a valid food database"_s),
                      c.made >= Made::Garbage);
            EXPECT_TRUE(error.contains(QString::fromUtf8(c.fault))) << error.toStdString();
        }
        db.reset();
        EXPECT_EQ(fileBytes(file), before);
        EXPECT_EQ(QFileInfo::exists(file), c.made != Made::Nothing);  // never created
    }
}

// The program only reads the file; another program may still change it under it.
TEST_F(FoodDatabaseTest, WritesAreRefusedAndATableLostAfterOpeningFailsItsQuery)
{
    ASSERT_TRUE(
        writeFoodDatabase(path("elementi97.db"), {{u"Frutta"_s, {{u"Mela"_s, {90, 0.3, 0.2, 14, 52, 2.4, 0}}}}}));
    const QByteArray before = fileBytes(path("elementi97.db"));
    QString error;
    auto db = FoodDatabase::open(path("elementi97.db"), &error);
    ASSERT_NE(db, nullptr) << error.toStdString();
    EXPECT_FALSE(QSqlQuery(db->connection()).exec(u"INSERT INTO Frutta (alimenti) VALUES ('x')"_s));
    EXPECT_EQ(fileBytes(path("elementi97.db")), before);
    ASSERT_TRUE(changeDatabase(path("elementi97.db"), {u"DROP TABLE Uova"_s}));

    DataControl data;
    data.setDatabase(db->connection());
    QString reported;
    QObject::connect(&data, &DataControl::dataError, [&](const QString &m) { reported = m; });
    data.setRecordSource(u"SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM Uova "_s);
    EXPECT_FALSE(data.refresh());
    EXPECT_TRUE(reported.contains(u"Uova"_s));
    EXPECT_EQ(data.rowCount(), 0);

    data.setRecordSource(
        u"SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM Frutta "_s);
    EXPECT_TRUE(data.refresh());
    EXPECT_EQ(data.rowCount(), 1);
}

}  // namespace
