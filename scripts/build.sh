#!/usr/bin/env bash
# Configures and builds everything (windows, headless build, stand-ins, tests, benchmarks) into
# build/, RelWithDebInfo unless BUILD_TYPE says otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S . -B build -G Ninja $launcher -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" ${CMAKE_ARGS:-}
cmake --build build --parallel
