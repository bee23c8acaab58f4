#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and looking at the game need.
# Idempotent and quiet: prints nothing and touches nothing when all are present.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-base-private-dev qt6-multimedia-dev qt6-translations-l10n qt6-svg-dev
  libgif-dev libxkbcommon-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth imagemagick poppler-utils openbox xdotool
  desktop-file-utils appstream dpkg-dev file lintian
  # a private cupsd with a queue that refuses jobs (tests/classroom/test_print_faults.cpp)
  cups-daemon
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
