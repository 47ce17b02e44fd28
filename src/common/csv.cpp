#include "common/csv.h"

namespace velmo {

CsvParseResult parseCsv(const QString &text)
{
    CsvParseResult result;
    int line = 1;
    int recordLine = 1;
    QStringList fields;
    QString field;
    bool inQuotes = false;
    bool fieldWasQuoted = false;
    bool lineHasContent = false;

    auto endRecord = [&] {
        if (lineHasContent) {
            fields.append(field);
            result.records.push_back({recordLine, fields});
        }
        fields.clear();
        field.clear();
        fieldWasQuoted = false;
        lineHasContent = false;
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < text.size() && text.at(i + 1) == u'"') {
                    field.append(u'"');
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field.append(c);
            }
            continue;
        }
        if (c == u'"') {
            if (!field.isEmpty() || fieldWasQuoted) {
                result.error = QStringLiteral("riga %1: virgolette fuori posto").arg(line);
                return result;
            }
            inQuotes = true;
            fieldWasQuoted = true;
            lineHasContent = true;
        } else if (c == u',') {
            fields.append(field);
            field.clear();
            fieldWasQuoted = false;
            lineHasContent = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            endRecord();
            ++line;
            recordLine = line;
        } else {
            if (fieldWasQuoted) {
                result.error = QStringLiteral("riga %1: testo dopo un campo tra virgolette").arg(line);
                return result;
            }
            field.append(c);
            lineHasContent = true;
        }
    }
    if (inQuotes) {
        result.error = QStringLiteral("riga %1: virgolette non chiuse").arg(recordLine);
        return result;
    }
    endRecord();
    return result;
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
                    *error = QStringLiteral("virgolette non chiuse: una voce tra virgolette deve finire con \" "
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
                *error = QStringLiteral("testo dopo le virgolette di chiusura: una voce tra virgolette deve essere "
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

}  // namespace velmo
