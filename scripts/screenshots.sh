#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Makes the screenshots of docs/screenshots from the program's own windows, on Qt's offscreen
# platform (no display needed): the main window with the meal of examples/pasto.txt, the energy
# window of a woman of 30 years and 60 kg with moderate activity, and the print window; then the
# main window again in English; then the day of examples/giorno.pasto with its panel, and a week
# made of that day.
#
# Usage: scripts/screenshots.sh [BUILD_DIR]   (default: build, configured with the tests)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}

cmake --build "$build_dir" --target velmo_screenshots
mkdir -p docs/screenshots
# The pictures do not follow the look of the machine: the same style, fonts and scale everywhere.
shoot() {
  QT_QPA_PLATFORM=offscreen QT_STYLE_OVERRIDE=Fusion QT_SCALE_FACTOR=1 \
    "$build_dir/bin/velmo_screenshots" docs/screenshots "$@"
}
shoot examples/pasto.txt
shoot examples/pasto.txt en
shoot examples/giorno.pasto giorno
ls -1 docs/screenshots/*.png
