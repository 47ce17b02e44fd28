#include "catalogue/fooddatabase.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace velmo {

namespace {

QString failure(const QString &path, const QString &reason)
{
    return QStringLiteral("Impossibile aprire l'archivio degli alimenti:\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("velmo-food-%1").arg(counter.fetchAndAddRelaxed(1));
}

}  // namespace

FoodDatabase::FoodDatabase(QString connectionName, QString path)
    : connectionName_(std::move(connectionName)), path_(std::move(path))
{
}

FoodDatabase::~FoodDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

std::unique_ptr<FoodDatabase> FoodDatabase::open(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = failure(path, QStringLiteral("Il file non esiste."));
        return nullptr;
    }
    if (!info.isFile()) {
        *error = failure(path, QStringLiteral("Il percorso non indica un file."));
        return nullptr;
    }
    if (!info.isReadable()) {
        *error = failure(path, QStringLiteral("Il file non è leggibile (permessi insufficienti)."));
        return nullptr;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        *error = failure(path, QStringLiteral("Manca il driver SQLite di Qt (pacchetto libqt6sql6-sqlite)."));
        return nullptr;
    }

    const QString name = nextConnectionName();
    std::unique_ptr<FoodDatabase> database(new FoodDatabase(name, info.absoluteFilePath()));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(info.absoluteFilePath());
    // Read-only: a missing file is never created and no run changes the file's bytes.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        *error = failure(path, QStringLiteral("Errore del motore di database: %1").arg(db.lastError().text()));
        return nullptr;
    }
    // SQLite reads the header only on the first query: ask for the schema to prove the file.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QString detail = probe.lastError().text();
        probe.finish();
        *error = failure(path, QStringLiteral("Il file non è un archivio di alimenti valido (%1).").arg(detail));
        return nullptr;
    }
    return database;
}

QSqlDatabase FoodDatabase::connection() const
{
    return QSqlDatabase::database(connectionName_, false);
}

}  // namespace velmo
