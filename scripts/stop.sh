#!/usr/bin/env bash
# Ends the Gromble started by `make run`: the program, its Wine server and its
# Xvfb, found through the PID files in build/run/. --quiet: say nothing when
# nothing runs.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"

quiet=false
[ "${1:-}" = --quiet ] && quiet=true

state="$GROMBLE_RUN_STATE"
read_pid() { cat "$state/$1.pid" 2>/dev/null || true; }
program=$(read_pid gromble)
server=$(read_pid wineserver)
xvfb=$(read_pid xvfb)

stopped=()
if gromble_pid_is "$program" "$GROMBLE_BUILD/gromble.exe"; then
    gromble_stop_pid "$program" "$GROMBLE_BUILD/gromble.exe" 5
    stopped+=("Gromble (PID $program)")
fi
if gromble_pid_is "$server" wineserver; then
    gromble_wine_kill
    gromble_stop_pid "$server" wineserver 5
    stopped+=("its wineserver (PID $server)")
fi
if gromble_pid_is "$xvfb" Xvfb; then
    gromble_stop_pid "$xvfb" Xvfb 5
    stopped+=("Xvfb $(cat "$state/display" 2>/dev/null || true) (PID $xvfb)")
fi
rm -f "$state"/{gromble,wineserver,xvfb}.pid "$state/display"

if [ ${#stopped[@]} -gt 0 ]; then
    list=$(printf '%s, ' "${stopped[@]}")
    echo "Stopped ${list%, }."
elif ! $quiet; then
    echo "Gromble is not running."
fi
