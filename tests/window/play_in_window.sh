#!/usr/bin/env bash
# Plays Tarvello in a real X window as a person would, takes a screenshot of every screen and
# checks known pixels on each. Usage: play_in_window.sh <path-to-tarvello> <build-dir>
# Needs Xvfb, xauth, xdotool and ImageMagick (installed by whoever runs the tests).
# For a Windows build: TARVELLO_RUNNER=wine, TARVELLO_VIDEODRIVER=windib, and TARVELLO_LOG
# naming the stdout.txt the program writes beside itself. TARVELLO_FULLSCREEN=0 leaves out
# switching to full screen and back (Wine in Xvfb does not always come back from it).
set -u
game=$1
build=$2
runner=${TARVELLO_RUNNER:-}
video=${TARVELLO_VIDEODRIVER:-x11}
fullscreen=${TARVELLO_FULLSCREEN:-1}
shots=$build/screenshots
mkdir -p "$shots"
cd "$build" || exit 1

fail() { echo "FAIL: $*"; cleanup; exit 1; }
log() { echo "-- $*"; }

xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT

# Xvfb picks a free display itself and tells us its number.
rm -f "$shots/display.txt"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$shots/display.txt" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$shots/display.txt" ] && break; sleep 0.1; done
[ -s "$shots/display.txt" ] || fail "Xvfb did not start"
display=$(head -1 "$shots/display.txt")
[ -n "$display" ] || fail "Xvfb gave no display number"
export DISPLAY=:$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getmouselocation >/dev/null 2>&1 || fail "Xvfb does not answer on $DISPLAY"

SDL_VIDEODRIVER=$video SDL_AUDIODRIVER=dummy $runner "$game" >"$shots/stdout.txt" \
    2>"$shots/stderr.txt" &
game_pid=$!
game_log=${TARVELLO_LOG:-$shots/stdout.txt}

window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Tarvello$' 2>/dev/null | head -1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no window titled Tarvello"

# Window-relative coordinates from here on.
wx=0; wy=0
locate() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    wx=$X; wy=$Y
}
locate
log "window $window at $wx,$wy"
xdotool mousemove $((wx + 590)) $((wy + 590))

key() { xdotool key --delay 150 "$@"; sleep 0.4; }
click() {
    xdotool mousemove $((wx + $1)) $((wy + $2)); sleep 0.1
    xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.2
}
shot() {
    import -window root "$shots/root.png"
    convert "$shots/root.png" -crop 600x600+$wx+$wy +repage "$shots/$1.png"
    rm -f "$shots/root.png"
}
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
    convert "$1" -crop 1x$(($4 - $3))+$2+$3 +repage txt:- |
        awk -v y0="$3" -F'[,: ]+' '/#669AF6/ {print $2 + y0}'
}
# Start columns of runs of at least 10 near-white pixels on row y between x0 and x1.
white_runs() {
    convert "$1" -crop $(($4 - $3))x1+$3+$2 +repage -depth 8 txt:- |
        awk -v x0="$3" -F'[(),: ]+' 'NR > 1 {
            white = ($3 > 215 && $4 > 215 && $5 > 215)
            if (white) { if (run == 0) start = $1; run++ } else run = 0
            if (run == 10) print start + x0 }'
}

# Intro: the first picture is up after its fade-in.
sleep 2.4
shot intro
near "$(pixel "$shots/intro.png" 300 300)" "$(pixel data/Velkor.jpg 300 300)" 24 ||
    fail "intro does not show the first picture"

log "main menu"
key Escape
sleep 0.6
shot main_menu
main_top=$(frame_rows "$shots/main_menu.png" 300 100 300 | head -1)
[ "$(frame_rows "$shots/main_menu.png" 300 100 300 | wc -l)" -ge 20 ] || fail "no menu panel"

log "options"
key Down Return
sleep 0.3
shot options
options_top=$(frame_rows "$shots/options.png" 300 100 300 | head -1)
[ -n "$options_top" ] && [ "$options_top" -lt "$main_top" ] || fail "options list not shown"
key Down Down Down Return  # "Back"

log "setup"
key Return
sleep 0.8
shot setup
near "$(pixel "$shots/setup.png" 300 20)" "$(pixel data/gfx/background.png 300 20)" 12 ||
    fail "setup background missing"
read -r r g b <<<"$(pixel "$shots/setup.png" 30 120)"
[ "$g" -gt $((r + 30)) ] || fail "green corner not tinted"

# A seat: type the name into its box, tick its control (0 human, 1 computer).
seat() {  # seat name-x name-y list-x list-y name control
    local box tick col rows
    box=$(white_runs "$shots/setup.png" $(($2 + 8)) "$1" $(($1 + 250)) | head -1)
    [ -n "$box" ] || fail "name box of seat at $1,$2 not found"
    click $((box + 20)) $(($2 + 8))
    xdotool type --delay 120 "$5"; sleep 0.3
    tick=$(white_runs "$shots/setup.png" $(($4 + 12)) "$3" $(($3 + 220)) | head -1)
    [ -n "$tick" ] || fail "control boxes of seat at $3,$4 not found"
    col=$((tick + 6))
    rows=$(convert "$shots/setup.png" -crop 1x90+$col+$4 +repage -depth 8 txt:- |
        awk -v y0="$4" -F'[(),: ]+' 'NR > 1 { white = ($3 > 215 && $4 > 215 && $5 > 215)
            if (white) { if (run == 0) start = $2; run++ } else run = 0
            if (run == 10) print start + y0 }')
    click "$col" $(( $(echo "$rows" | sed -n "$(($6 + 1))p") + 5 ))
}
seat 10 10 10 43 Gale 1
seat 375 10 375 43 Rowan 1
seat 375 562 375 505 Bryn 0
click 299 212   # Start
sleep 1.5

log "game"
yard=("444 368" "476 400" "444 432" "412 400")
for turn in 1 2 3 4 5 6; do
    click 580 550   # the throw button
    sleep 2.4
    for spot in "${yard[@]}"; do click $spot; done
    sleep 1.2
    [ "$turn" = 3 ] && shot game
done
near "$(pixel "$shots/game.png" 480 572)" "$(pixel data/gfx/console.png 460 52)" 16 ||
    fail "no message panel in the game"

log "in-game menu"
xdotool mousemove $((wx + 590)) $((wy + 590))
key Escape
shot in_game_menu
[ "$(frame_rows "$shots/in_game_menu.png" 300 100 300 | wc -l)" -ge 20 ] || fail "no pause menu"
key Down Return       # resume
sleep 1
key Escape
key Return            # abort
sleep 0.8
log "options again"
key Down Return       # "Options"
if [ "$fullscreen" = 1 ]; then
    key Return            # full screen
    sleep 1
    key Return            # and back to a window
    sleep 1
    locate
    xdotool mousemove $((wx + 590)) $((wy + 590))
fi
key Down Return       # music off
key Return            # music on
key Down Down Return  # "Back"
key Up Return         # "Exit"

for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not end on Exit"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" = 0 ] || fail "exit status $status"
tr -d '\r' <"$game_log" >"$shots/log.txt"
grep -q "Resource Leaked:" "$shots/log.txt" || fail "no leak report"
for counter in "SDL_Surface : 0" "TTF_Font    : 0" "Mix_Music   : 0" "Mix_Chunk   : 0"; do
    grep -qx "$counter" "$shots/log.txt" || fail "leak report: $counter missing"
done
grep -c "ToggleFullScreen" "$shots/log.txt" | grep -qx $((2 * fullscreen)) ||
    fail "full screen not toggled twice"
echo "1 passed, 0 failed"
