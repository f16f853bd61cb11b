#!/usr/bin/env bash
# Starts the real program on a virtual X server, waits for its window by title, closes it the
# way a window manager would, and expects a clean exit.
#   xvfb_smoke_test.sh PROGRAM CLOSE_TOOL
set -euo pipefail

program=$1
close_tool=$2

if [[ -z "${QUARN_INSIDE_XVFB:-}" ]]; then
    export QUARN_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
"$program" &
pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Game of Quarn$' | head -n 1)
if [[ -z "$window" ]]; then
    echo "no window titled 'Game of Quarn' appeared"
    kill "$pid" 2>/dev/null || true
    exit 1
fi
echo "window $window: $(xdotool getwindowname "$window"), $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"

"$close_tool" "$window"
for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not exit when its window was closed"
    kill "$pid"
    exit 1
fi
wait "$pid"
status=$?
echo "exit status $status"
exit "$status"
