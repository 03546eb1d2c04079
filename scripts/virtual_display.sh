# Sourced by the smoke tests of the desktop programs: a scratch folder, a virtual display, and a
# fresh user (no settings, no recent files) for the program started on it.
#
#   start_virtual_display   makes the scratch folder WORK, starts Xvfb on a free display
#                           number, exports DISPLAY and makes WORK/home the user's home. At exit
#                           the process in APP_PID (the caller sets it when it starts its
#                           program) and the server are stopped and WORK is removed.
start_virtual_display() {
    WORK=$(mktemp -d)
    APP_PID=""
    XVFB_PID=""
    trap stop_virtual_display EXIT
    # A free display number, chosen by the server itself.
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 1 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
    [ -s "$WORK/display" ] || { echo "Xvfb did not start"; cat "$WORK/xvfb.log"; exit 1; }
    export DISPLAY=":$(cat "$WORK/display")"
    export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config"
    export XDG_DOCUMENTS_DIR="$WORK/home/Documents"
    mkdir -p "$HOME"
}

stop_virtual_display() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
