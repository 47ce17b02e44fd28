#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Runs clang-tidy (.clang-tidy) on every C++ file of src/ and tools/, with the compile commands of
# the default build (made by scripts/setup.sh, which also writes the files that moc and uic make).
# Exit codes: 0 no finding; 1 a finding or a file clang-tidy could not read.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[[ -f $build/compile_commands.json ]] || { echo "clang-tidy: manca $build/compile_commands.json (eseguire scripts/setup.sh)" >&2; exit 1; }
tidy=$(command -v run-clang-tidy-14 || command -v run-clang-tidy)
"$tidy" -p "$build" -j "$(nproc)" -quiet "$PWD/(src|tools)/.*\.cpp$" >"$build/clang-tidy.log" 2>&1 || {
  grep -E "(warning|error):" "$build/clang-tidy.log" | sed 's/\x1b\[[0-9;]*m//g' >&2
  echo "clang-tidy: rilievi sopra (rapporto completo in $build/clang-tidy.log)" >&2
  exit 1
}
echo "clang-tidy: nessun rilievo in src/ e tools/"
