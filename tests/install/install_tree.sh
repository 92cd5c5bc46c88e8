#!/usr/bin/env bash
# Installs the build into a temporary folder, checks what lands where, validates the desktop
# entry, metainfo and man page when their checkers are present, checks that the generator writes
# the same bytes on every run, and plays the installed game through its launcher from an
# unrelated folder.
# Usage: install_tree.sh <build-dir> <data-generator>
# Not set -e: each check ends the test through fail, which says what went wrong.
set -u
# shellcheck source=../../scripts/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
build=$1
generator=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A prefix no build is configured with, so that a path fixed at configure time shows.
prefix=/opt/tarvello-check
DESTDIR="$work/root" cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install failed"; }
# Moved away from the prefix it was installed for, the tree must still work.
mv "$work/root$prefix" "$work/moved"
tree=$work/moved

for program in games/tarvello lib/games/tarvello/tarvello; do
    [ -x "$tree/$program" ] || fail "$program is missing or not executable"
done
for file in share/applications/tarvello.desktop share/man/man6/tarvello.6 \
    share/doc/tarvello/README.md share/doc/tarvello/LICENSE; do
    [ -s "$tree/$file" ] || fail "$file is missing or empty"
done
# Exactly the font licences the tree holds, as they are there.
diff -r -x README.md "$(dirname "$0")/../../packaging/fonts" "$tree/share/doc/tarvello/fonts" ||
    fail "the installed font licences differ from packaging/fonts"
# The man page names the installed folders under the prefix of the install.
page=$tree/share/man/man6/tarvello.6
if ! grep -qx "\.I $prefix/share/games/tarvello/data" "$page" ||
    grep '^\.I /' "$page" | grep -qv "^\.I $prefix/"; then
    fail "the man page does not name the folders under $prefix: $(grep '^\.I /' "$page")"
fi
metainfo=$(ls "$tree"/share/metainfo/*.metainfo.xml 2>/dev/null)
[ -n "$metainfo" ] || fail "no metainfo"

diff -r "$build/data" "$tree/share/games/tarvello/data" || fail "installed data differs"
# A second run of the generator writes the same bytes as the one that made the build's files
# (the fonts come from the system).
"$generator" "$work/data" >/dev/null || fail "the generator could not write the data"
diff -r -x fonts "$work/data" "$build/data" || fail "the data differs between two runs"
"$generator" --icons "$work/icons" || fail "the generator could not draw the icons"
diff -r "$work/icons/hicolor" "$build/icons/hicolor" || fail "icons differ between two runs"
diff -r "$build/icons/hicolor" "$tree/share/icons/hicolor" || fail "installed icons differ"

! command -v desktop-file-validate >/dev/null ||
    desktop-file-validate "$tree/share/applications/tarvello.desktop" || fail "desktop entry"
# Tarvello has no homepage to name, so newer validators' warning about it is the one accepted.
if command -v appstreamcli >/dev/null &&
    ! verdict=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1); then
    grep -E '^[EW]: ' <<<"$verdict" | grep -vq ': url-homepage-missing$' &&
        fail "metainfo: $verdict"
    grep -q '^W: .*: url-homepage-missing$' <<<"$verdict" || fail "metainfo: $verdict"
fi
if command -v groff >/dev/null; then
    warnings=$(groff -ww -z -man "$tree/share/man/man6/tarvello.6" 2>&1)
    [ -z "$warnings" ] || fail "man page: $warnings"
fi

# --help and --version come from the launcher: no display is needed, none is opened.
for option in "--help:^Usage: tarvello" "--version:^tarvello [0-9]+\.[0-9]+\.[0-9]+$"; do
    output=$(env -u DISPLAY SDL_VIDEODRIVER=x11 "$tree/games/tarvello" "${option%%:*}") ||
        fail "tarvello ${option%%:*} failed"
    grep -Eq "${option#*:}" <<<"$output" || fail "tarvello ${option%%:*} printed: $output"
done
"$tree/games/tarvello" --help | grep -qF "$tree/share/games/tarvello/data" ||
    fail "--help does not name the data folder"

# From an empty folder, the launcher runs the game in its data folder until SIGTERM.
bash "$(dirname "$0")/play_installed.sh" "$tree/games/tarvello" || fail "the installed game"
echo "installed tree checked"
