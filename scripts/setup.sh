#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds Velmo.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh scripts/packages.txt

cmake --preset default
# Every CMake package the build found must come from the list above, through hard dependencies.
scripts/check-packages.sh build
cmake --build --preset default -j "$(nproc)"
