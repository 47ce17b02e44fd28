#include "common/decimalround.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

using namespace velmo;

namespace {

TEST(RoundHalfEven, WholeNumbers)
{
    // clang-format off
    const struct { int line; double value; std::int64_t expected; } cases[] = {
        {__LINE__, 0.5, 0},   {__LINE__, 1.5, 2},     {__LINE__, 2.5, 2},   {__LINE__, 3.5, 4},
        {__LINE__, -2.5, -2}, {__LINE__, -3.5, -4},   {__LINE__, 2.4999, 2}, {__LINE__, 2.5001, 3},
        {__LINE__, 64.5, 64}, {__LINE__, 65.5, 66},   {__LINE__, 0.0, 0},   {__LINE__, 1e15, 1000000000000000},
        {__LINE__, 99.5, 100}, {__LINE__, 9.5, 10},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        EXPECT_EQ(roundHalfEvenToInteger(c.value), c.expected);
    }
    EXPECT_FALSE(roundHalfEvenToInteger(1e19).has_value());
    EXPECT_FALSE(roundHalfEvenToInteger(std::numeric_limits<double>::infinity()).has_value());
}

TEST(RoundHalfEven, DigitsOfLargeAndSmallValues)
{
    // clang-format off
    const struct { int line; double value; int decimals; bool negative; const char *integer, *fraction; } cases[] = {
        {__LINE__, 1e20, 2, false, "100000000000000000000", "00"},
        {__LINE__, 0.000123, 4, false, "0", "0001"},
        {__LINE__, -9.9999, 2, true, "10", "00"},  // the carry reaches the integer
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const RoundedDecimal r = roundHalfEven(c.value, c.decimals);
        EXPECT_EQ(r.negative, c.negative);
        EXPECT_EQ(r.integerDigits, c.integer);
        EXPECT_EQ(r.fractionDigits, c.fraction);
    }
}

}  // namespace
