// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/csv.h"

#include <QCoreApplication>

namespace velmo {

CsvParseResult parseCsv(const QString &text)
{
    CsvParseResult result;
    CsvReader reader([&result](const CsvRecord &record) {
        result.records.push_back(record);
        return true;
    });
    if (!reader.feed(text) || !reader.finish()) {
        result.records.clear();
        result.error = reader.error();
    }
    return result;
}

CsvReader::CsvReader(std::function<bool(const CsvRecord &)> take, qsizetype maxRecordChars)
    : take_(std::move(take)), maxRecordChars_(maxRecordChars)
{
    record_.line = 1;
}

bool CsvReader::fail(const QString &why, int line)
{
    error_ = QCoreApplication::translate("Csv", "riga %1: %2").arg(line).arg(why);
    return false;
}

bool CsvReader::endRecord()
{
    if (lineHasContent_) {
        record_.fields.append(field_);
        stopped_ = !take_(record_);
    }
    record_.fields.clear();
    field_.clear();
    lineHasContent_ = false;
    recordChars_ = 0;
    return !stopped_;
}

bool CsvReader::feed(QStringView text)
{
    if (stopped_ || !error_.isEmpty())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (maxRecordChars_ > 0 && ++recordChars_ > maxRecordChars_)
            return fail(
                QCoreApplication::translate("Csv", "la riga supera %1 caratteri (mancano le virgolette di chiusura?)")
                    .arg(maxRecordChars_),
                record_.line);
        switch (state_) {
        case State::Quoted:
            if (c == u'"') {
                state_ = State::QuoteInQuoted;
            } else {
                if (c == u'\n')
                    ++line_;
                field_.append(c);
            }
            continue;
        case State::QuoteInQuoted:
            if (c == u'"') {
                field_.append(c);
                state_ = State::Quoted;
                continue;
            }
            state_ = State::AfterQuoted;
            break;
        case State::AfterCarriageReturn:
            state_ = State::FieldStart;
            if (c == u'\n') {
                recordChars_ = 0;
                continue;
            }
            break;
        default: break;
        }
        // Outside quotes.
        if (c == u'"') {
            if (state_ != State::FieldStart)
                return fail(QCoreApplication::translate("Csv", "virgolette fuori posto"), line_);
            state_ = State::Quoted;
            lineHasContent_ = true;
        } else if (c == u',') {
            record_.fields.append(field_);
            field_.clear();
            state_ = State::FieldStart;
            lineHasContent_ = true;
        } else if (c == u'\r' || c == u'\n') {
            if (!endRecord())
                return false;
            record_.line = ++line_;
            state_ = c == u'\r' ? State::AfterCarriageReturn : State::FieldStart;
        } else {
            if (state_ == State::AfterQuoted)
                return fail(QCoreApplication::translate("Csv", "testo dopo un campo tra virgolette"), line_);
            field_.append(c);
            state_ = State::Plain;
            lineHasContent_ = true;
        }
    }
    return true;
}

bool CsvReader::finish()
{
    if (stopped_ || !error_.isEmpty())
        return false;
    if (state_ == State::Quoted)
        return fail(QCoreApplication::translate("Csv", "virgolette non chiuse"), record_.line);
    return endRecord();
}

QString csvRecord(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &f : fields) {
        if (f.contains(u',') || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r'))
            quoted.append(csvQuoted(f));
        else
            quoted.append(f);
    }
    return quoted.join(u',') + QStringLiteral("\r\n");
}

QString csvQuoted(const QString &field)
{
    return u'"' + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

std::optional<QStringList> splitQuotedLine(const QString &line, QChar separator, QString *error)
{
    QStringList fields;
    qsizetype i = 0;
    while (true) {
        while (i < line.size() && line.at(i).isSpace())
            ++i;
        if (i < line.size() && line.at(i) == u'"') {
            QString field;
            for (++i;; ++i) {
                if (i == line.size()) {
                    *error = QCoreApplication::translate(
                        "Csv", "virgolette non chiuse: una voce tra virgolette deve finire con \" "
                               "(le virgolette al suo interno vanno raddoppiate)");
                    return std::nullopt;
                }
                if (line.at(i) == u'"') {
                    if (i + 1 == line.size() || line.at(i + 1) != u'"')
                        break;
                    ++i;
                }
                field.append(line.at(i));
            }
            for (++i; i < line.size() && line.at(i).isSpace();)
                ++i;
            if (i < line.size() && line.at(i) != separator) {
                *error = QCoreApplication::translate(
                             "Csv", "testo dopo le virgolette di chiusura: una voce tra virgolette deve essere "
                                    "seguita da \"%1\" (le virgolette al suo interno vanno raddoppiate)")
                             .arg(separator);
                return std::nullopt;
            }
            fields.append(field);
        } else {
            const qsizetype end = line.indexOf(separator, i);
            fields.append(line.mid(i, end < 0 ? -1 : end - i).trimmed());
            i = end < 0 ? line.size() : end;
        }
        if (i == line.size())
            return fields;
        ++i;  // the separator
    }
}

namespace {

bool startsFormula(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@';
}

// An apostrophe before a character a spreadsheet would start a formula with, or before
// another apostrophe: the mark spreadsheetSafeText() adds.
bool startsWithMark(const QString &text)
{
    return text.size() > 1 && text[0] == u'\'' && (startsFormula(text[1]) || text[1] == u'\'');
}

}  // namespace

QString spreadsheetSafeText(const QString &text)
{
    return (!text.isEmpty() && startsFormula(text[0])) || startsWithMark(text) ? u'\'' + text : text;
}

QString csvTextField(const QString &field)
{
    return startsWithMark(field) ? field.mid(1) : field;
}

}  // namespace velmo
