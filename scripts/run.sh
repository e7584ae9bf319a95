#!/usr/bin/env bash
# Builds the 32-bit Windows program and starts it: under Wine on Linux (in a
# prefix of its own inside the build folder), directly on Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
case "$(uname -s)" in
  MINGW*|MSYS*|CYGWIN*)
    cmake --preset win32 >/dev/null && cmake --build --preset win32
    exec build/win32/app/Protoquill.exe ;;
esac
bash scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Protoquill
export WINEPREFIX="$PWD/build/win32/wineprefix-run" WINEDEBUG=-all
# Let the first boot finish (its processes end) before the program starts.
[[ -f "$WINEPREFIX/system.reg" ]] || { wineboot -i && wineserver -w; }
if [[ -z "${DISPLAY:-}" ]]; then
  echo "No display: starting the program inside Xvfb" >&2
  exec xvfb-run -a -s "-screen 0 1024x768x24" wine build/win32/app/Protoquill.exe
fi
exec wine build/win32/app/Protoquill.exe
