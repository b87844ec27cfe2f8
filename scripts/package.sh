#!/usr/bin/env bash
# Builds Tolvane (scripts/build.sh), makes its Debian package with CPack and checks it with
# lintian, which must find no error and no warning; prints the package's path.
# Install it with: apt-get install ./build/tolvane_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# CPack finds the programs with file, dpkg-shlibdeps (dpkg-dev) names their libraries.
bash scripts/install-deps.sh file dpkg-dev lintian >&2
bash scripts/build.sh >&2
# CPack installs into a staging tree with the prefix /usr; the program finds its stand-ins
# relative to its own folder, so the build's own prefix does not matter.
(cd build && rm -f tolvane_*.deb && cpack -G DEB >/dev/null)
deb="$(ls "$PWD"/build/tolvane_*.deb)"
# Notes (I:) are shown too; only errors and warnings fail.
lintian --fail-on error,warning --display-info "$deb" >&2
echo "$deb"
