#!/usr/bin/env bash
# Runs the real protoquill-cli (natively, or under Wine through the emulator
# given before it) and checks exit statuses and output bytes.
#   cli_program_test.sh FIXTURE_DIR [EMULATOR] PROGRAM
set -uo pipefail
fixtures="$1"
shift
cli=("$@")
cat="$fixtures/mini_catalogue.txt"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

# expect NAME STATUS EXPECTED_STDOUT_FILE STDERR_PATTERN -- ARGS...
expect() {
  local name="$1" status="$2" want="$3" errpat="$4"
  shift 5
  "${cli[@]}" "$@" >"$tmp/out" 2>"$tmp/err"
  local got=$?
  local ok=1
  [[ $got -eq $status ]] || { echo "$name: exit status $got, want $status"; ok=0; }
  if [[ -n "$want" ]] && ! cmp -s "$tmp/out" "$want"; then
    echo "$name: standard output differs:"; od -c "$tmp/out" | head -20; ok=0
  fi
  if [[ -n "$errpat" ]] && ! grep -q -- "$errpat" "$tmp/err"; then
    echo "$name: standard error lacks '$errpat':"; cat "$tmp/err"; ok=0
  fi
  if [[ $ok -eq 1 ]]; then echo "ok: $name"; else failures=$((failures + 1)); fi
}

printf 'Private Const SW_SHOWNORMAL = 1\n' >"$tmp/prefix"
expect "prefix finds the first longer name" 0 "$tmp/prefix" "" -- \
  --catalogue "$cat" --type constants --lang vb6 --scope private --manual SW_SHOWN

printf 'Public Const ANYSIZE_ARRAY = 1\0Public Const MAX_PATH = 260\0' >"$tmp/null"
expect "--null separates buffers with NUL bytes" 1 "$tmp/null" \
  "no declaration found for NoSuchThing" -- \
  --catalogue "$cat" --type constants --lang vb6 --null ANYSIZE_ARRAY NoSuchThing MAX_PATH

printf 'Public Const READ_CONTROL = &H20000\n\nPublic Const STANDARD_RIGHTS_READ = (READ_CONTROL)\n\nPublic Const GMEM_NOT_BANKED = &H1000\n\n\n' >"$tmp/add"
expect "--add collects each declaration once" 0 "$tmp/add" "" -- \
  --catalogue "$cat" --type constants --lang vb6 --add STANDARD_RIGHTS_READ READ_CONTROL GMEM_NOT_BANKED

expect "--list prints the chosen index" 0 "" "" -- --catalogue "$cat" --type types --list
head -n 2 "$tmp/out" | tr -d '\r' >"$tmp/list-head"
printf 'BITMAPINFO\nBITMAPINFOHEADER\n' | cmp -s - "$tmp/list-head" ||
  { echo "--list: unexpected first lines"; cat "$tmp/list-head"; failures=$((failures + 1)); }

expect "unknown option is a usage error" 2 "" "unknown option '--bogus'" -- --bogus X
expect "no NAME is a usage error" 2 "" "usage: protoquill-cli" -- --type types
expect "a catalogue that fails to load" 2 "" "no-such-file.txt" -- \
  --catalogue "$fixtures/no-such-file.txt" X
expect "--help" 0 "" "" -- --help
grep -q "^usage: protoquill-cli" "$tmp/out" || { echo "--help: no usage"; failures=$((failures + 1)); }

# The built-in catalogue: the default choices give a VB .NET declaration.
expect "built-in catalogue, defaults" 0 "" "" -- --list
first=$(head -n 1 "$tmp/out" | tr -d '\r')
expect "first declare of the built-in catalogue" 0 "" "" -- "$first"
grep -q "^Public Declare " "$tmp/out" || { echo "defaults: no public declare"; cat "$tmp/out"; failures=$((failures + 1)); }

echo "$failures failed"
[[ $failures -eq 0 ]]
