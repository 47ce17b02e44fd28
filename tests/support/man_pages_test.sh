#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Each program's manual page describes, in its OPZIONI section, the options its --help names, and
# no other; and groff formats it without a warning, as the package check asks (under the same
# locale, since the line breaks depend on it). Usage: man_pages_test.sh MAN_DIR PROGRAM...
set -uo pipefail
man_dir=$1
shift
# The options a text names: "-h" and "--word", not the dashes inside names such as velmo-pasto.
options() { grep -oE '(^|[^[:alnum:]_-])--?[a-z][a-z-]*' | sed -E 's/^[^-]+//' | sort -u; }
failed=0
for program in "$@"; do
    name=$(basename "$program")
    if ! help=$(XDG_DATA_HOME=/tmp QT_QPA_PLATFORM=offscreen "$program" --help); then
        echo "FAIL: $name --help does not end with 0"
        failed=1
        continue
    fi
    in_help=$(options <<<"$help")
    in_man=$(sed -n '/^\.SH OPZIONI/,/^\.SH /p' "$man_dir/$name.1" | sed 's/\\-/-/g' | options)
    if [[ $'\n'$in_help$'\n' != *$'\n'--help$'\n'* || $in_help != "$in_man" ]]; then
        echo "FAIL: $name: options of --help (<) and of $name.1 (>) differ:"
        diff <(echo "$in_help") <(echo "$in_man")
        failed=1
    fi
    if command -v groff >/dev/null; then
        warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$man_dir/$name.1" 2>&1)
        [[ -z $warnings ]] || { echo "FAIL: $name.1: $warnings"; failed=1; }
    fi
done
[[ $failed -eq 0 ]] && echo "$# passed"
exit $failed
