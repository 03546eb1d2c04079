#!/usr/bin/env bash
# The input dialogs on a virtual display: starts the desktop program as a new user, makes a new
# design from the first example and opens "Job Information" and "Project Settings" from the
# Input menu with the keyboard, keeping a screenshot of each; types into Job Information and
# confirms it with Return, cancels Project Settings with Escape; then makes the design metric in
# Project Settings (Alt+M, Return) and keeps screenshots of Project Settings and of the status
# bar of the metric design.
#
#   scripts/dialog_screenshots.sh PROGRAM OUTPUT-FOLDER
set -euo pipefail

PROGRAM=$1
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

start_program kordel.log "$PROGRAM" --nosplash

# input_item N: the Nth item of the Input menu that can be chosen (Alt+I opens the menu with
# its first item chosen; the commands whose dialogs the program does not have yet are disabled
# and stepped over).
input_item() {
    xdotool windowfocus --sync "$MAIN"
    xdotool key alt+i
    sleep 0.3
    for _ in $(seq 2 "$1"); do xdotool key Down; done
    xdotool key Return
}

MAIN=$(new_design)

# Input/Job Information (the second item after the wizard).
input_item 2
JOB=$(wait_for '^Job Information$')
sleep 0.5
import -window "$JOB" "$OUT/dialog-job-information.png"
not_blank "$OUT/dialog-job-information.png"
# The focus is in the project name; typing there and Return confirm the dialog.
xdotool type --delay 20 "Route 9"
xdotool key Return
wait_gone '^Job Information$'

# Input/Project Settings, shown and cancelled with Escape.
input_item 3
SETTINGS=$(wait_for '^Project Settings$')
sleep 0.5
import -window "$SETTINGS" "$OUT/dialog-project-settings.png"
not_blank "$OUT/dialog-project-settings.png"
xdotool key Escape
wait_gone '^Project Settings$'

# Project Settings again: Metric (Alt+M) and OK (Return); then once more on the metric design.
input_item 3
wait_for '^Project Settings$' >/dev/null
sleep 0.3
xdotool key alt+m
sleep 0.2
xdotool key Return
wait_gone '^Project Settings$'
sleep 0.5
import -window "$MAIN" "$WORK/metric.png"
read -r WIDTH _ < <(identify -format '%w %h\n' "$WORK/metric.png")
convert "$WORK/metric.png" -gravity South -crop "${WIDTH}x26+0+0" +repage "$OUT/dialog-metric-status-bar.png"
not_blank "$OUT/dialog-metric-status-bar.png"
input_item 3
SETTINGS=$(wait_for '^Project Settings$')
sleep 0.5
import -window "$SETTINGS" "$OUT/dialog-project-settings-metric.png"
not_blank "$OUT/dialog-project-settings-metric.png"
xdotool key Escape
wait_gone '^Project Settings$'

kill -0 "$KORDEL_PID" 2>/dev/null || { echo "the program ended"; cat "$WORK/kordel.log"; exit 1; }
echo "input dialogs: $OUT/dialog-job-information.png, $OUT/dialog-project-settings.png," \
    "$OUT/dialog-project-settings-metric.png, $OUT/dialog-metric-status-bar.png"
