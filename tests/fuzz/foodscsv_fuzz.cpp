// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// Any bytes as a personal foods CSV file (libFuzzer, through scripts/fuzz.sh). Besides a crash, a
// leak or a sanitizer report, a fault is a file imported whole whose export imports back other.

#include "catalogue/personalfood.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace velmo;
    const CsvFoods read = foodsFromCsv(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (read.ok() && foodsFromCsv(foodsToCsv(read.foods).toUtf8()).foods != read.foods)
        std::abort();
    return 0;
}
