// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <functional>
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

// The same rules for text that comes a piece at a time (a file larger than memory should
// hold): each record goes to `take` as soon as it ends, and only the record being read is kept.
class CsvReader {
public:
    // `take` returns false to stop the reading. A record longer than `maxRecordChars` (when
    // positive) is an error, so that one endless field cannot fill the memory.
    explicit CsvReader(std::function<bool(const CsvRecord &)> take, qsizetype maxRecordChars = 0);
    // The next piece of text; false once the text is wrong or `take` stopped the reading.
    bool feed(QStringView text);
    // The end of the text: ends the last record. False as feed().
    bool finish();
    QString error() const { return error_; }

private:
    bool endRecord();
    bool fail(const QString &why, int line);

    enum class State { FieldStart, Plain, Quoted, QuoteInQuoted, AfterQuoted, AfterCarriageReturn };
    std::function<bool(const CsvRecord &)> take_;
    qsizetype maxRecordChars_;
    qsizetype recordChars_ = 0;
    State state_ = State::FieldStart;
    CsvRecord record_;
    QString field_;
    int line_ = 1;
    bool lineHasContent_ = false;
    bool stopped_ = false;
    QString error_;
};

// One RFC 4180 record, fields quoted only where needed, ended by CRLF.
QString csvRecord(const QStringList &fields);

// `field` as RFC 4180 quotes it: between double quotes, each quote inside doubled.
QString csvQuoted(const QString &field);

// The fields of one line of text separated by `separator`, read as RFC 4180 reads a record but
// lenient with text typed by hand: blanks around a field are dropped; a field that starts with
// '"' runs to its closing quote, blanks inside kept and doubled quotes read as one; a quote
// inside an unquoted field is a plain character. Null, with the reason in `error`,
// for a quote never closed or text after a closing quote.
std::optional<QStringList> splitQuotedLine(const QString &line, QChar separator, QString *error);
// A text for a CSV field that a spreadsheet shows as text and never runs as a formula: one
// starting with '=', '+', '-' or '@' gets an apostrophe before it, as spreadsheets advise; so
// does one starting with an apostrophe followed by such a character or by another apostrophe,
// so that csvTextField() gives back every text exactly.
QString spreadsheetSafeText(const QString &text);
QString csvTextField(const QString &field);

}  // namespace velmo
