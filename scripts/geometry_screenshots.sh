#!/usr/bin/env bash
# The geometry input dialogs on a virtual display, opened from the Input menu by the command
# demo program: "Geometry" with its two pictures on example 1 in US and in metric units and on
# the spliced example 4, "Span Layout" on the continuous example 3 in both units, and "Girder
# Segment Details" opened by the "Segments..." button (Alt+S) of example 4's geometry dialog.
# Each dialog is closed with Escape and must end its program.
#
#   scripts/geometry_screenshots.sh PROGRAM-FOLDER OUTPUT-FOLDER
set -euo pipefail

DEMO=$1/kordel_command_demo
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

GEOMETRY=32783
SPAN_LAYOUT=32834

shoot_command "$DEMO" 1 us $GEOMETRY Geometry "$OUT/geometry-example1-us.png"
shoot_command "$DEMO" 1 metric $GEOMETRY Geometry "$OUT/geometry-example1-metric.png"
shoot_command "$DEMO" 3 us $SPAN_LAYOUT "Span Layout" "$OUT/span-layout-example3-us.png"
shoot_command "$DEMO" 3 metric $SPAN_LAYOUT "Span Layout" "$OUT/span-layout-example3-metric.png"

# Example 4's geometry dialog, then its segments over it.
start_program command.log "$DEMO" 4 us $GEOMETRY
geometry=$(wait_for '^Geometry$')
sleep 0.6
import -window "$geometry" "$OUT/geometry-example4-us.png"
not_blank "$OUT/geometry-example4-us.png"
xdotool windowfocus --sync "$geometry"
xdotool key alt+s
segments=$(wait_for '^Girder Segment Details$')
sleep 0.6
import -window "$segments" "$OUT/girder-segments-example4-us.png"
not_blank "$OUT/girder-segments-example4-us.png"
xdotool windowfocus --sync "$segments"
xdotool key Escape
wait_gone '^Girder Segment Details$'
xdotool windowfocus --sync "$geometry"
xdotool key Escape
expect_program_end "Geometry"

echo "geometry dialogs: $OUT/geometry-example1-us.png, $OUT/geometry-example1-metric.png," \
    "$OUT/geometry-example4-us.png, $OUT/girder-segments-example4-us.png," \
    "$OUT/span-layout-example3-us.png, $OUT/span-layout-example3-metric.png"
