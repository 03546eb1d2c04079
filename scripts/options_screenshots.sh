#!/usr/bin/env bash
# File/Options and its folder browser on a virtual display: starts the desktop program as a new
# user with a few folders in the section library, makes a new design from the first example,
# opens "User Options" from the File menu and keeps a screenshot of it; presses its first
# "Browse..." (the focus starts there) and keeps a screenshot of the folder browser; confirms
# the browser and User Options with Return and checks that the settings file took the folder,
# ending in '/'.
#
#   scripts/options_screenshots.sh PROGRAM OUTPUT-FOLDER
set -euo pipefail

PROGRAM=$1
OUT=$2
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

LIBRARY="$XDG_DOCUMENTS_DIR/Dravnick Technologies/Kordel V4/Section Library"
mkdir -p "$LIBRARY/AASHTO Girders" "$LIBRARY/Box Beams" "$LIBRARY/Bulb Tees" "$LIBRARY/.hidden"
touch "$LIBRARY/Type IV.ksl"

start_program kordel.log "$PROGRAM" --nosplash

MAIN=$(new_design)

# File/Options: from the bottom of the File menu, Exit, Export Results, then Options (the
# disabled items between them are stepped over).
xdotool windowfocus --sync "$MAIN"
xdotool key alt+f
sleep 0.3
xdotool key Up Up Up Return
OPTIONS=$(wait_for '^User Options$')
sleep 0.5
import -window "$OPTIONS" "$OUT/file-options.png"
not_blank "$OUT/file-options.png"

# The focus starts on the section library's "Browse...": Return presses it.
xdotool key Return
BROWSER=$(wait_for '^Select default browse folder for Kordel Section Library files')
sleep 0.5
import -window "$BROWSER" "$OUT/folder-browser.png"
not_blank "$OUT/folder-browser.png"
# OK with no row selected takes the folder the browser stands in. Back in User Options a click
# on OK (177 and 31 pixels in from the lower right corner, as the screenshot shows it) stores it.
xdotool key Return
wait_gone '^Select default browse folder'
sleep 0.3
read -r WIDTH HEIGHT < <(identify -format '%w %h\n' "$OUT/file-options.png")
xdotool mousemove --window "$OPTIONS" $((WIDTH - 177)) $((HEIGHT - 31)) click 1
wait_gone '^User Options$'

INI="$XDG_DOCUMENTS_DIR/Dravnick Technologies/Kordel V4/private.ini"
grep -q "^Library File Location=.*/Section Library/\$" "$INI" || {
    echo "the settings file does not hold the folder, ending in '/':"; cat "$INI"; exit 1; }

kill -0 "$KORDEL_PID" 2>/dev/null || { echo "the program ended"; cat "$WORK/kordel.log"; exit 1; }
echo "user options: $OUT/file-options.png, $OUT/folder-browser.png"
