#!/usr/bin/env bash
# Builds Tarvello for 64-bit Windows on Debian 12: installs what is missing, builds the libraries
# from their sources, the data generator natively and the game with MinGW-w64, then packs
# Tarvello-<version>-windows-x64.zip and Tarvello-<version>-setup.exe, all in build-windows/.
# The SDL_image and SDL_ttf release tarballs come from the folder named by TARVELLO_WIN_SOURCES.
# Built libraries are kept in TARVELLO_WIN_CACHE (default build-windows/deps), keyed by
# everything that goes into them. With --libraries it stops once they are built.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh
root=$PWD
out=$root/build-windows
version=$(project_version)
jobs=$(nproc)

step "packages"
# The Windows tools first: install-deps.sh then adds the test tools without a second apt-get update.
install_packages mingw-w64 wine wine64 nsis zip dpkg-dev googletest python3
bash scripts/install-deps.sh --test

step "sources"
sources=$out/sources
[ -n "${TARVELLO_WIN_SOURCES:-}" ] ||
    fail "set TARVELLO_WIN_SOURCES to the folder holding ${library_tarballs[*]}"
gather_library_sources "$sources" "$out/apt" "$TARVELLO_WIN_SOURCES" ||
    fail "the libraries' sources could not be gathered"

step "libraries"
key=$( (cd "$sources" && sha256sum -- *.dsc *.tar.*) |
    cat - scripts/windows/build-deps.sh scripts/static-libs.sh cmake/MinGW64.cmake \
        <(x86_64-w64-mingw32-gcc-posix --version) \
        <(dpkg-query -W googletest) | sha256sum | cut -c1-16)
cache=${TARVELLO_WIN_CACHE:-$out/deps}
prefix=$cache/$key
cached_libraries "$prefix" "$out/deps-work" bash scripts/windows/build-deps.sh "$sources" ||
    fail "the libraries did not build"
[ "${1:-}" = "--libraries" ] && exit 0

step "data generator (native)"
build_native_data "$out/native" "$jobs"

step "game (Windows)"
# A build made against other libraries starts afresh: CMake keeps the paths it found.
if [ -e "$out/game/CMakeCache.txt" ] && ! grep -qF "CMAKE_FIND_ROOT_PATH:UNINITIALIZED=$prefix" \
    "$out/game/CMakeCache.txt"; then
    rm -rf "$out/game"
fi
cmake -S . -B "$out/game" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTARVELLO_WERROR=ON -DTARVELLO_BENCHMARKS=OFF \
    -DCMAKE_FIND_ROOT_PATH="$prefix" -DPKG_CONFIG_EXECUTABLE="$prefix/bin/pkg-config-static" \
    -DTARVELLO_DATAGEN_EXPORT="$out/native/DatagenExport.cmake" \
    -DTARVELLO_LIBRARY_LICENCES="$prefix/licences" \
    -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST >/dev/null
cmake --build "$out/game" -j"$jobs"

step "zip and installer"
# Each install, CPack's too, strips and checks the program and the data (InstallChecks.cmake.in).
pack=$out/game/packages
rm -rf "$pack"
(cd "$out/game" && cpack -B "$pack")
packed=(Tarvello-"$version"-windows-x64.zip Tarvello-"$version"-setup.exe)
# Packed again, the same tree gives the same bytes.
(cd "$out/game" && cpack -B "$pack/again" >/dev/null)
for file in "${packed[@]}"; do
    cmp "$pack/$file" "$pack/again/$file" || { echo "$file differs when packed again" >&2; exit 1; }
    cp "$pack/$file" "$out/"
done
# The folder the tests play and compare the installed files with: what the packages hold.
rm -rf "$out/stage"
cmake --install "$out/game" --prefix "$out/stage/Tarvello-$version" >/dev/null
(cd "$out" && ls "${packed[@]}")
