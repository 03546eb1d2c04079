#!/usr/bin/env bash
# The debonding and post-tensioning dialogs on a virtual display, each opened by its menu
# command with the command demo program: "Debonding Pattern and Detensioning" on example 1, and
# "Post-Tensioning" on example 4 with its tendon table ("Edit Post-Tensioning Pattern...", the
# first control of the dialog, pressed with the space bar); one screenshot each, each dialog
# closed with Escape.
#
#   scripts/debond_screenshots.sh PROGRAM-FOLDER OUTPUT-FOLDER
set -euo pipefail

DEMO=$1/kordel_command_demo
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

ID_INPUT_DEBONDING=32807
ID_INPUT_POST_TENSIONING=32862

shoot_command "$DEMO" 1 us "$ID_INPUT_DEBONDING" "Debonding Pattern and Detensioning" \
    "$OUT/debonding-example1.png"
shoot_command "$DEMO" 1 metric "$ID_INPUT_DEBONDING" "Debonding Pattern and Detensioning" \
    "$OUT/debonding-example1-metric.png"
shoot_command "$DEMO" 4 us "$ID_INPUT_POST_TENSIONING" "Post-Tensioning" \
    "$OUT/post-tensioning-example4.png"

# The tendon table over the post-tensioning dialog.
start_program command.log "$DEMO" 4 us "$ID_INPUT_POST_TENSIONING"
PT=$(wait_for '^Post-Tensioning$')
sleep 0.5
xdotool windowfocus --sync "$PT"
xdotool key space
TABLE=$(wait_for '^Post-Tensioning Tendons$')
sleep 0.6
import -window "$TABLE" "$OUT/post-tensioning-tendons-example4.png"
not_blank "$OUT/post-tensioning-tendons-example4.png"
xdotool windowfocus --sync "$TABLE"
xdotool key Escape
wait_gone '^Post-Tensioning Tendons$'
xdotool windowfocus --sync "$PT"
xdotool key Escape
expect_program_end "Post-Tensioning"

echo "debonding and post-tensioning dialogs: $OUT/debonding-example1.png," \
    "$OUT/debonding-example1-metric.png, $OUT/post-tensioning-example4.png," \
    "$OUT/post-tensioning-tendons-example4.png"
