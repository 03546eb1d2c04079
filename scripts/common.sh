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

# build_tree DIR [cmake options...]: configures (once) and builds DIR.
build_tree() {
    local dir=$1
    shift
    cmake -S "$KORDEL_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(jobs)"
}
