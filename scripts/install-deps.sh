#!/usr/bin/env bash
# Installs what Tolvane needs to build, test and run on Debian 12, and any further packages named
# on the command line (scripts/package.sh adds its packaging tools). Safe to run again.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config ccache
          qt6-base-dev qt6-multimedia-dev libgl-dev
          llvm lld cabextract gcab
          xvfb xauth imagemagick fonts-dejavu-core poppler-utils
          desktop-file-utils appstream shared-mime-info
          "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
