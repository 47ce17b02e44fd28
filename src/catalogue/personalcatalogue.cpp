// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/personalcatalogue.h"

#include "catalogue/cataloguerefusal.h"
#include "catalogue/personalfoodtable.h"
#include "catalogue/sqlstatements.h"
#include "common/userfolder.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmo {

namespace {

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
    return PersonalCatalogue::tr("Impossibile aprire l'archivio degli alimenti personali:\n%1\n\n%2")
        .arg(where(path), reason);
}

// A new file: the foods' table, and the catalogue's own notes (the time of the last change, the
// format). Only the program's own names and numbers are in these statements.
QStringList schema()
{
    return {PersonalFoodTable::createStatement(),
            PersonalFoodTable::valuesCreateStatement(),
            PersonalFoodTable::measuresCreateStatement(),
            QStringLiteral("CREATE TABLE velmo_catalogo (nome TEXT PRIMARY KEY, valore TEXT NOT NULL)"),
            QStringLiteral("INSERT INTO velmo_catalogo VALUES ('ultima_modifica', '')"),
            QStringLiteral("PRAGMA user_version = %1").arg(PersonalCatalogue::kSchemaVersion)};
}

// Every food, in the order they were added.
QString selectAll()
{
    return QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
        .arg(PersonalFoodTable::columns(), PersonalFoodTable::name());
}

// Notes the time of a change, inside its transaction.
bool noteChange(const QSqlDatabase &db, const QString &stamp, QString *error)
{
    QSqlQuery query(db);
    if (!query.prepare(QStringLiteral("UPDATE velmo_catalogo SET valore = ? WHERE nome = 'ultima_modifica'"))) {
        *error = explainedFailure(query.lastError());
        return false;
    }
    query.addBindValue(stamp);
    return executeQuery(query, error);
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
    QStringList notices;
    const auto refuse = [&](const CatalogueRefusal &refusal) -> std::unique_ptr<PersonalCatalogue> {
        why = refusal.problem;
        *error = openFailure(path, refusal.reason);
        if (!notices.isEmpty())
            *error += QStringLiteral("\n\n") + notices.join(u'\n');
        return nullptr;
    };
    if (const auto refusal = CatalogueRefusal::beforeOpening(info, exists, create, &notices))
        return refuse(*refusal);

    const bool inMemory = !exists && !create;
    const QString name = nextConnectionName();
    std::unique_ptr<PersonalCatalogue> catalogue(
        new PersonalCatalogue(name, inMemory ? path : info.absoluteFilePath(), inMemory));
    catalogue->notices_ = notices;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(inMemory ? QStringLiteral(":memory:") : info.absoluteFilePath());
    // Another Velmo, or velmo-pasto importing, may hold the file for a moment.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return refuse(CatalogueRefusal::of(db.lastError()));

    // Nothing here writes before the file has proved to be ours and sound.
    int version = 0;
    if (const auto refusal = CatalogueRefusal::afterOpening(db, &version))
        return refuse(*refusal);
    if (version == 0) {
        // A new file, or one a crash left before its first transaction ended: nothing to lose.
        bool foreign = false;
        if (catalogue->createSchema(&foreign, error))
            return catalogue;
        if (foreign)
            return refuse({Problem::Foreign, PersonalCatalogue::tr("Il file non è un archivio di alimenti personali di "
                                                                   "Velmo: indicare un altro file o spostarlo.")});
        why = Problem::NoPermission;
        return nullptr;
    }
    QSqlError failure;
    if (QSqlQuery probe(db); !runStatement(probe,
                                           QStringLiteral("SELECT %1, chiave FROM %2 LIMIT 0")
                                               .arg(PersonalFoodTable::columns(), PersonalFoodTable::name()),
                                           &failure))
        return refuse(CatalogueRefusal::of(failure));
    if (version < kSchemaVersion && !catalogue->upgradeSchema(error)) {
        why = Problem::NoPermission;
        return nullptr;
    }
    if (QSqlQuery probe(db); !runStatement(
            probe, QStringLiteral("SELECT chiave_alimento, nutriente, valore FROM valori_personali LIMIT 0"), &failure))
        return refuse(CatalogueRefusal::of(failure));
    return catalogue;
}

bool PersonalCatalogue::createSchema(bool *foreign, QString *error)
{
    // Another program may be making the file too, so what it holds is seen again once the file
    // is ours alone.
    const QSqlDatabase db = connection();
    return transaction(
        PersonalCatalogue::tr("Impossibile creare l'archivio degli alimenti personali"),
        [&db, foreign](QString *e) {
            QSqlQuery q(db);
            if (!runStatement(q,
                              QStringLiteral("SELECT (SELECT user_version FROM pragma_user_version), "
                                             "(SELECT count(*) FROM sqlite_master)"),
                              e)
                || !q.next())
                return false;
            if (q.value(0).toInt() != 0)
                return true;
            *foreign = q.value(1).toInt() > 0;
            if (*foreign)
                return false;
            for (const QString &statement : schema())
                if (!runStatement(q, statement, e))
                    return false;
            return true;
        },
        error);
}

bool PersonalCatalogue::upgradeSchema(QString *error)
{
    // The foods stay as they are; the change is the file's, not the user's, so the time of the
    // last change stays too.
    const QSqlDatabase db = connection();
    return transaction(
        PersonalCatalogue::tr("Impossibile aggiornare il formato dell'archivio degli alimenti personali"),
        [&db](QString *e) {
            QSqlQuery q(db);
            if (!runStatement(q, QStringLiteral("SELECT user_version FROM pragma_user_version"), e) || !q.next())
                return false;
            const int version = q.value(0).toInt();
            if (version >= kSchemaVersion)
                return true;
            return (version >= 2 || runStatement(q, PersonalFoodTable::valuesCreateStatement(), e))
                   && runStatement(q, PersonalFoodTable::measuresCreateStatement(), e)
                   && runStatement(q, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion), e);
        },
        error, false);
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
        *error = PersonalCatalogue::tr("Impossibile rinominare il file %1.").arg(where(path));
        return {};
    }
    return target;
}

QSqlDatabase PersonalCatalogue::connection() const
{
    return QSqlDatabase::database(connectionName_, false);
}

bool PersonalCatalogue::transaction(const QString &failure, const std::function<bool(QString *)> &work, QString *error,
                                    bool stamped)
{
    QSqlDatabase db = connection();
    QSqlQuery query(db);
    QString detail;
    const QString stamp = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    if (runStatement(query, QStringLiteral("BEGIN IMMEDIATE"), &detail)) {
        if (work(&detail) && (!stamped || noteChange(db, stamp, &detail))
            && runStatement(query, QStringLiteral("COMMIT"), &detail))
            return true;
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    }
    *error =
        PersonalCatalogue::tr("%1; l'archivio non è stato modificato:\n%2\n\n%3").arg(failure, where(path_), detail);
    return false;
}

std::vector<PersonalFood> PersonalCatalogue::foods(QString *error) const
{
    std::vector<PersonalFood> list;
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!runStatement(query, selectAll(), error))
        return list;
    PersonalFoodTable::ValuesReader values(connection());
    QSqlError failure;
    while (query.next()) {
        list.push_back(PersonalFoodTable::food(query));
        if (!values.read(&list.back(), &failure)) {
            *error = explainedFailure(failure);
            return {};
        }
    }
    return list;
}

std::optional<PersonalFood> PersonalCatalogue::find(const QString &name) const
{
    QSqlQuery query(connection());
    query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE chiave = ?")
                      .arg(PersonalFoodTable::columns(), PersonalFoodTable::name()));
    query.addBindValue(personalFoodKey(name));
    if (!query.exec() || !query.next())
        return std::nullopt;
    PersonalFood food = PersonalFoodTable::food(query);
    QSqlError failure;
    if (!PersonalFoodTable::ValuesReader(connection()).read(&food, &failure))
        return std::nullopt;
    return food;
}

std::optional<QDateTime> PersonalCatalogue::lastChange() const
{
    QSqlError ignored;
    const auto value = singleValue(
        connection(), QStringLiteral("SELECT valore FROM velmo_catalogo WHERE nome = 'ultima_modifica'"), &ignored);
    if (!value)
        return std::nullopt;
    const QDateTime time = QDateTime::fromString(value->toString(), Qt::ISODateWithMs);
    return time.isValid() ? std::optional<QDateTime>(time) : std::nullopt;
}

std::optional<qint64> PersonalCatalogue::othersChanges() const
{
    QSqlError ignored;
    const auto value = singleValue(connection(), QStringLiteral("PRAGMA data_version"), &ignored);
    return value ? std::optional(value->toLongLong()) : std::nullopt;
}

bool PersonalCatalogue::save(const PersonalFood &food, const QString &replacing, QString *error)
{
    const QString key = personalFoodKey(food.name);
    const bool renaming = replacing.isEmpty() || personalFoodKey(replacing) != key;
    if (renaming && find(food.name)) {
        *error = PersonalCatalogue::tr("Esiste già un alimento personale di nome \"%1\".").arg(find(food.name)->name);
        return false;
    }
    return transaction(
        PersonalCatalogue::tr("Impossibile salvare l'alimento nell'archivio degli alimenti personali"),
        [&](QString *e) {
            QSqlQuery query(connection());
            query.prepare(replacing.isEmpty() ? PersonalFoodTable::insertStatement()
                                              : PersonalFoodTable::updateStatement());
            PersonalFoodTable::bind(query, food);
            if (!replacing.isEmpty())
                query.addBindValue(personalFoodKey(replacing));
            if (!executeQuery(query, e))
                return false;
            if (query.numRowsAffected() != 1) {
                *e = PersonalCatalogue::tr("l'alimento \"%1\" non è più nell'archivio").arg(replacing);
                return false;
            }
            const QString oldKey = replacing.isEmpty() ? QString() : personalFoodKey(replacing);
            return PersonalFoodTable::ValuesWriter(connection()).write(oldKey, food, e);
        },
        error);
}

bool PersonalCatalogue::remove(const QString &name, QString *error)
{
    return transaction(
        PersonalCatalogue::tr("Impossibile eliminare l'alimento dall'archivio degli alimenti personali"),
        [&](QString *e) {
            QSqlQuery query(connection());
            query.prepare(QStringLiteral("DELETE FROM %1 WHERE chiave = ?").arg(PersonalFoodTable::name()));
            query.addBindValue(personalFoodKey(name));
            return executeQuery(query, e)
                   && PersonalFoodTable::ValuesWriter(connection()).clear(personalFoodKey(name), e);
        },
        error);
}

bool PersonalCatalogue::merge(const std::vector<PersonalFood> &foods, Merge *counts, QString *error)
{
    Merge done;
    const bool merged = transaction(
        PersonalCatalogue::tr("Impossibile importare gli alimenti nell'archivio degli alimenti personali"),
        [&](QString *e) {
            PersonalFoodTable::Writer writer(connection());
            for (const PersonalFood &food : foods)
                if (!writer.write(food, &done, e))
                    return false;
            return true;
        },
        error);
    if (merged)
        *counts = done;
    return merged;
}

CsvFoods PersonalCatalogue::importFoods(const std::function<CsvFoods(const FoodSink &)> &read, Merge *counts,
                                        QString *error)
{
    CsvFoods found;
    Merge done;
    bool fileFault = false;
    const bool imported = transaction(
        PersonalCatalogue::tr("Impossibile importare gli alimenti nell'archivio degli alimenti personali"),
        [&](QString *e) {
            const QSqlDatabase db = connection();
            // The lines the names were on, to find a name the file repeats: in the catalogue's own
            // file, private as the foods themselves, and gone with the transaction.
            QSqlQuery lines(db);
            if (!runStatement(lines,
                              QStringLiteral("CREATE TABLE velmo_righe_importate (chiave TEXT PRIMARY KEY, riga "
                                             "INTEGER) WITHOUT ROWID"),
                              e))
                return false;
            {
                PersonalFoodTable::Writer writer(db);
                QSqlQuery note(db);
                note.prepare(QStringLiteral("INSERT OR IGNORE INTO velmo_righe_importate VALUES (?, ?)"));
                QSqlQuery earlier(db);
                earlier.prepare(QStringLiteral("SELECT riga FROM velmo_righe_importate WHERE chiave = ?"));
                QString failure;
                found = read([&](const PersonalFood &food, int line, bool keep) {
                    const QString key = personalFoodKey(food.name);
                    note.addBindValue(key);
                    note.addBindValue(line);
                    if (!executeQuery(note, &failure))
                        return -1;
                    if (note.numRowsAffected() == 0) {
                        earlier.addBindValue(key);
                        if (!executeQuery(earlier, &failure))
                            return -1;
                        const int first = earlier.next() ? earlier.value(0).toInt() : 0;
                        earlier.finish();
                        return first;
                    }
                    return !keep || writer.write(food, &done, &failure) ? 0 : -1;
                });
                if (!failure.isEmpty()) {
                    *e = failure;
                    return false;
                }
                if (!found.ok()) {
                    fileFault = true;
                    return false;
                }
            }
            return runStatement(lines, QStringLiteral("DROP TABLE velmo_righe_importate"), e);
        },
        error);
    if (fileFault)
        error->clear();
    if (imported)
        *counts = done;
    return found;
}

bool PersonalCatalogue::exportFoods(const std::function<bool(const QByteArray &)> &write, qint64 *count,
                                    QString *error) const
{
    const auto unreadable = [&](const QSqlError &failure) {
        *error = PersonalCatalogue::tr("Impossibile leggere l'archivio degli alimenti personali:\n%1\n\n%2")
                     .arg(where(path_), explainedFailure(failure));
        return false;
    };
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    QSqlError failure;
    if (!runStatement(query, selectAll(), &failure))
        return unreadable(failure);
    // Only the columns some food has a value of (or a measure), so that the eight values alone
    // export as always.
    ExtraColumns columns;
    QSqlQuery tags(connection());
    if (!runStatement(tags, QStringLiteral("SELECT DISTINCT nutriente FROM valori_personali"), &failure))
        return unreadable(failure);
    while (tags.next())
        if (const auto index = extraNutrientIndex(tags.value(0).toString()))
            columns.set(*index);
    QSqlQuery measures(connection());
    if (!runStatement(measures, QStringLiteral("SELECT 1 FROM misure_personali LIMIT 1"), &failure))
        return unreadable(failure);
    columns.set(kMeasuresColumn, measures.next());
    PersonalFoodTable::ValuesReader values(connection());
    *count = 0;
    QByteArray piece = foodsCsvHeader(columns).toUtf8();
    while (query.next()) {
        PersonalFood food = PersonalFoodTable::food(query);
        if (!values.read(&food, &failure))
            return unreadable(failure);
        piece += foodCsvRecord(food, columns).toUtf8();
        ++*count;
        if (piece.size() >= 64 * 1024) {
            if (!write(piece))
                return false;
            piece.clear();
        }
    }
    if (query.lastError().isValid())
        return unreadable(query.lastError());
    return write(piece);
}

}  // namespace velmo
