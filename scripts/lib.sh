# shellcheck shell=bash
# What several scripts share. Sourced, never run:
#   . "$(dirname "${BASH_SOURCE[0]}")/lib.sh"     (from a script in scripts/; adjust the path)
# Defines functions only and changes no shell option, so each script keeps its own error handling.

# The root of the source tree this file belongs to.
tarvello_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Says what went wrong, under the script's name, and ends the script with status 1. A script
# that must tidy up (a game or a server still running, a temporary folder) does it in its EXIT
# trap, which this exit runs. Called inside $(...) or a pipeline it ends only that subshell.
fail() {
    echo "${0##*/}: FAIL: $*" >&2
    exit 1
}

# Tries a command every 0.1 s until it succeeds, for at most the given seconds; returns 1 when it
# never did. A bounded wait for what a step needs, never a pause of a guessed length.
# Usage: wait_until <seconds> <command...>
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Whether a file holds at least <count> (1) lines with the text, a fixed string, never a pattern.
# Usage: has_line <file> <text> [count]
has_line() {
    local found
    found=$(grep -cF -- "$2" "$1" 2>/dev/null) || true
    [ "${found:-0}" -ge "${3:-1}" ]
}
# Waits for such lines, as a game prints its state changes into its log; with -p, gives up as
# soon as that process has ended. Returns 1 when the lines did not come.
# Usage: wait_for_line [-p pid] <seconds> <file> <text> [count]
wait_for_line() {
    local pid=""
    if [ "$1" = -p ]; then
        pid=$2
        shift 2
    fi
    local seconds=$1
    shift
    wait_until "$seconds" line_or_ended "$pid" "$@"
    has_line "$@"
}
line_or_ended() {
    local pid=$1
    shift
    has_line "$@" || { [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; }
}

# Waits for a window whose name matches the pattern (xdotool's, an extended regular expression)
# on $DISPLAY, and prints its id. Returns 1 when none came within the seconds.
# Usage: wait_for_window <seconds> <pattern>
wait_for_window() {
    local deadline=$((SECONDS + $1)) window
    while :; do
        window=$(xdotool search --name "$2" 2>/dev/null | head -1)
        [ -n "$window" ] && echo "$window" && return 0
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Runs a command as root: through sudo unless this already is root.
as_root() {
    if [ "$(id -u)" -ne 0 ]; then
        sudo "$@"
    else
        "$@"
    fi
}

# Whether a Debian package is installed.
package_installed() {
    case $(dpkg-query -W -f='${Status}\n' "$1" 2>/dev/null) in
        *"install ok installed"*) return 0 ;;
        *) return 1 ;;
    esac
}
# Installs those of the Debian packages that are not installed yet, with one apt-get update
# first: one for this script and the scripts it starts (TARVELLO_APT_UPDATED tells them).
# Usage: install_packages <package>...
install_packages() {
    local missing=() package
    for package in "$@"; do
        package_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "Installing: ${missing[*]}"
    if [ -z "${TARVELLO_APT_UPDATED:-}" ]; then
        as_root apt-get update -qq
        export TARVELLO_APT_UPDATED=1
    fi
    # sudo passes no environment on: the setting goes through env.
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# The release tarballs the cross builds take from a folder of their own (Debian has no source
# packages of these versions); scripts/windows/build-deps.sh checks their sums.
# shellcheck disable=SC2034 # read by the scripts that source this file
library_tarballs=(SDL_image-1.2.12.tar.gz SDL_ttf-2.0.11.tar.gz)
# The Debian 12 source packages the cross builds make their libraries from.
# shellcheck disable=SC2034
library_packages=(libsdl1.2 sdl-mixer1.2 zlib libpng1.6 libjpeg-turbo libogg libvorbis freetype)

# Gathers what a cross build makes its libraries from into one folder: the Debian 12 source
# packages not there yet, through an apt configuration of our own in <apt-folder> (its own list
# of sources, package lists and cache, so that the machine's apt sees no change), and the release
# tarballs from <tarball-folder>. Fails naming what is missing.
# Usage: gather_library_sources <folder> <apt-folder> <tarball-folder>
gather_library_sources() {
    local sources=$1 apt_dir=$2 tarballs=$3 package tarball fetch=()
    mkdir -p "$sources"
    for package in "${library_packages[@]}"; do
        compgen -G "$sources/${package}_*.dsc" >/dev/null || fetch+=("$package")
    done
    if [ ${#fetch[@]} -gt 0 ]; then
        mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" \
            "$apt_dir/sources.list.d"
        echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
            "http://deb.debian.org/debian bookworm main" >"$apt_dir/sources.list"
        # Downloads run as this user, whom the folders belong to, not as apt's sandbox user.
        {
            echo "Dir::State \"$apt_dir\";"
            echo "Dir::State::lists \"$apt_dir/lists\";"
            echo "Dir::Cache \"$apt_dir/cache\";"
            echo "Dir::Etc::SourceList \"$apt_dir/sources.list\";"
            echo "Dir::Etc::SourceParts \"$apt_dir/sources.list.d\";"
            echo 'APT::Sandbox::User "root";'
        } >"$apt_dir/apt.conf"
        APT_CONFIG=$apt_dir/apt.conf apt-get update -qq || return 1
        (cd "$sources" && APT_CONFIG=$apt_dir/apt.conf apt-get source --download-only -qq \
            "${fetch[@]}") || return 1
    fi
    for tarball in "${library_tarballs[@]}"; do
        [ -f "$tarballs/$tarball" ] || { echo "no $tarball in $tarballs" >&2; return 1; }
        cp "$tarballs/$tarball" "$sources/"
    done
}

# Builds a cross build's libraries into <prefix> by running the words after the folders with
# <work-folder> and <prefix> added, unless a finished build is already there; the work folder
# goes once they are built.
# Usage: cached_libraries <prefix> <work-folder> command...
cached_libraries() {
    local prefix=$1 work=$2
    shift 2
    if [ ! -e "$prefix/.complete" ]; then
        "$@" "$work" "$prefix" || return 1
        touch "$prefix/.complete"
        rm -rf "$work"
    fi
    echo "libraries in $prefix"
}

# The cross builds' native half: the data generator alone, and the data, in <folder>.
# Usage: build_native_data <folder> <jobs> [command to run the build through...]
build_native_data() {
    local folder=$1 jobs=$2
    shift 2
    cmake -S "$tarvello_root" -B "$folder" -DCMAKE_BUILD_TYPE=Release -DTARVELLO_BENCHMARKS=OFF \
        -DTARVELLO_TOOLS_ONLY=ON >/dev/null || return 1
    "$@" cmake --build "$folder" --target tarvello_data -j"$jobs"
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
    wait_until 10 test -s "$file" || { echo "Xvfb did not start" >&2; return 1; }
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
