#!/usr/bin/env bash
# Installs the build into a temporary folder, checks what lands where, validates the desktop
# entry, metainfo and man page when their checkers are present, and plays the installed game
# through its launcher from an unrelated folder.
# Usage: install_tree.sh <build-dir> <data-generator>
set -u
build=$1
generator=$2
work=$(mktemp -d)
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install failed"; }
# Moved away from the prefix it was installed for, the tree must still work.
mv "$work/root/usr" "$work/moved"
tree=$work/moved

for program in games/tarvello lib/games/tarvello/tarvello; do
    [ -x "$tree/$program" ] || fail "$program is missing or not executable"
done
for file in share/applications/tarvello.desktop share/man/man6/tarvello.6 \
    share/doc/tarvello/README.md share/doc/tarvello/LICENSE; do
    [ -s "$tree/$file" ] || fail "$file is missing or empty"
done
ls "$tree"/share/doc/tarvello/fonts/*.copyright >/dev/null 2>&1 || fail "no font licences"
metainfo=$(ls "$tree"/share/metainfo/*.metainfo.xml 2>/dev/null)
[ -n "$metainfo" ] || fail "no metainfo"

diff -r "$build/data" "$tree/share/games/tarvello/data" || fail "installed data differs"
"$generator" --icons "$work/icons" || fail "the generator could not draw the icons"
diff -r "$work/icons/hicolor" "$build/icons/hicolor" || fail "icons differ between two runs"
diff -r "$build/icons/hicolor" "$tree/share/icons/hicolor" || fail "installed icons differ"
for size in 32 48 64 128 256; do
    icon=$tree/share/icons/hicolor/${size}x${size}/apps/tarvello.png
    # The PNG header holds the width and height as big-endian words from byte 16.
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{print $3 * 256 + $4, $7 * 256 + $8}')
    [ "$width $height" = "$size $size" ] || fail "icon $size is ${width}x$height"
done

! command -v desktop-file-validate >/dev/null ||
    desktop-file-validate "$tree/share/applications/tarvello.desktop" || fail "desktop entry"
# Tarvello has no homepage to name, so newer validators' warning about it is the one accepted.
if command -v appstreamcli >/dev/null &&
    ! verdict=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1); then
    grep -E '^[EW]: ' <<<"$verdict" | grep -vq ': url-homepage-missing$' &&
        fail "metainfo: $verdict"
    grep -q '^W: .*: url-homepage-missing$' <<<"$verdict" || fail "metainfo: $verdict"
fi
if command -v groff >/dev/null; then
    warnings=$(groff -ww -z -man "$tree/share/man/man6/tarvello.6" 2>&1)
    [ -z "$warnings" ] || fail "man page: $warnings"
fi

# --help and --version come from the launcher: no display is needed, none is opened.
for option in "--help:^Usage: tarvello" "--version:^tarvello [0-9]+\.[0-9]+\.[0-9]+$"; do
    output=$(env -u DISPLAY SDL_VIDEODRIVER=x11 "$tree/games/tarvello" "${option%%:*}") ||
        fail "tarvello ${option%%:*} failed"
    grep -Eq "${option#*:}" <<<"$output" || fail "tarvello ${option%%:*} printed: $output"
done
"$tree/games/tarvello" --help | grep -q "$tree/share/games/tarvello/data" ||
    fail "--help does not name the data folder"

# From an empty folder, the launcher runs the game in its data folder until SIGTERM.
mkdir "$work/elsewhere"
cd "$work/elsewhere" || fail "no temporary folder"
# Line-buffered output shows when the first screen runs; a sanitized build must allow the preload.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy stdbuf -oL "$tree/games/tarvello" \
    >"$work/game.log" 2>&1 &
game_pid=$!
for _ in $(seq 100); do
    grep -q "PushState" "$work/game.log" && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
grep -q "PushState" "$work/game.log" || { cat "$work/game.log"; fail "the first screen never ran"; }
sleep 0.5
kill -TERM "$game_pid"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" = 0 ] || { cat "$work/game.log"; fail "the game ended with status $status"; }
for counter in SDL_Surface TTF_Font Mix_Music Mix_Chunk; do
    grep -Eq "^$counter +: 0$" "$work/game.log" || { cat "$work/game.log"; fail "$counter leaked"; }
done
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into the folder it was started from"
echo "installed tree checked"
