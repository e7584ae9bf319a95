#!/usr/bin/env bash
# Installs what building, running and testing need on Debian, as root; only
# what is missing. Safe to run again.
set -euo pipefail

packages=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev clang-format
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
          wine wine64 xvfb xauth x11-apps imagemagick)

missing=()
for p in "${packages[@]}" wine32:i386; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

SUDO=""
[[ $(id -u) -ne 0 ]] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
# 32-bit Windows programs need Wine's i386 part.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
