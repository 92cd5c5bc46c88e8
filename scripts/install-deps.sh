#!/usr/bin/env bash
# Installs the Debian packages the game needs that this machine lacks.
# Usage: install-deps.sh [--test]   (--test adds what the test suite needs)
set -euo pipefail

packages=(build-essential cmake pkg-config
  libsdl1.2-dev libsdl1.2debian libsdl-image1.2-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev
  libpng-dev libjpeg-dev libvorbis-dev libogg-dev
  fonts-dejavu-core fonts-freefont-ttf fonts-liberation2
  libgtest-dev libbenchmark-dev)
if [ "${1:-}" = "--test" ]; then
  packages+=(xvfb xauth xdotool imagemagick clang-format cppcheck)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
