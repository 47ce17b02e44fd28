#include "catalogue/personalcatalogue.h"

#include "catalogue/foodcategory.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace velmo {

namespace {

const QString &table()
{
    return personalCategory().table;
}

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("velmo-personal-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString where(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString openFailure(const QString &path, const QString &reason)
{
    return QStringLiteral("Impossibile aprire l'archivio degli alimenti personali:\n%1\n\n%2").arg(where(path), reason);
}

// The file itself refuses a value out of range or a second food of the same name, whoever
// writes it.
QStringList schema()
{
    QStringList columns{QStringLiteral("alimenti TEXT NOT NULL")};
    const auto &quantities = foodQuantities();
    for (std::size_t i = 0; i < quantities.size(); ++i) {
        const FoodQuantity &q = quantities[i];
        columns.append(QStringLiteral("%1 REAL%2 CHECK (%1 IS NULL OR (typeof(%1) = 'real' AND %1 BETWEEN %3 AND %4))")
                           .arg(QLatin1String(q.column), i == 0 ? QStringLiteral(" NOT NULL") : QString())
                           .arg(q.minimum)
                           .arg(q.maximum));
    }
    columns.append(QStringLiteral("chiave TEXT NOT NULL UNIQUE"));
    return {QStringLiteral("CREATE TABLE %1 (%2)").arg(table(), columns.join(QStringLiteral(", "))),
            QStringLiteral("CREATE TABLE velmo_catalogo (nome TEXT PRIMARY KEY, valore TEXT NOT NULL)"),
            QStringLiteral("INSERT INTO velmo_catalogo VALUES ('ultima_modifica', '')"),
            QStringLiteral("PRAGMA user_version = %1").arg(PersonalCatalogue::kSchemaVersion)};
}

bool execute(QSqlQuery &query, QString *error)
{
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

bool run(QSqlQuery &query, const QString &sql, QString *error)
{
    if (query.exec(sql))
        return true;
    *error = query.lastError().text();
    return false;
}

std::optional<QVariant> single(const QSqlDatabase &db, const QString &sql, QString *error)
{
    QSqlQuery query(db);
    if (!run(query, sql, error))
        return std::nullopt;
    if (!query.next()) {
        *error = query.lastError().isValid() ? query.lastError().text() : QStringLiteral("nessun risultato");
        return std::nullopt;
    }
    return query.value(0);
}

QString selectColumns()
{
    return QStringList(foodColumns().cbegin(), foodColumns().cend()).join(u',');
}

PersonalFood foodOf(const QSqlQuery &query)
{
    PersonalFood food;
    food.name = query.value(0).toString();
    food.edible = query.value(1).toDouble();
    for (int i = 0; i < 6; ++i) {
        const QVariant value = query.value(i + 2);
        if (!value.isNull())
            food.nutrients[static_cast<std::size_t>(i)] = value.toDouble();
    }
    return food;
}

void bindFood(QSqlQuery &query, const PersonalFood &food)
{
    query.addBindValue(food.name);
    query.addBindValue(food.edible);
    for (const auto &value : food.nutrients)
        query.addBindValue(value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double)));
    query.addBindValue(personalFoodKey(food.name));
}

QString setList()
{
    QStringList set;
    for (const QString &column : foodColumns())
        set.append(column + QStringLiteral(" = ?"));
    set.append(QStringLiteral("chiave = ?"));
    return set.join(QStringLiteral(", "));
}

}  // namespace

QString PersonalCatalogue::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/' + QLatin1String(kFileName);
}

PersonalCatalogue::PersonalCatalogue(QString connectionName, QString path, bool inMemory)
    : connectionName_(std::move(connectionName)), path_(std::move(path)), inMemory_(inMemory)
{
}

PersonalCatalogue::~PersonalCatalogue()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

std::unique_ptr<PersonalCatalogue> PersonalCatalogue::open(const QString &path, bool create, QString *error,
                                                           Problem *problem)
{
    Problem ignored;
    Problem &why = problem ? *problem : ignored;
    why = Problem::None;
    const QFileInfo info(path);
    const bool exists = info.exists();
    const auto refuse = [&](Problem p, const QString &reason) -> std::unique_ptr<PersonalCatalogue> {
        why = p;
        *error = openFailure(path, reason);
        return nullptr;
    };
    if (exists && !info.isFile())
        return refuse(Problem::NoPermission, QStringLiteral("Il percorso non indica un file."));
    // A file the engine could read but not write would fail only at the first change, or, with
    // a crash's journal beside it, could not even be read consistently.
    if (exists && (!info.isReadable() || !info.isWritable() || !QFileInfo(info.absolutePath()).isWritable()))
        return refuse(
            Problem::NoPermission,
            QStringLiteral("Permessi insufficienti: il file e la sua cartella devono essere leggibili e scrivibili."));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return refuse(Problem::NoPermission,
                      QStringLiteral("Manca il driver SQLite di Qt (pacchetto libqt6sql6-sqlite)."));
    const bool inMemory = !exists && !create;
    if (!exists && create && !QDir().mkpath(info.absolutePath()))
        return refuse(Problem::NoPermission,
                      QStringLiteral("Impossibile creare la cartella %1.").arg(where(info.absolutePath())));

    const QString name = nextConnectionName();
    std::unique_ptr<PersonalCatalogue> catalogue(
        new PersonalCatalogue(name, inMemory ? path : info.absoluteFilePath(), inMemory));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(inMemory ? QStringLiteral(":memory:") : info.absoluteFilePath());
    // Another Velmo, or velmo-pasto importing, may hold the file for a moment.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return refuse(Problem::NoPermission,
                      QStringLiteral("Errore del motore di database: %1").arg(db.lastError().text()));

    // Nothing here writes before the file has proved to be ours and sound; a journal left by a
    // crash is rolled back by the first read, which is what the engine promises.
    QString reason;
    QSqlQuery query(db);
    if (!run(query, QStringLiteral("PRAGMA synchronous = FULL"), &reason))
        return refuse(Problem::Damaged,
                      QStringLiteral("Il file è danneggiato o non è un archivio SQLite (%1).").arg(reason));
    const auto check = single(db, QStringLiteral("PRAGMA quick_check"), &reason);
    if (!check || check->toString() != QStringLiteral("ok"))
        return refuse(Problem::Damaged,
                      QStringLiteral("Il file è danneggiato (%1).").arg(check ? check->toString() : reason));
    const auto version = single(db, QStringLiteral("PRAGMA user_version"), &reason);
    const auto objects = single(db, QStringLiteral("SELECT count(*) FROM sqlite_master"), &reason);
    if (!version || !objects)
        return refuse(Problem::Damaged, QStringLiteral("Il file è danneggiato (%1).").arg(reason));
    const int found = version->toInt();
    if (found > kSchemaVersion)
        return refuse(Problem::Newer, QStringLiteral("Il file è stato scritto da una versione più recente di Velmo "
                                                     "(formato %1, questa versione legge fino al formato %2): "
                                                     "aggiornare Velmo.")
                                          .arg(found)
                                          .arg(kSchemaVersion));
    if (found == 0 && objects->toInt() > 0)
        return refuse(Problem::Foreign, QStringLiteral("Il file non è un archivio di alimenti personali di Velmo."));
    if (found == 0) {
        // A new file, or one a crash left before its first transaction ended: nothing to lose.
        if (!catalogue->transaction(
                QStringLiteral("Impossibile creare l'archivio degli alimenti personali"),
                [&db](QString *e) {
                    QSqlQuery q(db);
                    for (const QString &statement : schema())
                        if (!run(q, statement, e))
                            return false;
                    return true;
                },
                error)) {
            why = Problem::NoPermission;
            return nullptr;
        }
    } else if (QSqlQuery probe(db); !run(
                   probe, QStringLiteral("SELECT %1, chiave FROM %2 LIMIT 0").arg(selectColumns(), table()), &reason)) {
        return refuse(Problem::Damaged, QStringLiteral("Il file è danneggiato (%1).").arg(reason));
    }
    return catalogue;
}

QString PersonalCatalogue::setAside(const QString &path, QString *error)
{
    const QFileInfo info(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = QStringLiteral("%1/%2.non-apribile-%3").arg(info.absolutePath(), info.fileName(), stamp);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QStringLiteral("%1/%2.non-apribile-%3-%4").arg(info.absolutePath(), info.fileName(), stamp).arg(n);
    // The journal goes with its file: it belongs to those bytes and to no new catalogue.
    for (const QString &suffix : {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(path + suffix))
            QFile::rename(path + suffix, target + suffix);
    if (!QFile::rename(path, target)) {
        *error = QStringLiteral("Impossibile rinominare il file %1.").arg(where(path));
        return {};
    }
    return target;
}

QSqlDatabase PersonalCatalogue::connection() const
{
    return QSqlDatabase::database(connectionName_, false);
}

bool PersonalCatalogue::transaction(const QString &failure, const std::function<bool(QString *)> &work, QString *error)
{
    QSqlDatabase db = connection();
    QSqlQuery query(db);
    QString detail;
    const QString stamp = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    if (run(query, QStringLiteral("BEGIN IMMEDIATE"), &detail)) {
        if (work(&detail)
            && run(query,
                   QStringLiteral("UPDATE velmo_catalogo SET valore = '%1' WHERE nome = 'ultima_modifica'").arg(stamp),
                   &detail)
            && run(query, QStringLiteral("COMMIT"), &detail))
            return true;
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    }
    *error = QStringLiteral("%1:\n%2\n\n%3\n\nL'archivio non è stato modificato.").arg(failure, where(path_), detail);
    return false;
}

std::vector<PersonalFood> PersonalCatalogue::foods(QString *error) const
{
    std::vector<PersonalFood> list;
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!run(query, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(selectColumns(), table()), error))
        return list;
    while (query.next())
        list.push_back(foodOf(query));
    return list;
}

std::optional<PersonalFood> PersonalCatalogue::find(const QString &name) const
{
    QSqlQuery query(connection());
    query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE chiave = ?").arg(selectColumns(), table()));
    query.addBindValue(personalFoodKey(name));
    if (!query.exec() || !query.next())
        return std::nullopt;
    return foodOf(query);
}

std::optional<QDateTime> PersonalCatalogue::lastChange() const
{
    QString ignored;
    const auto value = single(
        connection(), QStringLiteral("SELECT valore FROM velmo_catalogo WHERE nome = 'ultima_modifica'"), &ignored);
    if (!value)
        return std::nullopt;
    const QDateTime time = QDateTime::fromString(value->toString(), Qt::ISODateWithMs);
    return time.isValid() ? std::optional<QDateTime>(time) : std::nullopt;
}

bool PersonalCatalogue::save(const PersonalFood &food, const QString &replacing, QString *error)
{
    const QString key = personalFoodKey(food.name);
    const bool renaming = replacing.isEmpty() || personalFoodKey(replacing) != key;
    if (renaming && find(food.name)) {
        *error = QStringLiteral("Esiste già un alimento personale di nome \"%1\".").arg(find(food.name)->name);
        return false;
    }
    return transaction(
        QStringLiteral("Impossibile salvare l'alimento nell'archivio degli alimenti personali"),
        [&](QString *e) {
            QSqlQuery query(connection());
            if (replacing.isEmpty()) {
                query.prepare(QStringLiteral("INSERT INTO %1 (%2, chiave) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                  .arg(table(), selectColumns()));
                bindFood(query, food);
            } else {
                query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE chiave = ?").arg(table(), setList()));
                bindFood(query, food);
                query.addBindValue(personalFoodKey(replacing));
            }
            if (!execute(query, e))
                return false;
            if (query.numRowsAffected() != 1) {
                *e = QStringLiteral("l'alimento \"%1\" non è più nell'archivio").arg(replacing);
                return false;
            }
            return true;
        },
        error);
}

bool PersonalCatalogue::remove(const QString &name, QString *error)
{
    return transaction(
        QStringLiteral("Impossibile eliminare l'alimento dall'archivio degli alimenti personali"),
        [&](QString *e) {
            QSqlQuery query(connection());
            query.prepare(QStringLiteral("DELETE FROM %1 WHERE chiave = ?").arg(table()));
            query.addBindValue(personalFoodKey(name));
            return execute(query, e);
        },
        error);
}

bool PersonalCatalogue::merge(const std::vector<PersonalFood> &foods, Merge *counts, QString *error)
{
    Merge done;
    const bool merged = transaction(
        QStringLiteral("Impossibile importare gli alimenti nell'archivio degli alimenti personali"),
        [&](QString *e) {
            QSqlQuery known(connection());
            known.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE chiave = ?").arg(table()));
            QSqlQuery insert(connection());
            insert.prepare(QStringLiteral("INSERT INTO %1 (%2, chiave) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                               .arg(table(), selectColumns()));
            QSqlQuery update(connection());
            update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE chiave = ?").arg(table(), setList()));
            for (const PersonalFood &food : foods) {
                known.addBindValue(personalFoodKey(food.name));
                if (!execute(known, e))
                    return false;
                const bool exists = known.next();
                known.finish();
                QSqlQuery &write = exists ? update : insert;
                bindFood(write, food);
                if (exists)
                    write.addBindValue(personalFoodKey(food.name));
                if (!write.exec()) {
                    *e = QStringLiteral("%1: %2").arg(food.name, write.lastError().text());
                    return false;
                }
                ++(exists ? done.updated : done.added);
            }
            return true;
        },
        error);
    if (merged)
        *counts = done;
    return merged;
}

}  // namespace velmo
