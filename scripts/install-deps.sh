#!/usr/bin/env bash
# Installs, with apt-get, whatever the build and the tests need and this
# machine does not have yet. Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  xvfb xauth openbox
  poppler-utils
  dpkg-dev file desktop-file-utils lintian xdotool
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
