#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Installs the Debian packages that are missing, then configures and builds Velmo.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh scripts/packages.txt

# CI builds our own code with its warnings as errors.
cmake --preset default ${CI:+-DVELMO_WARNINGS_AS_ERRORS=ON}
# Every CMake package the build found must come from the list above, through hard dependencies.
scripts/check-packages.sh build
cmake --build --preset default -j "$(nproc)"
