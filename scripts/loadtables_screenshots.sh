#!/usr/bin/env bash
# Tools/Load Tables on example 1 on a virtual display: "Generate Load Tables" as it opens, then
# after "Generate" with the chart of its two tables, "Load Table Results" opened by
# "Results..." with the rows listed, the tables generated on the strength alone, and the
# refusal to generate with neither mode to check. The buttons are clicked where the template puts them, as a
# share of the dialog's size (the dialog units follow the desktop font).
#
#   scripts/loadtables_screenshots.sh PROGRAM-FOLDER OUTPUT-FOLDER
set -euo pipefail

DEMO=$1/kordel_command_demo
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

# click_at WINDOW X Y: clicks the point (X, Y) of the template (dialog units of a 500 x 291
# dialog) in WINDOW.
click_at() {
    local w h
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    w=$WIDTH
    h=$HEIGHT
    xdotool mousemove --window "$1" $(( $2 * w / 500 )) $(( $3 * h / 291 )) click 1
}

start_program command.log "$DEMO" 1 us 32847
dialog=$(wait_for '^Generate Load Tables$')
sleep 0.6
import -window "$dialog" "$OUT/load-tables-opened.png"
not_blank "$OUT/load-tables-opened.png"

# generate SHOT: clicks Generate (7, 270, 50 x 14) and takes SHOT of the dialog. The progress
# changes the picture until the last case is done; the shot is taken once it stays still.
generate() {
    click_at "$dialog" 32 277
    local previous="$WORK/previous.png"
    import -window "$dialog" "$previous"
    for _ in $(seq 1 60); do
        sleep 1
        import -window "$dialog" "$1"
        if [ "$(compare -metric AE "$previous" "$1" null: 2>&1 || true)" = 0 ]; then
            break
        fi
        cp "$1" "$previous"
    done
    not_blank "$1"
}

# Both spacings over the example's span range, on both checks.
generate "$OUT/load-tables-chart.png"

# Results... (115, 270, 50 x 14): the rows of both tables.
click_at "$dialog" 140 277
results=$(wait_for '^Load Table Results$')
sleep 0.6
import -window "$results" "$OUT/load-table-results.png"
not_blank "$OUT/load-table-results.png"
xdotool windowfocus --sync "$results"
xdotool key Escape
wait_gone '^Load Table Results$'

# Stress unticked (its box at 13, 205): the tables on the strength alone, the legend saying so.
click_at "$dialog" 18 210
generate "$OUT/load-tables-strength-only.png"
# Strength unticked as well (13, 219): Generate is refused with a message.
click_at "$dialog" 18 224
click_at "$dialog" 32 277
box=$(wait_for '^Kordel$')
sleep 0.6
import -window "$box" "$OUT/load-tables-no-mode.png"
not_blank "$OUT/load-tables-no-mode.png"
xdotool windowfocus --sync "$box"
xdotool key Return
wait_gone '^Kordel$'
xdotool windowfocus --sync "$dialog"
xdotool key Escape
expect_program_end "Generate Load Tables"
echo "load tables: $OUT/load-tables-opened.png, $OUT/load-tables-chart.png," \
    "$OUT/load-table-results.png, $OUT/load-tables-strength-only.png," \
    "$OUT/load-tables-no-mode.png"
