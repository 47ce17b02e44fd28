#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Checks that every CMake package configuration the build found on the system comes from a Debian
# package that scripts/packages.txt installs through hard dependencies alone, as the set-up does
# with --no-install-recommends. A package that is merely present on this machine (installed by
# hand, or as a recommendation) would make a build that fails on a new machine pass here.
#
# Usage: scripts/check-packages.sh [BUILD_DIR] [PACKAGE_LIST]
# Exit codes: 0 every configuration is covered; 1 some are not (each named with its package);
# 2 the check itself cannot run (no cache, no dpkg).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build}
package_list=${2:-scripts/packages.txt}
cache="$build_dir/CMakeCache.txt"

if [[ ! -f $cache ]]; then
  echo "check-packages: manca $cache: configurare prima la compilazione" >&2
  exit 2
fi
if ! command -v dpkg >/dev/null || ! command -v apt-cache >/dev/null; then
  echo "check-packages: dpkg e apt-cache servono al controllo dei pacchetti" >&2
  exit 2
fi

listed=()
while read -r pkg; do
  [[ -z "$pkg" || "$pkg" == \#* ]] && continue
  listed+=("$pkg")
done <"$package_list"

# Every package a --no-install-recommends install of the list brings: the listed ones and their
# Depends and Pre-Depends, followed all the way down. Alternatives and virtual packages count as
# apt would satisfy them with any of their providers, so this errs on the side of leniency only
# there.
declare -A installs=()
while read -r line; do
  case $line in
    *Depends:*) name=${line#*Depends: } ;;
    " "* | "") continue ;;
    *) name=$line ;;
  esac
  name=${name#<}
  name=${name%>}
  name=${name%%:*}
  installs[$name]=1
done < <(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
  --no-replaces --no-enhances "${listed[@]}" 2>/dev/null)
for pkg in "${listed[@]}"; do installs[$pkg]=1; done

source_dir=$(pwd -P)
build_abs=$(cd "$build_dir" && pwd -P)
faults=0
checked=0
while IFS='=' read -r key dir; do
  name=${key%%_DIR:*}
  [[ -d $dir ]] || continue
  dir=$(cd "$dir" && pwd -P)
  # Only configurations from the system: the project's own tree and the build tree are ours.
  [[ $dir == "$source_dir"/* || $dir == "$build_abs"/* ]] && continue
  config=""
  for candidate in "$dir/${name}Config.cmake" "$dir/${name,,}-config.cmake"; do
    [[ -f $candidate ]] && config=$candidate && break
  done
  [[ -n $config ]] || continue
  checked=$((checked + 1))
  owner=$(dpkg -S "$config" 2>/dev/null | head -n1 | cut -d: -f1 || true)
  if [[ -z $owner ]]; then
    echo "check-packages: $config ($name) non appartiene a nessun pacchetto Debian" >&2
    faults=$((faults + 1))
  elif [[ -z ${installs[$owner]:-} ]]; then
    echo "check-packages: $name viene da $config, del pacchetto $owner, che scripts/packages.txt non installa: aggiungere $owner all'elenco" >&2
    faults=$((faults + 1))
  fi
done < <(grep -E '^[A-Za-z0-9_]+_DIR:(PATH|INTERNAL|STRING)=/' "$cache")

if ((checked == 0)); then
  echo "check-packages: nessuna configurazione CMake di sistema in $cache" >&2
  exit 2
fi
if ((faults)); then
  exit 1
fi
echo "check-packages: le $checked configurazioni CMake trovate vengono da pacchetti dell'elenco"
