# Shared by the build scripts: install what is missing with apt-get (idempotent), and configure
# and build one CMake tree with Ninja and ccache.
set -euo pipefail

KORDEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export DEBIAN_FRONTEND=noninteractive

# ensure_packages PKG...: installs the packages that are not installed yet.
ensure_packages() {
    local missing=()
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if ((${#missing[@]})); then
        echo "== installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

BUILD_PACKAGES=(g++ cmake ninja-build ccache)
# poppler-utils reads back the PDF that the text view's print test writes.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev poppler-utils)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The desktop program (wxWidgets on GTK 3, cairo, the Liberation fonts, OpenGL and GLU for the 3D
# view, Mesa's software renderer on a display without a GPU, OSMesa for the off-screen 3D tests)
# and its smoke test on a virtual display (Xvfb, xdotool to type, ImageMagick to take the
# screenshot).
GUI_PACKAGES=(pkg-config libwxgtk3.2-dev libgtk-3-dev libcairo2-dev fonts-liberation libgl-dev
    libglu1-mesa-dev libgl1-mesa-dri libosmesa6-dev xvfb xauth xdotool xclip imagemagick)

jobs() { nproc 2>/dev/null || echo 2; }

# build_tree DIR [cmake options...] [-- TARGETS...]: configures DIR and builds it (all, or only
# TARGETS and what they need).
build_tree() {
    local dir=$1 options=() targets=()
    shift
    while (($#)) && [ "$1" != "--" ]; do options+=("$1"); shift; done
    if (($#)); then shift; targets=(--target "$@"); fi
    cmake -S "$KORDEL_ROOT" -B "$dir" -G Ninja "${options[@]}" >/dev/null
    cmake --build "$dir" -j "$(jobs)" "${targets[@]}"
}

# run_tests DIR: runs the tests of the build tree DIR (each test program's cases in shards, as
# many processes as there are cores, side by side), shows the output of every entry that failed,
# and sums up the test cases that ran, naming each one that failed.
run_tests() {
    local dir=$1 status=0
    rm -rf "$dir/test-results"
    ctest --test-dir "$dir" -j "$(jobs)" --output-on-failure || status=$?
    "$KORDEL_ROOT/scripts/test_summary.sh" "$dir" || status=1
    return "$status"
}

# stage NAME: ends the stage before (printing how long it took) and starts stage NAME.
# stage_end: ends the last stage and prints every stage's time. A script that fails in a stage
# prints them too, the failed stage last.
STAGE_NAMES=()
STAGE_TIMES=()
STAGE=""
STAGE_START=0
stage() {
    stage_close
    STAGE=$1
    STAGE_START=$SECONDS
    echo "== $STAGE"
    trap stage_exit EXIT
}
stage_exit() {
    local status=$?
    local failed=$STAGE
    stage_close
    stage_report
    [ "$status" -eq 0 ] || echo "== failed: $failed (status $status)"
    exit "$status"
}
stage_close() {
    [ -n "$STAGE" ] || return 0
    STAGE_NAMES+=("$STAGE")
    STAGE_TIMES+=($((SECONDS - STAGE_START)))
    STAGE=""
}
stage_report() {
    local i total=0
    echo "== stage times"
    for i in "${!STAGE_NAMES[@]}"; do
        printf '%6d s  %s\n' "${STAGE_TIMES[$i]}" "${STAGE_NAMES[$i]}"
        total=$((total + STAGE_TIMES[i]))
    done
    printf '%6d s  in all\n' "$total"
}
stage_end() {
    stage_close
    trap - EXIT
    stage_report
}
