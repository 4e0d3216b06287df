#!/usr/bin/env bash
# Builds the program (the target gromble alone) and starts it in its data folder
# ${XDG_DATA_HOME:-~/.local/share}/gromble, where it keeps GRSystemList.grl.
#  - With a reachable $DISPLAY it runs there in the foreground.
#  - Without one it runs in the background on an Xvfb of its own; a screenshot
#    is saved to build/screenshots/run.png and `make stop` ends it.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"

# The program alone: no tests, no benchmark.
bash "$GROMBLE_ROOT/scripts/deps.sh" run
bash "$GROMBLE_ROOT/scripts/build.sh" --target gromble
bash "$GROMBLE_ROOT/scripts/wineprefix.sh"

exe="$GROMBLE_BUILD/gromble.exe"
[ -f "$exe" ] || { echo "run.sh: $exe was not built" >&2; exit 1; }

# One Gromble at a time: end the previous one, and any Wine session left in
# the prefix (it would be tied to another display).
bash "$GROMBLE_ROOT/scripts/stop.sh" --quiet
gromble_wine_kill

mkdir -p "$GROMBLE_DATA_DIR" "$GROMBLE_RUN_STATE"
cd "$GROMBLE_DATA_DIR"

if gromble_display_ok; then
    echo "Gromble runs on display $DISPLAY; data folder: $GROMBLE_DATA_DIR"
    echo "Close its window (or run 'make stop' elsewhere) to end it."
    rc=0
    # The braces' 2>/dev/null only hides bash's own "Terminated" notice when
    # `make stop` ends the program; the program keeps this script's stderr.
    { ( exec 2>&3 3>&-; echo "$BASHPID" > "$GROMBLE_RUN_STATE/gromble.pid"; exec wine "$exe" ) || rc=$?; } 3>&2 2>/dev/null
    rm -f "$GROMBLE_RUN_STATE/gromble.pid"
    if [ "$rc" -eq 143 ]; then
        echo "Gromble was stopped."
        rc=0
    fi
    exit "$rc"
fi

if [ -n "${DISPLAY:-}" ]; then
    echo "Display $DISPLAY cannot be opened; using a virtual one."
fi
log="$GROMBLE_RUN_STATE/gromble.log"
gromble_start_xvfb "$GROMBLE_RUN_STATE/xvfb.log"
echo "$GROMBLE_XVFB_PID" > "$GROMBLE_RUN_STATE/xvfb.pid"
echo "$GROMBLE_XVFB_DISPLAY" > "$GROMBLE_RUN_STATE/display"
export DISPLAY="$GROMBLE_XVFB_DISPLAY"

failed() {
    echo "run.sh: $1; the program's output ($log):" >&2
    tail -n 40 "$log" >&2 || true
    bash "$GROMBLE_ROOT/scripts/stop.sh" --quiet || true
    exit 1
}

# A Wine server of our own (PID known) that lasts until `make stop`; its
# helper processes start here, away from this terminal.
setsid wineserver -f -p </dev/null >"$GROMBLE_RUN_STATE/wineserver.log" 2>&1 &
echo $! > "$GROMBLE_RUN_STATE/wineserver.pid"
for ((i = 0; i < 100; i++)); do
    sock="$(readlink "/proc/$(cat "$GROMBLE_RUN_STATE/wineserver.pid")/cwd" 2>/dev/null || true)/socket"
    [ -S "$sock" ] && break
    sleep 0.1
done
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

setsid wine "$exe" </dev/null >"$log" 2>&1 &
echo $! > "$GROMBLE_RUN_STATE/gromble.pid"

window=
for ((i = 0; i < 300; i++)); do   # 30 s
    window=$(xdotool search --onlyvisible --name '^Gromble$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    gromble_pid_is "$(cat "$GROMBLE_RUN_STATE/gromble.pid")" "$exe" || failed "Gromble exited"
    sleep 0.1
done
[ -n "$window" ] || failed "no window titled 'Gromble' within 30 s"

sleep 1   # let it paint
mkdir -p "$GROMBLE_SCREENSHOTS"
shot="$GROMBLE_SCREENSHOTS/run.png"
import -window root "$shot"

echo "Gromble runs on the virtual display $DISPLAY; data folder: $GROMBLE_DATA_DIR"
echo "Screenshot: $shot"
echo "To end it: make stop"
