#!/usr/bin/env bash
# One build in build-check/ for two habits: every warning is an error (-DTOLVANE_WERROR=ON), and
# the whole test suite runs under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S . -B build-check -G Ninja $launcher -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTOLVANE_WERROR=ON -DTOLVANE_SANITIZE=ON
cmake --build build-check --parallel
export QT_QPA_PLATFORM=offscreen
# Any report of the undefined-behaviour sanitizer fails the test that caused it.
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-check
ctest --output-on-failure --parallel 2
