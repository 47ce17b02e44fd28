#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# velmo speaks the language --lingua asks for, whatever the environment says, and the one of the
# environment without it; a language it does not speak ends it at once with a message and code 2.
# Usage: language_option_test.sh VELMO
set -uo pipefail
velmo=$1
failed=0
# expect CODE PATTERN VARIABLE=VALUE... -- ARGUMENTS...: the code, and a line of the output that
# matches PATTERN (grep -E).
expect() {
    local code=$1 pattern=$2 variables=()
    shift 2
    while [[ $1 != -- ]]; do variables+=("$1"); shift; done
    shift
    local output status
    # shellcheck disable=SC2086  # $velmo may be "timeout SECONDS PROGRAM"
    output=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "${variables[@]}" QT_QPA_PLATFORM=offscreen $velmo "$@" 2>&1)
    status=$?
    if [[ $status -ne $code ]] || ! grep -qE "$pattern" <<<"$output"; then
        echo "FAIL: ${variables[*]} velmo $* ended with $status (not $code) or without /$pattern/:"
        echo "$output"
        failed=1
    fi
}
expect 0 '^Usage: velmo ' LANGUAGE=it LANG=it_IT.UTF-8 -- --help --lingua en
expect 0 '^Uso: velmo ' LANGUAGE=en LANG=en_GB.UTF-8 -- --lingua=it --help
expect 0 '^Usage: velmo ' LANG=en_US.UTF-8 -- --help
expect 0 '^Uso: velmo ' LANG=de_DE.UTF-8 -- --help
expect 2 '^velmo: lingua sconosciuta "fr"' -- --lingua fr
expect 2 '^velmo: unknown language "fr"' LANG=en_US.UTF-8 -- --lingua fr
# A check of an installation that finds no food database ends with 1 and the reason, with no
# message box left open for no one.
lone=$(mktemp -d)
trap 'rm -rf "$lone"' EXIT
cp "$velmo" "$lone/velmo"
velmo="timeout 60 $lone/velmo"
expect 1 "^velmo: Impossibile aprire l'archivio degli alimenti" LANG=it_IT.UTF-8 VELMO_ESCI_DOPO_AVVIO=1 --
[[ $failed -eq 0 ]] && echo "7 passed"
exit $failed
