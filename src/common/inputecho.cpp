// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/inputecho.h"

#include <QList>

#include <algorithm>

namespace velmo {

namespace {

// The visible form of one character, or an empty text when it shows as itself.
QString escaped(char32_t c)
{
    switch (c) {
    case 0: return QStringLiteral("\\0");
    case '\t': return QStringLiteral("\\t");
    case '\n': return QStringLiteral("\\n");
    case '\r': return QStringLiteral("\\r");
    default: break;
    }
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return QStringLiteral("\\x%1").arg(static_cast<uint>(c), 2, 16, QLatin1Char('0'));
    // Line separators and the marks that reorder or hide text would change what the line
    // appears to say.
    const bool invisible = c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E)
                           || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
    if (invisible)
        return QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
    return {};
}

}  // namespace

QString echoInput(const QString &text, int maxLength)
{
    QString out;
    out.reserve(std::min<qsizetype>(text.size(), maxLength) + 3);
    out += u'"';
    int length = 0;
    for (qsizetype i = 0; i < text.size();) {
        const char32_t c = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                               ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                               : text.at(i).unicode();
        const qsizetype units = c > 0xFFFF ? 2 : 1;
        const QString visible = escaped(c);
        const int width = visible.isEmpty() ? 1 : static_cast<int>(visible.size());
        if (length + width > maxLength) {
            out += u'…';
            break;
        }
        out += visible.isEmpty() ? text.mid(i, units) : visible;
        length += width;
        i += units;
    }
    out += u'"';
    return out;
}

bool hasHiddenCharacters(QStringView text)
{
    if (!text.isValidUtf16())
        return true;
    const QList<uint> characters = text.toUcs4();
    return std::any_of(characters.cbegin(), characters.cend(), [](uint c) {
        switch (QChar::category(static_cast<char32_t>(c))) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph: return true;
        default: return false;
        }
    });
}

}  // namespace velmo
