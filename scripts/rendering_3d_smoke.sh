#!/usr/bin/env bash
# The 3D view on a virtual display (Mesa's software OpenGL): starts the desktop program as a new
# user, makes a new design from the second example (the box beam with its void), opens Results/3D
# Rendering and keeps a screenshot of it solid and one turned by a drag; then clicks Reset View and
# Wireframe and keeps one of the wireframe with the void. Each picture must show the girder: grey faces in the solid view,
# white edges and blue strand lines in the wireframe.
#
#   scripts/rendering_3d_smoke.sh PROGRAM OUTPUT-FOLDER
set -euo pipefail

PROGRAM=$1
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

start_program kordel.log "$PROGRAM" --nosplash

# share SHOT COLOUR: the share of the picture's pixels within 10 % of COLOUR.
share() {
    convert "$1" -fuzz 10% -fill white -opaque "$2" -fill black +opaque white \
        -colorspace Gray -format '%[fx:mean]' info:
}
# at_least SHOT WHAT SHARE MINIMUM: fails when SHARE is below MINIMUM.
at_least() {
    if awk -v s="$3" -v m="$4" 'BEGIN { exit !(s < m) }'; then
        echo "$(basename "$1"): too little $2 (share $3, expected at least $4)"
        exit 1
    fi
}

MAIN=$(wait_for '^Kordel$')
xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+n
wait_for '^Initialize New Design$' >/dev/null
sleep 0.3
# The second example: one step down the example choices.
xdotool key Down Return
wait_gone '^Initialize New Design$'
wait_for '^Kordel - Untitled$' >/dev/null
sleep 0.5

# Results/3D Rendering: F10 opens File, three steps right reach Results, and Down steps over
# the disabled items to the fifth that can be chosen (Graphs, long form, short form, Code
# Compliance, 3D Rendering).
xdotool windowfocus --sync "$MAIN"
xdotool key F10
sleep 0.3
xdotool key Right Right Right
sleep 0.3
xdotool key Down Down Down Down Down Return
VIEW=$(wait_for '^3D Rendering$')
sleep 1.5
import -window "$VIEW" "$OUT/rendering-3d-solid.png"
GREY=$(share "$OUT/rendering-3d-solid.png" "rgb(150,150,150)")
at_least "$OUT/rendering-3d-solid.png" "grey girder face" "$GREY" 0.01

# A drag with the left button turns the girder: the third picture shows it from above at an
# angle, and differs from the first.
xdotool mousemove --window "$VIEW" 330 300 mousedown 1
for step in 1 2 3 4 5 6; do
    xdotool mousemove --window "$VIEW" $((330 + 8 * step)) $((300 - 10 * step))
    sleep 0.1
done
xdotool mouseup 1
sleep 1
import -window "$VIEW" "$OUT/rendering-3d-turned.png"
if [ "$(compare -metric AE "$OUT/rendering-3d-solid.png" "$OUT/rendering-3d-turned.png" null: 2>&1 || true)" = "0" ]; then
    echo "the drag did not turn the girder"
    exit 1
fi
# Back to the first view (Reset View: its place in the template, as below).

# Wireframe: the radio button's place in the template (dialog units, 420 x 268 in all) scaled
# to the window.
read -r W H < <(xdotool getwindowgeometry "$VIEW" | awk '/Geometry/ { split($2, s, "x"); print s[1], s[2] }')
X=$((W * 350 / 420))
Y=$((H * 151 / 268))
xdotool mousemove --window "$VIEW" "$((W * 373 / 420))" "$((H * 189 / 268))" click 1
sleep 0.5
xdotool mousemove --window "$VIEW" "$X" "$Y" click 1
sleep 1.5
import -window "$VIEW" "$OUT/rendering-3d-wireframe.png"
WHITE=$(share "$OUT/rendering-3d-wireframe.png" "rgb(255,255,255)")
BLUE=$(share "$OUT/rendering-3d-wireframe.png" "rgb(0,0,255)")
at_least "$OUT/rendering-3d-wireframe.png" "blue strand line" "$BLUE" 0.001
GREY_W=$(share "$OUT/rendering-3d-wireframe.png" "rgb(150,150,150)")
# The girder's grey side is gone; the void's faces and the edges remain.
if awk -v a="$GREY_W" -v b="$GREY" 'BEGIN { exit !(a >= b) }'; then
    echo "the wireframe shows as much grey as the solid view ($GREY_W against $GREY)"
    exit 1
fi

xdotool key Escape
wait_gone '^3D Rendering$'
kill -0 "$APP_PID" 2>/dev/null || { echo "the program ended"; cat "$WORK/kordel.log"; exit 1; }
echo "3D rendering smoke test passed: $OUT/rendering-3d-solid.png, $OUT/rendering-3d-wireframe.png (white share $WHITE)"
