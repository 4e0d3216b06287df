#!/usr/bin/env bash
# Builds the benchmark (bench/) and runs it under Wine on an Xvfb of its own.
# Prints the machine first, then the benchmark's table of figures. Not part of
# `make test`: it measures, it checks nothing about time.
set -euo pipefail
# The tests' fixed locale: the same code page (1252) for every run.
. "$(dirname "${BASH_SOURCE[0]}")/env.sh" test

bash "$GROMBLE_ROOT/scripts/deps.sh" bench
bash "$GROMBLE_ROOT/scripts/build.sh" --target gromble_bench
bash "$GROMBLE_ROOT/scripts/wineprefix.sh"

exe="$GROMBLE_BUILD/bench/gromble_bench.exe"
[ -f "$exe" ] || { echo "bench.sh: $exe was not built" >&2; exit 1; }

cpu=$(awk -F': *' '/^model name/ { print $2; exit }' /proc/cpuinfo 2>/dev/null || true)
cores=$(nproc 2>/dev/null || echo "?")
wine_version=$(wine --version 2>/dev/null | head -n1 || true)
echo "Machine: ${cpu:-unknown CPU}, $cores cores, ${wine_version:-unknown Wine}, Xvfb $GROMBLE_XVFB_SCREEN"

gromble_start_session "$GROMBLE_BUILD/bench-xvfb.log"

# The Wine session's start-up is not in the figures.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true

# In the background so that a signal ends the run at once; `wait` returns the
# benchmark's exit code. Its output goes to this terminal.
wine "$exe" </dev/null &
GROMBLE_CHILD_PID=$!
GROMBLE_CHILD_NAME=gromble_bench
rc=0
wait "$GROMBLE_CHILD_PID" || rc=$?
GROMBLE_CHILD_PID=
exit "$rc"
