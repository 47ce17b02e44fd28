#include "common/csv.h"

#include <gtest/gtest.h>

using namespace velmo;

namespace {

TEST(Csv, ReadsQuotedFieldsAndLineNumbers)
{
    const auto r = parseCsv(QStringLiteral("a,b,c\r\nFrutta,09003,\"Mela, con buccia, cruda\"\n\nx,\"say \"\"hi\"\"\",\n"));
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

TEST(Csv, WritesRfc4180Records)
{
    EXPECT_EQ(csvRecord({"a", "b,c", "d\"e"}), QStringLiteral("a,\"b,c\",\"d\"\"e\"\r\n"));
    const auto back = parseCsv(csvRecord({"x, y", "\"q\"", ""}));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.records[0].fields, (QStringList{"x, y", "\"q\"", ""}));
}

}  // namespace
