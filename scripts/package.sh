#!/usr/bin/env bash
# Builds the Debian packages tarvello and tarvello-data from this checkout (committed or not) in
# build-deb/, then checks them with lintian. The .deb files end up in build-deb/.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh
bash scripts/install-deps.sh --package
version="$(project_version)"
out="$PWD/build-deb"
stage="$out/tarvello-$version"
rm -rf "$out"
mkdir -p "$stage"
copy_sources "$stage"
(cd "$stage" && dpkg-buildpackage -us -uc -b -j"${JOBS:-$(nproc)}")
ls "$out"/*.deb
lintian --no-tag-display-limit "$out"/*.changes || status=$?
# lintian exits 1 on errors only; warnings are listed in README's packaging notes.
exit "${status:-0}"
