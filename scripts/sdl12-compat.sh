#!/usr/bin/env bash
# Builds the game and its tests against sdl12-compat (the SDL 1.2 that newer Debian releases
# ship, on top of SDL 2) and runs the tests, without installing anything: the packages are
# unpacked into build-compat/sdl12-compat, and pkg-config and the library path point there.
# Usage: sdl12-compat.sh [jobs] (the processors by default)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh
jobs="${1:-$(nproc)}"
# sdl12-compat calls itself 1.2.50 and later; classic SDL 1.2 ended at 1.2.15.
system_sdl="$(pkg-config --modversion sdl)"
if [ "${system_sdl##*.}" -ge 50 ]; then
  echo "SDL 1.2 here already is sdl12-compat $system_sdl: the main build's tests ran on it"
  exit 0
fi
build="$PWD/build-compat"
root="$build/sdl12-compat"
multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
libdir="$root/usr/lib/$multiarch"

if [ ! -e "$libdir/libSDL-1.2.so.0" ]; then
  rm -rf "$build/debs" "$root"
  mkdir -p "$build/debs" "$root"
  # The binary packages of Debian's sdl12-compat source: Debian 12 names them libsdl1.2-compat*,
  # later releases give them the classic library's names and keep the old ones only as virtual
  # packages, which cannot be downloaded.
  compat_packages() {
    local package
    for package in libsdl1.2-compat libsdl1.2-compat-dev libsdl1.2-compat-shim \
      libsdl1.2debian libsdl1.2-dev; do
      # grep reads it all (no -q), so apt-cache is not cut short under pipefail.
      apt-cache show --no-all-versions "$package" 2>/dev/null |
        grep -c '^Source: sdl12-compat\b' >/dev/null && echo "$package"
    done
  }
  download() {
    local packages
    mapfile -t packages < <(compat_packages)
    [ ${#packages[@]} -gt 0 ] || return 1
    (cd "$build/debs" && apt-get download -qq "${packages[@]}" 2>&1 |
      { grep -v "unsandboxed" || true; })
  }
  # A machine whose package lists were cleaned needs them fetched first.
  if ! download; then
    as_root apt-get update -qq
    download
  fi
  for deb in "$build"/debs/*.deb; do dpkg -x "$deb" "$root"; done
fi

# The add-on libraries stay the system's; their headers sit beside the compat headers so that
# their own includes of SDL's headers find the compat ones.
pcdir="$build/pkgconfig"
mkdir -p "$pcdir"
# A .pc file with some of its variables set anew, the values taken as they are (paths may hold
# what sed would read as its own).
# Usage: pc_with <file> <variable=value>...
pc_with() {
  local line setting
  while IFS= read -r line || [ -n "$line" ]; do
    for setting in "${@:2}"; do
      [[ $line == "${setting%%=*}="* ]] && line=$setting
    done
    printf '%s\n' "$line"
  done <"$1"
}
pc_with "$libdir/pkgconfig/sdl12_compat.pc" "prefix=$root/usr" "libdir=$libdir" \
  "includedir=$root/usr/include" >"$pcdir/sdl.pc"
for addon in SDL_image SDL_mixer SDL_ttf; do
  system_pc="$(pkg-config --variable=pcfiledir "$addon")/$addon.pc"
  cp "$(pkg-config --variable=includedir "$addon")/SDL/$addon.h" "$root/usr/include/SDL/"
  pc_with "$system_pc" "includedir=$root/usr/include" >"$pcdir/$addon.pc"
done
export PKG_CONFIG_PATH="$pcdir"
export LD_LIBRARY_PATH="$libdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
[ "$(pkg-config --modversion sdl)" = "$(sed -n 's/^Version: //p' "$pcdir/sdl.pc")" ]

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLO_WERROR=ON \
  -DTARVELLO_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$jobs"

# The test program must really run on the unpacked compat library.
for program in "$build/tests/tarvello_tests" "$build/tarvello"; do
  libraries="$(ldd "$program")"
  if ! grep -qF "libSDL-1.2.so.0 => $libdir/" <<<"$libraries"; then
    echo "$program does not load sdl12-compat:" >&2
    grep -i sdl <<<"$libraries" >&2
    exit 1
  fi
done
# Whole games test the rules, not SDL: a smaller batch will do here.
# The recorded pictures are checked against this sdl12-compat's own lines (tests/recorded.txt).
(cd "$build" && TARVELLO_SIM_GAMES=200 ctest --output-on-failure -j"$jobs" -E "^window\.")
