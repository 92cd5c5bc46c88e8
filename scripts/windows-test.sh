#!/usr/bin/env bash
# Tests the Windows build made by scripts/windows.sh under Wine, in Xvfb: the test suite through
# CTest, the game in a real window through every screen, a start with a data file missing, and
# the installer's silent install, a game started from its shortcut, and its silent uninstall.
# TARVELLO_SIM_GAMES (default 20) sets how many whole games the suite simulates under Wine.
# The test groups' failures are counted (group_failed), so that every group runs; the rest stops
# at once.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh
root=$PWD
out=$root/build-windows
version=$(project_version)
stage=$out/stage/Tarvello-$version
work=$out/wine-tests
export WINEPREFIX=$out/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export SDL_AUDIODRIVER=dummy  # Xvfb has no sound card: without this the game ends with status 6

failures=0
group_failed() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$work"
mkdir -p "$work"
cleanup() {
    wineserver -k 2>/dev/null || true
    stop_xvfb
    wait 2>/dev/null || true
}
trap cleanup EXIT
start_xvfb "$work"

step "Wine"
# Wine's services start now, not inside the first test: they would hold CTest's output open.
# The server wineboot starts goes away on its own; a persistent one takes its place.
wineboot -i >/dev/null 2>&1
wineserver -w
wineserver -p
wine cmd /c exit
wine --version

step "test suite"
# The pictures are compared with the golden ones within their tolerance, as on Linux.
(cd "$out/game" && TARVELLO_SIM_GAMES=${TARVELLO_SIM_GAMES:-20} \
    ctest --output-on-failure -j"$(nproc)" --timeout 900) || group_failed "test suite"

step "every screen in a window"
cp -r "$stage" "$work/window"
# The buttons the test clicks, as the cross build read them from the game.
cp "$out/game/buttons.sh" "$work/window/"
# Without the switch to full screen and back, which Wine in Xvfb does not always come back from.
TARVELLO_RUNNER=wine TARVELLO_VIDEODRIVER=windib TARVELLO_LOG="$work/window/stdout.txt" \
    TARVELLO_FULLSCREEN=0 bash tests/window/play_in_window.sh "$work/window/tarvello.exe" "$work/window" ||
    group_failed "window test"
grep -q "ChangeState" "$work/window/stdout.txt" || group_failed "no screen changes in stdout.txt"

step "missing data file"
cp -r "$stage" "$work/missing"
rm "$work/missing/data/SDL.jpg"
status=0
(cd "$work/missing" && wine tarvello.exe) || status=$?
[ "$status" = 3 ] || group_failed "missing data: exit status $status, not 3"
grep -qF "SDL_Exception::Couldn't open data/SDL.jpg" "$work/missing/stdout.txt" ||
    group_failed "missing data: no SDL_Exception line in stdout.txt"

step "installer"
bash scripts/windows/installer-test.sh "$out/Tarvello-$version-setup.exe" "$version" "$stage" ||
    group_failed "installer"

[ "$failures" = 0 ] || { echo "$failures Windows test groups failed"; exit 1; }
echo "Windows tests passed"
