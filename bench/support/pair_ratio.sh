#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Two programs as whole processes, run in turn so that a drift of the machine's speed touches
# both alike: prints the median time of each and the median of the pair-by-pair ratios (the first
# over the second). Each program is run once first, to check that it ends well and to warm the
# page cache and the dynamic loader's files.
#   bench/support/pair_ratio.sh RUNS PROGRAM [ARG...] -- YARDSTICK [ARG...]
set -euo pipefail

runs=$1
shift
first=() second=()
while (($#)) && [[ $1 != -- ]]; do first+=("$1"); shift; done
(($#)) && shift
second=("$@")
((${#first[@]} && ${#second[@]})) || { echo "uso: $0 ESECUZIONI PROGRAMMA [ARG...] -- RIFERIMENTO [ARG...]" >&2; exit 2; }

# The program's name, and the names of its arguments' files, to tell the two apart in the output.
label() {
  local text
  text=$(basename "$1")
  shift
  (($#)) && text+=" ($(for arg in "$@"; do basename -- "$arg"; done | paste -sd ' '))"
  echo "$text"
}
label_a=$(label "${first[@]}")
label_b=$(label "${second[@]}")

for command in first second; do
  declare -n cmd=$command
  [[ -x ${cmd[0]} ]] || { echo "manca ${cmd[0]}: compilare prima (cmake --build)" >&2; exit 2; }
  if ! errors=$("${cmd[@]}" 2>&1 >/dev/null); then
    echo "$(label "${cmd[@]}") non termina bene:" >&2
    echo "$errors" >&2
    exit 2
  fi
  unset -n cmd
done

elapsed() {  # microseconds of one run of the command, its output thrown away
  local start=${EPOCHREALTIME/[.,]/}
  "$@" >/dev/null 2>&1
  local end=${EPOCHREALTIME/[.,]/}
  echo $((end - start))
}

for _ in 1 2; do elapsed "${first[@]}" >/dev/null; elapsed "${second[@]}" >/dev/null; done

a=() b=() ratios=()
for ((i = 0; i < runs; i++)); do
  ta=$(elapsed "${first[@]}")
  tb=$(elapsed "${second[@]}")
  a+=("$ta") b+=("$tb")
  ratios+=("$(awk -v x="$ta" -v y="$tb" 'BEGIN { printf "%.4f", x / y }')")
done

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ms() { awk -v us="$1" 'BEGIN { printf "%.2f ms", us / 1000 }'; }

width=$(( ${#label_a} > ${#label_b} ? ${#label_a} : ${#label_b} ))
printf "%-${width}s  %s (mediana di %d)\n" "$label_a:" "$(ms "$(median "${a[@]}")")" "$runs"
printf "%-${width}s  %s\n" "$label_b:" "$(ms "$(median "${b[@]}")")"
echo "rapporto (mediana delle coppie): $(median "${ratios[@]}")"
