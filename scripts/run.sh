#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tolvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec build/app/tolvane "$@"
