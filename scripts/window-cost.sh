#!/usr/bin/env bash
# What each screen costs a player's machine: the real program in a real X window (a fresh Xvfb,
# 1024x768x24, dummy audio), driven through its screens with xdotool; for each screen the CPU of
# the game and of the X server over SECONDS, as % of one core, and the game's resident memory.
#
# usage: scripts/window-cost.sh [BUILD_DIR=build] [SECONDS=8] [ROUNDS=1]
# Needs Xvfb, xdotool and ImageMagick. Prints one line per screen and round, then the medians.
set -euo pipefail
# shellcheck source=lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
build=$(cd "${1:-build}" && pwd) || exit 2
secs=${2:-8}
rounds=${3:-1}
[ -x "$build/tarvello" ] || { echo "no tarvello in $build"; exit 2; }
work=$(mktemp -d)
gpid=""
stop() {
    if [ -n "$gpid" ]; then
        kill "$gpid" 2>/dev/null || true
        wait "$gpid" 2>/dev/null || true
        gpid=""
    fi
    stop_xvfb
}
trap 'stop; rm -rf "$work"' EXIT

# Run time of all of a process's threads, in nanoseconds.
cpu_ns() {
    local sum=0 t a
    for t in "/proc/$1"/task/*/schedstat; do read -r a _ <"$t" && sum=$((sum + a)); done 2>/dev/null
    echo $sum
}
measure() {  # measure SCREEN ROUND
    local g0 x0 t0 g1 x1 t1 rss
    g0=$(cpu_ns "$gpid"); x0=$(cpu_ns "$xvfb_pid"); t0=$(date +%s%N)
    sleep "$secs"
    g1=$(cpu_ns "$gpid"); x1=$(cpu_ns "$xvfb_pid"); t1=$(date +%s%N)
    rss=$(awk '$1=="VmRSS:"{print $2}' "/proc/$gpid/status")
    awk -v s="$1" -v r="$2" -v g=$((g1 - g0)) -v x=$((x1 - x0)) -v w=$((t1 - t0)) -v m="$rss" \
        'BEGIN { printf "%-16s %5d %8.2f %8.2f %8.2f %8d\n", s, r, 100*g/w, 100*x/w, 100*(g+x)/w, m }' |
        tee -a "$work/results"
}
key() { xdotool key --delay 150 "$@"; sleep 0.4; }
click() {  # window coordinates
    xdotool mousemove $((wx + $1)) $((wy + $2)); sleep 0.1
    xdotool mousedown 1; sleep 0.1; xdotool mouseup 1; sleep 0.2
}
click_at() { local x y; read -r x y <<<"$1"; click "$x" "$y"; }  # click_at "x y"
# The buttons' rectangles, as the build read them from the game: start_button, throw_button...
# shellcheck source=/dev/null
. "$build/buttons.sh"
click_button() { click $(($1 + $3 / 2)) $(($2 + $4 / 2)); }  # click_button x y width height
park() { xdotool mousemove $((wx + 590)) $((wy + 590)); }
# The setup screen's layout: a seat's name box, then its "Human" and "Computer" boxes.
name_at=("150 22" "515 22" "515 574" "150 574")
human_at=("132 55" "497 55" "497 517" "132 517")
computer_at=("132 77" "497 77" "497 540" "132 540")
seat() {  # seat N NAME human|computer
    click_at "${name_at[$1]}"
    xdotool type --delay 80 "$2"; sleep 0.2
    if [ "$3" = human ]; then click_at "${human_at[$1]}"; else click_at "${computer_at[$1]}"; fi
}
# The board's white rim at its left edge shows once a game runs.
in_game() {
    local colour
    import -window root "$work/root.png" 2>/dev/null &&
        colour=$(convert "$work/root.png" -format "%[pixel:p{$((wx + 56)),$((wy + 300))}]" info: 2>/dev/null) &&
        grep -Eq '^(white|srgb\(255,255,255\))$' <<<"$colour"
}

round() {
    start_xvfb "$work"
    (cd "$build" && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy exec ./tarvello >"$work/out" 2>&1) &
    gpid=$!
    local win
    win=$(wait_for_window 10 '^Tarvello$') || { echo "no Tarvello window"; stop; return 1; }
    read -r wx wy < <(window_position "$win")
    park; sleep 0.5
    local s0=$secs; secs=${INTRO_SECS:-3}; measure intro "$1"; secs=$s0
    key Escape; sleep 1.5; measure main_menu "$1"
    key Down Return; sleep 1; measure options "$1"
    key Down Down Down Return; sleep 1.5
    key Return; sleep 1.5; measure setup "$1"
    seat 0 Gale human; seat 1 Rowan computer
    # shellcheck disable=SC2154  # set by buttons.sh
    click_button "${start_button[@]}"; sleep 1.5; park
    in_game || { echo "the game did not start"; stop; return 1; }
    measure game_wait_throw "$1"
    key Escape; sleep 1; measure ingame_menu "$1"
    key Return; sleep 1.5; key Return; sleep 1.5
    seat 0 Gale computer; seat 1 Rowan computer; seat 2 Bryn computer; seat 3 Yara computer
    # shellcheck disable=SC2154  # set by buttons.sh
    click_button "${start_button[@]}"; sleep 1.5; park
    in_game || { echo "the second game did not start"; stop; return 1; }
    measure game_four_cpu "$1"
    stop
}

echo "screen           round   game %  server %   sum %   rss kB"
# Not "round || exit": bash ignores set -e inside a function called that way.
for r in $(seq "$rounds"); do round "$r"; done
echo
echo "medians of $rounds round(s) x ${secs} s:"
for s in intro main_menu options setup game_wait_throw ingame_menu game_four_cpu; do
    awk -v s="$s" '$1==s {g[++n]=$3; x[n]=$4; t[n]=$5; m[n]=$6}
        function med(a, n,   i, j, t) { for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++)
            if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
            return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2 }
        END { if (n) printf "%-16s %8.2f %8.2f %8.2f %8d\n", s, med(g, n), med(x, n), med(t, n), med(m, n) }' \
        "$work/results"
done
