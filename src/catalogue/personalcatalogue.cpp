#include "catalogue/personalcatalogue.h"

#include "catalogue/foodcategory.h"
#include "common/userfolder.h"

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

// What a failure of the engine means for the user, in Italian; the engine's own words follow
// as a detail for whoever helps.
QString explained(const QSqlError &failure)
{
    QString what;
    switch (failure.nativeErrorCode().toInt() & 0xff) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
        what = QStringLiteral("L'archivio è in uso da un altro programma (un'altra finestra di Velmo o velmo-pasto): "
                              "riprovare fra poco.");
        break;
    case 8:  // SQLITE_READONLY
        what = QStringLiteral("Il file o la sua cartella sono in sola lettura: renderli scrivibili (il permesso di "
                              "scrittura per sé stessi) e riprovare.");
        break;
    case 3:   // SQLITE_PERM
    case 14:  // SQLITE_CANTOPEN
    case 23:  // SQLITE_AUTH
        what = QStringLiteral("Impossibile aprire o creare i file dell'archivio nella sua cartella: controllare che la "
                              "cartella esista e sia scrivibile, poi riprovare.");
        break;
    case 13:  // SQLITE_FULL
        what = QStringLiteral("Il disco è pieno: liberare spazio e riprovare.");
        break;
    case 10:  // SQLITE_IOERR
        what = QStringLiteral("Errore di lettura o scrittura sul disco: controllare il disco e riprovare.");
        break;
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
        what = QStringLiteral("Il file è danneggiato.");
        break;
    default:
        what = QStringLiteral("Errore imprevisto dell'archivio: riprovare; se si ripete, conservare il file e "
                              "segnalarlo.");
    }
    return QStringLiteral("%1\nDettagli: %2").arg(what, failure.text().trimmed());
}

QString damaged(const QString &detail)
{
    return QStringLiteral("Il file è danneggiato o non è un archivio di Velmo. Ripristinarlo da una copia di "
                          "sicurezza, oppure aprire gli alimenti personali nella finestra di Velmo, che lo mette da "
                          "parte (senza cancellarlo) e inizia un archivio nuovo.\nDettagli: %1")
        .arg(detail);
}

// Only a file the engine finds unsound may be called damaged: one that is busy or that cannot
// be written must never be offered to be set aside.
PersonalCatalogue::Problem problemOf(const QSqlError &failure)
{
    switch (failure.nativeErrorCode().toInt() & 0xff) {
    case 5:
    case 6: return PersonalCatalogue::Problem::Busy;
    case 3:
    case 8:
    case 10:
    case 13:
    case 14:
    case 23: return PersonalCatalogue::Problem::NoPermission;
    default: return PersonalCatalogue::Problem::Damaged;
    }
}

bool execute(QSqlQuery &query, QSqlError *failure)
{
    if (query.exec())
        return true;
    *failure = query.lastError();
    return false;
}

bool run(QSqlQuery &query, const QString &sql, QSqlError *failure)
{
    if (query.exec(sql))
        return true;
    *failure = query.lastError();
    return false;
}

std::optional<QVariant> single(const QSqlDatabase &db, const QString &sql, QSqlError *failure)
{
    QSqlQuery query(db);
    if (!run(query, sql, failure))
        return std::nullopt;
    if (!query.next()) {
        *failure = query.lastError().isValid()
                       ? query.lastError()
                       : QSqlError(QStringLiteral("nessun risultato"), {}, QSqlError::UnknownError);
        return std::nullopt;
    }
    return query.value(0);
}

bool execute(QSqlQuery &query, QString *error)
{
    QSqlError failure;
    if (execute(query, &failure))
        return true;
    *error = explained(failure);
    return false;
}

bool run(QSqlQuery &query, const QString &sql, QString *error)
{
    QSqlError failure;
    if (run(query, sql, &failure))
        return true;
    *error = explained(failure);
    return false;
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

// Adds a food, or updates the one of the same name, counting which: the step an import repeats
// for every food, with its statements prepared once.
class FoodWriter {
public:
    explicit FoodWriter(const QSqlDatabase &db) : known_(db), insert_(db), update_(db)
    {
        known_.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE chiave = ?").arg(table()));
        insert_.prepare(QStringLiteral("INSERT INTO %1 (%2, chiave) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                            .arg(table(), selectColumns()));
        update_.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE chiave = ?").arg(table(), setList()));
    }

    bool write(const PersonalFood &food, PersonalCatalogue::Merge *counts, QString *error)
    {
        const QString key = personalFoodKey(food.name);
        known_.addBindValue(key);
        if (!execute(known_, error))
            return false;
        const bool exists = known_.next();
        known_.finish();
        QSqlQuery &write = exists ? update_ : insert_;
        bindFood(write, food);
        if (exists)
            write.addBindValue(key);
        if (!execute(write, error)) {
            *error = QStringLiteral("%1: %2").arg(food.name, *error);
            return false;
        }
        ++(exists ? counts->updated : counts->added);
        return true;
    }

private:
    QSqlQuery known_;
    QSqlQuery insert_;
    QSqlQuery update_;
};

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
    const auto refuse = [&](Problem p, const QString &reason) -> std::unique_ptr<PersonalCatalogue> {
        why = p;
        *error = openFailure(path, reason);
        if (!notices.isEmpty())
            *error += QStringLiteral("\n\n") + notices.join(u'\n');
        return nullptr;
    };
    const auto failed = [&](const QSqlError &failure) {
        const Problem p = problemOf(failure);
        return refuse(p, p == Problem::Damaged ? damaged(failure.text().trimmed()) : explained(failure));
    };
    if (exists && !info.isFile())
        return refuse(Problem::NoPermission, QStringLiteral("Il percorso non indica un file: spostare o rinominare "
                                                            "ciò che si trova al suo posto."));
    QString reason;
    if ((exists || create) && !makePrivateFolder(info.absolutePath(), &notices, &reason))
        return refuse(Problem::NoPermission, reason);
    // A file the engine could read but not write would fail only at the first change, or, with
    // a crash's journal beside it, could not even be read consistently.
    if (exists && (!info.isReadable() || !info.isWritable() || !QFileInfo(info.absolutePath()).isWritable()))
        return refuse(Problem::NoPermission,
                      QStringLiteral("Permessi insufficienti: il file e la sua cartella devono essere leggibili e "
                                     "scrivibili. Dare a sé stessi questi permessi su entrambi e riprovare."));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return refuse(Problem::NoPermission,
                      QStringLiteral("Manca il driver SQLite di Qt: installare il pacchetto libqt6sql6-sqlite."));
    const bool inMemory = !exists && !create;
    // Made here, not by the engine, which would let the umask open it to other users; the
    // engine gives its journal the permissions of the file.
    if (!exists && create && !createPrivateFile(info.absoluteFilePath(), &reason))
        return refuse(Problem::NoPermission, reason);

    const QString name = nextConnectionName();
    std::unique_ptr<PersonalCatalogue> catalogue(
        new PersonalCatalogue(name, inMemory ? path : info.absoluteFilePath(), inMemory));
    catalogue->notices_ = notices;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(inMemory ? QStringLiteral(":memory:") : info.absoluteFilePath());
    // Another Velmo, or velmo-pasto importing, may hold the file for a moment.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return failed(db.lastError());

    // Nothing here writes before the file has proved to be ours and sound; a journal left by a
    // crash is rolled back by the first read, which is what the engine promises.
    QSqlError failure;
    QSqlQuery query(db);
    if (!run(query, QStringLiteral("PRAGMA synchronous = FULL"), &failure))
        return failed(failure);
    const auto check = single(db, QStringLiteral("PRAGMA quick_check"), &failure);
    if (!check)
        return failed(failure);
    if (check->toString() != QStringLiteral("ok"))
        return refuse(Problem::Damaged, damaged(check->toString()));
    const auto version = single(db, QStringLiteral("PRAGMA user_version"), &failure);
    if (!version)
        return failed(failure);
    const int found = version->toInt();
    if (found > kSchemaVersion)
        return refuse(Problem::Newer, QStringLiteral("Il file è stato scritto da una versione più recente di Velmo "
                                                     "(formato %1, questa versione legge fino al formato %2): "
                                                     "aggiornare Velmo.")
                                          .arg(found)
                                          .arg(kSchemaVersion));
    if (found == 0) {
        // A new file, or one a crash left before its first transaction ended: nothing to lose.
        // Another program may be making it too, so what it holds is seen again once the file
        // is ours alone.
        bool foreign = false;
        if (!catalogue->transaction(
                QStringLiteral("Impossibile creare l'archivio degli alimenti personali"),
                [&db, &foreign](QString *e) {
                    QSqlQuery q(db);
                    if (!run(q,
                             QStringLiteral("SELECT (SELECT user_version FROM pragma_user_version), "
                                            "(SELECT count(*) FROM sqlite_master)"),
                             e)
                        || !q.next())
                        return false;
                    if (q.value(0).toInt() != 0)
                        return true;
                    foreign = q.value(1).toInt() > 0;
                    if (foreign)
                        return false;
                    for (const QString &statement : schema())
                        if (!run(q, statement, e))
                            return false;
                    return true;
                },
                error)) {
            if (foreign)
                return refuse(Problem::Foreign, QStringLiteral("Il file non è un archivio di alimenti personali di "
                                                               "Velmo: indicare un altro file o spostarlo."));
            why = Problem::NoPermission;
            return nullptr;
        }
    } else if (QSqlQuery probe(db);
               !run(probe, QStringLiteral("SELECT %1, chiave FROM %2 LIMIT 0").arg(selectColumns(), table()),
                    &failure)) {
        return failed(failure);
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
    *error = QStringLiteral("%1; l'archivio non è stato modificato:\n%2\n\n%3").arg(failure, where(path_), detail);
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
    QSqlError ignored;
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
            FoodWriter writer(connection());
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
        QStringLiteral("Impossibile importare gli alimenti nell'archivio degli alimenti personali"),
        [&](QString *e) {
            const QSqlDatabase db = connection();
            // The lines the names were on, to find a name the file repeats: in the catalogue's own
            // file, private as the foods themselves, and gone with the transaction.
            QSqlQuery lines(db);
            if (!run(lines,
                     QStringLiteral("CREATE TABLE velmo_righe_importate (chiave TEXT PRIMARY KEY, riga INTEGER) "
                                    "WITHOUT ROWID"),
                     e))
                return false;
            {
                FoodWriter writer(db);
                QSqlQuery note(db);
                note.prepare(QStringLiteral("INSERT OR IGNORE INTO velmo_righe_importate VALUES (?, ?)"));
                QSqlQuery earlier(db);
                earlier.prepare(QStringLiteral("SELECT riga FROM velmo_righe_importate WHERE chiave = ?"));
                QString failure;
                found = read([&](const PersonalFood &food, int line, bool keep) {
                    const QString key = personalFoodKey(food.name);
                    note.addBindValue(key);
                    note.addBindValue(line);
                    if (!execute(note, &failure))
                        return -1;
                    if (note.numRowsAffected() == 0) {
                        earlier.addBindValue(key);
                        if (!execute(earlier, &failure))
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
            return run(lines, QStringLiteral("DROP TABLE velmo_righe_importate"), e);
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
        *error = QStringLiteral("Impossibile leggere l'archivio degli alimenti personali:\n%1\n\n%2")
                     .arg(where(path_), explained(failure));
        return false;
    };
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (QSqlError failure;
        !run(query, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(selectColumns(), table()), &failure))
        return unreadable(failure);
    *count = 0;
    QByteArray piece = foodsCsvHeader().toUtf8();
    while (query.next()) {
        piece += foodCsvRecord(foodOf(query)).toUtf8();
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
