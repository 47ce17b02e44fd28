// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class QSqlQuery;

namespace velmo {

// One food as the record source returns it: the name and the seven numbers, any of which the
// database may leave without a value.
struct FoodRow {
    QString name;
    std::array<double, 7> values{};  // edibile, proteine, lipidi, carboidrati, energia, fibra, colesterolo
    std::uint8_t missing = 0;        // bit i set: values[i] has no value

    bool hasValue(int i) const { return (missing & (1u << i)) == 0; }
};

// One row of a food table as a data control keeps it: the name in column 0, then up to seven
// values; only a number is a value, an empty cell, a text or a blob leaves it missing.
FoodRow foodRowOf(const QSqlQuery &query, int valueColumns);

// Recordsets already read from a database that does not change while they are kept, by record
// source and bound values: data controls that share one read each table once.
class RecordsetCache {
public:
    struct Recordset {
        std::vector<FoodRow> rows;
        QStringList columns;
    };
    const Recordset *find(const QString &recordSource, const QStringList &boundValues = {}) const;
    void insert(const QString &recordSource, const QStringList &boundValues, Recordset recordset);

private:
    std::map<std::pair<QString, QStringList>, Recordset> recordsets_;
};

// The data control of the main window: a database, a record source (a SELECT) and the recordset
// it produced, with a cursor that can stand before the first row (begin of file) or after the
// last (end of file). Before the first refresh there is no recordset: every move and every test
// of the flags fails. From a database opened read-only, which nothing changes while the program
// runs, without a cache, a refresh reads only the first rows and the count: the others are read
// a page at a time when first asked for, so that a category of 100,000 foods shows at once.
class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(QObject *parent = nullptr);

    void setDatabase(const QSqlDatabase &database) { database_ = database; }
    // The record source: a SELECT, and the values bound to its placeholders ("?"), in their order.
    void setRecordSource(const QString &sql, const QStringList &boundValues = {})
    {
        recordSource_ = sql;
        boundValues_ = boundValues;
    }
    // Refreshes take a recordset from `cache` when it has one for the record source, and leave
    // there what they read. Only for a database that nothing changes meanwhile.
    void setCache(RecordsetCache *cache) { cache_ = cache; }
    QString recordSource() const { return recordSource_; }

    // Runs the record source and makes its first row current. On failure the recordset is gone,
    // `error` says why and the data-error notification is raised.
    bool refresh(QString *error = nullptr);

    bool hasRecordset() const { return open_; }
    std::optional<bool> bof() const;
    std::optional<bool> eof() const;

    // Moves fail (return false, nothing notified) where the recordset cannot move.
    bool moveFirst();
    bool moveLast();
    bool moveNext();
    bool movePrevious();
    bool moveTo(int row);

    int rowCount() const { return rowCount_; }
    // The row `i` (0 to rowCount() - 1). A reference stays valid until the next refresh.
    const FoodRow &row(int i) const;
    // The current row, or nothing at either end or without a recordset.
    std::optional<int> currentRow() const;
    QStringList columnNames() const { return columns_; }

signals:
    void aboutToReset();
    void reset();
    void validate();    // before every move of the current record
    void reposition();  // after every move, when the new position is in place
    void dataError(const QString &message);

private:
    // The rows a page holds: a page is read in about a tenth of a millisecond.
    static constexpr int kPageRows = 256;

    bool readRows(QString *detail);
    bool readFirstPage(QString *detail);
    // A record source as read: the database, the SELECT and its bound values.
    struct Source {
        QSqlDatabase database;
        QString sql;
        QStringList boundValues;
    };
    // Appends to `rows` the rows [first, first + count) of `source` (count -1: to the
    // end), and sets `columns` (when given) to its columns' names.
    static bool readRange(const Source &source, int first, int count, std::vector<FoodRow> *rows, QStringList *columns,
                          QString *detail);
    Source source() const { return {database_, recordSource_, boundValues_}; }
    bool moveToPosition(long long position);

    QSqlDatabase database_;
    QString recordSource_;
    QStringList boundValues_;
    RecordsetCache *cache_ = nullptr;
    bool open_ = false;
    std::vector<FoodRow> rows_;  // every row, when they are read at once
    // Or, read on demand: the pages read so far, by page (an empty one is not read yet).
    mutable std::vector<std::vector<FoodRow>> pages_;
    bool onDemand_ = false;
    // What the pages are read from: the record source of the last refresh, whatever was set since.
    Source paged_;
    int rowCount_ = 0;
    QStringList columns_;
    long long position_ = -1;  // -1 before the first row, rowCount_ after the last
};

}  // namespace velmo
