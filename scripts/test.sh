#!/usr/bin/env bash
# Installs what is missing, builds everything in build/ and runs every test; then plays a
# smaller batch of whole games again under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
jobs="$(nproc)"

# Formatting and static checks first: they take seconds.
bash scripts/lint.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLO_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTARVELLO_WERROR=ON \
  -DTARVELLO_SANITIZE=ON -DTARVELLO_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize --target tarvello_tests tarvello_datagen_tests -j"$jobs"
# The generator's checks (data.*) run in the plain build: they test the files, not the game.
(cd build-sanitize && TARVELLO_SIM_GAMES=200 ctest --output-on-failure -j"$jobs" -E "^(window|data)\.")

# The unit tests once more against sdl12-compat, unpacked into build-compat/ (the system's SDL
# packages stay as they are).
bash scripts/sdl12-compat.sh "$jobs"
