#!/usr/bin/env bash
# Everything CI checks: installs what is missing, builds, runs every test once plain and once
# under AddressSanitizer and UndefinedBehaviorSanitizer, runs each fuzz target for a short
# bounded time, runs the main job once with no display, and runs the desktop program and the
# demonstrations on a virtual display (screenshots in build/ci-artifacts/). Prints how long each
# stage took, at the end (and when a stage fails).
source "$(dirname "$0")/common.sh"

FUZZ_SECONDS=${KORDEL_FUZZ_SECONDS:-30}
B=$KORDEL_ROOT/build
# Line tables only in the CI builds: enough for the sanitizers' and a crash's stack traces, and
# a third cheaper to compile than full debug information.
PLAIN_FLAGS=(-DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG")

stage "install"
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" "${GUI_PACKAGES[@]}"

stage "plain build"
build_tree "$B/ci-plain" "${PLAIN_FLAGS[@]}" -DKORDEL_TEST_SHARDS="$(jobs)"
stage "plain tests"
run_tests "$B/ci-plain"

stage "main job, with no display"
env -u DISPLAY -u WAYLAND_DISPLAY "$B/ci-plain/kordel" --batch --example 1 --export - >/dev/null

stage "desktop programs on a virtual display"
"$KORDEL_ROOT/scripts/screenshots.sh" "$B/ci-plain" "$B/ci-artifacts"

stage "sanitizer build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build_tree "$B/ci-asan" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DKORDEL_SANITIZE=ON \
    -DKORDEL_BENCH=OFF -DKORDEL_TEST_SHARDS="$(jobs)"
stage "sanitizer tests"
run_tests "$B/ci-asan"

stage "fuzz build"
CC=clang CXX=clang++ build_tree "$B/ci-fuzz" "${PLAIN_FLAGS[@]}" -DKORDEL_FUZZ=ON \
    -DKORDEL_TESTS=OFF -DKORDEL_BENCH=OFF -DKORDEL_DESKTOP=OFF -- kordel_fuzz_targets
stage "fuzz targets, ${FUZZ_SECONDS} s each, $(jobs) at a time"
export FUZZ_SECONDS
printf '%s\n' "$B"/ci-fuzz/fuzz/*_fuzz | xargs -P "$(jobs)" -I{} bash "$KORDEL_ROOT/scripts/fuzz_run.sh" {}

stage_end
echo "== all checks passed"
