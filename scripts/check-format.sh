#!/usr/bin/env bash
# Fails when any C++ file differs from its clang-format layout.
set -euo pipefail
cd "$(dirname "$0")/.."
dirs=()
for d in src tests tools bench fuzz; do [ -d "$d" ] && dirs+=("$d"); done
mapfile -t files < <(find "${dirs[@]}" \( -name '*.cpp' -o -name '*.h' \) | sort)
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "clang-format differences found: run clang-format -i on the files above." >&2
  exit 1
fi
echo "clang-format: ${#files[@]} files formatted."
