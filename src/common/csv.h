#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace velmo {

// One record of a comma-separated file and the line it starts on.
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

struct CsvParseResult {
    std::vector<CsvRecord> records;
    QString error;  // empty when the whole text was read; else names the line
    bool ok() const { return error.isEmpty(); }
};

// Reads RFC 4180 text (fields quoted with '"', doubled quotes inside; CRLF or LF line ends).
// Empty lines are skipped.
CsvParseResult parseCsv(const QString &text);

// One RFC 4180 record, fields quoted only where needed, ended by CRLF.
QString csvRecord(const QStringList &fields);

}  // namespace velmo
