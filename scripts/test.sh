#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tolvane, runs every test, then fuzzes each reader
# of the stand-in compilers briefly (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure --parallel 2 "$@"
cd ..
bash scripts/fuzz.sh
