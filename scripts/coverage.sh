#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Builds Velmo with gcc's coverage counters (preset "coverage", folder build-coverage), runs every
# test and prints the line and branch coverage of src/, library by library, then in total.
#
# Usage: scripts/coverage.sh [CTEST OPTIONS...]
# Also writes build-coverage/coverage.json (gcovr's per-file summary) and build-coverage/coverage.txt
# (the per-file text report). Exit code: that of the tests (the figures are printed all the same).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh scripts/packages.txt scripts/packages-quality.txt

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset coverage "${launcher[@]}" >/dev/null
cmake --build --preset coverage -j "$(nproc)"

# The build itself runs the test programs to list their tests: only the test run may count.
find build-coverage -name '*.gcda' -delete

tests_rc=0
ctest --preset coverage -j "$(nproc)" "$@" || tests_rc=$?

# Exception edges and compiler-made dead branches are noise in branch coverage.
gcovr_options=(--root . --object-directory build-coverage --filter 'src/' -j "$(nproc)"
               --exclude-throw-branches --exclude-unreachable-branches
               --exclude-directories 'build-coverage/CMakeFiles/')
gcovr "${gcovr_options[@]}" --json-summary build-coverage/coverage.json --txt build-coverage/coverage.txt

python3 - build-coverage/coverage.json <<'PY'
import json, sys
libraries = ["common", "catalogue", "meal", "energy", "printing", "shell", "ui"]
files = json.load(open(sys.argv[1]))["files"]
sums = {lib: [0, 0, 0, 0] for lib in libraries + ["total"]}
for f in files:
    parts = f["filename"].split("/")
    lib = parts[1] if len(parts) > 2 and parts[0] == "src" else None
    for key in ([lib] if lib in sums else []) + ["total"]:
        s = sums[key]
        s[0] += f["line_covered"]; s[1] += f["line_total"]
        s[2] += f["branch_covered"]; s[3] += f["branch_total"]
def pct(a, b):
    return f"{100.0 * a / b:5.1f}%" if b else "    -"
print(f"{'library':<14} {'lines':>7} {'covered/total':>15} {'branches':>9} {'covered/total':>15}")
for key in libraries + ["total"]:
    lc, lt, bc, bt = sums[key]
    name = f"src/{key}" if key != "total" else "total"
    print(f"{name:<14} {pct(lc, lt):>7} {f'{lc}/{lt}':>15} {pct(bc, bt):>9} {f'{bc}/{bt}':>15}")
PY
exit "$tests_rc"
