#!/usr/bin/env bash
# "Materials" and "Loads" opened from the Input menu on example 1, in US and in metric units,
# and "Prestress Loss Parameters" opened from the Materials dialog's "Parameters..." button; one
# screenshot each. Every dialog is closed with Escape and its program must then end.
#
#   scripts/materials_screenshots.sh PROGRAM-FOLDER OUTPUT-FOLDER
set -euo pipefail

DEMO=$1/kordel_command_demo
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

MATERIALS=32784
LOADS=32785
for units in us metric; do
    shoot_command "$DEMO" 1 "$units" "$MATERIALS" Materials "$OUT/materials-$units.png"
    shoot_command "$DEMO" 1 "$units" "$LOADS" Loads "$OUT/loads-$units.png"
done

# The loss parameters over the Materials dialog (Alt+A presses "Parameters...").
start_program command.log "$DEMO" 1 metric "$MATERIALS"
materials=$(wait_for '^Materials$')
sleep 0.5
xdotool windowfocus --sync "$materials"
xdotool key alt+a
parameters=$(wait_for '^Prestress Loss Parameters$')
sleep 0.6
import -window "$parameters" "$OUT/loss-parameters-metric.png"
not_blank "$OUT/loss-parameters-metric.png"
xdotool windowfocus --sync "$parameters"
xdotool key Escape
wait_gone '^Prestress Loss Parameters$'
xdotool windowfocus --sync "$materials"
xdotool key Escape
expect_program_end "Materials"
echo "materials and loads: $OUT/materials-us.png, $OUT/materials-metric.png," \
    "$OUT/loads-us.png, $OUT/loads-metric.png, $OUT/loss-parameters-metric.png"
