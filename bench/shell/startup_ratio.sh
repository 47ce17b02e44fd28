#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# The program's start-up to its main window shown (startup_probe) against a bare Qt window with a
# chart (bare_chart_window), on the same platform (offscreen unless QT_QPA_PLATFORM says
# otherwise); see ../support/pair_ratio.sh for how the two are timed.
#   bench/shell/startup_ratio.sh [BIN_DIR] [RUNS]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bin=${1:-$here/../../build/bin}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
exec "$here/../support/pair_ratio.sh" "${2:-51}" "$bin/startup_probe" -- "$bin/bare_chart_window"
