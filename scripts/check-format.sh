#!/usr/bin/env bash
# Fails when any C++ file differs from its clang-format layout.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(find src tests tools bench -name '*.cpp' -o -name '*.h' 2>/dev/null | sort)
if ! clang-format --dry-run --Werror $files; then
  echo "clang-format differences found: run clang-format -i on the files above." >&2
  exit 1
fi
