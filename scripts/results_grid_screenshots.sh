#!/usr/bin/env bash
# The results grid dialog on a virtual display: example 1 with its final stresses (P + Pm + L)
# and example 3 with its flexural strength (the moments of the continuous girder), at 10 points
# each, kept as screenshots. In the first, the whole grid is selected and copied (Ctrl+A,
# Ctrl+C) and the system clipboard must hold 11 tab-separated rows, the first at 0.00L.
#
#   scripts/results_grid_screenshots.sh DEMO-PROGRAM OUTPUT-FOLDER
set -euo pipefail

PROGRAM=$1
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

# shot EXAMPLE TYPE POINTS FILE [copy]
shot() {
    APP_LOG=demo$1.log
    "$PROGRAM" "$1" "$2" "$3" >"$WORK/$APP_LOG" 2>&1 &
    APP_PID=$!
    local dlg
    dlg=$(wait_for '^Results Grid$')
    sleep 0.7
    import -window "$dlg" "$OUT/$4"
    not_blank "$OUT/$4"
    if [ "${5:-}" = copy ]; then
        # A click on a data cell gives the grid the focus; then the whole grid is copied.
        read -r width height < <(identify -format '%w %h\n' "$OUT/$4")
        xdotool mousemove --window "$dlg" $((width / 4)) $((height / 3)) click 1
        sleep 0.3
        xdotool key ctrl+a
        sleep 0.2
        xdotool key ctrl+c
        sleep 0.3
        local copied lines
        copied=$(xclip -o -selection clipboard 2>/dev/null || true)
        lines=$(printf '%s\n' "$copied" | grep -c $'^[0-9]\\.[0-9][0-9]L\t' || true)
        if [ "$lines" -ne 11 ] || ! [[ "$copied" == 0.00L$'\t'* ]]; then
            echo "the system clipboard does not hold the 11 copied rows:"
            printf '%s\n' "$copied" | head -n 3
            exit 1
        fi
    fi
    xdotool windowfocus --sync "$dlg" key Escape
    wait_gone '^Results Grid$'
    wait "$APP_PID" || { echo "the demonstration failed"; cat "$WORK/$APP_LOG"; exit 1; }
    APP_PID=""
}

shot 1 "Final Stresses: P + Pm + L" 10 results-grid-example1-stresses.png copy
shot 3 "Flexural Strength" 10 results-grid-example3-moments.png
echo "results grid: $OUT/results-grid-example1-stresses.png, $OUT/results-grid-example3-moments.png"
