#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tolvane and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure --parallel 2 "$@"
