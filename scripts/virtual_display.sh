# Sourced by the smoke tests of the desktop programs: a scratch folder, a virtual display, and a
# fresh user (no settings, no recent files) for the program started on it.
#
#   start_virtual_display   makes the scratch folder WORK, starts Xvfb on a free display
#                           number (or, when KORDEL_SHARED_DISPLAY names one, uses that: see
#                           scripts/screenshots.sh), exports DISPLAY and makes WORK/home the
#                           user's home. At exit the process in APP_PID (the caller sets it when
#                           it starts its program) and a server it started are stopped and WORK
#                           is removed.
#   start_xvfb              starts Xvfb on a free display number and exports DISPLAY; XVFB_PID
#                           is the server.
#   start_program LOG PROGRAM [ARGS...]
#                           starts PROGRAM in the background with its output in WORK/LOG and
#                           sets APP_PID (and KORDEL_PID) and APP_LOG for wait_for and the exit.
#   wait_for TITLE          prints the id of the visible window whose title matches TITLE;
#                           fails when none shows within 10 seconds or the program ended
#                           (its output, WORK/APP_LOG, is shown then).
#   wait_gone TITLE         waits until no visible window has the title.
#   not_blank SHOT          fails when a screenshot holds (nearly) no dark text.
#   expect_program_end TITLE
#                           fails unless the program started last ends within 10 seconds of
#                           its dialog TITLE being closed.
#   new_design              File/New Design with the first example; prints the main window's id.
#   shoot_command DEMO EXAMPLE UNITS COMMAND TITLE SHOT [KEYS...]
#                           runs menu command COMMAND (its number) on example design EXAMPLE in
#                           UNITS (us or metric) with the command demo program DEMO, waits for
#                           the dialog titled TITLE, keeps its screenshot in SHOT (checked not
#                           blank), sends KEYS to it (xdotool key names; Escape when none) and
#                           fails unless the dialog and the program then end.
start_program() {
    local log=$1
    shift
    "$@" >"$WORK/$log" 2>&1 &
    APP_PID=$!
    KORDEL_PID=$APP_PID
    APP_LOG=$log
}

start_xvfb() {
    # A free display number, chosen by the server itself; -noreset keeps the server as it is
    # when its last client leaves, so that the next program started can always connect.
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 1 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
    [ -s "$WORK/display" ] || { echo "Xvfb did not start"; cat "$WORK/xvfb.log"; exit 1; }
    export DISPLAY=":$(cat "$WORK/display")"
}

start_virtual_display() {
    WORK=$(mktemp -d)
    APP_PID=""
    APP_LOG=""
    XVFB_PID=""
    trap stop_virtual_display EXIT
    if [ -n "${KORDEL_SHARED_DISPLAY:-}" ]; then
        export DISPLAY=$KORDEL_SHARED_DISPLAY
    else
        start_xvfb
    fi
    export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config"
    export XDG_DOCUMENTS_DIR="$WORK/home/Documents"
    mkdir -p "$HOME"
}

stop_virtual_display() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}

wait_for() {
    for _ in $(seq 1 100); do
        local id
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        if [ -n "$APP_PID" ] && ! kill -0 "$APP_PID" 2>/dev/null; then
            echo "the program ended" >&2
            cat "$WORK/${APP_LOG:-app.log}" >&2
            return 1
        fi
        sleep 0.1
    done
    echo "no window '$1'" >&2
    return 1
}

wait_gone() {
    for _ in $(seq 1 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    echo "the window '$1' did not close" >&2
    return 1
}

# not_blank SHOT: fails when the picture holds (nearly) no dark text.
not_blank() {
    local share
    share=$(convert "$1" -colorspace Gray -threshold 50% -negate -format '%[fx:mean]' info:)
    if awk -v m="$share" 'BEGIN { exit !(m < 0.002 || m > 0.6) }'; then
        echo "$(basename "$1") looks blank (dark share $share)"
        exit 1
    fi
}

# new_design: in the program's main window (titled "Kordel"), File/New Design with the first
# example (Ctrl+N, Return); prints the main window's id once the design is open.
new_design() {
    local main
    main=$(wait_for '^Kordel$')
    xdotool windowfocus --sync "$main"
    xdotool key ctrl+n
    wait_for '^Initialize New Design$' >/dev/null
    sleep 0.3
    xdotool key Return
    wait_for '^Kordel - Untitled$' >/dev/null
    sleep 0.5
    echo "$main"
}

# expect_program_end TITLE: waits up to 10 s for the program started last to end now that its
# dialog TITLE is closed; fails the script, showing the program's output, if it does not.
expect_program_end() {
    for _ in $(seq 1 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$APP_PID" 2>/dev/null; then
        echo "the program did not end after '$1' was closed"
        cat "$WORK/$APP_LOG"
        exit 1
    fi
    APP_PID=""
}

shoot_command() {
    local demo=$1 example=$2 units=$3 command=$4 title=$5 shot=$6
    shift 6
    start_program command.log "$demo" "$example" "$units" "$command"
    local dialog
    dialog=$(wait_for "^$title\$")
    sleep 0.6
    import -window "$dialog" "$shot"
    not_blank "$shot"
    xdotool windowfocus --sync "$dialog"
    if [ $# -eq 0 ]; then set -- Escape; fi
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.2
    done
    expect_program_end "$title"
}
