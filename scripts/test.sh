#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tolvane and runs every test; then builds and tests the
# resource-only configuration (no windows) in build-core/, and fuzzes each reader of the stand-in
# compilers briefly (scripts/fuzz.sh). Arguments go to ctest and skip the last two steps.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# One compiler cache entry serves this build and the resource-only one (scripts/test-core.sh).
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure --parallel 2 "$@")
if [ $# -eq 0 ]; then
    bash scripts/test-core.sh
    bash scripts/fuzz.sh
fi
