#!/usr/bin/env bash
# Runs one libFuzzer target for FUZZ_SECONDS seconds (30 when unset) on a copy of its seed corpus
# (fuzz/corpus/NAME/). Prints the end of its output at once when it ends, so that targets run side
# by side do not mix their lines; a target that finds a fault fails with its whole report's end,
# and the input that caused it is kept in crashes/ beside the target.
#
#   scripts/fuzz_run.sh TARGET
set -euo pipefail

target=$1
name=$(basename "$target" _fuzz)
root=$(cd "$(dirname "$0")/.." && pwd)
crashes=$(dirname "$target")/crashes
corpus=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$corpus" "$log"' EXIT
mkdir -p "$crashes"
if [ -d "$root/fuzz/corpus/$name" ]; then cp -r "$root/fuzz/corpus/$name/." "$corpus/"; fi

status=0
(cd "$corpus" && "$target" -max_total_time="${FUZZ_SECONDS:-30}" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=0 -artifact_prefix="$crashes/$name-" "$corpus") >"$log" 2>&1 || status=$?
if [ "$status" -eq 0 ]; then
    printf -- '-- %s\n%s\n' "$name" "$(tail -n 3 "$log")"
else
    printf -- '-- %s FAILED (status %s)\n%s\n' "$name" "$status" "$(tail -n 80 "$log")"
fi
exit "$status"
