#!/usr/bin/env bash
# Starts Tolvane under Xvfb and saves a picture of each window into docs/screenshots:
# the first run (no settings) and a set-up run. Needs a build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
mkdir -p "$out"
build/tests/ui/shoot "$out"
