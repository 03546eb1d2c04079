#!/usr/bin/env bash
# Builds the program and runs its main job: example design 1 analysed, the results export
# written to standard output.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build_tree "$KORDEL_ROOT/build/release" -DCMAKE_BUILD_TYPE=Release -DKORDEL_TESTS=OFF -DKORDEL_BENCH=OFF \
    -DKORDEL_DESKTOP=OFF
"$KORDEL_ROOT/build/release/kordel" --batch --example 1 --export -
