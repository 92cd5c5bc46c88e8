#!/usr/bin/env bash
# shellcheck disable=SC2119 # the build steps take arguments of their own, not the script's
# Builds the libraries the Windows game links, static, for 64-bit Windows, into one prefix.
# Usage: build-deps.sh <sources-folder> <work-folder> <prefix>
# The sources folder holds Debian's source packages (.dsc and tarballs) and the SDL_image and
# SDL_ttf release tarballs. Every library is built from those files and nothing else.
set -euo pipefail
sources=$(realpath "$1")
work=$(realpath -m "$2")
prefix=$(realpath -m "$3")
repo=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../lib.sh
. "$repo/scripts/lib.sh"
host=x86_64-w64-mingw32
jobs=$(nproc)

export CC=$host-gcc-posix CXX=$host-g++-posix AR=$host-ar RANLIB=$host-ranlib
export CFLAGS="-O2 -ffile-prefix-map=$work=."
export CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib"
export PKG_CONFIG="$prefix/bin/pkg-config-static" PATH="$prefix/bin:$PATH"
# shellcheck source=../static-libs.sh
. "$repo/scripts/static-libs.sh"
start_static_prefix

build_zlib env CHOST=$host
build_libpng
build_libjpeg "$repo/cmake/MinGW64.cmake"
build_ogg_vorbis
build_freetype

step SDL
debian_source libsdl1.2
log_build sdl-configure ./configure "${configure_flags[@]}"
log_build sdl make -j"$jobs" install

# SDL_image's check for libjpeg links a test program that sdl-config's -Dmain=SDL_main breaks.
image_flags=(ac_cv_lib_jpeg_jpeg_CreateDecompress=yes)
build_sdl_companions

step googletest
log_build gtest-configure cmake -S /usr/src/googletest -B "$work/googletest" \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/MinGW64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF
log_build gtest cmake --build "$work/googletest" -j"$jobs" --target install

collect_licences
step "done"
