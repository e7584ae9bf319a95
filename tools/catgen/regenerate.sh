#!/usr/bin/env bash
# Regenerates catalogue/data/catalogue.txt and the files beside it from the
# mingw-w64 headers and import libraries, byte for byte.
#   bash tools/catgen/regenerate.sh
# Installs what it needs (Debian packages), scans the import libraries once
# (cached in tools/catgen/cache/), builds the generator and runs it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
cache="$here/cache"
mkdir -p "$cache"

pkgs=(clang-14 libclang-14-dev mingw-w64-i686-dev mingw-w64-common cmake ninja-build g++ binutils)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo_cmd=""; [ "$(id -u)" = 0 ] || sudo_cmd=sudo
if ((${#missing[@]})); then
  $sudo_cmd apt-get update
  $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
# Wine's 32-bit DLLs are the oracle for the export check.
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  $sudo_cmd dpkg --add-architecture i386
  $sudo_cmd apt-get update
  $sudo_cmd apt-get install -y --no-install-recommends wine32:i386
fi

# The scan depends only on the installed import libraries: key the cache by
# the package version.
ver=$(dpkg-query -W -f='${Version}' mingw-w64-i686-dev)
if [ ! -s "$cache/imports-$ver.txt" ]; then
  echo "Scanning the import libraries (once, ~45 s)..." >&2
  bash "$here/scan_imports.sh" > "$cache/imports-$ver.txt.tmp"
  mv "$cache/imports-$ver.txt.tmp" "$cache/imports-$ver.txt"
fi

cmake -S "$here" -B "$cache/build" -G Ninja >/dev/null
cmake --build "$cache/build" >/dev/null
"$cache/build/catgen" "$root" "$cache/imports-$ver.txt" "$cache"
bash "$here/wine_check.sh" "$root/catalogue/data/catalogue_facts.txt" \
  /usr/lib/i386-linux-gnu/wine/i386-windows > "$root/catalogue/data/catalogue_wine.txt"
echo "Wrote $root/catalogue/data/catalogue.txt" >&2
cat "$root/catalogue/data/catalogue_stats.txt"
