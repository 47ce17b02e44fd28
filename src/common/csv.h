#pragma once

#include <QString>
#include <QStringList>

#include <optional>
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

// `field` as RFC 4180 quotes it: between double quotes, each quote inside doubled.
QString csvQuoted(const QString &field);

// The fields of one line of text separated by `separator`, read as RFC 4180 reads a record but
// lenient with text typed by hand: blanks around a field are dropped; a field that starts with
// '"' runs to its closing quote, blanks inside kept and doubled quotes read as one; a quote
// inside an unquoted field is a plain character. Null, with the reason in Italian in `error`,
// for a quote never closed or text after a closing quote.
std::optional<QStringList> splitQuotedLine(const QString &line, QChar separator, QString *error);

}  // namespace velmo
