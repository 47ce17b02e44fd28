#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Runs every benchmark program of a build once, briefly, so that a benchmark that crashes or
# aborts is caught; the figures of so short a run mean nothing.
#
# Usage: scripts/bench-smoke.sh [BUILD_DIR]   (default: build)
set -uo pipefail
cd "$(dirname "$0")/.."
bin="${1:-build}/bin"
export QT_QPA_PLATFORM=offscreen

shopt -s nullglob
benches=("$bin"/*_bench)
if ((${#benches[@]} == 0)); then
  echo "Nessun benchmark in $bin: compilare prima (scripts/setup.sh)" >&2
  exit 1
fi

failed=()
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for bench in "${benches[@]}"; do
  start=$(date +%s%N)
  if timeout 300 "$bench" --benchmark_min_time=0.01 >"$log" 2>&1; then
    echo "$(basename "$bench"): ok, $(( ($(date +%s%N) - start) / 1000000 )) ms"
  else
    echo "$(basename "$bench"): NON RIUSCITO (codice $?), ultime righe:"
    tail -n 20 "$log"
    failed+=("$(basename "$bench")")
  fi
done
# The whole-process comparisons, once each on a small home folder: that they still run.
home=$(mktemp -d)
trap 'rm -f "$log"; rm -rf "$home"' EXIT
for script in "bench/shell/make_user_folder.sh $home/piena $bin 2 3 5" "bench/shell/startup_folder_ratio.sh $bin 1 $home/piena"; do
  # shellcheck disable=SC2086 # the words of the command above
  if timeout 300 $script >"$log" 2>&1; then
    echo "${script%% *}: ok"
  else
    echo "${script%% *}: NON RIUSCITO, ultime righe:"
    tail -n 20 "$log"
    failed+=("${script%% *}")
  fi
done
if ((${#failed[@]})); then
  echo "Benchmark non riusciti: ${failed[*]}"
  exit 1
fi
