#!/usr/bin/env bash
# What the browser build costs beside the native game: the native program in Xvfb
# (scripts/window-cost.sh, game + X server) and headless Chromium playing build-web/site
# (tests/web/cost.js, every browser process), each on the animated main menu and the still setup
# screen, as % of one core over SECONDS. Builds the native game in build-web/check if missing.
# Usage: scripts/web-cost.sh [SECONDS=8]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh
secs=${1:-8}
out=$PWD/build-web
[ -f "$out/site/index.html" ] || fail "no site: run scripts/web.sh first"
[ -d "$out/web-node/node_modules/puppeteer-core" ] || fail "no puppeteer-core: run scripts/web-test.sh first"
cmake -S . -B "$out/check" -DCMAKE_BUILD_TYPE=Release -DTARVELLO_BENCHMARKS=OFF >/dev/null
nice -n 10 cmake --build "$out/check" --target tarvello tarvello_data -j2 >/dev/null

server_pid=""
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
    wait 2>/dev/null || true
}
trap cleanup EXIT
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 -d "$out/site" "$port" >/dev/null 2>&1 &
server_pid=$!
wait_until 10 curl -sf -o /dev/null "http://127.0.0.1:$port/index.html" || fail "the server did not start"

echo "== native, in Xvfb (screen, round, game %, X server %, sum %, resident kB)"
bash scripts/window-cost.sh "$out/check" "$secs" | grep -E '^(main_menu|setup) '
echo "== browser, headless Chromium"
NODE_PATH=$out/web-node/node_modules node tests/web/cost.js "http://127.0.0.1:$port/index.html" "$secs"
