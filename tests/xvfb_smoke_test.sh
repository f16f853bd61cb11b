#!/usr/bin/env bash
# Starts the real program on a virtual X server: once plain, closing it the way a window manager
# would and expecting a clean exit; once with a pattern file named on the command line, reading
# the pattern off a screenshot; once with a malformed file, expecting a warning and an empty board.
#   xvfb_smoke_test.sh PROGRAM CLOSE_TOOL
set -euo pipefail

program=$1
close_tool=$2

if [[ -z "${QUARN_INSIDE_XVFB:-}" ]]; then
    export QUARN_INSIDE_XVFB=1
    # -noreset: otherwise the server resets as each program leaves, and turns the next away.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi

unset QT_QPA_PLATFORM
scratch=$(mktemp -d)
pid=
trap 'kill $pid 2>/dev/null || true; rm -rf "$scratch"' EXIT

# The first window titled "Game of Quarn" after the given ones: the main window, then its boxes.
wait_for_window() {
    for _ in $(seq 200); do
        local found
        found=$(xdotool search --onlyvisible --name '^Game of Quarn$' 2>/dev/null | grep -vxF -e "${1:-none}" | head -n 1 || true)
        if [[ -n "$found" ]]; then
            echo "$found"
            return 0
        fi
        sleep 0.1
    done
    echo "no window titled 'Game of Quarn' appeared" >&2
    return 1
}

# The colour of the centre of a cell, as hex, from a screenshot of the window. The board starts
# 8 pixels into the client area, which the menu bar pushes down ($top).
cell_colour() {
    local x=$((8 + 11 * ($3 - 1) + 5)) y=$((top + 8 + 11 * ($2 - 1) + 5))
    convert "$1" -format "%[hex:p{$x,$y}]" info:
}

# 1. Start and close.
"$program" &
pid=$!
window=$(wait_for_window)
echo "window $window: $(xdotool getwindowname "$window"), $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"
"$close_tool" "$window"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not exit when its window was closed"
    exit 1
fi
status=0
wait "$pid" || status=$?
echo "exit status $status"
[[ $status -eq 0 ]] || exit "$status"

# 2. A glider named on the command line shows centred, rows and columns 14 to 16.
printf '#N Glider\nx = 3, y = 3, rule = B3/S23\nbo$2bo$3o!\n' > "$scratch/glider.rle"
"$program" "$scratch/glider.rle" 2> "$scratch/glider.err" &
pid=$!
window=$(wait_for_window)
sleep 0.5
top=$(( $(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x//p') - 378 ))
import -window "$window" "$scratch/glider.png"
for cell in "14 15" "15 16" "16 14" "16 15" "16 16"; do
    colour=$(cell_colour "$scratch/glider.png" $cell)
    [[ $colour == FFFF00* ]] || { echo "cell ($cell) of the glider shows $colour, not yellow"; exit 1; }
done
for cell in "14 14" "15 15" "1 1"; do
    colour=$(cell_colour "$scratch/glider.png" $cell)
    [[ $colour == 000000* ]] || { echo "cell ($cell) shows $colour, not black"; exit 1; }
done
echo "glider.rle from the command line: the glider is on the board"
kill "$pid"
wait "$pid" 2>/dev/null || true

# 3. A malformed file: the window opens with an empty board, a warning box and standard error
#    say what is wrong and where.
printf 'x = 3, y = 3\nbo$2bq!\n' > "$scratch/bad.rle"
"$program" "$scratch/bad.rle" 2> "$scratch/bad.err" &
pid=$!
window=$(wait_for_window)
box=$(wait_for_window "$window")
sleep 0.3
grep -q 'bad.rle.*Line 2, column 6' "$scratch/bad.err" || { echo "standard error said:"; cat "$scratch/bad.err"; exit 1; }
# The box closed first, so that it hides nothing of the board.
"$close_tool" "$box"
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Game of Quarn$' | grep -qxF "$box" || break
    sleep 0.1
done
import -window "$window" "$scratch/bad.png"
# Not one yellow pixel on the whole board: a partial load would leave some.
yellow=$(convert "$scratch/bad.png" -crop 330x330+8+$((top + 8)) +repage -fill black +opaque '#FFFF00' \
             -format '%[fx:mean*w*h]' info:)
[[ $yellow == 0 ]] || { echo "the board is not empty: $yellow yellow pixels"; exit 1; }
echo "bad.rle: $(grep -o 'Line 2.*' "$scratch/bad.err" | head -n 1); warning box $box; board empty"
