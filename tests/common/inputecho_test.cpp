// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/inputecho.h"
#include "support/qtprinters.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

namespace velmo::test {
namespace {

// clang-format off
const struct { int line; QString input; int maxLength; QString shown; } kEchoCases[] = {
    {__LINE__, QStringLiteral("Banana, cruda"), kEchoLength, QStringLiteral("\"Banana, cruda\"")},
    {__LINE__, QString(), kEchoLength, QStringLiteral("\"\"")},
    {__LINE__, QStringLiteral("Würstel – 1½ ’"), kEchoLength, QStringLiteral("\"Würstel – 1½ ’\"")},
    {__LINE__, QStringLiteral("\x1b[31mrosso\x1b[0m"), kEchoLength, QStringLiteral("\"\\x1b[31mrosso\\x1b[0m\"")},
    {__LINE__, QString(QChar(0)) + u'a', kEchoLength, QStringLiteral("\"\\0a\"")},
    {__LINE__, QStringLiteral("a\tb\rc\nd\x7f\u0085"), kEchoLength, QStringLiteral("\"a\\tb\\rc\\nd\\x7f\\x85\"")},
    {__LINE__, QStringLiteral("abc\u202edef\u2028"), kEchoLength, QStringLiteral("\"abc\\u202edef\\u2028\"")},
    {__LINE__, QStringLiteral("abcdef"), 6, QStringLiteral("\"abcdef\"")},
    {__LINE__, QStringLiteral("abcdefg"), 6, QStringLiteral("\"abcdef…\"")},
    // An escape is never cut in half, nor a character outside the basic plane.
    {__LINE__, QStringLiteral("abcd\x1b"), 6, QStringLiteral("\"abcd…\"")},
    {__LINE__, QStringLiteral("abcde\U0001F34Ex"), 6, QStringLiteral("\"abcde\U0001F34E…\"")},
    {__LINE__, QString(10'000'000, u'x'), kEchoLength, u'"' + QString(kEchoLength, u'x') + QStringLiteral("…\"")},
};
// clang-format on

TEST(InputEcho, ControlsAreShownEscapedAndLongTextCut)
{
    for (const auto &c : kEchoCases) {
        VELMO_CASE(c);
        EXPECT_EQ(echoInput(c.input, c.maxLength), c.shown);
    }
}

}  // namespace
}  // namespace velmo::test
