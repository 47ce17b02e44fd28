#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# The program's whole start-up, up to its main window shown and out (VELMO_ESCI_DOPO_AVVIO=1), with
# a home folder full of a dietitian's years (make_user_folder.sh: 100 persons with a year of days
# each, 10,000 personal foods, a current person) against the same with an empty home folder; see
# ../support/pair_ratio.sh for how the two are timed. The full folder is made in a temporary one
# unless given, and left as it was found.
#   bench/shell/startup_folder_ratio.sh [BIN_DIR] [RUNS] [FULL_HOME]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bin=${1:-$here/../../build/bin}
runs=${2:-31}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
full=${3:-}
if [[ -z $full ]]; then
  full=$work/piena
  "$here/make_user_folder.sh" "$full" "$bin"
fi
mkdir "$work/vuota"

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
velmo() { echo "$(command -v env)" -u XDG_DATA_HOME HOME="$1" XDG_CONFIG_HOME="$1/.config" VELMO_ESCI_DOPO_AVVIO=1 "$bin/velmo"; }
# shellcheck disable=SC2046 # the words of the command, as made above
"$here/../support/pair_ratio.sh" "$runs" $(velmo "$full") -- $(velmo "$work/vuota")
