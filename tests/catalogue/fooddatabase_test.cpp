#include "catalogue/datacontrol.h"
#include "catalogue/fooddatabase.h"
#include "support/fooddbfixture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <unistd.h>

using namespace velmo;
using namespace velmo::test;

namespace {

class FoodDatabaseTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(FoodDatabaseTest, MissingFileIsReportedAndNeverCreated)
{
    QString error;
    EXPECT_EQ(FoodDatabase::open(path("elementi97.db"), &error), nullptr);
    EXPECT_TRUE(error.contains("elementi97.db"));
    EXPECT_TRUE(error.contains("non esiste"));
    EXPECT_FALSE(QFile::exists(path("elementi97.db")));
}

TEST_F(FoodDatabaseTest, CorruptFileIsReportedAndLeftUnchanged)
{
    QFile file(path("elementi97.db"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    const QByteArray before = fileBytes(file.fileName());

    QString error;
    EXPECT_EQ(FoodDatabase::open(file.fileName(), &error), nullptr);
    EXPECT_TRUE(error.contains("non è un archivio di alimenti valido")) << error.toStdString();
    EXPECT_EQ(fileBytes(file.fileName()), before);
}

TEST_F(FoodDatabaseTest, UnreadableFileIsReported)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file: permissions cannot be tested";
    ASSERT_TRUE(writeFoodDatabase(path("elementi97.db"), {}));
    QFile::setPermissions(path("elementi97.db"), QFileDevice::WriteOwner);
    QString error;
    EXPECT_EQ(FoodDatabase::open(path("elementi97.db"), &error), nullptr);
    EXPECT_TRUE(error.contains("non è leggibile"));
}

TEST_F(FoodDatabaseTest, ADirectoryIsNotADatabase)
{
    QString error;
    EXPECT_EQ(FoodDatabase::open(dir.path(), &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
}

// Runs SQL on a writable connection of its own, as another program would change the file.
bool changeDatabase(const QString &path, const QStringList &statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "change");
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString &sql : statements)
            ok = ok && q.exec(sql);
    }
    QSqlDatabase::removeDatabase("change");
    return ok;
}

// A file that is no complete food database: made by `writeFoodDatabase` with every category
// table (or none) and then changed by `sql`; refused naming what it lacks.
struct SchemaCase {
    int line;
    bool allTables;
    QStringList sql;
    const char *fault;
};

const SchemaCase kSchemaCases[] = {
    {__LINE__, false, {}, "Il file è vuoto"},
    {__LINE__, false, {"CREATE TABLE note (testo TEXT)"}, "non contiene nessuna delle sedici tabelle degli alimenti"},
    {__LINE__, true, {"DROP TABLE Uova"}, "(manca la tabella Uova)"},
    {__LINE__, true, {"DROP TABLE Uova", "DROP TABLE dolci"}, "(mancano le tabelle dolci, Uova)"},
    {__LINE__, true,
     {"DROP TABLE Frutta", "CREATE TABLE Frutta (alimenti, edibile, proteine, lipidi, carboidrati, energia)"},
     "(nella tabella Frutta mancano le colonne fibra, colesterolo)"},
    {__LINE__, true,
     {"DROP TABLE Uova", "CREATE TABLE UOVA (ALIMENTI, Edibile, PROTEINE, LIPIDI, CARBOIDRATI, ENERGIA, FIBRA, COLESTEROLO)"},
     ""},
    {__LINE__, true,
     {"DROP TABLE Frutta", "CREATE TABLE Frutta (\"alimenti\" TEXT, [edibile] REAL, `proteine`, 'lipidi', carboidrati "
                           "NUMERIC(10, 2), energia CHECK (energia >= 0), fibra, colesterolo, PRIMARY KEY (alimenti))"},
     ""},
    {__LINE__, true, {"DROP TABLE Frutta", "CREATE VIEW Frutta AS SELECT * FROM Uova"}, ""},
    {__LINE__, true, {"DROP TABLE Frutta", "CREATE VIEW Frutta AS SELECT alimenti FROM Uova"}, "Frutta"},
};

TEST_F(FoodDatabaseTest, IncompleteDatabaseIsRefusedNamingWhatLacksAndLeftUnchanged)
{
    for (const SchemaCase &c : kSchemaCases) {
        SCOPED_TRACE(testing::Message() << "case at " << __FILE__ << ":" << c.line);
        const QString file = path("elementi97.db");
        QFile::remove(file);
        if (c.allTables || !c.sql.isEmpty())
            ASSERT_TRUE(writeFoodDatabase(file, {}, c.allTables));
        else
            ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
        ASSERT_TRUE(changeDatabase(file, c.sql));
        const QByteArray before = fileBytes(file);

        QString error;
        auto db = FoodDatabase::open(file, &error);
        if (QString::fromUtf8(c.fault).isEmpty()) {
            EXPECT_NE(db, nullptr) << error.toStdString();
        } else {
            EXPECT_EQ(db, nullptr);
            EXPECT_TRUE(error.contains(file)) << error.toStdString();
            EXPECT_TRUE(error.contains("non è un archivio di alimenti valido")) << error.toStdString();
            EXPECT_TRUE(error.contains(QString::fromUtf8(c.fault))) << error.toStdString();
        }
        db.reset();
        EXPECT_EQ(fileBytes(file), before);
    }
}

TEST_F(FoodDatabaseTest, ATableLostAfterOpeningFailsItsQuery)
{
    ASSERT_TRUE(writeFoodDatabase(path("elementi97.db"), {{"Frutta", {{"Mela", {90, 0.3, 0.2, 14, 52, 2.4, 0}}}}}));
    QString error;
    auto db = FoodDatabase::open(path("elementi97.db"), &error);
    ASSERT_NE(db, nullptr) << error.toStdString();
    ASSERT_TRUE(changeDatabase(path("elementi97.db"), {"DROP TABLE Uova"}));

    DataControl data;
    data.setDatabase(db->connection());
    QString reported;
    QObject::connect(&data, &DataControl::dataError, [&](const QString &m) { reported = m; });
    data.setRecordSource("SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM Uova ");
    EXPECT_FALSE(data.refresh());
    EXPECT_TRUE(reported.contains("Uova"));
    EXPECT_FALSE(data.hasRecordset());
    EXPECT_EQ(data.rowCount(), 0);

    data.setRecordSource("SELECT alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo FROM Frutta ");
    EXPECT_TRUE(data.refresh());
    EXPECT_EQ(data.rowCount(), 1);
}

TEST_F(FoodDatabaseTest, ReadOnlyConnectionRefusesWrites)
{
    ASSERT_TRUE(writeFoodDatabase(path("elementi97.db"), {}));
    const QByteArray before = fileBytes(path("elementi97.db"));
    QString error;
    auto db = FoodDatabase::open(path("elementi97.db"), &error);
    ASSERT_NE(db, nullptr);
    QSqlQuery q(db->connection());
    EXPECT_FALSE(q.exec("INSERT INTO Frutta (alimenti) VALUES ('x')"));
    q.finish();
    db.reset();
    EXPECT_EQ(fileBytes(path("elementi97.db")), before);
}

}  // namespace
