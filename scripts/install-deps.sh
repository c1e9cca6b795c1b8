#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need, when they are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build clang clang-format ccache libclang-rt-14-dev
  qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  nec2c qt6-charts-dev
  locales xvfb xauth fonts-dejavu-core
  fonts-comic-neue fonts-liberation desktop-file-utils appstream man-db
  qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    as_root=()
  elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
  else
    echo "Missing packages (install them as root): ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# A locale with a decimal comma, for the tests that check the separator.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "could not generate de_DE.UTF-8" >&2
  elif command -v sudo >/dev/null 2>&1; then
    sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "could not generate de_DE.UTF-8" >&2
  fi
fi
