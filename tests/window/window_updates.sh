#!/usr/bin/env bash
# Reads the real window back after every drawn frame of every screen (tarvello_window_check)
# under a fresh Xvfb. Usage: window_updates.sh <path-to-tarvello> <build-dir>
set -u
build=$2
check=$build/tests/tarvello_window_check
[ -x "$check" ] || { echo "FAIL: no $check"; exit 1; }
cd "$build" || exit 1
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and tells us its number.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=$(head -1 "$work/display" 2>/dev/null)
[ -n "$display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
DISPLAY=:$display SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$check" | grep -v '^---\|^SDL_Engine\|^$'
exit "${PIPESTATUS[0]}"
