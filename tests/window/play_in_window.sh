#!/usr/bin/env bash
# Plays Tarvello in a real X window as a person would, takes a screenshot of every screen and
# checks known pixels on each; then reads the window back after every pass of the screens on fake
# time. Usage: play_in_window.sh <path-to-tarvello> <build-dir>
# Needs Xvfb, xauth, xdotool and ImageMagick (installed by whoever runs the tests).
# Every step waits for what it needs to see (a log line, a window, a pixel), with a time limit,
# so a loaded machine only makes the test slower.
# For a Windows build: TARVELLO_RUNNER=wine, TARVELLO_VIDEODRIVER=windib, and TARVELLO_LOG
# naming the stdout.txt the program writes beside itself. TARVELLO_FULLSCREEN=0 leaves out
# switching to full screen and back (Wine in Xvfb does not always come back from it).
# Not set -e: every check ends the test through fail, which says what went wrong.
set -u
# shellcheck source=../../scripts/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
game=$1
build=$2
read -ra runner <<<"${TARVELLO_RUNNER:-}"
video=${TARVELLO_VIDEODRIVER:-x11}
fullscreen=${TARVELLO_FULLSCREEN:-1}
shots=$build/screenshots
mkdir -p "$shots"
cd "$build" || exit 1

log() { echo "-- $*"; }

game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    stop_xvfb
    wait 2>/dev/null
}
trap cleanup EXIT

start_xvfb "$shots" || fail "Xvfb did not start"
answers() { xdotool getmouselocation >/dev/null 2>&1; }
wait_until 5 answers || fail "Xvfb does not answer on $DISPLAY"

# Line-buffered, so the log can be read while the game runs.
SDL_VIDEODRIVER=$video SDL_AUDIODRIVER=dummy stdbuf -oL "${runner[@]}" "$game" >"$shots/stdout.txt" \
    2>"$shots/stderr.txt" &
game_pid=$!
game_log=${TARVELLO_LOG:-$shots/stdout.txt}

window=$(wait_for_window 10 '^Tarvello$') || fail "no window titled Tarvello"

# Window-relative coordinates from here on.
wx=0; wy=0
locate() {
    read -r wx wy < <(window_position "$window") || fail "window $window has no position"
}
locate
log "window $window at $wx,$wy"
xdotool mousemove $((wx + 590)) $((wy + 590))

key() { xdotool key --delay 50 "$@"; }
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) mousedown 1 mouseup 1; }
# The buttons' rectangles, as the build read them from the game: start_button, throw_button...
# shellcheck source=/dev/null
. "$build/buttons.sh"
click_button() { click $(($1 + $3 / 2)) $(($2 + $4 / 2)); }  # click_button x y width height
# Waits (at most 90 s: Wine on a loaded machine is slow) until the command succeeds.
wait_for() {
    local what=$1; shift
    wait_until 90 "$@" || fail "waited in vain for $what"
}
# Waits until the log has gained the given count of lines holding the text.
wait_log() {
    wait_for_line -p "$game_pid" 90 "$game_log" "$@" || fail "waited in vain for log line $1"
}
shot() { import -window "$window" "$shots/$1.png"; }
# "r g b" of a pixel of a picture.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)] %[fx:int(255*p{$2,$3}.g+0.5)] %[fx:int(255*p{$2,$3}.b+0.5)]" info:
}
near() {  # near "r g b" "r g b" tolerance
    read -r a b c <<<"$1"; read -r d e f <<<"$2"
    [ $(( (a-d)*(a-d) < $3*$3 && (b-e)*(b-e) < $3*$3 && (c-f)*(c-f) < $3*$3 )) = 1 ]
}
# Rows (y) of the column x between y0 and y1 whose pixel is the menu frame's colour.
frame_rows() {
    convert "$1" -crop "1x$(($4 - $3))+$2+$3" +repage txt:- |
        awk -v y0="$3" -F'[,: ]+' '/#669AF6/ {print $2 + y0}'
}
# Shoots the screen as name until the check on it holds.
shows() { shot "$1"; shift; "$@"; }  # shows name check...
# Either splash picture, more than a quarter faded in, where both are dark blue and the menu is
# bright: ten seconds of intro leave time for slow looks.
splash_up() {
    read -r r g b <<<"$(pixel "$shots/intro.png" 300 400)" && [ "$b" -gt 24 ] && [ "$b" -gt $((r + 12)) ]
}
menu_panel() { [ "$(frame_rows "$shots/$1.png" 300 100 300 | wc -l)" -ge 20 ]; }
setup_shown() {
    near "$(pixel "$shots/setup.png" 300 20)" "$(pixel data/gfx/background.png 300 20)" 12 &&
        read -r r g b <<<"$(pixel "$shots/setup.png" 30 120)" && [ "$g" -gt $((r + 30)) ]
}

# Intro: the first picture is up after its fade-in.
wait_for "a splash picture" shows intro splash_up

log "main menu"
key Escape
wait_log "ChangeState(8MainMenu)"
wait_for "the menu panel" shows main_menu menu_panel main_menu

log "setup"
key Return
wait_log "ChangeState(11PlayerSetup)"
# Where the boxes stand, right of the labels "Name: " and "Computer " in the game's font: a
# seat's name box from 71 px right of the seat's corner, its control boxes from 115 px right of
# the list's corner, "Human" 4 px and "Computer" 28 px below it.
white() { read -r r g b <<<"$(pixel "$shots/setup.png" "$1" "$2")" && [ $((r > 215 && g > 215 && b > 215)) = 1 ]; }
# The log line comes before the first setup frame reaches the window, and two pixels of the tunnel
# can pass for setup: wait until the shot also shows every seat's boxes.
setup_ready() {
    setup_shown || return 1
    for x in 10 375; do
        white $((x + 90)) 18 && white $((x + 90)) 570 && white $((x + 121)) 52 &&
            white $((x + 121)) 538 || return 1
    done
}
wait_for "the setup screen with its green corner and its boxes" shows setup setup_ready

# A seat: type the name into its box, tick its control (0 human, 1 computer).
seat() {  # seat name-x name-y list-x list-y name control
    click $(($1 + 90)) $(($2 + 8))
    xdotool type --delay 50 "$5"
    click $(($3 + 121)) $(($4 + 9 + 24 * $6))
}
seat 10 10 10 43 Gale 1
seat 375 10 375 43 Rowan 1
seat 375 562 375 505 Bryn 0
# shellcheck disable=SC2154  # set by buttons.sh
click_button "${start_button[@]}"
wait_log "ChangeState(12cGameSession)"

log "game"
panel_shown() { near "$(pixel "$shots/game.png" 480 572)" "$(pixel data/gfx/console.png 460 52)" 16; }
wait_for "the message panel" shows game panel_shown
# The panel stands empty while a die rolls (and while a piece walks), and says what comes next
# once it has stopped: the pixels of its text's colour tell.
panel_text() {
    local pixels
    pixels=$(convert "$shots/game.png" -crop 470x60+20+520 +repage txt:-) || return 1
    grep -c '#4146EB' <<<"$pixels" || true
}
panel_empty() { local count; count=$(panel_text) && [ "$count" = 0 ]; }
panel_says() { local count; count=$(panel_text) && [ "$count" -gt 20 ]; }
# Throws whenever the game waits for Bryn's throw, until a shot finds a die rolling.
throw_rolls() {
    # shellcheck disable=SC2154  # set by buttons.sh
    click_button "${throw_button[@]}"
    shows game panel_empty
}
yard=("444 368" "476 400" "444 432" "412 400")
for _ in 1 2 3; do
    wait_for "a die to roll" throw_rolls
    wait_for "the die to stop" shows game panel_says
    for spot in "${yard[@]}"; do read -r x y <<<"$spot" && click "$x" "$y"; done
done
wait_for "the message panel" shows game panel_shown

log "in-game menu"
xdotool mousemove $((wx + 590)) $((wy + 590))
key Escape
wait_log "PushState(10InGameMenu)"
wait_for "the pause menu" shows in_game_menu menu_panel in_game_menu
key Down Return       # resume
wait_log "PopState()"
key Escape
wait_log "PushState(10InGameMenu)" 2
key Return            # abort
wait_log "ChangeState(8MainMenu)" 2
log "options again"
key Down Return       # "Options"
wait_for "the options list" shows options menu_panel options
if [ "$fullscreen" = 1 ]; then
    key Return            # full screen
    wait_log "ToggleFullScreen()" 1
    key Return            # and back to a window
    wait_log "ToggleFullScreen()" 2
    window=$(wait_for_window 30 '^Tarvello$') || fail "waited in vain for the window back"
    locate
    xdotool mousemove $((wx + 590)) $((wy + 590))
fi
key Down Return       # music off
key Return            # music on
key Down Down Return  # "Back"
key Up Return         # "Exit"

game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
wait_for "the game to end" game_ended
wait "$game_pid"
status=$?
game_pid=""
[ "$status" = 0 ] || fail "exit status $status"
tr -d '\r' <"$game_log" >"$shots/log.txt"
for counter in "SDL_Surface : 0" "TTF_Font    : 0" "Mix_Music   : 0" "Mix_Chunk   : 0"; do
    grep -qx "$counter" "$shots/log.txt" || fail "leak report: $counter missing"
done
grep -c "ToggleFullScreen" "$shots/log.txt" | grep -qx $((2 * fullscreen)) ||
    fail "full screen not toggled twice"

# The same screens on fake time, the window read back after every pass (Linux builds only).
check=$build/tests/tarvello_window_check
if [ ${#runner[@]} = 0 ] && [ -x "$check" ]; then
    log "window read-back"
    SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$check" | grep -E 'frames|differs|FAIL'
    [ "${PIPESTATUS[0]}" = 0 ] || fail "the window did not show the screen surface"
fi
echo "1 passed, 0 failed"
