#!/usr/bin/env bash
# Installs what is missing, builds, and starts Beamsmith from the folder that holds its files.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
cd build/bin
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No graphical display found: Beamsmith needs a desktop (or run it under xvfb-run)."
  if [ -x ./beamsmith-cli ]; then
    echo "The default design, from beamsmith-cli:"
    echo
    exec ./beamsmith-cli design
  fi
  exit 0
fi
exec ./Beamsmith
