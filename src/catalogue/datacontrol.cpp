// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/datacontrol.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <algorithm>
#include <limits>

namespace velmo {

DataControl::DataControl(QObject *parent) : QObject(parent)
{
}

const RecordsetCache::Recordset *RecordsetCache::find(const QString &recordSource, const QStringList &boundValues) const
{
    const auto found = recordsets_.find({recordSource, boundValues});
    return found == recordsets_.end() ? nullptr : &found->second;
}

void RecordsetCache::insert(const QString &recordSource, const QStringList &boundValues, Recordset recordset)
{
    recordsets_.insert_or_assign({recordSource, boundValues}, std::move(recordset));
}

FoodRow foodRowOf(const QSqlQuery &query, int valueColumns)
{
    FoodRow row;
    row.name = query.value(0).toString();
    for (int i = 0; i < 7; ++i) {
        const QVariant value = i < valueColumns ? query.value(i + 1) : QVariant();
        double &target = row.values[static_cast<std::size_t>(i)];
        if (value.isNull())
            row.missing |= static_cast<std::uint8_t>(1u << i);
        else if (value.typeId() == QMetaType::Double)
            target = *static_cast<const double *>(value.constData());
        else if (value.typeId() == QMetaType::LongLong)
            target = static_cast<double>(*static_cast<const qlonglong *>(value.constData()));
        else
            row.missing |= static_cast<std::uint8_t>(1u << i);
    }
    return row;
}

namespace {

// What a row that could not be read shows: a name and values left empty.
const FoodRow kUnreadRow{QString(), {}, 0x7f};

}  // namespace

bool DataControl::readRange(const Source &source, int first, int count, std::vector<FoodRow> *rows,
                            QStringList *columns, QString *detail)
{
    // Forward only, values by position: the driver then keeps one row at a time and no lookup
    // by name.
    QSqlQuery query(source.database);
    query.setForwardOnly(true);
    const bool whole = first == 0 && count < 0;
    const bool prepared = query.prepare(whole ? source.sql
                                              : QStringLiteral("SELECT * FROM (%1) LIMIT ? OFFSET ?").arg(source.sql));
    for (const QString &value : source.boundValues)
        query.addBindValue(value);
    if (!whole) {
        query.addBindValue(count);
        query.addBindValue(first);
    }
    if (!prepared || !query.exec()) {
        *detail = query.lastError().databaseText();
        return false;
    }
    const QSqlRecord record = query.record();
    if (columns) {
        columns->clear();
        for (int c = 0; c < record.count(); ++c)
            columns->append(record.fieldName(c));
    }
    const int numeric = std::min(record.count() - 1, 7);
    while (query.next())
        rows->push_back(foodRowOf(query, numeric));
    if (query.lastError().isValid()) {
        *detail = query.lastError().databaseText();
        return false;
    }
    return true;
}

bool DataControl::readRows(QString *detail)
{
    if (cache_) {
        if (const RecordsetCache::Recordset *known = cache_->find(recordSource_, boundValues_)) {
            rows_ = known->rows;
            columns_ = known->columns;
            return true;
        }
    }
    if (!database_.isOpen()) {
        *detail = tr("archivio degli alimenti non aperto");
        return false;
    }
    if (!cache_ && database_.connectOptions().contains(QLatin1StringView("QSQLITE_OPEN_READONLY")))
        return readFirstPage(detail);
    if (!readRange(source(), 0, -1, &rows_, &columns_, detail))
        return false;
    if (cache_)
        cache_->insert(recordSource_, boundValues_, {rows_, columns_});
    return true;
}

bool DataControl::readFirstPage(QString *detail)
{
    std::vector<FoodRow> first;
    paged_ = source();
    if (!readRange(paged_, 0, kPageRows, &first, &columns_, detail))
        return false;
    int count = static_cast<int>(first.size());
    if (count == kPageRows) {
        // SQLite counts the rows without making values of them: a fraction of reading them.
        QSqlQuery counter(database_);
        counter.setForwardOnly(true);
        const bool prepared = counter.prepare(QStringLiteral("SELECT count(*) FROM (%1)").arg(recordSource_));
        for (const QString &value : boundValues_)
            counter.addBindValue(value);
        if (!prepared || !counter.exec() || !counter.next()) {
            *detail = counter.lastError().databaseText();
            return false;
        }
        count = static_cast<int>(std::clamp<qlonglong>(counter.value(0).toLongLong(), kPageRows,
                                                       std::numeric_limits<int>::max() - kPageRows));
    }
    pages_.resize(static_cast<std::size_t>((count + kPageRows - 1) / kPageRows));
    if (!pages_.empty())
        pages_.front() = std::move(first);
    onDemand_ = true;
    rowCount_ = count;
    return true;
}

const FoodRow &DataControl::row(int i) const
{
    const auto index = static_cast<std::size_t>(i);
    if (!onDemand_)
        return rows_[index];
    std::vector<FoodRow> &page = pages_[index / kPageRows];
    if (page.empty()) {
        const int first = i - i % kPageRows;
        const int count = std::min(kPageRows, rowCount_ - first);
        QString detail;
        std::vector<FoodRow> read;
        read.reserve(static_cast<std::size_t>(count));
        if (!readRange(paged_, first, count, &read, nullptr, &detail))
            return kUnreadRow;  // tried again when asked again
        read.resize(static_cast<std::size_t>(count), kUnreadRow);
        page = std::move(read);
    }
    return page[index % kPageRows];
}

bool DataControl::refresh(QString *error)
{
    emit validate();
    emit aboutToReset();
    open_ = false;
    rows_.clear();
    pages_.clear();
    onDemand_ = false;
    rowCount_ = 0;
    columns_.clear();
    position_ = -1;

    QString detail;
    if (!readRows(&detail)) {
        rows_.clear();
        pages_.clear();
        onDemand_ = false;
        rowCount_ = 0;
        columns_.clear();
        const QString message = tr("Impossibile leggere gli alimenti di questa categoria.\n\n%1").arg(detail);
        emit reset();
        emit reposition();
        if (error)
            *error = message;
        emit dataError(message);
        return false;
    }
    open_ = true;
    if (!onDemand_)
        rowCount_ = static_cast<int>(rows_.size());
    position_ = rowCount_ == 0 ? -1 : 0;
    emit reset();
    emit reposition();
    return true;
}

std::optional<bool> DataControl::bof() const
{
    if (!open_)
        return std::nullopt;
    return rowCount_ == 0 || position_ < 0;
}

std::optional<bool> DataControl::eof() const
{
    if (!open_)
        return std::nullopt;
    return rowCount_ == 0 || position_ >= static_cast<long long>(rowCount_);
}

std::optional<int> DataControl::currentRow() const
{
    if (!open_ || position_ < 0 || position_ >= static_cast<long long>(rowCount_))
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
    if (!open_ || rowCount_ == 0)
        return false;
    return moveToPosition(0);
}

bool DataControl::moveLast()
{
    if (!open_ || rowCount_ == 0)
        return false;
    return moveToPosition(static_cast<long long>(rowCount_) - 1);
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
    if (!open_ || row < 0 || row >= rowCount_)
        return false;
    if (row == position_)
        return true;
    return moveToPosition(row);
}

}  // namespace velmo
