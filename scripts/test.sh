#!/usr/bin/env bash
# Builds everything and runs every test with ctest under Wine, on an Xvfb of
# its own. Extra arguments go to ctest (for example: -R ListView).
# Exits with ctest's exit code; ctest's summary is the last thing printed.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh" test

bash "$GROMBLE_ROOT/scripts/deps.sh" test
bash "$GROMBLE_ROOT/scripts/build.sh"
bash "$GROMBLE_ROOT/scripts/dist.sh" >/dev/null     # checked by the test dist.packages
bash "$GROMBLE_ROOT/scripts/wineprefix.sh"

mkdir -p "$GROMBLE_SCREENSHOTS"
# A display with no resource database makes Xlib look for ~/.Xdefaults files again
# at every XGetDefault, which Wine's X11 driver calls over and over while it draws
# (a third of the time of the cases that paint most). With one resource, as a
# desktop session has from xrdb, Xlib keeps the database; nothing reads this one.
printf 'gromble-tests.resources: kept\n' >"$GROMBLE_BUILD/test-xresources"
export XENVIRONMENT="$GROMBLE_BUILD/test-xresources"
gromble_start_session "$GROMBLE_BUILD/test-xvfb.log"
export GROMBLE_SCREENSHOTS      # where tests may leave screenshots

# The desktop process, started here and kept up between the test programs (see
# tests/keeper); the tests start once the keeper's window stands.
keeper_ready="$GROMBLE_BUILD/tests/desktop-keeper.ready"
rm -f "$keeper_ready"
wine "$GROMBLE_BUILD/tests/desktop_keeper.exe" "$(winepath -w "$keeper_ready" 2>/dev/null)" </dev/null >/dev/null 2>&1 &
for _ in $(seq 300); do
    [ -e "$keeper_ready" ] && break
    sleep 0.1
done
# Every window of the tests opens where a first start puts it, not where `make run`
# left it.
wine reg delete 'HKCU\Software\Gromble' /f </dev/null >/dev/null 2>&1 || true
# The prefixes of other DPIs for the window's cases there (gromble_tests.dpi_*).
for dpi in 144 192; do
    gromble_start_dpi_session "$dpi" "$GROMBLE_BUILD/tests/desktop_keeper.exe"
done

# In the background so that a signal ends the run at once rather than after
# the last test; `wait` returns ctest's exit code.
# The tests with windows run one at a time (they hold the lock "display"): they share
# one display, and a window that is closed hands the activation to another process's
# window, which then has to answer. The package check runs beside them.
ctest --test-dir "$GROMBLE_BUILD" -j2 --output-on-failure --no-tests=error "$@" &
GROMBLE_CHILD_PID=$!
GROMBLE_CHILD_NAME=ctest
wait "$GROMBLE_CHILD_PID"
