#!/usr/bin/env bash
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
for folder in "$work" "$prefix"; do
    [[ $folder != *[[:space:]]* ]] ||
        fail "the libraries cannot be built in a folder whose path holds a space: $folder"
done
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
configure_flags=(--host="$host" --prefix="$prefix" --disable-shared --enable-static)

rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix/bin" "$prefix/lib/pkgconfig"

# pkg-config for this prefix alone; --static brings every library's own dependencies along.
cat >"$PKG_CONFIG" <<'PC'
#!/bin/sh
prefix=$(cd "$(dirname "$0")/.." && pwd)
PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" exec pkg-config --static --define-prefix "$@"
PC
chmod +x "$PKG_CONFIG"

# Unpacks a Debian source package (with Debian's patches) and enters it.
debian_source() {
    local dsc
    dsc=$(compgen -G "$sources/$1_*.dsc" | head -1)
    (cd "$work" && dpkg-source -q -x "$dsc" "$1" >/dev/null)
    cd "$work/$1"
}
# Unpacks an upstream tarball after checking its sum, and enters it.
upstream_source() {  # file sha256 folder
    echo "$2  $sources/$1" | sha256sum -c --quiet -
    tar -C "$work" -xzf "$sources/$1"
    cd "$work/$3"
}
# The companion libraries' .pc files leave out what their static archives need.
require_private() {  # module requirement...
    local file="$prefix/lib/pkgconfig/$1.pc"
    shift
    echo "Requires.private: $*" >>"$file"
}
log_build() {  # name command...
    local name=$1
    shift
    "$@" >"$work/$name.log" 2>&1 || { tail -40 "$work/$name.log"; exit 1; }
}

step zlib
debian_source zlib
log_build zlib-configure ./configure --static --prefix="$prefix"
log_build zlib make -j"$jobs" install

step libpng
debian_source libpng1.6
log_build libpng-configure ./configure "${configure_flags[@]}" --disable-maintainer-mode \
    --disable-hardware-optimizations
log_build libpng make -j"$jobs" install

step libjpeg-turbo
debian_source libjpeg-turbo
log_build libjpeg-configure cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/Emscripten.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF \
    -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DCMAKE_C_FLAGS="$CFLAGS"
log_build libjpeg cmake --build build --target jpeg-static -j"$jobs"
cp build/libjpeg.a "$prefix/lib/"
cp jerror.h jmorecfg.h jpeglib.h build/jconfig.h "$prefix/include/"
cp build/pkgscripts/libjpeg.pc "$prefix/lib/pkgconfig/"

step libogg
debian_source libogg
log_build libogg-configure ./configure "${configure_flags[@]}"
log_build libogg make -j"$jobs" install

step libvorbis
debian_source libvorbis
log_build libvorbis-configure ./configure "${configure_flags[@]}" --disable-maintainer-mode \
    --disable-examples --disable-docs
log_build libvorbis make -j"$jobs" install

step freetype
debian_source freetype
# Its build runs a tool of its own on the build machine.
log_build freetype-configure env CC_BUILD=gcc ./configure "${configure_flags[@]}" \
    --enable-freetype-config --with-zlib=yes --with-png=no --with-bzip2=no --with-harfbuzz=no \
    --with-brotli=no
log_build freetype make -j"$jobs" install

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

step SDL_image
upstream_source SDL_image-1.2.12.tar.gz \
    afa0c38edf84a0be5a0e847bae64610c5884e1732455967719b9ea3fda61f886 SDL_image-1.2.12
log_build sdl-image-configure ./configure "${configure_flags[@]}" --with-sdl-prefix="$prefix" \
    --enable-png --enable-jpg --enable-bmp --disable-png-shared --disable-jpg-shared \
    --disable-gif --disable-lbm --disable-pcx --disable-pnm --disable-tga --disable-tif \
    --disable-xcf --disable-xpm --disable-xv --disable-webp --disable-sdltest
log_build sdl-image make -j"$jobs" install-libLTLIBRARIES install-libSDL_imageincludeHEADERS \
    install-pkgconfigDATA
require_private SDL_image libpng libjpeg

step SDL_mixer
debian_source sdl-mixer1.2
log_build sdl-mixer-configure ./configure "${configure_flags[@]}" --with-sdl-prefix="$prefix" \
    --enable-music-wave --enable-music-ogg --disable-music-ogg-shared --disable-music-cmd \
    --disable-music-mod --disable-music-mod-modplug --disable-music-midi \
    --disable-music-flac --disable-music-mp3 --disable-music-mp3-mad-gpl --disable-smpegtest \
    --disable-sdltest ac_cv_lib_vorbisfile_ov_open_callbacks=yes
log_build sdl-mixer make -j"$jobs" install-hdrs install-lib
require_private SDL_mixer vorbisfile

step SDL_ttf
upstream_source SDL_ttf-2.0.11.tar.gz \
    e9693e2387dd08e2783f8b10d0ce197ef9200b97a1582d5264dc46d2eb9d2b50 SDL_ttf-2.0.11
log_build sdl-ttf-configure ./configure "${configure_flags[@]}" --with-sdl-prefix="$prefix" \
    --with-freetype-prefix="$prefix" --without-x --disable-sdltest
log_build sdl-ttf make -j"$jobs" install-libLTLIBRARIES install-libSDL_ttfincludeHEADERS \
    install-pkgconfigDATA
require_private SDL_ttf freetype2

# The licences of everything linked into the game, from the sources themselves.
step licences
licences="$prefix/licences"
mkdir -p "$licences"
cp "$work/libsdl1.2/COPYING" "$licences/SDL-1.2.txt"
cp "$work/SDL_image-1.2.12/COPYING" "$licences/SDL_image.txt"
cp "$work/sdl-mixer1.2/COPYING" "$licences/SDL_mixer.txt"
cp "$work/SDL_ttf-2.0.11/COPYING" "$licences/SDL_ttf.txt"
cp "$work/zlib/debian/copyright" "$licences/zlib.txt"
cp "$work/libpng1.6/LICENSE" "$licences/libpng.txt"
cp "$work/libjpeg-turbo/LICENSE.md" "$licences/libjpeg-turbo.txt"
cp "$work/libjpeg-turbo/README.ijg" "$licences/libjpeg-turbo-IJG.txt"
cp "$work/libogg/COPYING" "$licences/libogg.txt"
cp "$work/libvorbis/COPYING" "$licences/libvorbis.txt"
cp "$work/freetype/docs/FTL.TXT" "$licences/FreeType.txt"
(cd "$sources" && printf '%s\n' *) | grep -E '\.(dsc|tar\.[a-z0-9]+)$' >"$licences/sources.txt"
step "done"
