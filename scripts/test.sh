#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Tolvane and runs every test; then builds the
# resource-only configuration (no windows) in build-core/ and runs the tests whose outcome
# depends on the windows being absent, and fuzzes each reader briefly: the stand-in compilers',
# the project file's and the settings file's (scripts/fuzz.sh). Arguments go to ctest and skip
# the last two steps.
set -euo pipefail
cd "$(dirname "$0")/.."
stage() { echo "== test: $*"; }
stage "installing what is missing (scripts/install-deps.sh)"
bash scripts/install-deps.sh
# One compiler cache serves this build, the resource-only one and CI's further builds: what they
# compile alike is compiled once.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
stage "building everything in build/ (scripts/build.sh)"
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
stage "running the tests in build/"
(cd build && ctest --output-on-failure --parallel 2 "$@")
if [ $# -eq 0 ]; then
    # The core, settings, platform and tools tests are the same programs there, already run.
    stage "the resource-only configuration in build-core/ (scripts/test-core.sh)"
    bash scripts/test-core.sh -R '^tst_(app|install)_'
    stage "fuzzing the readers (scripts/fuzz.sh)"
    bash scripts/fuzz.sh
fi
stage "done"
