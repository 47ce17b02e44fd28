// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/fooddatabase.h"

#include "catalogue/foodcategory.h"
#include "common/translation.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <optional>

namespace velmo {

namespace {

QString failure(const QString &path, const QString &reason)
{
    return FoodDatabase::tr("Impossibile aprire l'archivio degli alimenti:\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("velmo-food-%1").arg(counter.fetchAndAddRelaxed(1));
}

// The names of the columns a CREATE TABLE text declares, in lower case; table constraints
// (PRIMARY KEY, UNIQUE, CHECK, FOREIGN KEY, CONSTRAINT) are no columns.
QSet<QString> declaredColumns(QStringView sql)
{
    QSet<QString> names;
    const auto addName = [&names](QStringView definition) {
        definition = definition.trimmed();
        qsizetype end = 0;
        while (end < definition.size() && !definition[end].isSpace())
            ++end;
        QStringView name = definition.left(end);
        if (name.size() >= 2 && QStringView(u"\"'`[").contains(name.front()))
            name = name.mid(1, name.size() - 2);
        const QString lower = name.toString().toLower();
        static const QStringList constraints{QStringLiteral("constraint"), QStringLiteral("primary"),
                                             QStringLiteral("unique"), QStringLiteral("check"),
                                             QStringLiteral("foreign")};
        if (!lower.isEmpty() && !constraints.contains(lower))
            names.insert(lower);
    };
    const qsizetype open = sql.indexOf(u'(');
    if (open < 0)
        return names;
    qsizetype start = open + 1;
    int depth = 0;
    QChar quote;
    for (qsizetype i = start; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'' || c == u'`') {
            quote = c;
        } else if (c == u'[') {
            quote = u']';
        } else if (c == u'(') {
            ++depth;
        } else if ((c == u')' && depth-- == 0) || (c == u',' && depth == 0)) {
            addName(sql.mid(start, i - start));
            if (c == u')')
                break;
            start = i + 1;
        }
    }
    return names;
}

// The columns every category table must have: the eight of the record source and, when the
// interface shows the foods' English names, the column that holds them.
QStringList requiredColumns()
{
    QStringList columns(foodColumns().cbegin(), foodColumns().cend());
    if (currentLanguage() == Language::English)
        columns.append(kEnglishNameColumn);
    return columns;
}

// Whether each category table declares the required columns in its CREATE TABLE text, as
// the shipped file does: one short query, where compiling the sixteen SELECTs costs many times
// more at every start-up. A file this cannot confirm gets the full check.
bool declaresEveryColumn(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT lower(name), sql FROM sqlite_master WHERE type = 'table'")))
        return false;
    QSet<QString> complete;
    const QStringList required = requiredColumns();
    while (query.next()) {
        const QSet<QString> columns = declaredColumns(query.value(1).toString());
        if (std::all_of(required.cbegin(), required.cend(),
                        [&columns](const QString &c) { return columns.contains(c); }))
            complete.insert(query.value(0).toString());
    }
    return std::all_of(foodCategories().cbegin(), foodCategories().cend(),
                       [&complete](const FoodCategory &c) { return complete.contains(c.table.toLower()); });
}

int builtSchemaMark(qint64 schemaVersion)
{
    constexpr qint64 kCookies = 1000000;
    return schemaVersion > 0 && schemaVersion < kCookies
               ? static_cast<int>(FoodDatabase::kTableFormat * kCookies + schemaVersion)
               : 0;
}

// The mark for the file's schema as it stands (0: none fits it); none when it cannot be read.
std::optional<int> markOfSchemaNow(QSqlQuery &query)
{
    if (!query.exec(QStringLiteral("PRAGMA schema_version")) || !query.next())
        return std::nullopt;
    return builtSchemaMark(query.value(0).toLongLong());
}

// Whether the builder's mark is on the file: its tables are as the builder made them. Two header
// fields, where reading and parsing the tables' definitions costs many times more at every start.
bool carriesBuiltMark(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const std::optional<int> mark = markOfSchemaNow(query);
    return mark && *mark != 0 && query.exec(QStringLiteral("PRAGMA user_version")) && query.next()
           && query.value(0).toInt() == *mark;
}

// True when every category table has the required columns; otherwise `missing` says what lacks
// (or the engine's reason when the file cannot be read at all).
bool schemaIsComplete(const QSqlDatabase &db, QString *missing)
{
    // Preparing the sixteen SELECTs of the categories as one statement reads the file's schema
    // and resolves every table and column, without running anything: the complete proof. (Their
    // table names come from the fixed category list, never from the file.)
    if (carriesBuiltMark(db) || declaresEveryColumn(db))
        return true;
    QStringList selects;
    for (const FoodCategory &c : foodCategories())
        selects.append(c.recordSource());
    QString refusal;
    {
        QSqlQuery all(db);
        if (all.prepare(selects.join(QStringLiteral(" UNION ALL "))))
            return true;
        refusal = all.lastError().text();
    }

    // Refused: list what lacks, at a cost only a faulty file pays.
    const QStringList required = requiredColumns();
    const auto placeholders = [](qsizetype count) { return QStringList(count, QStringLiteral("?")); };
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const bool prepared = query.prepare(
        QStringLiteral("SELECT lower(m.name), lower(c.name) FROM sqlite_master AS m "
                       "JOIN pragma_table_info(m.name) AS c "
                       "WHERE m.type IN ('table','view') AND lower(m.name) IN (%1) "
                       "AND lower(c.name) IN (%2)")
            .arg(placeholders(kFoodCategoryCount).join(u','), placeholders(required.size()).join(u',')));
    for (const FoodCategory &c : foodCategories())
        query.addBindValue(c.table.toLower());
    for (const QString &c : required)
        query.addBindValue(c);
    if (!prepared || !query.exec()) {
        *missing = query.lastError().text();
        return false;
    }
    QSet<QString> found;
    while (query.next())
        found.insert(query.value(0).toString() + u'.' + query.value(1).toString());
    query.finish();
    if (found.size() == kFoodCategoryCount * required.size()) {
        // Everything is there, yet the SELECTs cannot run (a broken view, for one).
        *missing = refusal;
        return false;
    }

    QStringList absentTables;
    QStringList absentColumns;
    for (const FoodCategory &c : foodCategories()) {
        const QString table = c.table.toLower();
        QStringList lacking;
        for (const QString &column : required)
            if (!found.contains(table + u'.' + column))
                lacking.append(column);
        if (lacking.size() == required.size())
            absentTables.append(c.table);
        else if (!lacking.isEmpty())
            absentColumns.append(FoodDatabase::tr("nella tabella %1 mancano le colonne %2")
                                     .arg(c.table, lacking.join(QStringLiteral(", "))));
    }
    QStringList parts;
    if (absentTables.size() == kFoodCategoryCount)
        parts.append(FoodDatabase::tr("non contiene nessuna delle sedici tabelle degli alimenti"));
    else if (!absentTables.isEmpty())
        parts.append(FoodDatabase::tr("mancano le tabelle %1", nullptr, static_cast<int>(absentTables.size()))
                         .arg(absentTables.join(QStringLiteral(", "))));
    parts += absentColumns;
    *missing = parts.join(QStringLiteral("; "));
    return false;
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
        *error = failure(path, tr("Il file non esiste."));
        return nullptr;
    }
    if (!info.isFile()) {
        *error = failure(path, tr("Il percorso non indica un file."));
        return nullptr;
    }
    if (!info.isReadable()) {
        *error = failure(path, tr("Il file non è leggibile (permessi insufficienti)."));
        return nullptr;
    }
    if (info.size() == 0) {
        *error = failure(path, tr("Il file è vuoto: non è un archivio di alimenti valido."));
        return nullptr;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        *error = failure(path, tr("Manca il driver SQLite di Qt (pacchetto libqt6sql6-sqlite)."));
        return nullptr;
    }

    const QString name = nextConnectionName();
    std::unique_ptr<FoodDatabase> database(new FoodDatabase(name, info.absoluteFilePath()));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(info.absoluteFilePath());
    // Read-only: a missing file is never created and no run changes the file's bytes.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        *error = failure(path, tr("Errore del motore di database: %1").arg(db.lastError().text()));
        return nullptr;
    }
    // SQLite reads the header only on the first query. The one query that proves the file also
    // lists the columns of the sixteen tables, so that a file without them is refused here and
    // not, in the engine's English, at every choice of a category.
    QString missing;
    if (!schemaIsComplete(db, &missing)) {
        *error = failure(path, tr("Il file non è un archivio di alimenti valido (%1).").arg(missing));
        return nullptr;
    }
    return database;
}

bool FoodDatabase::markAsBuilt(const QString &path, QString *error)
{
    const QString connection = nextConnectionName();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        QSqlQuery q(db);
        // A cookie too large for the mark leaves the file to the full check.
        if (const std::optional<int> mark = db.open() ? markOfSchemaNow(q) : std::nullopt)
            ok = *mark == 0 || q.exec(QStringLiteral("PRAGMA user_version = %1").arg(*mark));
        if (!ok)
            *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), q.lastError().text());
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

QSqlDatabase FoodDatabase::connection() const
{
    return QSqlDatabase::database(connectionName_, false);
}

}  // namespace velmo
