#!/usr/bin/env bash
# The beam-section dialogs on a virtual display: Libraries/Beam Sections on example 1 (the
# "Section Library" in maintenance mode), and on example 1's girder section "Section Library"
# picking, "Section Properties" in US and metric units and "Generate Section Properties" with
# its sketch, one screenshot each; each dialog is closed with Escape and must end its program.
#
#   scripts/sections_screenshots.sh PROGRAM-FOLDER OUTPUT-FOLDER
set -euo pipefail

DIR=$1
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display
APP_LOG=demo.log

# shoot MODE TITLE FILE: shows the demo's dialog, keeps its picture, closes it with Escape.
shoot() {
    start_program demo.log "$DIR/kordel_section_dialogs_demo" "$1"
    local window
    window=$(wait_for "^$2\$")
    sleep 0.6
    import -window "$window" "$OUT/$3"
    not_blank "$OUT/$3"
    xdotool windowfocus --sync "$window"
    xdotool key Escape
    for _ in $(seq 1 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$APP_PID" 2>/dev/null; then echo "Escape did not close $2"; exit 1; fi
    APP_PID=""
}

shoot_command "$DIR/kordel_command_demo" 1 us 32793 "Section Library" \
    "$OUT/section-library-maintenance.png"
shoot library "Section Library" section-library.png
shoot properties-us "Section Properties" section-properties-us.png
shoot properties-metric "Section Properties" section-properties-metric.png
shoot generator "Generate Section Properties" section-generator.png
echo "section dialogs: $OUT/section-library-maintenance.png, $OUT/section-library.png," \
    "$OUT/section-properties-us.png, $OUT/section-properties-metric.png," \
    "$OUT/section-generator.png"
