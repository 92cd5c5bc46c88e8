#!/usr/bin/env bash
# Builds Tarvello for the browser on Debian 12: installs what is missing, builds the libraries
# from their sources with Emscripten (SDL with our browser backend), the data generator natively
# and the game with emcc, and writes the site to build-web/site: index.html, tarvello.js,
# tarvello.wasm and tarvello.data (the data files, as the native generator makes them).
# The SDL_image and SDL_ttf release tarballs come from the folder named by TARVELLO_WEB_SOURCES
# (default: shared/sources beside the checkout). Built libraries are kept in TARVELLO_WEB_CACHE
# (default build-web/deps), keyed by everything that goes into them. With --libraries it stops
# once they are built.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh
root=$PWD
out=$root/build-web
jobs=$(($(nproc) < 2 ? $(nproc) : 2))
export TARVELLO_JOBS=$jobs
# Emscripten's own JavaScript tools need Debian's Node modules.
export NODE_PATH=/usr/share/nodejs

step "packages"
# Emscripten first: install-deps.sh then adds the native build's packages (the data generator's)
# without a second apt-get update.
install_packages emscripten nodejs dpkg-dev patch python3
bash scripts/install-deps.sh

step "sources"
sources=$out/sources
gather_library_sources "$sources" "$out/apt" "${TARVELLO_WEB_SOURCES:-$root/../shared/sources}" ||
    fail "the libraries' sources could not be gathered (set TARVELLO_WEB_SOURCES to the folder" \
        "holding ${library_tarballs[*]})"

step "libraries"
key=$( (cd "$sources" && sha256sum -- *.dsc *.tar.*) |
    cat - scripts/web/build-deps.sh scripts/static-libs.sh cmake/Emscripten.cmake \
        src/platform/web/sdl-backend/* \
        <(emcc --version | head -1) | sha256sum | cut -c1-16)
cache=${TARVELLO_WEB_CACHE:-$out/deps}
prefix=$cache/$key
cached_libraries "$prefix" "$out/deps-work" nice -n 10 bash scripts/web/build-deps.sh "$sources" ||
    fail "the libraries did not build"
[ "${1:-}" = "--libraries" ] && exit 0

step "data generator (native)"
build_native_data "$out/native" "$jobs" nice -n 10

step "game (browser)"
# A build made against other libraries starts afresh: CMake keeps the paths it found.
if [ -e "$out/game/CMakeCache.txt" ] && ! grep -qF "CMAKE_FIND_ROOT_PATH:UNINITIALIZED=$prefix" \
    "$out/game/CMakeCache.txt"; then
    rm -rf "$out/game"
fi
cmake -S . -B "$out/game" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/Emscripten.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTARVELLO_WERROR=ON -DTARVELLO_BENCHMARKS=OFF -DBUILD_TESTING=OFF \
    -DCMAKE_FIND_ROOT_PATH="$prefix" -DPKG_CONFIG_EXECUTABLE="$prefix/bin/pkg-config-static" \
    -DTARVELLO_DATAGEN_EXPORT="$out/native/DatagenExport.cmake" >/dev/null
nice -n 10 cmake --build "$out/game" -j"$jobs"

step "site"
site=$out/site
rm -rf "$site"
mkdir -p "$site"
# The data the page loads is the native generator's, file for file.
diff -r "$out/native/data" "$out/game/data" >/dev/null ||
    fail "the browser build's data differs from the native generator's"
cp "$out/game/tarvello.html" "$site/index.html"
for file in tarvello.js tarvello.wasm tarvello.data; do
    cp "$out/game/$file" "$site/"
done
mkdir -p "$site/licences"
cp "$prefix"/licences/*.txt packaging/fonts/*.txt "$site/licences/"
cp LICENSE "$site/licences/Tarvello.txt"
(cd "$site" && ls -l index.html tarvello.js tarvello.wasm tarvello.data)
