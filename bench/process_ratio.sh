#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# velmo-pasto on a twelve-food file against the least a QtCore + QtSql program does to read one
# food table (bare_sql_process); see support/pair_ratio.sh for how the two are timed.
#   bench/process_ratio.sh [BIN_DIR] [RUNS] [MEAL_FILE]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bin=${1:-$here/../build/bin}
exec "$here/support/pair_ratio.sh" "${2:-101}" "$bin/velmo-pasto" "${3:-$here/../examples/giornata.txt}" -- "$bin/bare_sql_process"
