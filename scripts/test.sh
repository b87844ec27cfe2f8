#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tolvane and runs every test; then builds and tests the
# resource-only configuration (no windows) in build-core/, and fuzzes each reader of the stand-in
# compilers briefly (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# One compiler cache entry serves both build folders: the sources and flags are the same.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure --parallel 2 "$@")
if [ $# -eq 0 ]; then
    # A machine that only builds resources: Qt Gui and Widgets are refused even where installed.
    launcher=""
    command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    cmake -S . -B build-core -G Ninja $launcher -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
          -DTOLVANE_BUILD_UI=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Gui=ON \
          -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Widgets=ON ${CMAKE_ARGS:-}
    cmake --build build-core --parallel
    (cd build-core && ctest --output-on-failure --parallel 2)
fi
if [ $# -eq 0 ]; then
    bash scripts/fuzz.sh
fi
