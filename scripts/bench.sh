#!/usr/bin/env bash
# Builds the benchmark (bench/) and runs it under Wine on an Xvfb of its own.
# Prints the machine first, then the benchmark's table of figures. Not part of
# `make test`: it measures, it checks nothing about time.
set -euo pipefail
# The tests' fixed locale: the same code page (1252) for every run.
. "$(dirname "${BASH_SOURCE[0]}")/env.sh" test

bash "$GROMBLE_ROOT/scripts/deps.sh"
bash "$GROMBLE_ROOT/scripts/build.sh" --target gromble_bench
bash "$GROMBLE_ROOT/scripts/wineprefix.sh"

exe="$GROMBLE_BUILD/bench/gromble_bench.exe"
[ -f "$exe" ] || { echo "bench.sh: $exe was not built" >&2; exit 1; }

cpu=$(awk -F': *' '/^model name/ { print $2; exit }' /proc/cpuinfo 2>/dev/null || true)
cores=$(nproc 2>/dev/null || echo "?")
wine_version=$(wine --version 2>/dev/null | head -n1 || true)
echo "Machine: ${cpu:-unknown CPU}, $cores cores, ${wine_version:-unknown Wine}, Xvfb $GROMBLE_XVFB_SCREEN"

# The benchmark shares the Wine prefix with `make run` and the tests: one Wine
# session at a time.
if [ -n "$(ls "$GROMBLE_RUN_STATE"/*.pid 2>/dev/null || true)" ]; then
    bash "$GROMBLE_ROOT/scripts/stop.sh" --quiet
fi
gromble_wine_kill

GROMBLE_XVFB_PID=
bench_pid=

cleanup() {
    local rc=$?
    trap - EXIT INT TERM HUP
    if [ -n "$bench_pid" ]; then
        gromble_stop_pid "$bench_pid" gromble_bench 5 || true
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

gromble_start_xvfb "$GROMBLE_BUILD/bench-xvfb.log"
export DISPLAY="$GROMBLE_XVFB_DISPLAY"

# The Wine session first, so that its start-up is not in the figures.
wineserver -p </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

# In the background so that a signal ends the run at once; `wait` returns the
# benchmark's exit code. Its output goes to this terminal.
wine "$exe" </dev/null &
bench_pid=$!
rc=0
wait "$bench_pid" || rc=$?
bench_pid=
exit "$rc"
