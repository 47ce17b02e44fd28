#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Checks that every tracked .cpp and .h file is as clang-format (Debian's `clang-format`, from
# scripts/packages.txt) writes it with the project's .clang-format. Prints each file that differs
# and how many of its lines would change; exits 1 if there is any, 2 if clang-format is missing.
#
# Usage: scripts/check-format.sh [FILE...]   (default: every tracked .cpp and .h)
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null; then
  echo "clang-format non trovato: installare il pacchetto clang-format (scripts/packages.txt)" >&2
  exit 2
fi

if (($#)); then
  files=("$@")
else
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi

bad=0
for file in "${files[@]}"; do
  changed=$(clang-format --style=file "$file" | diff "$file" - | grep -c '^<' || true)
  if ((changed > 0)); then
    echo "$file: $changed righe da riformattare"
    bad=$((bad + 1))
  fi
done

if ((bad > 0)); then
  echo "$bad file non seguono .clang-format (correggere con: clang-format -i FILE)" >&2
  exit 1
fi
echo "Formattazione: ${#files[@]} file conformi a .clang-format"
