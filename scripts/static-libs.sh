# shellcheck shell=bash
# shellcheck disable=SC2154 # the caller sets sources, work, prefix, host and jobs
# Steps shared by the scripts that cross-build the game's libraries, static, into one prefix:
# scripts/windows/build-deps.sh and scripts/web/build-deps.sh. Sourced after lib.sh, with the
# caller's sources (the folder of source packages and tarballs), work, prefix, host, jobs, repo,
# CC and the other tools' variables set and PKG_CONFIG naming a file inside the prefix.
# What differs between the targets comes in as arguments: words to run configure through (such
# as "env CHOST=..."), or configure options to add.

# Empties the work folder and the prefix, and writes the prefix's own pkg-config.
start_static_prefix() {
    local folder
    # Configure scripts and libtool split CFLAGS, LDFLAGS and their own paths at spaces.
    for folder in "$work" "$prefix"; do
        [[ $folder != *[[:space:]]* ]] ||
            fail "the libraries cannot be built in a folder whose path holds a space: $folder"
    done
    image_flags=()
    configure_flags=(--host="$host" --prefix="$prefix" --disable-shared --enable-static)
    rm -rf "$work" "$prefix"
    mkdir -p "$work" "$prefix/bin" "$prefix/lib/pkgconfig"
    # --static brings every library's own dependencies along.
    cat >"$PKG_CONFIG" <<'PC'
#!/bin/sh
prefix=$(cd "$(dirname "$0")/.." && pwd)
PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" exec pkg-config --static --define-prefix "$@"
PC
    chmod +x "$PKG_CONFIG"
}

# Unpacks a Debian source package (with Debian's patches) and enters it.
debian_source() {
    local dsc
    dsc=$(compgen -G "$sources/$1_*.dsc" | head -1)
    (cd "$work" && dpkg-source -q -x "$dsc" "$1" >/dev/null)
    cd "$work/$1" || exit 1
}
# Unpacks an upstream tarball after checking its sum, and enters it.
upstream_source() {  # file sha256 folder
    echo "$2  $sources/$1" | sha256sum -c --quiet -
    tar -C "$work" -xzf "$sources/$1"
    cd "$work/$3" || exit 1
}
# The companion libraries' .pc files leave out what their static archives need.
require_private() {  # module requirement...
    local file="$prefix/lib/pkgconfig/$1.pc"
    shift
    echo "Requires.private: $*" >>"$file"
}
# Runs a command with its output in the work folder's <name>.log, shown in part if it fails.
log_build() {  # name command...
    local name=$1
    shift
    "$@" >"$work/$name.log" 2>&1 || { tail -40 "$work/$name.log"; exit 1; }
}

build_zlib() {  # [words to run configure through...]
    step zlib
    debian_source zlib
    log_build zlib-configure "$@" ./configure --static --prefix="$prefix"
    log_build zlib make -j"$jobs" install
}

build_libpng() {  # [configure options...]
    step libpng
    debian_source libpng1.6
    log_build libpng-configure ./configure "${configure_flags[@]}" --disable-maintainer-mode "$@"
    log_build libpng make -j"$jobs" install
}

build_libjpeg() {  # <CMake toolchain file>
    step libjpeg-turbo
    debian_source libjpeg-turbo
    log_build libjpeg-configure cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE="$1" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF \
        -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DCMAKE_C_FLAGS="$CFLAGS"
    log_build libjpeg cmake --build build --target jpeg-static -j"$jobs"
    cp build/libjpeg.a "$prefix/lib/"
    cp jerror.h jmorecfg.h jpeglib.h build/jconfig.h "$prefix/include/"
    cp build/pkgscripts/libjpeg.pc "$prefix/lib/pkgconfig/"
}

build_ogg_vorbis() {
    step libogg
    debian_source libogg
    log_build libogg-configure ./configure "${configure_flags[@]}"
    log_build libogg make -j"$jobs" install

    step libvorbis
    debian_source libvorbis
    log_build libvorbis-configure ./configure "${configure_flags[@]}" --disable-maintainer-mode \
        --disable-examples --disable-docs
    log_build libvorbis make -j"$jobs" install
}

build_freetype() {  # [words to run configure through...]
    step freetype
    debian_source freetype
    # SDL_ttf's configure asks freetype-config for its flags.
    log_build freetype-configure "$@" ./configure "${configure_flags[@]}" \
        --enable-freetype-config --with-zlib=yes --with-png=no --with-bzip2=no \
        --with-harfbuzz=no --with-brotli=no
    log_build freetype make -j"$jobs" install
}

# SDL itself differs too much between the targets to share; its companions take the options
# given to this function, and SDL_image also those in image_flags.
build_sdl_companions() {  # [configure options...]
    step SDL_image
    upstream_source SDL_image-1.2.12.tar.gz \
        afa0c38edf84a0be5a0e847bae64610c5884e1732455967719b9ea3fda61f886 SDL_image-1.2.12
    # BMP stays in because the test suite saves its pictures as BMP; the game's own files are PNG
    # and JPEG.
    log_build sdl-image-configure ./configure "${configure_flags[@]}" --with-sdl-prefix="$prefix" \
        --enable-png --enable-jpg --enable-bmp --disable-png-shared --disable-jpg-shared \
        --disable-gif --disable-lbm --disable-pcx --disable-pnm --disable-tga --disable-tif \
        --disable-xcf --disable-xpm --disable-xv --disable-webp "${image_flags[@]}" "$@"
    log_build sdl-image make -j"$jobs" install-libLTLIBRARIES install-libSDL_imageincludeHEADERS \
        install-pkgconfigDATA
    require_private SDL_image libpng libjpeg

    step SDL_mixer
    debian_source sdl-mixer1.2
    # Its check for libvorbisfile links without libvorbis and libogg, which a static library
    # needs.
    log_build sdl-mixer-configure ./configure "${configure_flags[@]}" --with-sdl-prefix="$prefix" \
        --enable-music-wave --enable-music-ogg --disable-music-ogg-shared --disable-music-cmd \
        --disable-music-mod --disable-music-mod-modplug --disable-music-midi \
        --disable-music-flac --disable-music-mp3 --disable-music-mp3-mad-gpl --disable-smpegtest \
        ac_cv_lib_vorbisfile_ov_open_callbacks=yes "$@"
    log_build sdl-mixer make -j"$jobs" install-hdrs install-lib
    require_private SDL_mixer vorbisfile

    step SDL_ttf
    upstream_source SDL_ttf-2.0.11.tar.gz \
        e9693e2387dd08e2783f8b10d0ce197ef9200b97a1582d5264dc46d2eb9d2b50 SDL_ttf-2.0.11
    log_build sdl-ttf-configure ./configure "${configure_flags[@]}" --with-sdl-prefix="$prefix" \
        --with-freetype-prefix="$prefix" --without-x "$@"
    log_build sdl-ttf make -j"$jobs" install-libLTLIBRARIES install-libSDL_ttfincludeHEADERS \
        install-pkgconfigDATA
    require_private SDL_ttf freetype2
}

# The licences of everything linked into the game, from the sources themselves.
collect_licences() {
    local licences="$prefix/licences"
    step licences
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
}
