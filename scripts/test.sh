#!/usr/bin/env bash
# Builds everything and runs every test with ctest under Wine, on an Xvfb of
# its own. Extra arguments go to ctest (for example: -R ListView).
# Exits with ctest's exit code; ctest's summary is the last thing printed.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh" test

bash "$GROMBLE_ROOT/scripts/deps.sh"
bash "$GROMBLE_ROOT/scripts/build.sh"
bash "$GROMBLE_ROOT/scripts/wineprefix.sh"

# The tests share the Wine prefix with `make run`: one Wine session at a time.
if [ -n "$(ls "$GROMBLE_RUN_STATE"/*.pid 2>/dev/null || true)" ]; then
    bash "$GROMBLE_ROOT/scripts/stop.sh" --quiet
fi
gromble_wine_kill

mkdir -p "$GROMBLE_SCREENSHOTS"
xvfb_log="$GROMBLE_BUILD/test-xvfb.log"
GROMBLE_XVFB_PID=
ctest_pid=

cleanup() {
    local rc=$?
    trap - EXIT INT TERM HUP
    if [ -n "$ctest_pid" ]; then
        gromble_stop_pid "$ctest_pid" ctest 5 || true
    fi
    gromble_wine_kill
    if [ -n "$GROMBLE_XVFB_PID" ]; then
        gromble_stop_pid "$GROMBLE_XVFB_PID" Xvfb 5 || true
    fi
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

gromble_start_xvfb "$xvfb_log"
export DISPLAY="$GROMBLE_XVFB_DISPLAY"
export GROMBLE_SCREENSHOTS      # where tests may leave screenshots

# Start the Wine session here, outside ctest and away from its pipes: a server
# started inside ctest makes it wait for (or hang on) the server.
wineserver -p </dev/null >/dev/null 2>&1 || true
# The desktop process, started here and kept up between the test programs (see
# tests/keeper); the tests start once the keeper's window stands.
keeper_ready="$GROMBLE_BUILD/tests/desktop-keeper.ready"
rm -f "$keeper_ready"
wine "$GROMBLE_BUILD/tests/desktop_keeper.exe" "$(winepath -w "$keeper_ready" 2>/dev/null)" </dev/null >/dev/null 2>&1 &
for _ in $(seq 300); do
    [ -e "$keeper_ready" ] && break
    sleep 0.1
done

# In the background so that a signal ends the run at once rather than after
# the last test; `wait` returns ctest's exit code.
# One test at a time: the tests' windows share one display, and a window that is
# closed hands the activation to another process's window, which then has to answer.
ctest --test-dir "$GROMBLE_BUILD" --output-on-failure --no-tests=error "$@" &
ctest_pid=$!
wait "$ctest_pid"
