#!/usr/bin/env bash
# Lists every function that the mingw-w64 i686 import libraries import, one
# line per import: "<library file> <DLL name> <import name> <decorated symbol>".
# The DLL name comes from the .idata$7 string of the library's tail member (a
# library can name several DLLs: each member points at its own head member,
# which points at the tail); the import name is the hint/name entry in the
# member's .idata$6. Output is sorted, so it is the same on every run.
set -euo pipefail
LIBDIR=${1:-/usr/i686-w64-mingw32/lib}
for lib in "$LIBDIR"/lib*.a; do
  base=$(basename "$lib")
  {
    nm -A "$lib" 2>/dev/null | sed 's/^/NM /' || true
    objdump -s -j '.idata$6' -j '.idata$7' "$lib" 2>/dev/null | sed 's/^/OD /' || true
  } | LC_ALL=C awk -v lib="$base" '
    function hexbytes(line,   n, i, w, out) {
      # " 0000 32066c73 74726c65 6e410000  1.lstrlenA.." -> bytes as hex pairs
      n = split(line, w, " ")
      out = ""
      for (i = 2; i <= n && i <= 5; i++) if (w[i] ~ /^[0-9a-f]+$/) out = out w[i]
      return out
    }
    function cstring(hex, skip,   s, i, c) {
      s = ""
      for (i = 1 + 2 * skip; i < length(hex); i += 2) {
        c = substr(hex, i, 2)
        if (c == "00") break
        s = s sprintf("%c", hexval(c))
      }
      return s
    }
    function hexval(h,   d) {
      d = "0123456789abcdef"
      return (index(d, substr(h, 1, 1)) - 1) * 16 + index(d, substr(h, 2, 1)) - 1
    }
    $1 == "NM" {
      split($2, p, ":"); m = p[2]
      if ($3 == "U" && $4 ~ /^__head_/) head[m] = $4
      else if ($3 == "I" && $4 ~ /^__imp_/) imp[m] = $4
      else if ($3 == "I" && $4 ~ /_iname$/) tailof[$4] = m
      else if ($3 == "I" && $4 ~ /^__head_/) headmember[$4] = m
      if ($3 == "U" && $4 ~ /_iname$/) inameof[m] = $4
      next
    }
    $1 == "OD" {
      sub(/^OD /, "")
      if ($0 ~ /file format/) { split($0, q, ":"); cur = q[1]; sec = ""; next }
      if ($0 ~ /^Contents of section/) { sec = $4; sub(/:$/, "", sec); next }
      if ($0 ~ /^ [0-9a-f]+ /) data[cur "|" sec] = data[cur "|" sec] hexbytes($0)
      next
    }
    END {
      for (m in imp) {
        if (!(m in head)) continue
        h = headmember[head[m]]
        if (h == "" || !(h in inameof)) continue
        t = tailof[inameof[h]]
        dll = cstring(data[t "|.idata$7"], 0)
        nm6 = data[m "|.idata$6"]
        if (dll == "" || nm6 == "") continue
        print lib, dll, cstring(nm6, 2), imp[m]
      }
    }'
done | LC_ALL=C sort -u
