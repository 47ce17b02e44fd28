#include "catalogue/datacontrol.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace velmo {

DataControl::DataControl(QObject *parent) : QObject(parent) {}

bool DataControl::refresh(QString *error)
{
    emit validate();
    emit aboutToReset();
    open_ = false;
    rows_.clear();
    columns_.clear();
    position_ = -1;

    QSqlQuery query(database_);
    query.setForwardOnly(true);
    if (!database_.isOpen() || !query.exec(recordSource_)) {
        const QString detail = database_.isOpen() ? query.lastError().text()
                                                  : QStringLiteral("archivio degli alimenti non aperto");
        const QString message = QStringLiteral("Impossibile leggere gli alimenti di questa categoria.\n\n%1").arg(detail);
        emit reset();
        emit reposition();
        if (error)
            *error = message;
        emit dataError(message);
        return false;
    }

    const QSqlRecord record = query.record();
    for (int c = 0; c < record.count(); ++c)
        columns_.append(record.fieldName(c));
    const int numeric = std::min(record.count() - 1, 7);
    while (query.next()) {
        FoodRow row;
        row.name = query.value(0).toString();
        for (int i = 0; i < 7; ++i) {
            const QVariant v = i < numeric ? query.value(i + 1) : QVariant();
            bool ok = false;
            const double d = v.isNull() ? 0.0 : v.toDouble(&ok);
            if (v.isNull() || !ok)
                row.missing |= static_cast<std::uint8_t>(1u << i);
            else
                row.values[static_cast<std::size_t>(i)] = d;
        }
        rows_.push_back(std::move(row));
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
