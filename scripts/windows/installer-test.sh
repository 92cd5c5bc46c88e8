#!/usr/bin/env bash
# Installs Tarvello silently under Wine, starts the installed game from its Start-menu shortcut
# and leaves it by "Exit", then uninstalls silently: nothing it installed may be left.
# Usage: installer-test.sh <setup.exe> <version> <staged-folder>
# Runs inside scripts/windows-test.sh, which readies Wine's prefix, services and an X display.
# Not set -e: each check ends the test through fail, which says what went wrong, and exit
# statuses are read by hand.
set -u
setup=$1
version=$2
stage=$3
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvello'
# shellcheck source=../lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"

log() { echo "-- $*"; }
ended() { ! kill -0 "$1" 2>/dev/null; }
absent() { [ ! -e "$1" ]; }
windows_folder() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')\\$2" | sed 's|/$||'; }

log "silent install"
wine "$setup" /S || fail "the installer ended with status $?"
folder=$(windows_folder LOCALAPPDATA 'Programs\Tarvello')
shortcut=$(windows_folder APPDATA 'Microsoft\Windows\Start Menu\Programs')/Tarvello.lnk
[ -f "$folder/tarvello.exe" ] || fail "nothing installed in $folder"
diff -r --exclude=uninstall.exe "$stage" "$folder" || fail "installed files differ from the zip's"
[ -f "$folder/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
wine reg query "$key" /v DisplayVersion | grep -q "REG_SZ *$version" ||
    fail "no entry with version $version among the installed programs"

log "the game from its shortcut"
# Started as the shortcut says: its target in its working folder, which must be the install
# folder, where the game finds data\ (else it ends with status 3).
{ read -r target; read -r workdir; } < <(python3 "$(dirname "$0")/shortcut.py" "$shortcut")
[ "$(winepath -u "$workdir" | sed 's|/$||')" = "$folder" ] ||
    fail "the shortcut's working folder is '$workdir'"
[ "$(winepath -u "$target")" = "$folder/tarvello.exe" ] || fail "the shortcut points to '$target'"
(cd "$(winepath -u "$workdir")" && exec wine "$target") &
game=$!
game_log=$folder/stdout.txt
wait_for_window 60 '^Tarvello$' >/dev/null || fail "no window titled Tarvello"
# The intro takes keys once it runs, and the menu once the intro has given way to it.
wait_for_line -p "$game" 60 "$game_log" "PushState(11cIntroState)" ||
    fail "the intro never ran"
xdotool key Escape
wait_for_line -p "$game" 60 "$game_log" "ChangeState(8MainMenu)" ||
    fail "Escape did not end the intro"
xdotool key --delay 100 Down Down Return  # "Exit"
wait_until 30 ended "$game" || fail "the game did not end on Exit"
wait "$game"
status=$?
[ "$status" = 0 ] || fail "the installed game ended with status $status"
grep -q "SDL_Surface : 0" "$game_log" || fail "no zero leak report in stdout.txt"

log "silent uninstall"
wine "$folder/uninstall.exe" /S || fail "the uninstaller ended with status $?"
# The uninstaller runs on from a copy of itself and removes the folder last.
wait_until 30 absent "$folder" || fail "left behind: $(find "$folder")"
[ -e "$shortcut" ] && fail "the shortcut is left"
wine reg query "$key" >/dev/null 2>&1 && fail "the entry among installed programs is left"
echo "installer: install, play and uninstall passed"
