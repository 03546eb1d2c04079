#!/usr/bin/env bash
# The factors, limits, options and handling dialogs of the Input menu on example 1, on a virtual
# display: Load & Resistance Factors (automatic, then manual with its factors shown), Stress
# Limits (US and metric), Camber and Deflection Multipliers, Analysis Options, its "Add
# Additional Vehicles" on a library that holds HL-93, and Stripping and Handling (US and
# metric). Each dialog is closed with Escape and must end its program.
#
#   scripts/factors_screenshots.sh PROGRAM-FOLDER OUTPUT-FOLDER
set -euo pipefail

DIR=$1
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display
DEMO="$DIR/kordel_command_demo"

# shoot_after_keys UNITS COMMAND TITLE KEYS SHOT-TITLE SHOT CLOSE-KEYS: runs COMMAND on example 1,
# sends KEYS (blank-separated) to dialog TITLE, shoots the window titled SHOT-TITLE, then sends
# CLOSE-KEYS and waits for the program to end.
shoot_after_keys() {
    local units=$1 command=$2 title=$3 keys=$4 shotTitle=$5 shot=$6 closeKeys=$7
    start_program command.log "$DEMO" 1 "$units" "$command"
    local dialog window
    dialog=$(wait_for "^$title\$")
    sleep 0.5
    xdotool windowfocus --sync "$dialog"
    for key in $keys; do
        xdotool key "$key"
        sleep 0.3
    done
    window=$(wait_for "^$shotTitle\$")
    sleep 0.6
    import -window "$window" "$shot"
    not_blank "$shot"
    for key in $closeKeys; do
        xdotool key "$key"
        sleep 0.4
    done
    expect_program_end "$shotTitle"
}

# The vehicle library gets HL-93 from the vehicle dialogs' demonstration.
start_program vehicles.log "$DIR/kordel_vehicle_dialogs_demo" maintenance
window=$(wait_for '^Truck Library Maintenance$')
xdotool windowfocus --sync "$window"
xdotool key Escape
for _ in $(seq 1 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
APP_PID=""

shoot_command "$DEMO" 1 us 32842 "Load & Resistance Factors" "$OUT/load-resistance-factors.png"
shoot_after_keys us 32842 "Load & Resistance Factors" "alt+m" "Load & Resistance Factors" \
    "$OUT/load-resistance-factors-manual.png" "Escape"
shoot_command "$DEMO" 1 us 32802 "Stress Limits" "$OUT/stress-limits-us.png"
shoot_command "$DEMO" 1 metric 32802 "Stress Limits" "$OUT/stress-limits-metric.png"
shoot_command "$DEMO" 1 us 32803 "Camber and Deflection Multipliers" "$OUT/camber-multipliers.png"
shoot_command "$DEMO" 1 us 32843 "Analysis Options" "$OUT/analysis-options.png"
shoot_after_keys us 32843 "Analysis Options" "alt+i alt+a" "Add Additional Vehicles" \
    "$OUT/additional-rating-vehicles.png" "Escape Escape"
shoot_command "$DEMO" 1 us 32864 "Stripping and Handling" "$OUT/stripping-handling-us.png"
shoot_command "$DEMO" 1 metric 32864 "Stripping and Handling" "$OUT/stripping-handling-metric.png"
echo "factors dialogs: $OUT/load-resistance-factors*.png, stress-limits-*.png," \
    "camber-multipliers.png, analysis-options.png, additional-rating-vehicles.png," \
    "stripping-handling-*.png"
