#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the full build with GCC,
# the core and command-line tests again under AddressSanitizer and UndefinedBehaviorSanitizer
# built with clang, and the clang-format check.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
(cd build && ctest --output-on-failure --timeout 300)

CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DBEAMSMITH_GUI=OFF -DBEAMSMITH_SANITIZE=ON >/dev/null
cmake --build build-sanitize
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure --timeout 300)

scripts/check-format.sh
echo "All tests passed."
