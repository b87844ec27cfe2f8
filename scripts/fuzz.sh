#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, address and undefined-behaviour sanitizers) into
# build-fuzz/ and runs each for FUZZ_SECONDS (20 unless told; 0 skips) on its seeds in
# tests/fuzz/corpus/.
# The random seed is fixed (FUZZ_SEED, 1 unless told) so that a CI run can be repeated exactly;
# set another for a longer hunt. Seeds stay as they are; what a run finds goes to a scratch folder, and a crash is kept in
# build-fuzz/findings/ and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-20}"
if [ "$seconds" = 0 ]; then
    echo "fuzzing skipped (FUZZ_SECONDS=0)"
    exit 0
fi

# clang and the runtime that holds libFuzzer.
packages=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
cmake -S . -B build-fuzz -G Ninja $launcher -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_FUZZ=ON
cmake --build build-fuzz --parallel --target fuzz_script fuzz_library_project fuzz_res_file \
    fuzz_project_file fuzz_settings_file

mkdir -p build-fuzz/findings
for target in script library_project res_file project_file settings_file; do
    scratch="$(mktemp -d)"
    echo "== fuzz_$target for ${seconds}s"
    if ! build-fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -seed="${FUZZ_SEED:-1}" \
            -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
            -artifact_prefix=build-fuzz/findings/"$target"- \
            "$scratch" tests/fuzz/corpus/"$target"; then
        rm -rf "$scratch"
        echo "fuzz_$target found a fault; the input is in build-fuzz/findings/" >&2
        exit 1
    fi
    rm -rf "$scratch"
done
