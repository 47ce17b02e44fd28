// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// The persons' file itself: opening it, its format, its transactions, and the traces of a
// removed person.

#include "catalogue/cataloguerefusal.h"
#include "catalogue/sqlstatements.h"
#include "plan/personstore.h"
#include "plan/storesql.h"
#include "plan/storetransaction.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace velmo {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("PersonStore", source);
}

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("velmo-persons-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString where(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool isBusy(const QSqlError &failure)
{
    const int code = sqliteResultCode(failure);
    return code == 5 || code == 6;  // SQLITE_BUSY, SQLITE_LOCKED
}

QString damaged(const QString &detail)
{
    return text(QT_TRANSLATE_NOOP("PersonStore", "Il file è danneggiato o non è un archivio delle persone di Velmo: "
                                                 "ripristinarlo da una copia di sicurezza, oppure spostarlo altrove "
                                                 "perché Velmo ne crei uno nuovo.\nDettagli: %1"))
        .arg(detail);
}

// Why the opened file is not one this version may use, before anything is written to it; its
// format goes to `version` and whether it holds tables to `tables`. Reading every page costs as
// much as the file is large (years of days make tens of megabytes): `wholeFile` says whether to.
std::optional<QString> refusal(StoreSql &sql, int *version, bool *tables, bool wholeFile)
{
    if (wholeFile) {
        const auto check = sql.value(QStringLiteral("PRAGMA quick_check"));
        if (!check)
            return isBusy(sql.failure()) ? explainedFailure(sql.failure()) : damaged(sql.failure().text().trimmed());
        if (check->toString() != QStringLiteral("ok"))
            return damaged(check->toString());
    }
    // The version and the tables in one statement, so in one state of the file: another window
    // creating the store commits both at once, and two reads could see one before and one after.
    auto state = sql.run(QStringLiteral("SELECT (SELECT user_version FROM pragma_user_version), "
                                        "(SELECT count(*) FROM sqlite_master)"));
    if (!state || !state->next())
        return isBusy(sql.failure()) ? explainedFailure(sql.failure()) : damaged(sql.failure().text().trimmed());
    *version = state->value(0).toInt();
    *tables = state->value(1).toInt() > 0;
    if (*version > PersonStore::kSchemaVersion)
        return text(QT_TRANSLATE_NOOP("PersonStore", "Il file è stato scritto da una versione più recente di Velmo "
                                                     "(formato %1, questa versione legge fino al formato %2): "
                                                     "aggiornare Velmo."))
            .arg(*version)
            .arg(PersonStore::kSchemaVersion);
    if (*version == 0 && *tables)
        return text(QT_TRANSLATE_NOOP("PersonStore", "Il file non è un archivio delle persone di Velmo: spostarlo o "
                                                     "rinominarlo, poi riprovare."));
    return std::nullopt;
}

// Whether the file holds `needle`, read a piece at a time; a file that cannot be read may hold it.
bool fileHolds(const QString &path, const QByteArray &needle)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.exists();
    QByteArray tail;
    while (!file.atEnd()) {
        const QByteArray piece = tail + file.read(1 << 20);
        if (piece.contains(needle))
            return true;
        tail = piece.right(needle.size() - 1);
    }
    return file.error() != QFile::NoError;
}

}  // namespace

QString PersonStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/' + QLatin1String(kFileName);
}

PersonStore::PersonStore(QString connectionName, QString path)
    : connectionName_(std::move(connectionName)), path_(std::move(path))
{
}

PersonStore::~PersonStore()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

std::unique_ptr<PersonStore> PersonStore::open(const QString &path, bool create, QString *error, Check check)
{
    const QFileInfo info(path);
    const bool exists = info.exists();
    QStringList notices;
    const auto refuse = [&](const QString &reason) -> std::unique_ptr<PersonStore> {
        *error = text(QT_TRANSLATE_NOOP("PersonStore", "Impossibile aprire l'archivio delle persone:\n%1\n\n%2\n\nIl "
                                                       "file non è stato modificato; Velmo funziona anche senza."))
                     .arg(where(path), reason);
        if (!notices.isEmpty())
            *error += QStringLiteral("\n\n") + notices.join(u'\n');
        return nullptr;
    };
    if (!exists && !create)
        return refuse(text(QT_TRANSLATE_NOOP("PersonStore", "Il file non esiste: nessuna persona è stata ancora "
                                                            "aggiunta.")));
    if (const auto refused = CatalogueRefusal::beforeOpening(info, exists, create, &notices))
        return refuse(refused->reason);

    std::unique_ptr<PersonStore> store(new PersonStore(nextConnectionName(), info.absoluteFilePath()));
    store->notices_ = notices;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), store->connectionName_);
    db.setDatabaseName(store->path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        return refuse(explainedFailure(db.lastError()));
    // Nothing is written before the file has proved to be ours. Every change reaches the disk
    // before it counts as made; what is deleted is overwritten, and no temporary file of the
    // engine's ever holds a person's data. The journal is deleted at each commit and, while it
    // lives, has the file's own permissions.
    StoreSql sql(db);
    int version = 0;
    bool tables = false;
    if (const auto why = refusal(sql, &version, &tables, check == Check::WholeFile))
        return refuse(*why);
    for (const char *pragma : {"PRAGMA synchronous = FULL", "PRAGMA secure_delete = ON", "PRAGMA temp_store = MEMORY",
                               "PRAGMA foreign_keys = ON", "PRAGMA journal_mode = DELETE"})
        sql.run(QString::fromLatin1(pragma));
    if (sql.failed())
        return refuse(explainedFailure(sql.failure()));
    if (version < kSchemaVersion) {
        // Another program may be doing the same: what the file holds is seen again once it is ours alone.
        StoreTransaction transaction(db);
        if (!transaction.begun())
            return refuse(explainedFailure(transaction.failure()));
        if (const auto why = refusal(sql, &version, &tables, true))
            return refuse(*why);
        for (int step = version; step < kSchemaVersion; ++step)
            for (const QString &statement : personStoreUpgrades()[static_cast<std::size_t>(step)])
                sql.run(statement);
        sql.run(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
        if (sql.failed() || !transaction.commit())
            return refuse(explainedFailure(sql.failed() ? sql.failure() : transaction.failure()));
    }
    // Each table with every column this version reads.
    const std::pair<const char *, const char *> probes[] = {
        {"persone",
         "id, nome, sesso, nascita, altezza_cm, attivita, attivita_auspicabili, condizione, note, revisione"},
        {"pesi", "persona, data, kg, vita_cm"},
        {"giorni", "id, persona, data, revisione"},
        {"pasti_giorno", "id, giorno, posizione, nome"},
        {"righe_pasto", "pasto, posizione, categoria, alimento, grammi, porzione"},
        {"pasti_abituali", "id, nome"},
        {"righe_pasto_abituale", "pasto, posizione, categoria, alimento, grammi, porzione"},
        {"revisioni", "ultima"},
    };
    for (const auto &[table, columns] : probes)
        sql.run(QStringLiteral("SELECT %1 FROM %2 LIMIT 0").arg(QLatin1StringView(columns), QLatin1StringView(table)));
    if (sql.failed())
        return refuse(damaged(sql.failure().text().trimmed()));
    return store;
}

QSqlDatabase PersonStore::connection() const
{
    return QSqlDatabase::database(connectionName_, false);
}

void PersonStore::setBusyTimeout(int milliseconds)
{
    QSqlQuery(connection()).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds));
}

StoreResult PersonStore::failureOf(const QSqlError &failure) const
{
    if (isBusy(failure))
        return {StoreResult::Kind::Busy,
                text(QT_TRANSLATE_NOOP("PersonStore", "Operazione non riuscita: il file è in uso da un'altra "
                                                      "finestra di Velmo, riprova fra qualche istante."))};
    return {StoreResult::Kind::Failed,
            text(QT_TRANSLATE_NOOP("PersonStore", "Operazione non riuscita sull'archivio delle persone %1; nulla è "
                                                  "stato modificato:\n%2"))
                .arg(where(path_), explainedFailure(failure))};
}

StoreResult PersonStore::failureOf(const StoreSql &sql) const
{
    return sql.failed() ? failureOf(sql.failure()) : StoreResult{};
}

StoreResult PersonStore::change(const std::function<StoreResult(StoreSql &)> &work)
{
    StoreTransaction transaction(connection());
    if (!transaction.begun())
        return failureOf(transaction.failure());
    StoreSql sql(connection());
    const StoreResult result = work(sql);
    if (sql.failed())
        return failureOf(sql);
    if (!result.ok())
        return result;
    if (!transaction.commit())
        return failureOf(transaction.failure());
    emit changed();
    return result;
}

StoreResult PersonStore::erasePersonTraces(const QString &name)
{
    // A name as short as a few bytes may turn up anywhere in a binary file by chance: such a
    // name is not looked for, the file is compacted all the same.
    constexpr qsizetype kShortestTellingName = 4;
    const QByteArray bytes = name.toUtf8();
    StoreSql sql(connection());
    // The tables' text columns and the schema: the name may be part of what other data says.
    QString elsewhere = QStringLiteral("SELECT EXISTS (SELECT 1 FROM sqlite_master WHERE instr(sql, ?) OR "
                                       "instr(name, ?))");
    for (const char *column :
         {"persone nome", "persone note", "pesi data", "giorni data", "pasti_giorno nome", "righe_pasto categoria",
          "righe_pasto alimento", "righe_pasto grammi", "righe_pasto porzione", "pasti_abituali nome",
          "righe_pasto_abituale categoria", "righe_pasto_abituale alimento", "righe_pasto_abituale grammi",
          "righe_pasto_abituale porzione"}) {
        const QStringList words = QString::fromLatin1(column).split(u' ');
        elsewhere += QStringLiteral(" OR EXISTS (SELECT 1 FROM %1 WHERE instr(%2, ?))").arg(words[0], words[1]);
    }
    const auto held = sql.value(elsewhere, QVariantList(elsewhere.count(u'?'), name));
    if (!held)
        return failureOf(sql);
    if (held->toBool())
        return {};
    const bool telling = bytes.size() >= kShortestTellingName;
    const QString journal = path_ + u"-journal"_qs;
    const auto traced = [&] {
        return fileHolds(path_, bytes) || (QFileInfo::exists(journal) && fileHolds(journal, bytes));
    };
    if (telling && !traced())
        return {};
    sql.run(QStringLiteral("VACUUM"));
    if (!sql.failed() && (!telling || !traced()))
        return {};
    return {StoreResult::Kind::Failed,
            text(QT_TRANSLATE_NOOP("PersonStore", "La persona è stata eliminata, ma il suo nome si legge ancora nel "
                                                  "file %1 (forse un'altra finestra di Velmo lo sta leggendo): "
                                                  "chiudere le altre finestre di Velmo e riprovare."))
                .arg(where(path_))};
}

}  // namespace velmo
