#!/usr/bin/env bash
# Installs the Debian packages the build, tests and examples need (only the
# missing ones, quietly), then configures and builds one preset.
# Usage: scripts/setup.sh [preset]   (default: "default"; see CMakePresets.json)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}

packages=(cmake ninja-build g++ pkg-config ccache python3
          libzip-dev zlib1g-dev libsqlite3-dev libssl-dev
          libgtest-dev libgmock-dev libbenchmark-dev zip
          qt6-base-dev qt6-svg-dev fonts-liberation2 xvfb xauth)
# The fuzz build needs clang and its libFuzzer.
[ "$preset" != fuzz ] || packages+=(clang)

# The report tests read the PDFs back as text.
packages+=(poppler-utils)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The Windows build needs its cross toolchain, libraries and Wine first.
[ "$preset" != windows ] || scripts/setup-windows.sh

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
