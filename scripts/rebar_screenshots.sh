#!/usr/bin/env bash
# The reinforcement dialogs on a virtual display, opened from the Input menu by the command
# demo: "Longitudinal Rebar" and "Transverse Rebar" on example 1 (US, and the transverse one in
# metric), "Longitudinal Rebar" on example 3 with its deck bars, and the sub-dialogs its buttons
# open there ("Girder Rebar", "Deck Rebar", "Edit Rebar List"). Each closes with Escape.
#
#   scripts/rebar_screenshots.sh PROGRAM-FOLDER OUTPUT-FOLDER
set -euo pipefail

DEMO=$1/kordel_command_demo
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

LONGITUDINAL=32859
TRANSVERSE=32860

shoot_command "$DEMO" 1 us $LONGITUDINAL "Longitudinal Rebar" "$OUT/rebar-longitudinal-us.png"
shoot_command "$DEMO" 3 us $LONGITUDINAL "Longitudinal Rebar" \
    "$OUT/rebar-longitudinal-example3.png"
shoot_command "$DEMO" 1 us $TRANSVERSE "Transverse Rebar" "$OUT/rebar-transverse-us.png"
shoot_command "$DEMO" 1 metric $TRANSVERSE "Transverse Rebar" "$OUT/rebar-transverse-metric.png"

# shoot_sub TITLE SHOT KEYS...: on example 3 in metric, the sub-dialog TITLE that KEYS open
# from "Longitudinal Rebar"; both dialogs then close with Escape.
shoot_sub() {
    local title=$1 shot=$2
    shift 2
    start_program command.log "$DEMO" 3 metric $LONGITUDINAL
    local dialog sub
    dialog=$(wait_for '^Longitudinal Rebar$')
    sleep 0.5
    xdotool windowfocus --sync "$dialog"
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.2
    done
    sub=$(wait_for "^$title\$")
    sleep 0.5
    import -window "$sub" "$shot"
    not_blank "$shot"
    xdotool windowfocus --sync "$sub"
    xdotool key Escape
    wait_gone "^$title\$"
    xdotool windowfocus --sync "$dialog"
    xdotool key Escape
    expect_program_end "Longitudinal Rebar"
}

shoot_sub "Girder Rebar" "$OUT/rebar-girder-layout-metric.png" space
shoot_sub "Deck Rebar" "$OUT/rebar-deck-layout-metric.png" Tab Tab space
shoot_sub "Edit Rebar List" "$OUT/rebar-deck-bar-list-metric.png" Tab Tab Tab space
echo "reinforcement dialogs: $OUT/rebar-*.png"
