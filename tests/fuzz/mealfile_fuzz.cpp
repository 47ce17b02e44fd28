// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// Any bytes as a meal file (libFuzzer, through scripts/fuzz.sh). Besides a crash, a leak or a
// sanitizer report, a fault is a file read as sound whose foods, written again, read back other.

#include "meal/mealfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace velmo;
    const MealFile file = readMealFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!file.ok())
        return 0;
    const MealFile again = readMealFile(mealFileText(file.entries));
    bool same = again.ok() && again.entries.size() == file.entries.size();
    for (std::size_t i = 0; same && i < file.entries.size(); ++i) {
        same = file.entries[i] == again.entries[i];  // category, food, grams and portion
    }
    if (!same)
        std::abort();
    return 0;
}
