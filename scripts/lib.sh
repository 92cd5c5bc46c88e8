# shellcheck shell=bash
# What several scripts share. Sourced, never run:
#   . "$(dirname "${BASH_SOURCE[0]}")/lib.sh"     (from a script in scripts/; adjust the path)
# Defines functions only and changes no shell option, so each script keeps its own error handling.

# The root of the source tree this file belongs to.
tarvello_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Runs a command as root: through sudo unless this already is root.
as_root() {
    if [ "$(id -u)" -ne 0 ]; then
        sudo "$@"
    else
        "$@"
    fi
}

# Announces a step of a long script, with the time it starts.
step() { echo "== $1 ($(date +%T))"; }

# The game's version, as CMakeLists.txt's project() gives it: the one place it is written.
project_version() {
    local version
    version=$(sed -n 's/^project(Tarvello VERSION \([0-9][0-9.]*\)[ )].*/\1/p' \
        "$tarvello_root/CMakeLists.txt")
    [ -n "$version" ] || { echo "no project(Tarvello VERSION ...) in CMakeLists.txt" >&2; return 1; }
    echo "$version"
}

# Copies the source tree into a folder that exists: what the repository holds (tracked or new,
# never a build folder), or, outside a git checkout (an unpacked source), everything but the build
# folders. Words after the folder run the copy through a command, such as as_root.
# Usage: copy_sources <folder> [command...]
copy_sources() {
    local target=$1
    shift
    if git -C "$tarvello_root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git -C "$tarvello_root" ls-files -z --cached --others --exclude-standard |
            (cd "$tarvello_root" && "$@" xargs -0 cp --parents -t "$target")
    else
        find "$tarvello_root" -mindepth 1 -maxdepth 1 ! -name 'build*' ! -name .git -print0 |
            "$@" xargs -0 cp -a -t "$target"
    fi
}

# Starts an X server for the window tests: Xvfb, 1024x768 at 24 bits, on a display it picks free
# itself (other servers may run) and reports through -displayfd, and with -noreset, so that it
# does not reset when its last client leaves. Sets xvfb_pid and exports DISPLAY; the caller's
# EXIT trap calls stop_xvfb.
# Usage: start_xvfb <folder for the display number>
xvfb_pid=""
start_xvfb() {
    local file=$1/xvfb-display.txt
    rm -f "$file"
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$file" ] && break
        sleep 0.1
    done
    [ -s "$file" ] || { echo "Xvfb did not start" >&2; return 1; }
    DISPLAY=:$(head -1 "$file")
    export DISPLAY
}
stop_xvfb() {
    [ -n "$xvfb_pid" ] || return 0
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
}

# "x y": where a window is on the screen, from xdotool, read as numbers (never evaluated).
window_position() {
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '$1 == "X" && $2 ~ /^-?[0-9]+$/ { x = $2 } $1 == "Y" && $2 ~ /^-?[0-9]+$/ { y = $2 }
            END { if (x == "" || y == "") exit 1; print x, y }'
}
