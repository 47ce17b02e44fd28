// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <gtest/gtest.h>

// Table-driven tests: every case of a table carries the line it is written on (`__LINE__` as its
// first member, `line`), and this names that line in every failure inside the case's scope.
//   for (const auto &c : kCases) { VELMO_CASE(c); EXPECT_EQ(f(c.input), c.expected); }
#define VELMO_CASE(c) SCOPED_TRACE(::testing::Message() << "case at " << __FILE__ << ":" << (c).line)
