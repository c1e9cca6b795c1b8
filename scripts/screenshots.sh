#!/usr/bin/env bash
# Saves a PNG of every screen of Beamsmith and yagi into screenshots/ (offscreen, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-screenshots}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target beamsmith-screenshots yagi
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen build/bin/beamsmith-screenshots "$out"
QT_QPA_PLATFORM=offscreen build/bin/yagi --screenshots "$out" || echo "yagi screenshots not available"
