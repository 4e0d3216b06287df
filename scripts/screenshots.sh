#!/usr/bin/env bash
# Renders the documentation's screenshots into docs/: the main window with a few
# items, the item menu open, and the font editor, on a virtual display of its own.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh" test

bash "$GROMBLE_ROOT/scripts/deps.sh"
bash "$GROMBLE_ROOT/scripts/build.sh"
bash "$GROMBLE_ROOT/scripts/wineprefix.sh"
if [ -n "$(ls "$GROMBLE_RUN_STATE"/*.pid 2>/dev/null || true)" ]; then
    bash "$GROMBLE_ROOT/scripts/stop.sh" --quiet
fi
gromble_wine_kill

GROMBLE_XVFB_PID=
cleanup() {
    gromble_wine_kill
    [ -z "$GROMBLE_XVFB_PID" ] || gromble_stop_pid "$GROMBLE_XVFB_PID" Xvfb 5 || true
}
trap cleanup EXIT
gromble_start_xvfb "$GROMBLE_BUILD/screenshots-xvfb.log"
export DISPLAY="$GROMBLE_XVFB_DISPLAY"
wineserver -p </dev/null >/dev/null 2>&1 || true

python3 "$GROMBLE_ROOT/tests/e2e/docs_screenshots.py" "$GROMBLE_BUILD/gromble.exe" "$GROMBLE_BUILD/docs-work" "$GROMBLE_ROOT/docs"
