#!/usr/bin/env bash
# Packs a Windows build of Tarvello into Tarvello-<version>-windows-x64.zip and
# Tarvello-<version>-setup.exe. Usage:
#   package.sh <cross-build-folder> <native-data-folder> <library-licences-folder> <version> <out>
# Same inputs give the same zip: files are sorted, stamped with the last commit's time, and
# stored without owners or extra fields.
set -euo pipefail
build=$(realpath "$1")
native_data=$(realpath "$2")
library_licences=$(realpath "$3")
version=$4
out=$(realpath "$5")
repo=$(cd "$(dirname "$0")/../.." && pwd)
host=x86_64-w64-mingw32
name=Tarvello-$version
stage=$out/stage/$name

# shellcheck source=../lib.sh
. "$repo/scripts/lib.sh"  # fail

# The data is made by the same generator as on Linux, so it must be the same bytes.
diff -r "$native_data" "$build/data" >/dev/null || fail "data differs from the native build's"

exe=$build/tarvello.exe
headers=$($host-objdump -p "$exe")
grep -q "^Magic.*020b" <<<"$headers" || fail "tarvello.exe is not a 64-bit program"
grep -q "^Subsystem.*(Windows GUI)" <<<"$headers" || fail "tarvello.exe is not a GUI program"
# Only Windows' own DLLs: everything else is linked in.
system_dlls="kernel32 user32 gdi32 winmm advapi32 msvcrt shell32 ole32 oleaut32 imm32 version"
for dll in $(sed -n 's/^\s*DLL Name: \(.*\)\.dll$/\1/Ip' <<<"$headers" | tr '[:upper:]' '[:lower:]'); do
    grep -qw "$dll" <<<"$system_dlls" || fail "tarvello.exe imports $dll.dll"
done

epoch=$(git -C "$repo" log -1 --format=%ct 2>/dev/null || echo 0)
rm -rf "$out/stage"
mkdir -p "$stage/licences"
# strip stamps the program with the time it runs, unless told a time.
SOURCE_DATE_EPOCH=$epoch $host-strip -o "$stage/tarvello.exe" "$exe"
cp -r "$build/data" "$stage/data"
# Windows tells no upper from lower case, so the results screen's "Background.png" and the other
# screens' "background.png" are one file there: the one most screens ask for ships alone (two
# files would overwrite each other when unpacked).
rm "$stage/data/gfx/Background.png"
collisions=$(cd "$stage" && find . | tr '[:upper:]' '[:lower:]' | sort | uniq -d)
[ -z "$collisions" ] || fail "names that differ only in case: $collisions"
crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }
crlf "$repo/packaging/windows/README.txt" "$stage/README.txt"
crlf "$repo/LICENSE" "$stage/LICENSE.txt"
for file in "$library_licences"/*.txt; do
    crlf "$file" "$stage/licences/$(basename "$file")"
done
crlf /usr/share/doc/fonts-freefont-ttf/copyright "$stage/licences/font-FreeSans.txt"
crlf /usr/share/doc/fonts-liberation2/copyright "$stage/licences/font-LiberationSans.txt"
crlf /usr/share/doc/mingw-w64-common/copyright "$stage/licences/MinGW-w64-runtime.txt"
crlf /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licences/GCC-runtime.txt"

find "$out/stage" -exec touch -h -d "@$epoch" {} +

make_zip() {
    local zip=$out/$name-windows-x64.zip
    rm -f "$zip"
    (cd "$out/stage" && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X -D "$zip" -@)
    echo "$zip"
}
make_zip

# The installer installs and removes exactly the staged files.
(cd "$stage" && find . -type d ! -name . | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g') >"$out/dirs.txt"
(cd "$stage" && find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g') >"$out/files.txt"
{
    while read -r dir; do echo "CreateDirectory \"\$INSTDIR\\$dir\""; done <"$out/dirs.txt"
    while read -r file; do
        echo "File \"/oname=$file\" \"$stage/${file//\\//}\""
    done <"$out/files.txt"
} >"$out/install-files.nsh"
{
    while read -r file; do echo "Delete \"\$INSTDIR\\$file\""; done <"$out/files.txt"
    tac "$out/dirs.txt" | while read -r dir; do echo "RMDir \"\$INSTDIR\\$dir\""; done
} >"$out/uninstall-files.nsh"
makensis -V2 -NOCD -DVERSION="$version" -DFILES="$out/install-files.nsh" \
    -DUNFILES="$out/uninstall-files.nsh" -DOUTFILE="$out/$name-setup.exe" \
    "$repo/packaging/windows/installer.nsi"
echo "$out/$name-setup.exe"
