#include "catalogue/datacontrol.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace velmo {

DataControl::DataControl(QObject *parent) : QObject(parent) {}

namespace {

// The SQLite connection under Qt's driver, to read large tables without a QVariant per value.
sqlite3 *sqliteHandle(const QSqlDatabase &database)
{
    if (!database.isOpen() || !database.driver())
        return nullptr;
    const QVariant handle = database.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.data());
}

}  // namespace

const RecordsetCache::Recordset *RecordsetCache::find(const QString &recordSource) const
{
    const auto found = recordsets_.find(recordSource);
    return found == recordsets_.end() ? nullptr : &found->second;
}

void RecordsetCache::insert(const QString &recordSource, Recordset recordset)
{
    recordsets_.insert_or_assign(recordSource, std::move(recordset));
}

bool DataControl::readRows(QString *detail)
{
    if (cache_) {
        if (const RecordsetCache::Recordset *known = cache_->find(recordSource_)) {
            rows_ = known->rows;
            columns_ = known->columns;
            return true;
        }
    }
    sqlite3 *db = sqliteHandle(database_);
    if (!db) {
        *detail = QStringLiteral("archivio degli alimenti non aperto");
        return false;
    }
    const QByteArray sql = recordSource_.toUtf8();
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK) {
        *detail = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(statement);
        return false;
    }
    const int columns = sqlite3_column_count(statement);
    for (int c = 0; c < columns; ++c)
        columns_.append(QString::fromUtf8(sqlite3_column_name(statement, c)));
    const int numeric = std::min(columns - 1, 7);
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
        FoodRow row;
        row.name = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)),
                                     sqlite3_column_bytes(statement, 0));
        for (int i = 0; i < 7; ++i) {
            const int type = i < numeric ? sqlite3_column_type(statement, i + 1) : SQLITE_NULL;
            if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
                row.values[static_cast<std::size_t>(i)] = sqlite3_column_double(statement, i + 1);
            else
                row.missing |= static_cast<std::uint8_t>(1u << i);
        }
        rows_.push_back(std::move(row));
    }
    const bool ok = status == SQLITE_DONE;
    if (!ok)
        *detail = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(statement);
    if (ok && cache_)
        cache_->insert(recordSource_, {rows_, columns_});
    return ok;
}

bool DataControl::refresh(QString *error)
{
    emit validate();
    emit aboutToReset();
    open_ = false;
    rows_.clear();
    columns_.clear();
    position_ = -1;

    QString detail;
    if (!readRows(&detail)) {
        rows_.clear();
        columns_.clear();
        const QString message = QStringLiteral("Impossibile leggere gli alimenti di questa categoria.\n\n%1").arg(detail);
        emit reset();
        emit reposition();
        if (error)
            *error = message;
        emit dataError(message);
        return false;
    }
    open_ = true;
    position_ = rows_.empty() ? -1 : 0;
    emit reset();
    emit reposition();
    return true;
}

std::optional<bool> DataControl::bof() const
{
    if (!open_)
        return std::nullopt;
    return rows_.empty() || position_ < 0;
}

std::optional<bool> DataControl::eof() const
{
    if (!open_)
        return std::nullopt;
    return rows_.empty() || position_ >= static_cast<long long>(rows_.size());
}

std::optional<int> DataControl::currentRow() const
{
    if (!open_ || position_ < 0 || position_ >= static_cast<long long>(rows_.size()))
        return std::nullopt;
    return static_cast<int>(position_);
}

bool DataControl::moveToPosition(long long position)
{
    emit validate();
    position_ = position;
    emit reposition();
    return true;
}

bool DataControl::moveFirst()
{
    if (!open_ || rows_.empty())
        return false;
    return moveToPosition(0);
}

bool DataControl::moveLast()
{
    if (!open_ || rows_.empty())
        return false;
    return moveToPosition(static_cast<long long>(rows_.size()) - 1);
}

bool DataControl::moveNext()
{
    if (!open_ || *eof())
        return false;
    return moveToPosition(position_ + 1);
}

bool DataControl::movePrevious()
{
    if (!open_ || *bof())
        return false;
    return moveToPosition(position_ - 1);
}

bool DataControl::moveTo(int row)
{
    if (!open_ || row < 0 || row >= static_cast<int>(rows_.size()))
        return false;
    if (row == position_)
        return true;
    return moveToPosition(row);
}

}  // namespace velmo
