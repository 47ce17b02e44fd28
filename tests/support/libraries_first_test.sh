#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Each program's dynamic section begins with the libraries its build names first, in that order
# (their -l names: "Qt6Core" for libQt6Core.so.N, ":libc.so.6" for that very file), so that the
# dynamic loader tries them first; a sanitizer's runtime, which must come before everything, is
# left out of the count. Usage: libraries_first_test.sh PROGRAM 'NAME;NAME...' ...
set -uo pipefail
failed=0
while (($# >= 2)); do
    program=$1
    IFS=';' read -r -a names <<<"$2"
    shift 2
    ((${#names[@]})) || { echo "FAIL: $(basename "$program") names no library first"; failed=1; }
    mapfile -t needed < <(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p' | grep -v '^lib[a-z]*san\.so')
    for i in "${!names[@]}"; do
        name=${names[$i]}
        if [[ $name == :* ]]; then want=${name#:}; else want="lib$name.so.*"; fi
        # shellcheck disable=SC2053  # the wanted name is a pattern
        if [[ ${needed[$i]:-} != $want ]]; then
            echo "FAIL: $(basename "$program"): library $((i + 1)) is ${needed[$i]:-none}, not $want (${needed[*]})"
            failed=1
            break
        fi
    done
done
(($# == 0)) || { echo "FAIL: a program without its list of libraries: $*"; failed=1; }
exit $failed
