#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tolvane and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# One compiler cache entry serves this build and the resource-only one (scripts/test-core.sh).
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure --parallel 2 "$@"
cd ..
if [ $# -eq 0 ]; then
    bash scripts/test-core.sh
fi
