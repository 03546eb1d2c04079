#!/usr/bin/env bash
# Every smoke test and screenshot script of the desktop programs in one pass, on one virtual
# display started once. Each script still starts its programs as a new user of its own (a fresh
# home folder), and whatever it leaves running is ended with it, so the next one starts on an
# empty screen. Every script runs even when one before it failed; the pass fails when any did,
# naming them. Screenshots go to OUTPUT-FOLDER (the main view's to OUTPUT-FOLDER/mainview/).
#
#   scripts/screenshots.sh PROGRAM-FOLDER OUTPUT-FOLDER
set -euo pipefail

B=$1
OUT=$2
HERE=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$OUT"
source "$HERE/virtual_display.sh"

WORK=$(mktemp -d)
XVFB_PID=""
trap '[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null; rm -rf "$WORK"' EXIT
start_xvfb
export KORDEL_SHARED_DISPLAY=$DISPLAY

FAILED=()
# part SECONDS SCRIPT ARGS...: runs SCRIPT with at most SECONDS to finish. `timeout` makes its
# own process group, so the programs the script started and left behind end with that group.
part() {
    local limit=$1 script=$2
    shift 2
    local start=$SECONDS status=0 pid
    timeout "$limit" "$HERE/$script" "$@" &
    pid=$!
    wait "$pid" || status=$?
    kill -- "-$pid" 2>/dev/null || true
    if [ "$status" -eq 0 ]; then
        echo "-- $script: $((SECONDS - start)) s"
    else
        [ "$status" -eq 124 ] && echo "$script did not finish within $limit s"
        echo "-- $script FAILED (status $status) after $((SECONDS - start)) s"
        FAILED+=("$script")
    fi
}

part 120 desktop_smoke.sh "$B/kordel" "$OUT"
part 120 dialog_screenshots.sh "$B/kordel" "$OUT"
part 120 options_screenshots.sh "$B/kordel" "$OUT"
part 180 mainview_smoke.sh "$B/kordel" "$OUT"
part 120 rendering_3d_smoke.sh "$B/kordel" "$OUT"
part 60 grid_demo_smoke.sh "$B/kordel_grid_demo" "$OUT"
part 60 results_grid_screenshots.sh "$B/kordel_results_grid_demo" "$OUT"
part 60 vehicle_dialog_screenshots.sh "$B/kordel_vehicle_dialogs_demo" "$OUT"
part 120 debond_screenshots.sh "$B" "$OUT"
part 180 geometry_screenshots.sh "$B" "$OUT"
part 120 materials_screenshots.sh "$B" "$OUT"
part 180 factors_screenshots.sh "$B" "$OUT"
part 120 pretension_screenshots.sh "$B" "$OUT"
part 120 rebar_screenshots.sh "$B" "$OUT"
part 120 loadtables_screenshots.sh "$B" "$OUT"
part 90 sections_screenshots.sh "$B" "$OUT"

if ((${#FAILED[@]})); then
    echo "failed: ${FAILED[*]}"
    exit 1
fi
