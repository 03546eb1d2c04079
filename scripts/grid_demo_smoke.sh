#!/usr/bin/env bash
# Smoke test of the grid control on the desktop: starts the grid demonstration (example 4's
# girder segment table above its analysis stations) on a virtual display, turns the mouse wheel
# over the station table and saves a screenshot of the window; then, in the segment table,
# selects two cells and copies them (the text is read back from the system clipboard), pastes a
# text another program put on the clipboard, and types into a cell, keeping a screenshot of the
# cell being edited. Fails when the window does not come, the picture is blank, the station
# table did not scroll, the clipboard does not hold the copied cells, or the pasted and typed
# texts do not land in the table.
#
#   scripts/grid_demo_smoke.sh DEMO-PROGRAM OUTPUT-FOLDER
set -euo pipefail

PROGRAM=$1
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

"$PROGRAM" >"$WORK/demo.log" 2>&1 &
DEMO_PID=$!
APP_PID=$DEMO_PID

WINDOW=""
for _ in $(seq 1 100); do
    WINDOW=$(xdotool search --onlyvisible --name '^Grid demonstration' 2>/dev/null | head -n 1 || true)
    [ -n "$WINDOW" ] && break
    kill -0 "$DEMO_PID" 2>/dev/null || { echo "the demonstration ended"; cat "$WORK/demo.log"; exit 1; }
    sleep 0.1
done
[ -n "$WINDOW" ] || { echo "no grid demonstration window"; exit 1; }
sleep 0.5
import -window "$WINDOW" "$WORK/before.png"

# Five wheel notches down over the station table (the lower grid): fifteen rows.
read -r WIDTH HEIGHT < <(identify -format '%w %h\n' "$WORK/before.png")
xdotool mousemove --window "$WINDOW" $((WIDTH / 2)) $((HEIGHT * 3 / 4))
sleep 0.2
xdotool click --repeat 5 --delay 50 5
sleep 0.5
import -window "$WINDOW" "$OUT/grid-demo.png"
kill -0 "$DEMO_PID" 2>/dev/null || { echo "the demonstration ended"; cat "$WORK/demo.log"; exit 1; }

# Not blank: text and lines make up a share of dark pixels.
DARK=$(convert "$OUT/grid-demo.png" -colorspace Gray -threshold 50% -negate -format '%[fx:mean]' info:)
if awk -v d="$DARK" 'BEGIN { exit !(d < 0.01) }'; then
    echo "the grid demonstration looks blank (dark share $DARK)"
    exit 1
fi
# Scrolled: the lower half of the window changed, the upper half (the segment table) did not.
changed() {
    # compare fails when the pictures differ; its count of differing pixels is what we want.
    { compare -metric AE -crop "$1" "$WORK/before.png" "$OUT/grid-demo.png" null: 2>&1 || true; } |
        cut -d' ' -f1
}
LOWER=$(changed "${WIDTH}x$((HEIGHT / 3))+0+$((HEIGHT * 2 / 3))")
UPPER=$(changed "${WIDTH}x$((HEIGHT / 4))+0+0")
if [ "$LOWER" -eq 0 ] || [ "$UPPER" -ne 0 ]; then
    echo "the station table did not scroll alone (changed pixels: lower $LOWER, upper $UPPER)"
    exit 1
fi

# ---- Editing, selection and the clipboard in the segment table ---------------------------------
# The demonstration writes where its cells are on the screen ("cell R,C at X,Y").
cell() {
    local at
    at=$(grep -m1 "^cell $1 at " "$WORK/demo.log" | sed 's/.* at //; s/,/ /')
    [ -n "$at" ] || { echo "no position of cell $1"; cat "$WORK/demo.log"; exit 1; }
    echo "$at"
}
click_cell() {
    read -r X Y < <(cell "$1")
    xdotool mousemove "$X" "$Y" click 1
    sleep 0.3
}
edited() {
    for _ in $(seq 1 30); do
        grep -q "^edited $1: $2\$" "$WORK/demo.log" && return 0
        sleep 0.1
    done
    echo "cell $1 did not take \"$2\""; cat "$WORK/demo.log"; exit 1
}

# Two segment lengths selected by dragging down the column, copied with Ctrl+C.
read -r X1 Y1 < <(cell 1,1)
read -r X2 Y2 < <(cell 2,1)
xdotool mousemove "$X1" "$Y1" mousedown 1
sleep 0.2
for step in 1 2 3 4; do
    xdotool mousemove "$X1" $((Y1 + (Y2 - Y1) * step / 4))
    sleep 0.1
done
xdotool mouseup 1
sleep 0.3
xdotool key ctrl+c
sleep 0.3
COPIED=$(xclip -o -selection clipboard 2>/dev/null || true)
LINE='^ *[0-9]+\.[0-9]+'
if ! [[ "$COPIED" =~ $LINE$'\n'\ *[0-9]+\.[0-9]+$ ]]; then
    echo "the system clipboard does not hold the two copied lengths: $(printf '%s' "$COPIED" | od -An -c)"
    exit 1
fi

# Text from another program pasted into the first closure pour.
printf '33.50\r\n' | xclip -selection clipboard
click_cell 1,2
xdotool key ctrl+v
edited 1,2 33.50

# A length typed into the second segment: the editor opens with the first character.
click_cell 2,1
xdotool type --delay 60 '12.5'
sleep 0.5
import -window "$WINDOW" "$OUT/grid-editing.png"
xdotool key Return
edited 2,1 12.5
sleep 0.3
import -window "$WINDOW" "$OUT/grid-edited.png"
kill -0 "$DEMO_PID" 2>/dev/null || { echo "the demonstration ended"; cat "$WORK/demo.log"; exit 1; }

echo "grid demonstration passed: $OUT/grid-demo.png (${WIDTH}x${HEIGHT}), $OUT/grid-editing.png"
