#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# The printed plan as whole processes: `velmo-pasto --pdf` of a day file of five meals of twelve
# foods, and of a person's stored week (the same day on seven dates, imported first into a data
# folder of its own). Each is run once to check that it ends well and to warm the caches, then
# RUNS times in turn; prints the median of each.
#   bench/report/pdf_time.sh [BIN_DIR] [RUNS]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bin=${1:-$here/../../build/bin}
runs=${2:-15}
pasto=$bin/velmo-pasto
[[ -x $pasto ]] || { echo "manca $pasto: compilare prima (cmake --build)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/dati XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

foods=("Cereali e derivati;Pane tipo italiano;80" "Formaggi e latticini;Mozzarella di latte intero;125"
       "Verdure ed ortaggi;Lattuga romana, cruda;100" "Oli e grassi;Olio d'oliva;10"
       "Frutta;Mela, con buccia, cruda;200" "Latte e yogurt;Yogurt bianco, da latte scremato;125"
       "Frutta;Banana, cruda;150" "Frutta;Albicocche, crude;100" "Formaggi e latticini;Parmigiano, grattugiato;10"
       "Cereali e derivati;Pane integrale, confezionato;50" "Verdure ed ortaggi;Asparagi, bolliti;150"
       "Frutta;Pera, cruda;150")
meals=(Colazione Spuntino Pranzo Merenda Cena)

# The day file, and the same day as the "pasti" of a person's JSON.
day_json=""
for meal in "${meals[@]}"; do
  echo "[$meal]"
  rows=""
  for food in "${foods[@]}"; do
    echo "$food"
    IFS=';' read -r category name grams <<<"$food"
    rows+="${rows:+,}{\"categoria\":\"$category\",\"alimento\":\"$name\",\"grammi\":\"$grams\"}"
  done
  day_json+="${day_json:+,}{\"nome\":\"$meal\",\"righe\":[$rows]}"
done >"$work/giorno.txt"
days=""
for d in 02 03 04 05 06 07 08; do days+="${days:+,}{\"data\":\"2026-03-$d\",\"pasti\":[$day_json]}"; done
cat >"$work/persona.json" <<EOF
{"formato":"velmo-persona","versione":1,"nome":"Prova Settimana","sesso":"F","data_di_nascita":"1980-05-01",
 "altezza_cm":165,"attivita":"moderata","attivita_auspicabili":"si",
 "pesi":[{"data":"2026-01-01","kg":62}],"giorni":[$days]}
EOF
"$pasto" --importa-persona "$work/persona.json" >/dev/null 2>&1

day=("$pasto" --pdf "$work/giorno.pdf" "$work/giorno.txt")
week=("$pasto" --persona "Prova Settimana" --data 2026-03-02 --settimana --pdf "$work/settimana.pdf")

elapsed() {  # microseconds of one run of the command, its output thrown away
  local start=${EPOCHREALTIME/[.,]/}
  "$@" >/dev/null 2>&1 || { echo "non termina bene: $*" >&2; exit 2; }
  local end=${EPOCHREALTIME/[.,]/}
  echo $((end - start))
}
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

elapsed "${day[@]}" >/dev/null
elapsed "${week[@]}" >/dev/null
a=() b=()
for ((i = 0; i < runs; i++)); do
  a+=("$(elapsed "${day[@]}")")
  b+=("$(elapsed "${week[@]}")")
done
awk -v us="$(median "${a[@]}")" -v n="$runs" 'BEGIN { printf "PDF di un giorno:      %.1f ms (mediana di %d)\n", us / 1000, n }'
awk -v us="$(median "${b[@]}")" 'BEGIN { printf "PDF di una settimana:  %.1f ms\n", us / 1000 }'
