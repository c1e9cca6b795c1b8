#!/usr/bin/env bash
# Installs what is missing, checks the format, builds everything and runs every test: the full
# build with GCC (warnings as errors), then the core and command-line tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer built with clang.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh

launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBEAMSMITH_WERROR=ON \
  "${launcher[@]}" >/dev/null
cmake --build build
(cd build && ctest --output-on-failure --timeout 300)

CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DBEAMSMITH_GUI=OFF -DBEAMSMITH_SANITIZE=ON -DBEAMSMITH_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build build-sanitize
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure --timeout 300)

# Every reader's fuzz target, briefly, in the same sanitizer build.
scripts/fuzz.sh 10

echo "All tests passed."
