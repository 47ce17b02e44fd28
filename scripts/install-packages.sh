#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Installs the Debian packages of the given lists (one name a line, '#' starts a comment) that are
# not installed yet, without their recommendations: what the project needs must be on its lists.
#
# Usage: scripts/install-packages.sh LIST...
set -euo pipefail

missing=()
for list in "$@"; do
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done <"$list"
done

if ((${#missing[@]})); then
  echo "Installo i pacchetti mancanti: ${missing[*]}"
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
