#!/usr/bin/env bash
# velmo-pasto on a twelve-food file against the least a QtCore + QtSql program does to read one
# food table (bare_sql_process), both as whole processes, run in turn so that a drift of the
# machine's speed touches both alike. Prints the median time of each and the median of the
# pair-by-pair ratios.
#   bench/process_ratio.sh [BIN_DIR] [RUNS] [MEAL_FILE]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bin=${1:-$here/../build/bin}
runs=${2:-101}
meal=${3:-$here/../examples/giornata.txt}

pasto=("$bin/velmo-pasto" "$meal")
bare=("$bin/bare_sql_process")
for program in "${pasto[0]}" "${bare[0]}"; do
  [[ -x $program ]] || { echo "manca $program: compilare prima (cmake --build)" >&2; exit 2; }
done
"${pasto[@]}" >/dev/null || { echo "velmo-pasto non calcola $meal" >&2; exit 2; }

# Microseconds of one run of the command, its output thrown away.
elapsed() {
  local start=${EPOCHREALTIME/[.,]/}
  "$@" >/dev/null
  local end=${EPOCHREALTIME/[.,]/}
  echo $((end - start))
}

# Warm the page cache and the dynamic loader's files first.
for _ in 1 2 3; do "${pasto[@]}" >/dev/null; "${bare[@]}" >/dev/null; done

a=() b=() ratios=()
for ((i = 0; i < runs; i++)); do
  ta=$(elapsed "${pasto[@]}")
  tb=$(elapsed "${bare[@]}")
  a+=("$ta") b+=("$tb")
  ratios+=("$(awk -v x="$ta" -v y="$tb" 'BEGIN { printf "%.4f", x / y }')")
done

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ms() { awk -v us="$1" 'BEGIN { printf "%.2f ms", us / 1000 }'; }

echo "velmo-pasto ($(basename "$meal")): $(ms "$(median "${a[@]}")") (mediana di $runs)"
echo "bare_sql_process:              $(ms "$(median "${b[@]}")")"
echo "rapporto (mediana delle coppie): $(median "${ratios[@]}")"
