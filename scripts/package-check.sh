#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Builds the Debian package from the current build, unpacks it into a scratch root and checks what
# a user would get: the package's dependencies, velmo-pasto on the example meal run from another
# folder, velmo started until its main window is shown (offscreen), the desktop entry, the
# AppStream data and the manual pages.
#
# Usage: scripts/package-check.sh [BUILD_DIR]   (default: build, already built)
# Exit codes: 0 every check passed; 1 a check failed (named on stderr).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build_dir=$(realpath "${1:-build}")

fail() {
  echo "package-check: $*" >&2
  exit 1
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Packed with the strictest umask: the package's folders must still be open to every user.
(cd "$build_dir" && umask 077 && cpack -G DEB -B "$scratch/deb" >/dev/null) || fail "cpack non ha costruito il pacchetto"
deb=$(find "$scratch/deb" -maxdepth 1 -name 'velmo_*.deb' | head -n 1)
[[ -n $deb ]] || fail "nessun file .deb in $scratch/deb"
echo "Pacchetto: $(basename "$deb")"
closed=$(dpkg-deb -c "$deb" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print $1, $6 }')
[[ -z $closed ]] || fail "cartelle del pacchetto non leggibili da tutti: $closed"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libqt6svg6 libc6; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends non nomina $needed"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr
for file in bin/velmo bin/velmo-pasto bin/velmo-pasto-pdf bin/velmo-fabbisogno share/velmo/elementi97.db share/velmo/Leggimi.txt \
  share/velmo/help/index.html share/doc/velmo/copyright share/applications/io.github.velmo.Velmo.desktop \
  share/metainfo/io.github.velmo.Velmo.metainfo.xml share/icons/hicolor/scalable/apps/io.github.velmo.Velmo.svg \
  share/mime/packages/io.github.velmo.Velmo.xml share/man/man1/velmo.1.gz share/man/man1/velmo-pasto.1.gz \
  share/man/man1/velmo-pasto-pdf.1.gz share/man/man1/velmo-fabbisogno.1.gz; do
  [[ -e $usr/$file ]] || fail "manca /usr/$file nel pacchetto"
done

# The installed programs find their files in ../share/velmo from any current folder.
elsewhere=$scratch/altrove
mkdir -p "$elsewhere"
cp examples/pasto.txt "$elsewhere/"
(cd "$elsewhere" && LC_ALL=C.UTF-8 "$usr/bin/velmo-pasto" pasto.txt >pasto.out) ||
  fail "velmo-pasto installato non calcola examples/pasto.txt"
grep -q "^Calcolo per una persona .* 859.78 " "$elsewhere/pasto.out" ||
  fail "velmo-pasto installato: totali inattesi: $(tail -n 1 "$elsewhere/pasto.out")"
# A --pdf run is handed to the twin installed beside velmo-pasto.
(cd "$elsewhere" && LC_ALL=C.UTF-8 "$usr/bin/velmo-pasto" --pdf pasto.pdf pasto.txt >/dev/null 2>pdf.err) ||
  fail "velmo-pasto installato non scrive il PDF: $(tail -n 2 "$elsewhere/pdf.err")"
[[ $(head -c 5 "$elsewhere/pasto.pdf") == %PDF- ]] || fail "velmo-pasto installato: il PDF scritto non è un PDF"
# The balancing loads its solver module from ../lib/velmo: 0 (balanced) or 4 (no plan meets the
# targets) both say that the module was found and ran.
balanced=0
(cd "$elsewhere" && LC_ALL=C.UTF-8 "$usr/bin/velmo-pasto" --bilancia pasto.txt --kcal 800 >/dev/null 2>bilancia.err) ||
  balanced=$?
[[ $balanced -eq 0 || $balanced -eq 4 ]] ||
  fail "velmo-pasto installato non bilancia (codice $balanced): $(tail -n 2 "$elsewhere/bilancia.err")"
# The window loads the system's printers from ../lib/velmo at the first print.
for symbol in velmo_new_printer_service velmo_print_on_chosen_printer; do
  nm -D --defined-only "$root/usr/lib/velmo/libvelmo_printsupport.so" 2>/dev/null | grep -q " T $symbol$" ||
    fail "il modulo della stampa installato non offre $symbol"
done
(cd "$elsewhere" && "$usr/bin/velmo-fabbisogno" --sesso F --anni 30 --peso 60 --attivita moderata --auspicabili si >/dev/null) ||
  fail "velmo-fabbisogno installato non calcola"
(cd "$elsewhere" && QT_QPA_PLATFORM=offscreen VELMO_ESCI_DOPO_AVVIO=1 timeout 60 "$usr/bin/velmo") ||
  fail "velmo installato non mostra la finestra principale"

desktop-file-validate "$usr/share/applications/io.github.velmo.Velmo.desktop" || fail "voce del menu non valida"
appstreamcli validate --no-net --pedantic "$usr/share/metainfo/io.github.velmo.Velmo.metainfo.xml" ||
  fail "dati AppStream non validi"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$usr/share/metainfo/io.github.velmo.Velmo.metainfo.xml" ||
  fail "i dati AppStream non dicono la licenza GPL-3.0-or-later"
grep -q "^License: GPL-3.0-or-later$" "$usr/share/doc/velmo/copyright" || fail "copyright senza la licenza del programma"
for page in "$usr"/share/man/man1/*.1.gz; do
  warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
  [[ -z $warnings ]] || fail "$(basename "$page"): $warnings"
done
echo "Pacchetto verificato: $source_dir"
