#!/usr/bin/env bash
# The main view and printing of the desktop program on a virtual display, as a new user:
#   - `kordel --print FILE` with no printer fails with a message and exit status 1; with the
#     default printer made a PDF file (KORDEL_PRINTER_PDF) it prints example 1's sheet on 3 pages
#     and the post-tensioned example 4's on 4, kept as PDF and PNG pages;
#   - example 1 opened: the main view shows its sheet, Page Down scrolls it, Page Up brings back
#     exactly the first picture (no redrawing artefacts), and the window resizes;
#   - Print Preview of the main view (one and two pages) and of the long-form text view;
#   - File/Print Results: the system print dialog, printing to a PDF file (no printer needed);
#   - example 4 opened: the main view paged down from its first page to its last, and each of
#     its four sheet pages in Print Preview.
# Screenshots and pages go to OUTPUT-FOLDER/mainview/.
#
#   scripts/mainview_smoke.sh PROGRAM OUTPUT-FOLDER
set -euo pipefail

PROGRAM=$1
OUT=$2/mainview
mkdir -p "$OUT"
source "$(dirname "$0")/virtual_display.sh"
start_virtual_display

fail() {
    echo "mainview smoke: $*"
    exit 1
}

unset KORDEL_PRINTER_PDF

"$PROGRAM" --batch --example 1 --save "$WORK/example1.kdx" >/dev/null
"$PROGRAM" --batch --example 4 --save "$WORK/example4.kdx" >/dev/null

# ---- kordel --print FILE ----------------------------------------------------------------------
# No printer is installed on the CI machine: a clear message and a non-zero status.
if "$PROGRAM" --print "$WORK/example1.kdx" 2>"$WORK/print.err"; then
    fail "--print with no printer reported success"
fi
grep -q "kordel: .*example1.kdx: No printer is installed" "$WORK/print.err" ||
    { cat "$WORK/print.err"; fail "--print with no printer gave no message"; }

# pages PDF COUNT NAME: the PDF has COUNT pages; they are kept as NAME-N.png.
pages() {
    local count
    count=$(pdfinfo "$1" | awk '/^Pages:/ { print $2 }')
    [ "$count" = "$2" ] || fail "$1 has $count pages, not $2"
    pdftoppm -png -r 100 "$1" "$OUT/$3"
}
for example in 1:3 4:4; do
    n=${example%%:*}
    KORDEL_PRINTER_PDF="$OUT/print-example$n.pdf" "$PROGRAM" --print "$WORK/example$n.kdx" ||
        fail "--print of example $n to the PDF printer failed"
    pages "$OUT/print-example$n.pdf" "${example##*:}" "print-example$n-page"
done

# ---- The main view ---------------------------------------------------------------------------
start_program kordel.log "$PROGRAM" --nosplash "$WORK/example1.kdx"

# gone TITLE: waits until no visible window matches TITLE.
gone() {
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window '$1' stays open"
}
# dark SHOT: the share of dark pixels.
dark() { convert "$1" -colorspace Gray -threshold 50% -negate -format '%[fx:mean]' info:; }
# file_item N: the Nth item of the File menu, through the menu bar (F10 opens File).
file_item() {
    xdotool windowfocus --sync "$MAIN"
    xdotool key F10
    sleep 0.3
    for _ in $(seq 1 "$1"); do xdotool key Down; done
    xdotool key Return
}

MAIN=$(wait_for '^Kordel - example1.kdx$')
sleep 1
xdotool windowfocus --sync "$MAIN"
import -window "$MAIN" "$OUT/mainview-example1.png"
# The sheet's column and drawings darken the window's view area.
share=$(convert "$OUT/mainview-example1.png" -crop 60%x70%+0+100 +repage -colorspace Gray \
    -threshold 50% -negate -format '%[fx:mean]' info:)
awk -v m="$share" 'BEGIN { exit !(m > 0.01) }' || fail "the main view looks blank (dark share $share)"

# Page Down scrolls; Page Up brings the first picture back pixel for pixel.
read -r W H < <(identify -format '%w %h\n' "$OUT/mainview-example1.png")
xdotool mousemove --window "$MAIN" $((W * 3 / 4)) $((H / 2)) click 1
sleep 0.3
import -window "$MAIN" "$WORK/before.png"
xdotool key Next
sleep 0.5
import -window "$MAIN" "$OUT/mainview-example1-page-down.png"
xdotool key Prior
sleep 0.5
import -window "$MAIN" "$WORK/after.png"
if cmp -s "$WORK/before.png" "$OUT/mainview-example1-page-down.png"; then fail "Page Down did not scroll"; fi
# The view area (below the tool bar, above the status bar, left of the scroll bar, which GTK
# shows for a while after scrolling) is the same as before scrolling.
crop="$((W - 16))x$((H - 140))+0+100"
convert "$WORK/before.png" -crop "$crop" +repage "$WORK/before-view.png"
convert "$WORK/after.png" -crop "$crop" +repage "$WORK/after-view.png"
differ=$(compare -metric AE "$WORK/before-view.png" "$WORK/after-view.png" null: 2>&1 || true)
[ "$differ" = "0" ] || fail "after Page Down and Page Up $differ pixels differ from the first picture"

# The window resizes; the view follows.
xdotool windowsize --sync "$MAIN" 900 650
sleep 1
import -window "$MAIN" "$OUT/mainview-example1-resized.png"
read -r RW RH < <(identify -format '%w %h\n' "$OUT/mainview-example1-resized.png")
[ "$RW" -le 900 ] && [ "$RH" -le 650 ] || fail "the window did not resize (${RW}x${RH})"
xdotool windowsize --sync "$MAIN" "$W" "$H"
sleep 0.5

# ---- Print Preview -----------------------------------------------------------------------------
# File: New Design, Open, Close, Save Data, Save As, Print Results, Print Preview.
file_item 7
PREVIEW=$(wait_for '^Print Preview$')
sleep 1
import -window "$PREVIEW" "$OUT/preview-mainview.png"
xdotool key alt+t
sleep 1
import -window "$PREVIEW" "$OUT/preview-mainview-two-pages.png"
xdotool key Escape
gone '^Print Preview$'

# ---- File/Print Results: the system print dialog, printing to a PDF file ---------------------
# With no printer installed the dialog offers Print to File, writing example1.pdf beside the
# design; Return prints.
xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+p
DIALOG=$(wait_for '^Print$')
sleep 1.5
xdotool windowfocus --sync "$DIALOG"
# The printer list has the focus: Down selects Print to File, Return prints.
xdotool key Down
sleep 1
import -window "$DIALOG" "$OUT/print-dialog.png"
xdotool key Return
gone '^Print$'
for _ in $(seq 1 50); do [ -s "$WORK/example1.pdf" ] && break; sleep 0.1; done
[ -s "$WORK/example1.pdf" ] || fail "Print to File wrote no example1.pdf"
sleep 0.5
pages "$WORK/example1.pdf" 3 print-dialog-example1-page

# The graph view (Results: the first item), its screenshot and its preview.
xdotool windowfocus --sync "$MAIN"
xdotool key F10
sleep 0.3
xdotool key Right Right Right Down Return
sleep 1.5
import -window "$MAIN" "$OUT/graph-view-example1.png"
file_item 7
PREVIEW=$(wait_for '^Print Preview$')
sleep 1
import -window "$PREVIEW" "$OUT/preview-graph-view.png"
xdotool key Escape
gone '^Print Preview$'

# The long-form text view (Results: the second item), then its preview.
xdotool windowfocus --sync "$MAIN"
xdotool key F10
sleep 0.3
xdotool key Right Right Right Down Down Return
sleep 1.5
file_item 7
PREVIEW=$(wait_for '^Print Preview$')
sleep 1
import -window "$PREVIEW" "$OUT/preview-text-view.png"
xdotool key Escape
gone '^Print Preview$'

# ---- Example 4: every page of its sheet ------------------------------------------------------
kill "$KORDEL_PID" 2>/dev/null || true
wait "$KORDEL_PID" 2>/dev/null || true
start_program kordel4.log "$PROGRAM" --nosplash "$WORK/example4.kdx"
MAIN=$(wait_for '^Kordel - example4.kdx$')
sleep 1
xdotool windowfocus --sync "$MAIN"
xdotool mousemove --window "$MAIN" $((W * 3 / 4)) $((H / 2)) click 1
sleep 0.3
# The sheet is 41 inches tall: Page Down until the picture stops changing (at most 10 times).
import -window "$MAIN" "$OUT/mainview-example4-1.png"
for n in $(seq 2 10); do
    xdotool key Next
    sleep 0.5
    import -window "$MAIN" "$OUT/mainview-example4-$n.png"
    if cmp -s "$OUT/mainview-example4-$((n - 1)).png" "$OUT/mainview-example4-$n.png"; then
        rm "$OUT/mainview-example4-$n.png"
        break
    fi
done
[ -s "$OUT/mainview-example4-4.png" ] || fail "the main view of example 4 did not page down to its last page"
file_item 7
PREVIEW=$(wait_for '^Print Preview$')
sleep 1
for p in 1 2 3 4; do
    import -window "$PREVIEW" "$OUT/preview-example4-page$p.png"
    xdotool key Next
    sleep 0.7
done
xdotool key Escape
gone '^Print Preview$'

for shot in preview-example4-page1 preview-example4-page2 preview-example4-page3 \
    preview-example4-page4 mainview-example4-4 mainview-example1-page-down preview-mainview \
    preview-mainview-two-pages preview-text-view graph-view-example1 preview-graph-view; do
    share=$(dark "$OUT/$shot.png")
    awk -v m="$share" 'BEGIN { exit !(m > 0.002 && m < 0.6) }' || fail "$shot.png looks blank (dark share $share)"
done
echo "main view and printing: screenshots and pages in $OUT"
