#!/usr/bin/env bash
# Checks every declare of the catalogue against the export tables of Wine's
# 32-bit PE DLLs and lists what Wine lacks: Wine is incomplete, so a miss is
# a thing to know (the program may not run that call under Wine), not an
# error of the catalogue.
#   wine_check.sh <facts file> <wine dll dir> > catalogue_wine.txt
set -euo pipefail
facts=$1
dir=$2
ver=$(dpkg-query -W -f='${Version}' wine32:i386 2>/dev/null || echo unknown)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
awk '$1 == "D" { print $3 }' "$facts" | LC_ALL=C sort -u > "$tmp/libs"
while read -r lib; do
  file="$lib"; [[ "$lib" == *.* ]] || file="$lib.dll"
  if [ -f "$dir/$file" ]; then
    objdump -p "$dir/$file" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
      sed -n 's/^\t\[ *[0-9]*\] //p' | sed "s|^|$lib |"
  else
    echo "$lib -"
  fi
done < "$tmp/libs" | LC_ALL=C sort -u > "$tmp/exports"
awk -v ver="$ver" '
  NR == FNR { if ($2 == "-") noDll[$1] = 1; else have[$1 " " $2] = 1; next }
  $1 == "D" {
    total++
    if ($3 in noDll) { absentDll[$3]++; nd++; next }
    if (!(($3 " " $4) in have)) { miss[++nm] = $3 "!" $4 " (" $2 ")" }
  }
  END {
    print "# Declares of the catalogue checked against the exports of Wine " ver " (32-bit PE DLLs)."
    print "Declares: " total
    print "In a DLL that Wine does not ship: " nd
    print "Exported by Wine: " total - nd - nm
    print "Not exported by Wine: " nm
    n = 0; for (d in absentDll) names[++n] = d
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (names[j] < names[i]) { t = names[i]; names[i] = names[j]; names[j] = t }
    for (i = 1; i <= n; i++) print "DLL not in Wine: " names[i] " (" absentDll[names[i]] " declares)"
    for (i = 1; i <= nm; i++) print "missing: " miss[i]
  }' "$tmp/exports" "$facts"
