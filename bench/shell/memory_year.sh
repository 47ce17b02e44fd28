#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# The program's peak resident memory with a year of a person's days in use: a persons' store of
# one person with 365 days of five meals of twelve foods (drawn with a fixed seed) is made in a
# folder of its own, then the windows are started on it (offscreen unless QT_QPA_PLATFORM says
# otherwise) with a stored day open, "Settimana..." and the profile of the week's average shown.
# Prints the median over RUNS runs of the peak (VmHWM) in megabytes.
#   bench/shell/memory_year.sh [BIN_DIR] [RUNS]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bin=${1:-$here/../../build/bin}
runs=${2:-5}
probe=$bin/year_memory_probe
[[ -x $probe ]] || { echo "manca $probe: compilare prima (cmake --build)" >&2; exit 2; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_DATA_HOME=$work/dati XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache \
  XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_DATA_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# Qt's notices of the offscreen platform go to a file, shown only when the probe fails.
"$probe" --crea "$XDG_DATA_HOME/persone.db" 2>"$work/log" || { cat "$work/log" >&2; exit 2; }

peaks=()
for ((i = 0; i < runs; i++)); do
  peak=$("$probe" "$XDG_DATA_HOME/persone.db" 2>"$work/log") || { cat "$work/log" >&2; exit 2; }
  peaks+=("$peak")
done
printf '%s\n' "${peaks[@]}" | sort -g | awk -v n="$runs" '{ v[NR] = $1 } END {
  m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
  printf "Memoria massima residente con un anno di giorni: %.1f MB (mediana di %d)\n", m / 1024, n }'
