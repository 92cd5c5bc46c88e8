#!/usr/bin/env bash
# Installs the Debian packages the game needs that this machine lacks.
# Usage: install-deps.sh [--test | --ci | --package]
#   --test adds what the test suite needs, --ci also debootstrap for the other releases' rounds,
#   --package what building the Debian package needs.
set -euo pipefail
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"

# Liberation 2 is fonts-liberation2 on Debian 12; from Debian 13 on fonts-liberation holds it and
# fonts-liberation2 is a transitional package.
liberation=fonts-liberation2
if apt-cache show --no-all-versions fonts-liberation 2>/dev/null | grep -q '^Version: 1:2'; then
  liberation=fonts-liberation
fi

packages=(build-essential cmake pkg-config
  libsdl1.2-dev libsdl1.2debian libsdl-image1.2-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev
  libpng-dev libjpeg-dev libvorbis-dev libogg-dev
  fonts-dejavu-core fonts-freefont-ttf "$liberation"
  libgtest-dev libbenchmark-dev)
if [ "${1:-}" = "--test" ] || [ "${1:-}" = "--ci" ]; then
  packages+=(xvfb xauth xdotool imagemagick desktop-file-utils appstream groff-base
    clang-format cppcheck shellcheck)
  [ "$1" = "--ci" ] && packages+=(debootstrap)
elif [ "${1:-}" = "--package" ]; then
  packages+=(dpkg-dev debhelper lintian)
fi

# SDL 1.2 comes either classic or as sdl12-compat: whichever is installed will do, and the other
# is never asked for (installing it would swap the implementation).
wanted=()
for package in "${packages[@]}"; do
  case "$package" in
    libsdl1.2-dev) package_installed libsdl1.2-compat-dev && continue ;;
    libsdl1.2debian) package_installed libsdl1.2-compat && continue ;;
  esac
  wanted+=("$package")
done
install_packages "${wanted[@]}"
