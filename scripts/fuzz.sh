#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Builds the libFuzzer targets of tests/fuzz (preset "fuzz": clang, AddressSanitizer,
# UndefinedBehaviorSanitizer, folder build-fuzz) and runs each for a bounded time, starting from
# its seed corpus in tests/fuzz/corpus/TARGET. Fails on a crash, a leak, a sanitizer report, an
# input slower than 10 s or a memory peak above 2 GB; the input that did it is kept in
# build-fuzz/artifacts/ (rerun it: build-fuzz/bin/fuzz_TARGET FILE) and belongs, once fixed, to
# the reader's tests as a row.
#
# Usage: scripts/fuzz.sh [SECONDS PER TARGET]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/install-packages.sh scripts/packages.txt scripts/packages-fuzz.txt
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The longest input of each format worth trying: a meal file has at most twelve foods of short
# lines, a CSV file a header and a few records; longer inputs only repeat them.
declare -A max_len=([mealfile]=4096 [foodscsv]=4096 [dayfile]=4096 [personjson]=8192)

failed=()
for target in mealfile foodscsv dayfile personjson; do
  # New inputs go to the build folder; the seed corpus in the repository stays as it is.
  work=build-fuzz/corpus/$target
  mkdir -p "$work" build-fuzz/artifacts
  echo "== fuzz_$target: $seconds s"
  if ! "build-fuzz/bin/fuzz_$target" "$work" "tests/fuzz/corpus/$target" -max_total_time="$seconds" \
      -max_len="${max_len[$target]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/artifacts/$target-" 2>"build-fuzz/fuzz_$target.log"; then
    tail -n 40 "build-fuzz/fuzz_$target.log"
    failed+=("fuzz_$target")
  else
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "build-fuzz/fuzz_$target.log" || true
  fi
done

if ((${#failed[@]})); then
  echo "Fuzzing non riuscito: ${failed[*]} (gli input in build-fuzz/artifacts/)" >&2
  exit 1
fi
echo "Fuzzing riuscito: nessun errore in $seconds s per lettore."
