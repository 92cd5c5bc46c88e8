#!/usr/bin/env bash
# CTest runs the Windows programs through this. Now and then, on a busy machine, Wine fails to
# start a program at all: it exits at once with an error status and the program has printed
# nothing. Such a start is tried again, twice at most. A program that started and failed has
# printed something (the test runner always does), so its result is passed on as it is.
set -euo pipefail
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for attempt in 1 2 3; do
    status=0
    wine "$@" >"$out" 2>&1 || status=$?
    if [ "$status" = 0 ] || [ -s "$out" ]; then
        cat "$out"
        exit "$status"
    fi
    echo "wine-run: $1 did not start (status $status, attempt $attempt)" >&2
    sleep 1
done
exit "$status"
