#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Every source file (C++, Designer forms, resource lists, CMake files, scripts) says its licence and
# its copyright in its first lines. Usage: licence_check.sh SOURCE_DIR
set -uo pipefail
root=$1
missing=0
checked=0
while IFS= read -r -d '' file; do
    checked=$((checked + 1))
    head=$(head -n 4 "$file")
    if [[ $head != *"SPDX-License-Identifier: GPL-3.0-or-later"* || $head != *"SPDX-FileCopyrightText: "*"The Velmo authors"* ]]; then
        echo "FAIL: ${file#"$root"/}: no SPDX licence and copyright lines at the top"
        missing=1
    fi
done < <(find "$root" \( -name 'build*' -o -name '.git' \) -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' -o -name '*.ui' -o -name '*.qrc' -o -name CMakeLists.txt \
    -o -name '*.sh' -o -name '*.py' -o -path "$root/.ci/run" \) -print0)
[[ $missing -eq 0 ]] && echo "$checked source files carry their licence"
exit $missing
