#!/usr/bin/env bash
# Runs a Windows test program under Wine, headless, in a throwaway prefix.
#   run-in-wine.sh --boot          create the prefix (WINEPREFIX) once
#   run-in-wine.sh prog.exe ARGS   run a program in it
# WINEPREFIX must be set (CTest sets it to a folder inside the build tree): a
# test never touches a user's own prefix, clipboard or settings.
set -euo pipefail
if [[ -z "${WINEPREFIX:-}" ]]; then
  echo "run-in-wine.sh: WINEPREFIX is not set; refusing to use a default prefix" >&2
  exit 2
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Without a display, start a private X server for this one command.
if [[ -z "${DISPLAY:-}" && -z "${PQ_IN_XVFB:-}" ]]; then
  export PQ_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

if [[ "${1:-}" == "--boot" ]]; then
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i
    wineserver -w
  fi
  exit 0
fi

prog="$1"
shift
case "$prog" in
  *.exe) ;;
  *) [[ -f "$prog.exe" ]] && prog="$prog.exe" ;;
esac
# Under Wine an exit status survives only modulo 256; that is enough for tests.
set +e
wine "$prog" "$@"
status=$?
wineserver -w
exit $status
