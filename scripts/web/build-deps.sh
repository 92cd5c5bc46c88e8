#!/usr/bin/env bash
# shellcheck disable=SC2119 # the build steps take arguments of their own, not the script's
# Builds the libraries the browser game links, static, with Emscripten's emcc, into one prefix.
# Usage: build-deps.sh <sources-folder> <work-folder> <prefix>
# The sources folder holds Debian's source packages (.dsc and tarballs) and the SDL_image and
# SDL_ttf release tarballs. SDL is Debian's, with our browser backend (src/platform/web/
# sdl-backend) copied in and wired into its configure; no Emscripten port is used.
set -euo pipefail
sources=$(realpath "$1")
work=$(realpath -m "$2")
prefix=$(realpath -m "$3")
repo=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=../lib.sh
. "$repo/scripts/lib.sh"
# Old config.sub scripts know no Emscripten; this name passes them all and means no native run.
host=asmjs-unknown-linux
jobs=${TARVELLO_JOBS:-2}
backend=$repo/src/platform/web/sdl-backend

# Emscripten's own JavaScript tools need Debian's Node modules.
export NODE_PATH=/usr/share/nodejs
export CC=emcc CXX=em++ AR=emar RANLIB=emranlib
export CFLAGS="-O2 -ffile-prefix-map=$work=."
export CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib"
export PKG_CONFIG="$prefix/bin/pkg-config-static" PATH="$prefix/bin:$PATH"
export EM_PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
# shellcheck source=../static-libs.sh
. "$repo/scripts/static-libs.sh"
start_static_prefix

build_zlib
build_libpng --disable-hardware-optimizations
build_libjpeg "$repo/cmake/Emscripten.cmake"
build_ogg_vorbis
# Its build runs a tool of its own on the build machine.
build_freetype env CC_BUILD=gcc

step SDL
debian_source libsdl1.2
mkdir -p src/video/web src/audio/web src/timer/web
cp "$backend/SDL_webvideo.c" src/video/web/
cp "$backend/SDL_webaudio.c" src/audio/web/
cp "$backend/SDL_webtimer.c" src/timer/web/
patch -s -p1 <"$backend/web-backend.patch"
# No threads, shared objects, CD-ROM or joystick in a page; every system driver is left out.
log_build sdl-configure ./configure "${configure_flags[@]}" --enable-web-backend \
    --disable-threads --disable-pthreads --disable-loadso --disable-cdrom --disable-joystick \
    --disable-assembly --disable-nasm --disable-video-x11 --disable-video-fbcon \
    --disable-video-directfb --disable-video-dga --disable-video-opengl --disable-video-ps3 \
    --disable-video-caca --disable-video-ggi --disable-video-svga --disable-video-aalib \
    --disable-input-tslib --disable-oss --disable-alsa --disable-esd --disable-pulseaudio \
    --disable-arts --disable-nas --disable-diskaudio --disable-rpath
grep -q '^#define SDL_VIDEO_DRIVER_WEB 1' include/SDL_config.h ||
    fail "SDL's configure left out the browser backend"
log_build sdl make -j"$jobs" install

build_sdl_companions --disable-sdltest

collect_licences
step "done"
