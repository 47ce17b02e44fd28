#include "common/csv.h"
#include "support/qtprinters.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

using namespace velmo;

namespace {

TEST(Csv, ReadsQuotedFieldsAndLineNumbers)
{
    const auto r = parseCsv(
        QStringLiteral("a,b,c\r\nFrutta,09003,\"Mela, con buccia, cruda\"\n\nx,\"say \"\"hi\"\"\",\n"));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    ASSERT_EQ(r.records.size(), 3u);
    EXPECT_EQ(r.records[1].line, 2);
    EXPECT_EQ(r.records[1].fields, (QStringList{"Frutta", "09003", "Mela, con buccia, cruda"}));
    EXPECT_EQ(r.records[2].line, 4);
    EXPECT_EQ(r.records[2].fields, (QStringList{"x", "say \"hi\"", ""}));
}

TEST(Csv, ReportsMalformedText)
{
    EXPECT_FALSE(parseCsv(QStringLiteral("a,\"open\n")).ok());
    EXPECT_FALSE(parseCsv(QStringLiteral("a,b\"c\n")).ok());
    EXPECT_FALSE(parseCsv(QStringLiteral("a,\"b\"c\n")).ok());
    EXPECT_TRUE(parseCsv(QStringLiteral("a,\"b\"c\n")).error.contains(QStringLiteral("riga 1")));
}

TEST(Csv, WritesRfc4180RecordsThatReadBack)
{
    // clang-format off
    const struct { int line; QStringList fields; const char *record; } cases[] = {
        {__LINE__, {"a", "b,c", "d\"e"}, "a,\"b,c\",\"d\"\"e\"\r\n"},
        {__LINE__, {"x, y", "\"q\"", ""}, "\"x, y\",\"\"\"q\"\"\",\r\n"},
        {__LINE__, {"a\nb", "c\rd", "e"}, "\"a\nb\",\"c\rd\",e\r\n"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(csvRecord(c.fields), QString::fromUtf8(c.record));
        const auto back = parseCsv(csvRecord(c.fields));
        ASSERT_TRUE(back.ok());
        EXPECT_EQ(back.records[0].fields, c.fields);
    }
}

}  // namespace
