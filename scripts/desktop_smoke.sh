#!/usr/bin/env bash
# Smoke test of the desktop program: starts it on a virtual display as a new user, runs
# File/New Design with the first example and saves screenshots of the "Initialize New Design"
# dialog and of the main window; then makes a new design from the third example, opens its
# long-form text view from the Results menu and saves a screenshot of that; then, on the first
# example again, saves its status bar and a cascade of its main, text and code-compliance
# windows; last, checks that a message box and a file dialog over "Initialize New Design" give
# it back the focus.
#
#   scripts/desktop_smoke.sh PROGRAM OUTPUT-FOLDER
set -euo pipefail

PROGRAM=$1
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

start_program kordel.log "$PROGRAM" --nosplash

# new_design KEYS...: File/New Design with the example that KEYS choose in its dialog (the open
# design is unchanged, so it closes without a prompt).
new_design() {
    xdotool windowfocus --sync "$MAIN"
    xdotool key ctrl+n
    wait_for '^Initialize New Design$' >/dev/null
    sleep 0.3
    xdotool key "$@"
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name '^Initialize New Design$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    wait_for '^Kordel - Untitled$' >/dev/null
    sleep 0.5
}

# results_item N: the Nth item of the Results menu that can be chosen, through the menu bar: F10
# opens File, three steps right reach Results, and Down steps over the disabled items (Graphs
# stays disabled while the graph view is not built).
results_item() {
    xdotool key F10
    sleep 0.3
    xdotool key Right Right Right
    sleep 0.3
    for _ in $(seq 1 "$1"); do xdotool key Down; done
    xdotool key Return
    sleep 1
}

MAIN=$(wait_for '^Kordel$')
xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+n
DIALOG=$(wait_for '^Initialize New Design$')
sleep 0.3
import -window "$DIALOG" "$OUT/desktop-new-design-dialog.png"
xdotool key Return
wait_for '^Kordel - Untitled$' >/dev/null
sleep 0.5
import -window "$MAIN" "$OUT/desktop-example1.png"

read -r WIDTH HEIGHT < <(identify -format '%w %h\n' "$OUT/desktop-example1.png")
if [ "$WIDTH" -lt 800 ] || [ "$HEIGHT" -lt 600 ]; then
    echo "screenshot too small: ${WIDTH}x${HEIGHT}"
    exit 1
fi

# The third example (two steps down the example choices), then Results/Text Printout (long
# form), the first item of the Results menu that can be chosen.
new_design Down Down Return
xdotool windowfocus --sync "$MAIN"
results_item 1
import -window "$MAIN" "$OUT/desktop-example3-text.png"

# Not blank: the new window is tiled below the main view, and its report text darkens the
# lower left of the window (above the status bar), which the blank main view leaves white.
INK=$(convert "$OUT/desktop-example3-text.png" -gravity SouthWest -crop 50%x35%+0+40 +repage \
    -colorspace Gray -format '%[fx:mean]' info:)
if awk -v m="$INK" 'BEGIN { exit !(m > 0.99) }'; then
    echo "no report text in the text view screenshot (mean grey $INK)"
    exit 1
fi

# The first example again, its status bar, then its long-form text view and code-compliance
# view opened from the Results menu (in the text view the first item that can be chosen is
# the long form, the third Code Compliance) and Window/Cascade (Alt+W, C).
new_design Return
import -window "$MAIN" "$WORK/example1.png"
convert "$WORK/example1.png" -gravity South -crop "${WIDTH}x26+0+0" +repage "$OUT/desktop-status-bar.png"
results_item 1
results_item 3
xdotool key alt+w
sleep 0.3
xdotool key c
sleep 1
import -window "$MAIN" "$OUT/desktop-cascade.png"

# Not blank: text darkens part of each picture.
ink() { convert "$1" -colorspace Gray -threshold 50% -negate -format '%[fx:mean]' info:; }
for shot in desktop-status-bar desktop-cascade; do
    share=$(ink "$OUT/$shot.png")
    if awk -v m="$share" 'BEGIN { exit !(m < 0.002 || m > 0.6) }'; then
        echo "$shot.png looks blank (dark share $share)"
        exit 1
    fi
done
# In front, the code-compliance window (the one active caption) shows its text on white; the
# right part of its text area, past the summary's lines, holds nothing, and no edge of the
# windows behind it is drawn there.
read -r CW CH CX CY < <(convert "$OUT/desktop-cascade.png" -fill black +opaque "rgb(0,84,147)" \
    -fill white -opaque "rgb(0,84,147)" -format '%@\n' info: | tr 'x+' '  ')
if [ "${CW:-0}" -lt 400 ] || [ "${CH:-0}" -lt 10 ]; then
    echo "no active window caption in the cascade screenshot"
    exit 1
fi
CLEAN_X=$((CX + CW * 8 / 10))
CLEAN_W=$((CW * 2 / 10 - 20))
CLEAN_H=$((HEIGHT - CY - CH - 60))
LIGHTEST=$(convert "$OUT/desktop-cascade.png" -crop "${CLEAN_W}x${CLEAN_H}+${CLEAN_X}+$((CY + CH + 4))" \
    +repage -colorspace Gray -format '%[fx:minima]' info:)
if awk -v m="$LIGHTEST" 'BEGIN { exit !(m < 0.9) }'; then
    echo "something is drawn over the front window of the cascade (darkest grey $LIGHTEST)"
    exit 1
fi
echo "cascade and status bar: $OUT/desktop-cascade.png, $OUT/desktop-status-bar.png"

# stacked ID...: the windows lie in this order, each above the next (xwininfo lists the root's
# children top-most first). focused ID: the window has the keyboard focus.
stacked() {
    local order previous=0 id at
    order=$(xwininfo -root -children | grep -oE '^ +0x[0-9a-f]+' | tr -d ' ')
    for id in "$@"; do
        at=$(printf '%s\n' "$order" | grep -nx "$(printf '0x%x' "$id")" | cut -d: -f1)
        if [ -z "$at" ] || [ "$at" -le "$previous" ]; then
            echo "windows not stacked as expected: $*"; xwininfo -root -children; return 1
        fi
        previous=$at
    done
}
focused() {
    [ "$(xdotool getwindowfocus)" = "$1" ] && return 0
    echo "the focus is not on '$(xdotool getwindowname "$1")'"; return 1
}

# Boxes over "Initialize New Design", with no window manager (Xvfb alone has none): a message box
# and the file dialog stay above the dialog, and when they close the dialog is in front again
# with the focus. OK with the seed-file choice (four steps down) and no file raises the message;
# "Select a File..." (Tab, Space) the file dialog. Cancelling the dialog keeps the open design.
xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+n
DIALOG=$(wait_for '^Initialize New Design$')
sleep 0.3
xdotool key Down Down Down Down Return
BOX=$(wait_for '^Kordel$')  # the main window's title names the design
sleep 0.3
stacked "$BOX" "$DIALOG" "$MAIN"
xdotool key Return
sleep 0.5
stacked "$DIALOG" "$MAIN"
focused "$DIALOG"
xdotool key Tab space
FILES=$(wait_for '^Open$')
sleep 0.3
stacked "$FILES" "$DIALOG" "$MAIN"
xdotool key Escape
sleep 0.5
stacked "$DIALOG" "$MAIN"
focused "$DIALOG"
xdotool key Escape
sleep 0.5
[ "$(xdotool getwindowname "$MAIN")" = "Kordel - Untitled" ] ||
    { echo "cancelling New Design did not keep the open design"; exit 1; }
focused "$MAIN"

kill -0 "$KORDEL_PID" 2>/dev/null || { echo "the program ended"; cat "$WORK/kordel.log"; exit 1; }
echo "desktop smoke test passed: $OUT/desktop-example1.png (${WIDTH}x${HEIGHT}), $OUT/desktop-example3-text.png"
