// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// Any bytes as a person's exported record (libFuzzer, through scripts/fuzz.sh). Besides a crash, a
// leak or a sanitizer report, a fault is a record read as sound whose JSON, written again, reads
// back other.

#include "plan/personjson.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace velmo;
    const QDate today(2026, 12, 7);
    QString error;
    const auto record = readPersonJson(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), today,
                                       &error);
    if (!record)
        return 0;
    const auto again = readPersonJson(personJson(*record), today, &error);
    if (!again || !(*again == *record))
        std::abort();
    return 0;
}
