#!/usr/bin/env bash
# Builds Tolvane (scripts/build.sh) and makes its Debian package with CPack; prints the package's
# path. Install it with: apt-get install ./build/tolvane_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
# CPack installs into a staging tree with the prefix /usr; the program finds its stand-ins
# relative to its own folder, so the build's own prefix does not matter.
(cd build && rm -f tolvane_*.deb && cpack -G DEB >/dev/null)
ls "$PWD"/build/tolvane_*.deb
