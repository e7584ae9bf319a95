#!/usr/bin/env bash
# Builds everything and runs every test: the native core and command-line tool
# tests, a format check, then the Windows builds (i686 and x86_64) and their
# tests under Wine inside Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON

bash scripts/format.sh --check

for preset in native win32 win64; do
  echo "== $preset: configure and build"
  cmake --preset "$preset" -DPQ_WERROR="$werror" >/dev/null
  cmake --build --preset "$preset"
done
for preset in native win32 win64; do
  echo "== $preset: tests"
  ctest --preset "$preset" --timeout 600
done
