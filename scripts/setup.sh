#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Lumivo needs.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-image-formats-plugins qt6-translations-l10n libgl-dev
  libcurl4-openssl-dev
  libgtest-dev libgmock-dev libcpp-httplib-dev libbenchmark-dev libx11-dev
  clang libclang-rt-14-dev clang-format
  fonts-liberation2 xvfb xdotool imagemagick x11-utils python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
