#!/usr/bin/env bash
# A machine without one of the fonts stops at configure time with the name of the package to
# install. (That each release's folders are found, the builds on Debian 12 and 13 show.)
# Usage: missing_font.sh <source-dir>
set -euo pipefail
# shellcheck source=../../scripts/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A font folder holding the given "folder/file" entries, as empty stand-ins.
fonts() {
    local root=$work/$1
    shift
    for font in "$@"; do mkdir -p "$root/${font%/*}" && : >"$root/$font"; done
    echo "$root"
}
# CMake wraps its messages: one line, single spaces.
find_fonts() {
    cmake -DTARVELLO_FONT_ROOT="$1" -P "$source_dir/cmake/GameFonts.cmake" 2>&1 | tr -s "\n " "  "
}

others=(freefont/FreeSansBold.ttf freefont/FreeSerifItalic.ttf dejavu/DejaVuSans-Bold.ttf
    dejavu/DejaVuSans.ttf)
declare -A package=([freefont/FreeSansBold.ttf]="fonts-freefont-ttf"
    [dejavu/DejaVuSans.ttf]="fonts-dejavu-core"
    [liberation/LiberationSans-Regular.ttf]="fonts-liberation2 or fonts-liberation")
all=("${others[@]}" liberation/LiberationSans-Regular.ttf)
for missing in "${!package[@]}"; do
    present=()
    for font in "${all[@]}"; do [ "$font" = "$missing" ] || present+=("$font"); done
    if output=$(find_fonts "$(fonts "without-${missing//\//-}" "${present[@]}")"); then
        fail "configure went on without $missing"
    fi
    grep -q "install the package ${package[$missing]} " <<<"$output" ||
        fail "without $missing the message does not name ${package[$missing]}: $output"
done
echo "a missing font names its package"
