#!/usr/bin/env bash
# Sets everything up and starts Velmo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/bin/velmo "$@"
