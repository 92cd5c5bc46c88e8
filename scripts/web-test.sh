#!/usr/bin/env bash
# Tests the browser build made by scripts/web.sh in Debian's headless Chromium: serves
# build-web/site on 127.0.0.1 only, plays the game through every screen with puppeteer-core
# (pinned in tests/web/package-lock.json), checks the log, page errors, the exit status, the leak
# report and the music, and compares the setup and game screens with their golden pictures under
# the native tests' tolerances (tarvello_picture_check, from a native build in build-web/check).
# TARVELLO_WEB_SITE names another site folder to test (default build-web/site).
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh
root=$PWD
out=$root/build-web
site=${TARVELLO_WEB_SITE:-$out/site}
work=$out/web-test
jobs=$(($(nproc) < 2 ? $(nproc) : 2))
[ -f "$site/index.html" ] || fail "no site in $site: run scripts/web.sh first"
[ -f "$out/game/buttons.sh" ] || fail "no $out/game/buttons.sh: run scripts/web.sh first"

step "packages"
install_packages chromium nodejs python3 curl
bash scripts/install-deps.sh
command -v npm >/dev/null || install_packages npm

step "puppeteer-core"
# Exactly the versions of the lock file, installed under build-web (the source tree stays as it
# is); the browser is Debian's, none is downloaded.
node_dir=$out/web-node
mkdir -p "$node_dir"
cp tests/web/package.json tests/web/package-lock.json "$node_dir/"
(cd "$node_dir" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
export NODE_PATH=$node_dir/node_modules

step "picture check (native)"
cmake -S . -B "$out/check" -DCMAKE_BUILD_TYPE=Release -DTARVELLO_BENCHMARKS=OFF >/dev/null
nice -n 10 cmake --build "$out/check" --target tarvello_picture_check -j"$jobs" >/dev/null

server_pid=""
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
    wait 2>/dev/null || true
}
trap cleanup EXIT

step "server"
rm -rf "$work"
mkdir -p "$work"
# A free port, picked by the system, and a server that answers on this machine only.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 -d "$site" "$port" >"$work/server.log" 2>&1 &
server_pid=$!
wait_until 10 curl -sf -o /dev/null "http://127.0.0.1:$port/index.html" || fail "the server did not start"

step "play in Chromium"
# shellcheck source=/dev/null
. "$out/game/buttons.sh"
played=0
# shellcheck disable=SC2154  # set by buttons.sh
START_BUTTON="${start_button[*]:0:4}" THROW_BUTTON="${throw_button[*]:0:4}" \
    node tests/web/play.js "http://127.0.0.1:$port/index.html" "$work" || played=$?

step "pictures"
# The setup screen after the screens' own test's typing, and Gale's first turn: their golden
# pictures. Compared even when the play failed later, so a wrong frame shows as one.
pictures=()
[ -f "$work/setup.png" ] && pictures+=(Screens.Setup.typing setup.png)
[ -f "$work/game.png" ] && pictures+=(Screens.HumanGame.throw_button game.png)
compared=0
if [ ${#pictures[@]} -gt 0 ]; then
    (cd "$work" && "$out/check/tests/tarvello_picture_check" --gtest_brief=1 "${pictures[@]}") ||
        compared=$?
fi
[ "$played" = 0 ] || fail "the game in the browser (log: $work/log.txt)"
[ "$compared" = 0 ] ||
    fail "the screens differ from their golden pictures (see $work/failed-pictures)"
[ ${#pictures[@]} = 4 ] || fail "a screenshot is missing"
echo "web test passed"
