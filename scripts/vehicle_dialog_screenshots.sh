#!/usr/bin/env bash
# The vehicle dialogs on a virtual display: "Vehicle Properties" on HL-93 in US and in metric
# units and "Truck Library Maintenance" on a library that holds HL-93, one screenshot each;
# each dialog is closed with Escape and must end its program.
#
#   scripts/vehicle_dialog_screenshots.sh DEMO-PROGRAM OUTPUT-FOLDER
set -euo pipefail

PROGRAM=$1
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display
APP_LOG=demo.log

# not_blank SHOT: fails when the picture holds (nearly) no dark text.
not_blank() {
    local share
    share=$(convert "$1" -colorspace Gray -threshold 50% -negate -format '%[fx:mean]' info:)
    if awk -v m="$share" 'BEGIN { exit !(m < 0.002 || m > 0.6) }'; then
        echo "$(basename "$1") looks blank (dark share $share)"
        exit 1
    fi
}

# shoot MODE TITLE FILE: shows the dialog, keeps its picture, closes it with Escape.
shoot() {
    "$PROGRAM" "$1" >"$WORK/demo.log" 2>&1 &
    APP_PID=$!
    local window
    window=$(wait_for "^$2\$")
    sleep 0.5
    import -window "$window" "$OUT/$3"
    not_blank "$OUT/$3"
    xdotool windowfocus --sync "$window"
    xdotool key Escape
    for _ in $(seq 1 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$APP_PID" 2>/dev/null; then echo "Escape did not close $2"; exit 1; fi
    APP_PID=""
}

shoot properties-us "Vehicle Properties" vehicle-properties-us.png
shoot properties-metric "Vehicle Properties" vehicle-properties-metric.png
shoot maintenance "Truck Library Maintenance" truck-library-maintenance.png
echo "vehicle dialogs: $OUT/vehicle-properties-us.png, $OUT/vehicle-properties-metric.png," \
    "$OUT/truck-library-maintenance.png"
