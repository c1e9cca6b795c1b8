#!/usr/bin/env bash
# Runs each fuzz target of the readers for SECONDS seconds (default 60), starting from its seed
# corpus in fuzz/corpus/<name>. Builds them first in build-sanitize (clang, address and
# undefined-behaviour sanitizers). Inputs that libFuzzer finds interesting stay in
# build-sanitize/fuzz-corpus/<name>; a crash leaves its input in build-sanitize/fuzz-crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DBEAMSMITH_GUI=OFF -DBEAMSMITH_SANITIZE=ON -DBEAMSMITH_FUZZ=ON -DBEAMSMITH_WERROR=ON \
  "${launcher[@]}" >/dev/null
cmake --build build-sanitize --target fuzzers

work=build-sanitize/fuzz-corpus
crashes=build-sanitize/fuzz-crashes
mkdir -p "$crashes"
for seeds in fuzz/corpus/*/; do
  name="$(basename "$seeds")"
  mkdir -p "$work/$name"
  echo "fuzz_$name: $seconds s"
  log="$work/$name.log"
  if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "build-sanitize/bin/fuzz_$name" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=1024 -artifact_prefix="$crashes/${name}-" "$work/$name" "$seeds" \
    >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz_$name failed; its input is in $crashes" >&2
    exit 1
  fi
  grep -E '^Done ' "$log" || true
done
echo "Fuzzing found nothing."
