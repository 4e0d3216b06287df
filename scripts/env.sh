# Shared settings for Gromble's scripts. Source it from bash:
#   . scripts/env.sh        WINEPREFIX and WINEDEBUG for this build
#   . scripts/env.sh test   the same, plus the fixed locale the tests expect
# Sourcing defines only variables and gromble_* helper functions.

GROMBLE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
GROMBLE_BUILD="$GROMBLE_ROOT/build"
GROMBLE_RUN_STATE="$GROMBLE_BUILD/run"          # PID files of `make run`
GROMBLE_SCREENSHOTS="$GROMBLE_BUILD/screenshots"
GROMBLE_DATA_DIR="${XDG_DATA_HOME:-$HOME/.local/share}/gromble"
GROMBLE_XVFB_SCREEN=1024x768x24

# One Wine prefix per build folder, made by scripts/wineprefix.sh.
export WINEPREFIX="$GROMBLE_BUILD/wineprefix"
export WINEDEBUG=-all
# No Wine menu entries or file associations in the user's desktop.
case ";${WINEDLLOVERRIDES:-};" in
    *";winemenubuilder.exe=d;"*) ;;
    *) export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}" ;;
esac

if [ "${1:-}" = test ]; then
    # C.UTF-8 gives the ANSI code page 1252 under Wine; tests that need
    # another code page set their own locale.
    export LC_ALL=C.UTF-8
    unset LANGUAGE
fi

# True when PID names a live (not zombie) process whose command line contains
# PATTERN (case-insensitive); guards against stale PID files.
gromble_pid_is() {
    local pid=$1 pattern=$2 state
    [[ "$pid" =~ ^[0-9]+$ ]] || return 1
    state=$(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ] || return 1
    { tr '\0' ' ' < "/proc/$pid/cmdline"; } 2>/dev/null | grep -qiF -- "$pattern"
}

# Ends process PID (TERM, then KILL after TIMEOUT seconds) if it still matches
# PATTERN. Returns once it is gone.
gromble_stop_pid() {
    local pid=$1 pattern=$2 timeout=${3:-5} i
    gromble_pid_is "$pid" "$pattern" || return 0
    kill -TERM "$pid" 2>/dev/null || true
    for ((i = 0; i < timeout * 10; i++)); do
        gromble_pid_is "$pid" "$pattern" || return 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    for ((i = 0; i < 50; i++)); do
        gromble_pid_is "$pid" "$pattern" || return 0
        sleep 0.1
    done
    echo "could not end process $pid ($pattern)" >&2
    return 1
}

# Starts an Xvfb on a free display number (Xvfb picks it). Output goes to LOG.
# Sets GROMBLE_XVFB_PID and GROMBLE_XVFB_DISPLAY (":N"); returns once the
# server accepts connections. The server runs in its own session, so it
# outlives the calling script until it is ended.
gromble_start_xvfb() {
    local log=$1 numfile i
    numfile=$(mktemp)
    setsid Xvfb -displayfd 3 -screen 0 "$GROMBLE_XVFB_SCREEN" -nolisten tcp -noreset \
        </dev/null >"$log" 2>&1 3>"$numfile" &
    GROMBLE_XVFB_PID=$!
    GROMBLE_XVFB_DISPLAY=
    for ((i = 0; i < 200; i++)); do   # 20 s
        if grep -q '^[0-9][0-9]*$' "$numfile" 2>/dev/null; then
            GROMBLE_XVFB_DISPLAY=":$(head -n1 "$numfile")"
            break
        fi
        gromble_pid_is "$GROMBLE_XVFB_PID" Xvfb || break
        sleep 0.1
    done
    rm -f "$numfile"
    if [ -z "$GROMBLE_XVFB_DISPLAY" ]; then
        echo "Xvfb did not start; its log ($log):" >&2
        cat "$log" >&2 || true
        gromble_stop_pid "$GROMBLE_XVFB_PID" Xvfb 2 || true
        return 1
    fi
}

# True when the X display in $DISPLAY can be opened.
gromble_display_ok() {
    [ -n "${DISPLAY:-}" ] && timeout 5 xdotool getdisplaygeometry >/dev/null 2>&1
}

# Ends every Wine process of this prefix and its wineserver, if one runs.
gromble_wine_kill() {
    [ -d "$WINEPREFIX" ] || return 0
    wineserver -k >/dev/null 2>&1 || true
    timeout 15 wineserver -w >/dev/null 2>&1 || true
}

# The prefixes of other DPIs that the session started (gromble_start_dpi_session).
GROMBLE_DPI_PREFIXES=()

# The command that a session script runs in the background, ended with the session.
GROMBLE_XVFB_PID=
GROMBLE_CHILD_PID=
GROMBLE_CHILD_NAME=

gromble_end_session() {
    local rc=$? prefix
    trap - EXIT INT TERM HUP
    if [ -n "$GROMBLE_CHILD_PID" ]; then
        gromble_stop_pid "$GROMBLE_CHILD_PID" "$GROMBLE_CHILD_NAME" 5 || true
    fi
    for prefix in "${GROMBLE_DPI_PREFIXES[@]}"; do
        WINEPREFIX="$prefix" gromble_wine_kill
    done
    gromble_wine_kill
    if [ -n "$GROMBLE_XVFB_PID" ]; then
        gromble_stop_pid "$GROMBLE_XVFB_PID" Xvfb 5 || true
    fi
    exit "$rc"
}

# A Wine session of the script's own: ends `make run`'s Gromble and any other session
# of the prefix (one at a time), starts a virtual display and the Wine server on it,
# and ends them, with GROMBLE_CHILD_PID, when the script exits or is interrupted.
# The server starts here, outside any test runner and its pipes.
gromble_start_session() {
    local xvfb_log=$1
    if [ -n "$(ls "$GROMBLE_RUN_STATE"/*.pid 2>/dev/null || true)" ]; then
        bash "$GROMBLE_ROOT/scripts/stop.sh" --quiet
    fi
    gromble_wine_kill
    trap gromble_end_session EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    trap 'exit 129' HUP
    gromble_start_xvfb "$xvfb_log"
    export DISPLAY="$GROMBLE_XVFB_DISPLAY"
    wineserver -p </dev/null >/dev/null 2>&1 || true
}

# Starts a Wine prefix whose programs are given DPI, for the tests of the window at
# that DPI, in a session started by gromble_start_session: build/wineprefix-dpiDPI,
# a linked copy of the tests' prefix made anew (its registry copied, since the server
# writes it back), with a server of its own on the session's display and a window
# that keeps its desktop process up (tests/keeper). Ended with the session.
gromble_start_dpi_session() {
    local dpi=$1 keeper=$2 prefix="$GROMBLE_BUILD/wineprefix-dpi$1" hex ready
    hex=$(printf '%08x' "$dpi")
    WINEPREFIX="$prefix" gromble_wine_kill
    rm -rf "$prefix"
    cp -al "$WINEPREFIX" "$prefix"
    rm -f "$prefix"/*.reg
    cp "$WINEPREFIX"/*.reg "$prefix/"
    sed -i -e "s/^\"LogPixels\"=dword:[0-9a-f]*/\"LogPixels\"=dword:$hex/" "$prefix/user.reg" "$prefix/system.reg"
    sed -i -e "/^\[Control Panel\\\\\\\\Desktop\]/a \"LogPixels\"=dword:$hex" "$prefix/user.reg"
    GROMBLE_DPI_PREFIXES+=("$prefix")
    WINEPREFIX="$prefix" wineserver -p </dev/null >/dev/null 2>&1 || true
    ready="$prefix/.keeper-ready"
    WINEPREFIX="$prefix" wine "$keeper" "$(WINEPREFIX="$prefix" winepath -w "$ready" 2>/dev/null)" </dev/null >/dev/null 2>&1 &
    for _ in $(seq 300); do
        [ -e "$ready" ] && break
        sleep 0.1
    done
}
