#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Makes a home folder such as years of a dietitian's work leave: PERSONS persons with a year of
# planned days each (five meals of three foods), FOODS personal foods, and the first person
# remembered as the current one, so that the program reads it at start. Everything goes in
# through velmo-pasto, as a user's own imports would; the same arguments make the same folder.
#   bench/shell/make_user_folder.sh HOME_FOLDER [BIN_DIR] [PERSONS] [DAYS] [FOODS]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
home=${1:?uso: $0 CARTELLA [BIN_DIR] [PERSONE] [GIORNI] [ALIMENTI]}
bin=${2:-$here/../../build/bin}
persons=${3:-100}
days=${4:-365}
foods=${5:-10000}
[[ -x $bin/velmo-pasto ]] || { echo "manca $bin/velmo-pasto: compilare prima (cmake --build)" >&2; exit 2; }
[[ -e $home/.config/velmo/velmo.conf ]] && { echo "$home contiene già una cartella di Velmo" >&2; exit 2; }

mkdir -p "$home/.config/velmo"
chmod 700 "$home/.config/velmo"
home=$(cd "$home" && pwd)
export HOME=$home XDG_CONFIG_HOME=$home/.config
unset XDG_DATA_HOME
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$foods" 'BEGIN {
  srand(28)
  print "alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo"
  for (i = 1; i <= n; i++) {
    p = int(rand() * 300) / 10; l = int(rand() * 300) / 10; c = int(rand() * 400) / 10
    printf "Alimento personale %05d,100,%.1f,%.1f,%.1f,%d,%.1f,%d\n", i, p, l, c, 4 * p + 9 * l + 3.75 * c, rand() * 10, rand() * 100
  }
}' >"$work/foods.csv"
# velmo-pasto says what it imported on standard error: only a failure is worth showing.
quietly() { "$@" >"$work/said" 2>&1 || { cat "$work/said" >&2; exit 1; }; }
quietly "$bin/velmo-pasto" --importa-alimenti "$work/foods.csv" --forza

# The shipped foods the days are made of, as a meal file names them.
grep -v '^#' "$here/../../examples/giornata.txt" | grep . >"$work/menu.txt"
for ((p = 1; p <= persons; p++)); do
  awk -v p="$p" -v days="$days" -F ';' '
    { category[NR] = $1; food[NR] = $2 }
    END {
      srand(1000 + p)
      split("31 28 31 30 31 30 31 31 30 31 30 31", length_of)
      split("Colazione Spuntino Pranzo Merenda Cena", meal_name, " ")
      printf "{\"formato\":\"velmo-persona\",\"versione\":1,\"nome\":\"Persona %03d\",", p
      printf "\"sesso\":\"%s\",\"data_di_nascita\":\"19%02d-0%d-1%d\",\"altezza_cm\":%d,", (p % 2 ? "F" : "M"), 40 + p % 50, 1 + p % 9, p % 10, 150 + p % 40
      printf "\"attivita\":\"moderata\",\"pesi\":[{\"data\":\"2024-01-0%d\",\"kg\":%d}],\"giorni\":[", 1 + p % 9, 50 + p % 40
      month = 1; day = 1; year = 2024
      for (d = 0; d < days; d++) {
        printf "%s{\"data\":\"%d-%02d-%02d\",\"pasti\":[", (d ? "," : ""), year, month, day
        for (m = 1; m <= 5; m++) {
          printf "%s{\"nome\":\"%s\",\"righe\":[", (m > 1 ? "," : ""), meal_name[m]
          for (r = 0; r < 3; r++) {
            k = 1 + int(rand() * NR)
            printf "%s{\"categoria\":\"%s\",\"alimento\":\"%s\",\"grammi\":\"%d\"}", (r ? "," : ""), category[k], food[k], 10 + int(rand() * 190)
          }
          printf "]}"
        }
        printf "]}"
        if (++day > length_of[month] + (month == 2 && year % 4 == 0)) { day = 1; if (++month > 12) { month = 1; ++year } }
      }
      print "]}"
    }' "$work/menu.txt" >"$work/person.json"
  quietly "$bin/velmo-pasto" --importa-persona "$work/person.json"
done

# The settings file is private to the user, as the program makes it.
printf '[persone]\npersona_corrente=Persona 001\n' >"$home/.config/velmo/velmo.conf"
chmod 600 "$home/.config/velmo/velmo.conf"
