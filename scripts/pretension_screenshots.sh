#!/usr/bin/env bash
# The pretensioning dialogs on a virtual display: "Prestressing  (Pretensioning)" with its three
# drawings on examples 1 and 2, and "Strand Template" opened from it through "Layout and Pull..."
# and "Edit Template..."; each dialog is closed with Escape and its program must end.
#
#   scripts/pretension_screenshots.sh PROGRAM-FOLDER OUTPUT-FOLDER
set -euo pipefail

DEMO=$1/kordel_command_demo
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

PRETENSIONING=32853
# A pattern for the window title: the parentheses escaped.
TITLE="Prestressing  \\(Pretensioning\\)"

shoot_command "$DEMO" 1 us $PRETENSIONING "$TITLE" "$OUT/pretensioning-example1.png"
shoot_command "$DEMO" 2 us $PRETENSIONING "$TITLE" "$OUT/pretensioning-example2.png"

# The template dialog: Layout and Pull (Alt+L), then Edit Template (Alt+E).
start_program command.log "$DEMO" 1 us $PRETENSIONING
dialog=$(wait_for "^$TITLE\$")
xdotool windowfocus --sync "$dialog"
xdotool key alt+l
layout=$(wait_for "^Strand Pattern Layout and Pull Fraction\$")
sleep 0.5
import -window "$layout" "$OUT/strand-layout.png"
not_blank "$OUT/strand-layout.png"
xdotool windowfocus --sync "$layout"
xdotool key alt+e
template=$(wait_for "^Strand Template\$")
sleep 0.6
import -window "$template" "$OUT/strand-template.png"
not_blank "$OUT/strand-template.png"
for title in "Strand Template" "Strand Pattern Layout and Pull Fraction" "$TITLE"; do
    window=$(wait_for "^$title\$")
    xdotool windowfocus --sync "$window"
    xdotool key Escape
    wait_gone "^$title\$"
done
expect_program_end "$title"
echo "pretensioning dialogs: $OUT/pretensioning-example1.png, $OUT/pretensioning-example2.png," \
    "$OUT/strand-layout.png, $OUT/strand-template.png"
