#!/usr/bin/env bash
# Unpacks the Debian package (scripts/package.sh makes it) into a throwaway root and builds a
# resource-only DLL with the tolvane-build found there, as an installed copy would: no settings
# file, so it must find its own stand-in compilers beside it (and is told to make the library,
# which a fresh setting leaves out).
set -euo pipefail
cd "$(dirname "$0")/.."
deb="${1:-$(ls "$PWD"/build/tolvane_*.deb)}"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/install"
mkdir -p "$root/home" "$root/dest"
cp resources/sounds/A1.wav "$root/home/Ding.wav"
printf '%s\r\n' "$root/home/Ding.wav" > "$root/home/Sounds.tpf"
HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" \
    "$root/install/usr/bin/tolvane-build" "$root/home/Sounds.tpf" --dest "$root/dest" \
    --script-name Sounds --library-name SoundLib --compile --quiet
readobj="$(command -v llvm-readobj || command -v llvm-readobj-14)"
resources="$("$readobj" --coff-resources "$root/dest/SoundLib.dll")"
size="$(stat -c %s resources/sounds/A1.wav)"
grep -q "Type: WAVE" <<<"$resources" && grep -q "DataSize: $size\$" <<<"$resources" || {
    echo "check-package: SoundLib.dll does not carry the wave of $size bytes:" >&2
    echo "$resources" | head -40 >&2
    exit 1
}
echo "check-package: the installed tolvane-build made SoundLib.dll with the wave in it"
