#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, then
# configures and builds the build folder. Safe to run again: it installs only
# what is missing.
#   scripts/setup.sh [build folder [cmake options...]]
#   scripts/setup.sh --solo-pacchetti    only installs the packages
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libfontconfig-dev qt6-svg-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite
  libespeak-ng-dev espeak-ng-data
  qt6-qpa-plugins libqt6svg6 fonts-dejavu-core fonts-liberation
  clang libclang-rt-14-dev
  libx11-dev libxtst-dev xvfb xdotool
  qt6-translations-l10n fonts-comic-neue
  dpkg-dev file binutils gzip lintian desktop-file-utils appstream man-db
  poppler-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "${1:-}" = "--solo-pacchetti" ]; then
  exit 0
fi

BUILD_DIR=${1:-build}
shift || true
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"
