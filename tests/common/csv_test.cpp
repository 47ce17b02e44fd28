// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/csv.h"
#include "support/qtprinters.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

using namespace velmo;
using namespace Qt::StringLiterals;

namespace {

// A file read a piece at a time: here one character at a time, the smallest pieces there are.
CsvParseResult parseInPieces(const QString &text)
{
    CsvParseResult result;
    CsvReader reader([&result](const CsvRecord &record) {
        result.records.push_back(record);
        return true;
    });
    bool read = true;
    for (qsizetype i = 0; read && i < text.size(); ++i)
        read = reader.feed(QStringView(text).sliced(i, 1));
    if (!read || !reader.finish())
        result.error = reader.error();
    return result;
}

TEST(Csv, ReadsQuotedFieldsAndLineNumbers)
{
    for (const auto parse : {&parseCsv, &parseInPieces}) {
        const auto r = parse(
            QStringLiteral("a,b,c\r\nFrutta,09003,\"Mela, con buccia,\r\ncruda\"\n\n\rx,\"say \"\"hi\"\"\",\n"));
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        ASSERT_EQ(r.records.size(), 3u);
        EXPECT_EQ(r.records[1].line, 2);
        EXPECT_EQ(r.records[1].fields, (QStringList{u"Frutta"_s, u"09003"_s, u"Mela, con buccia,\r\ncruda"_s}));
        EXPECT_EQ(r.records[2].line, 6);
        EXPECT_EQ(r.records[2].fields, (QStringList{u"x"_s, u"say \"hi\""_s, u""_s}));
    }
}

TEST(Csv, ReportsMalformedText)
{
    for (const auto parse : {&parseCsv, &parseInPieces}) {
        EXPECT_EQ(parse(QStringLiteral("a,\"open\n")).error, QStringLiteral("riga 1: virgolette non chiuse"));
        EXPECT_EQ(parse(QStringLiteral("a\nb\"c\n")).error, QStringLiteral("riga 2: virgolette fuori posto"));
        EXPECT_EQ(parse(QStringLiteral("a,\"b\"c\n")).error,
                  QStringLiteral("riga 1: testo dopo un campo tra virgolette"));
    }
    CsvReader reader([](const CsvRecord &) { return true; }, 5);
    EXPECT_FALSE(reader.feed(QStringLiteral("a,b\r\n\"abcdef")));
    EXPECT_TRUE(reader.error().startsWith(QStringLiteral("riga 2: la riga supera 5 caratteri")));
}

TEST(Csv, WritesRfc4180RecordsThatReadBack)
{
    // clang-format off
    const struct { int line; QStringList fields; const char *record; } cases[] = {
        {__LINE__, {u"a"_s, u"b,c"_s, u"d\"e"_s}, "a,\"b,c\",\"d\"\"e\"\r\n"},
        {__LINE__, {u"x, y"_s, u"\"q\""_s, u""_s}, "\"x, y\",\"\"\"q\"\"\",\r\n"},
        {__LINE__, {u"a\nb"_s, u"c\rd"_s, u"e"_s}, "\"a\nb\",\"c\rd\",e\r\n"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(csvRecord(c.fields), QString::fromUtf8(c.record));
        const auto back = parseInPieces(csvRecord(c.fields));
        ASSERT_TRUE(back.ok());
        EXPECT_EQ(back.records[0].fields, c.fields);
    }
}

}  // namespace
