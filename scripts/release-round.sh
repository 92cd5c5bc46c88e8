#!/usr/bin/env bash
# What CI checks on another Debian release, run inside it (scripts/debian-round.sh makes one):
# the install of what is missing, the lint, the build and every test (the window and install
# tests included), the Debian packages with lintian, and the packages installed with apt and
# the installed game played from an empty folder until SIGTERM.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh
jobs="$(nproc)"
# shellcheck source=/dev/null
echo "== $(. /etc/os-release && echo "$PRETTY_NAME"), SDL $(pkg-config --modversion sdl 2>/dev/null || echo '(not yet installed)')"
bash scripts/install-deps.sh --test
# Lint at this release's own tool versions: findings are shown, the pinned versions gate.
bash scripts/lint.sh --report
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLO_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

JOBS="$jobs" bash scripts/package.sh
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./build-deb/tarvello_*.deb \
  ./build-deb/tarvello-data_*.deb
# Every link of the data package must lead to a file this release has.
for font in /usr/share/games/tarvello/data/fonts/*.ttf; do
  [ -e "$font" ] || fail "$font leads nowhere: $(readlink "$font")"
done
bash tests/install/play_installed.sh /usr/games/tarvello
