#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# The layering check fails on a made-up tree with one violation of each kind, naming each, and
# passes on the same tree once they are gone.
#   layering_check_test.sh CHECK_SCRIPT TARGETS_FILE (the real one, for its Qt modules)
set -uo pipefail
check=$1
real_targets=$2
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

mkdir -p "$tree"/src/{common,catalogue,meal,meal/cli,ui/meal}
echo 'int common();' >"$tree/src/common/common.h"
echo 'int meal();' >"$tree/src/meal/meal.h"
printf '#include "common/common.h"\n#include <QObject>\n' >"$tree/src/catalogue/catalogue.cpp"
printf '#include "meal/meal.h"\n#include <QWidget>\n' >"$tree/src/ui/meal/view.cpp"
write_targets() {  # catalogue's links, and the lines to add to its source; UI_LINKS: the view's links
  local links=$1 ui_links=${UI_LINKS:-velmo_meal;Qt6::Widgets}
  shift
  printf '%s\n' "$@" >>"$tree/src/catalogue/catalogue.cpp"
  {
    printf 'velmo_common\t%s\tcommon.h\tQt6::Core\n' "$tree/src/common"
    printf 'velmo_catalogue\t%s\tcatalogue.cpp\t%s\n' "$tree/src/catalogue" "$links"
    printf 'velmo_meal\t%s\tmeal.h\tvelmo_catalogue\n' "$tree/src/meal"
    printf 'velmo_meal_cli\t%s\t\tvelmo_meal\n' "$tree/src/meal/cli"
    printf 'velmo_ui_meal\t%s\tview.cpp\t%s\n' "$tree/src/ui/meal" "$ui_links"
    grep '^Qt6::' "$real_targets"
  } >"$tree/layers.tsv"
}

failures=0
expect() {  # expect WHAT in the output of a failing run
  grep -qF -- "$1" <<<"$out" || { echo "FAIL: not reported: $1"; echo "$out"; failures=$((failures + 1)); }
}

UI_LINKS='velmo_meal;velmo_meal_cli;Qt6::Widgets' write_targets 'velmo_common;velmo_meal;Qt6::Sql' '#include "meal/meal.h"' '#include <QWidget>' '#include <QPainter>' \
  '#include "printing/nothing.h"'
out=$(VELMO_KNOWN_VIOLATIONS="" bash "$check" "$tree/layers.tsv" "$tree" 2>&1)
rc=$?
[[ $rc -ne 0 ]] || { echo "FAIL: violations passed: $out"; failures=$((failures + 1)); }
expect 'velmo_catalogue: links velmo_meal: catalogue may not use meal'
expect 'velmo_catalogue: src/catalogue/catalogue.cpp includes <QWidget>: a model uses Widgets'
expect 'velmo_catalogue: src/catalogue/catalogue.cpp includes <QPainter> of Qt6::Gui without linking it'
expect 'velmo_catalogue: src/catalogue/catalogue.cpp includes "printing/nothing.h", which is no file under src/'
expect 'velmo_ui_meal: links velmo_meal_cli: ui/meal may not use meal/cli'
[[ $(grep -c '^FAIL' <<<"$out") -eq 5 ]] || { echo "FAIL: other reports than the five: $out"; failures=$((failures + 1)); }

# A target named as a known violation yet clean fails too.
write_targets 'velmo_common;Qt6::Sql'
sed -i '3,$d' "$tree/src/catalogue/catalogue.cpp"
out=$(VELMO_KNOWN_VIOLATIONS="velmo_catalogue" bash "$check" "$tree/layers.tsv" "$tree" 2>&1)
[[ $? -ne 0 ]] || { echo "FAIL: a clean known violation passed"; failures=$((failures + 1)); }
expect 'velmo_catalogue is clean now'

out=$(VELMO_KNOWN_VIOLATIONS="" bash "$check" "$tree/layers.tsv" "$tree" 2>&1)
[[ $? -eq 0 ]] || { echo "FAIL: the clean tree fails: $out"; failures=$((failures + 1)); }

((failures == 0)) && echo "3 cases passed"
exit $((failures > 0))
