# Sourced by the smoke tests of the desktop programs: a virtual display, and a fresh user (no
# settings, no recent files) for the program started on it.
#
#   start_virtual_display WORK   starts Xvfb on a free display number and exports DISPLAY;
#                                WORK/home becomes the user's home. XVFB_PID holds the
#                                server's process id, for the caller's clean-up.
start_virtual_display() {
    local work=$1
    # A free display number, chosen by the server itself.
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=":$(cat "$work/display")"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    export XDG_DOCUMENTS_DIR="$work/home/Documents"
    mkdir -p "$HOME"
}
