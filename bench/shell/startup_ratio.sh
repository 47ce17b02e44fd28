#!/usr/bin/env bash
# The program's start-up to its main window shown (startup_probe) against a bare Qt window with a
# chart (bare_chart_window), both as whole processes on the same platform, run in turn so that a
# drift of the machine's speed touches both alike. Prints the median time of each and the median
# of the pair-by-pair ratios.
#   bench/shell/startup_ratio.sh [BIN_DIR] [RUNS]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bin=${1:-$here/../../build/bin}
runs=${2:-51}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

probe=$bin/startup_probe
bare=$bin/bare_chart_window
for program in "$probe" "$bare"; do
  [[ -x $program ]] || { echo "manca $program: compilare prima (cmake --build)" >&2; exit 2; }
done

elapsed() {  # microseconds of one run, its output thrown away
  local start=${EPOCHREALTIME/[.,]/}
  "$1" >/dev/null 2>&1
  local end=${EPOCHREALTIME/[.,]/}
  echo $((end - start))
}

for _ in 1 2 3; do "$probe" >/dev/null 2>&1; "$bare" >/dev/null 2>&1; done

a=() b=() ratios=()
for ((i = 0; i < runs; i++)); do
  ta=$(elapsed "$probe")
  tb=$(elapsed "$bare")
  a+=("$ta") b+=("$tb")
  ratios+=("$(awk -v x="$ta" -v y="$tb" 'BEGIN { printf "%.4f", x / y }')")
done

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ms() { awk -v us="$1" 'BEGIN { printf "%.2f ms", us / 1000 }'; }

echo "startup_probe:      $(ms "$(median "${a[@]}")") (mediana di $runs)"
echo "bare_chart_window:  $(ms "$(median "${b[@]}")")"
echo "rapporto (mediana delle coppie): $(median "${ratios[@]}")"
