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
# Only what the repository holds (tracked or new), never a build folder; a tree that is not a
# git checkout (an unpacked source) is taken whole but for its build folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$stage"
else
  find . -mindepth 1 -maxdepth 1 ! -name 'build*' ! -name .git -print0 | xargs -0 cp -a -t "$stage"
fi
(cd "$stage" && dpkg-buildpackage -us -uc -b -j"${JOBS:-$(nproc)}")
ls "$out"/*.deb
lintian --no-tag-display-limit "$out"/*.changes || status=$?
# lintian exits 1 on errors only; warnings are listed in README's packaging notes.
exit "${status:-0}"
