#!/usr/bin/env bash
# Smoke test of the grid control on the desktop: starts the grid demonstration (example 4's
# girder segment table above its analysis stations) on a virtual display, turns the mouse wheel
# over the station table and saves a screenshot of the window. Fails when the window does not
# come, the picture is blank, or the station table did not scroll.
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
echo "grid demonstration passed: $OUT/grid-demo.png (${WIDTH}x${HEIGHT})"
