#!/usr/bin/env bash
# Starts an installed game through its launcher from an empty folder, ends it with SIGTERM once
# its first screen starts, and checks that it ends with status 0, frees everything and writes
# nothing into the folder it was started from.
# Usage: play_installed.sh <launcher>
# Not set -e: each check ends the test through fail, which says what went wrong, and the
# game's exit status is read by hand.
set -u
# shellcheck source=../../scripts/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
launcher=$1
work=$(mktemp -d)
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir "$work/elsewhere"
cd "$work/elsewhere" || fail "no temporary folder"
# Line-buffered output shows when the first screen runs; a sanitized build must allow the preload.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy stdbuf -oL "$launcher" >"$work/game.log" 2>&1 &
game_pid=$!
# The first screen is pushed once SDL runs, and SDL turns SIGTERM into closing the window, which
# the main loop takes as its first event whenever it comes.
wait_for_line -p "$game_pid" 30 "$work/game.log" "PushState" ||
    { cat "$work/game.log"; fail "the first screen never ran"; }
kill -TERM "$game_pid"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" = 0 ] || { cat "$work/game.log"; fail "the game ended with status $status"; }
for counter in SDL_Surface TTF_Font Mix_Music Mix_Chunk; do
    grep -Eq "^$counter +: 0$" "$work/game.log" || { cat "$work/game.log"; fail "$counter leaked"; }
done
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the game wrote into the folder it was started from"
echo "$launcher ran from an empty folder and ended on SIGTERM with status 0 and nothing leaked"
