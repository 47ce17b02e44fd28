// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// Any bytes as a day file (libFuzzer, through scripts/fuzz.sh). Besides a crash, a leak or a
// sanitizer report, a fault is a file read as sound that cannot be written again, or whose day,
// written again, reads back other.

#include "meal/dayfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace velmo;
    const DayFile file = readDayFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!file.ok())
        return 0;
    const std::optional<QByteArray> text = dayFileText(file.day);
    if (!text)
        std::abort();
    const DayFile again = readDayFile(*text);
    if (!again.ok() || !(again.day == file.day))
        std::abort();
    return 0;
}
