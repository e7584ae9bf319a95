#!/usr/bin/env bash
# clang-format over the project's C++ sources: --check reports, else rewrites.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' | grep -v '^build/' || true)
[[ ${#files[@]} -eq 0 ]] && exit 0
if [[ "${1:-}" == "--check" ]]; then
  clang-format --dry-run --Werror "${files[@]}"
else
  clang-format -i "${files[@]}"
fi
