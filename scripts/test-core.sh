#!/usr/bin/env bash
# Builds and tests the resource-only configuration in build-core/: the core, the settings, the
# platform, the stand-in compilers and tolvane-build, with Qt Gui and Widgets refused even where
# they are installed, as on a machine that only builds resources. Run by scripts/test.sh.
# Arguments go to ctest (scripts/test.sh runs only what differs from the full build).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S . -B build-core -G Ninja $launcher -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
      -DTOLVANE_BUILD_UI=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Gui=ON \
      -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Widgets=ON ${CMAKE_ARGS:-}
cmake --build build-core --parallel
cd build-core
ctest --output-on-failure --parallel 2 "$@"
