#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmo authors
# Sets everything up and starts Velmo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/bin/velmo "$@"
