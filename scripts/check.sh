#!/usr/bin/env bash
# Everything CI checks: installs what is missing, builds, runs every test once plain and once
# under AddressSanitizer and UndefinedBehaviorSanitizer, runs each fuzz target for a short
# bounded time, runs the main job once with no display, and runs the desktop program and the
# grid demonstration on a virtual display (screenshots in build/ci-artifacts/).
source "$(dirname "$0")/common.sh"

FUZZ_SECONDS=${KORDEL_FUZZ_SECONDS:-30}
B=$KORDEL_ROOT/build

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" "${GUI_PACKAGES[@]}"

echo "== plain build and tests"
build_tree "$B/ci-plain" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$B/ci-plain" -j "$(jobs)" --output-on-failure

echo "== sanitizer build and tests"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build_tree "$B/ci-asan" -DCMAKE_BUILD_TYPE=Debug -DKORDEL_SANITIZE=ON -DKORDEL_BENCH=OFF
ctest --test-dir "$B/ci-asan" -j "$(jobs)" --output-on-failure

echo "== fuzz targets, ${FUZZ_SECONDS} s each"
CC=clang CXX=clang++ build_tree "$B/ci-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORDEL_FUZZ=ON \
    -DKORDEL_TESTS=OFF -DKORDEL_BENCH=OFF -DKORDEL_DESKTOP=OFF
for target in "$B"/ci-fuzz/fuzz/*_fuzz; do
    name=$(basename "$target" _fuzz)
    corpus=$(mktemp -d)
    if [ -d "$KORDEL_ROOT/fuzz/corpus/$name" ]; then cp -r "$KORDEL_ROOT/fuzz/corpus/$name/." "$corpus/"; fi
    echo "-- $name"
    (cd "$corpus" && "$target" -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=0 "$corpus" 2>&1 | tail -n 3)
    rm -rf "$corpus"
done

echo "== main job, with no display"
env -u DISPLAY -u WAYLAND_DISPLAY "$B/ci-plain/kordel" --batch --example 1 --export - >/dev/null

echo "== desktop program on a virtual display"
timeout 120 "$KORDEL_ROOT/scripts/desktop_smoke.sh" "$B/ci-plain/kordel" "$B/ci-artifacts"
timeout 120 "$KORDEL_ROOT/scripts/dialog_screenshots.sh" "$B/ci-plain/kordel" "$B/ci-artifacts"
timeout 120 "$KORDEL_ROOT/scripts/options_screenshots.sh" "$B/ci-plain/kordel" "$B/ci-artifacts"
timeout 180 "$KORDEL_ROOT/scripts/mainview_smoke.sh" "$B/ci-plain/kordel" "$B/ci-artifacts"
echo "== the 3D view on a virtual display"
timeout 120 "$KORDEL_ROOT/scripts/rendering_3d_smoke.sh" "$B/ci-plain/kordel" "$B/ci-artifacts"
echo "== the grid control on a virtual display"
timeout 60 "$KORDEL_ROOT/scripts/grid_demo_smoke.sh" "$B/ci-plain/kordel_grid_demo" "$B/ci-artifacts"
timeout 60 "$KORDEL_ROOT/scripts/results_grid_screenshots.sh" "$B/ci-plain/kordel_results_grid_demo" "$B/ci-artifacts"
echo "== the vehicle dialogs on a virtual display"
timeout 60 "$KORDEL_ROOT/scripts/vehicle_dialog_screenshots.sh" \
    "$B/ci-plain/kordel_vehicle_dialogs_demo" "$B/ci-artifacts"
timeout 120 "$KORDEL_ROOT/scripts/debond_screenshots.sh" "$B/ci-plain" "$B/ci-artifacts"
timeout 180 "$KORDEL_ROOT/scripts/geometry_screenshots.sh" "$B/ci-plain" "$B/ci-artifacts"
timeout 120 "$KORDEL_ROOT/scripts/materials_screenshots.sh" "$B/ci-plain" "$B/ci-artifacts"
timeout 180 "$KORDEL_ROOT/scripts/factors_screenshots.sh" "$B/ci-plain" "$B/ci-artifacts"
timeout 120 "$KORDEL_ROOT/scripts/pretension_screenshots.sh" "$B/ci-plain" "$B/ci-artifacts"
timeout 120 "$KORDEL_ROOT/scripts/rebar_screenshots.sh" "$B/ci-plain" "$B/ci-artifacts"
timeout 120 "$KORDEL_ROOT/scripts/loadtables_screenshots.sh" "$B/ci-plain" "$B/ci-artifacts"
timeout 90 "$KORDEL_ROOT/scripts/sections_screenshots.sh" "$B/ci-plain" "$B/ci-artifacts"
echo "== all checks passed"
