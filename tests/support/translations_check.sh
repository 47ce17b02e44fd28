#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# The translations are complete and up to date: lupdate run on the sources now would change
# neither file of i18n/, and no text in them is left unfinished.
# Usage: translations_check.sh LUPDATE SOURCE_DIR
set -uo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for ts in velmo_en velmo_it; do
    cp "$root/i18n/$ts.ts" "$work/$ts.ts"
    only=()
    [[ $ts == velmo_it ]] && only=(-pluralonly)
    if ! "$lupdate" -silent -locations none -no-ui-lines -no-obsolete "${only[@]}" -extensions cpp,h,ui \
        "$root/src" -ts "$work/$ts.ts"; then
        echo "FAIL: lupdate did not run"
        exit 1
    fi
    if ! diff -u "$root/i18n/$ts.ts" "$work/$ts.ts"; then
        echo "FAIL: i18n/$ts.ts differs from the sources (cmake --build build --target update_translations)"
        failed=1
    fi
    if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"' "$work/$ts.ts"; then
        echo "FAIL: i18n/$ts.ts has texts without a translation"
        failed=1
    fi
done
[[ $failed -eq 0 ]] && echo "i18n/ complete and up to date"
exit $failed
