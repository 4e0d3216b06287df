#!/usr/bin/env bash
# Creates the Wine prefix build/wineprefix once; afterwards does nothing.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"

marker="$WINEPREFIX/.gromble-ready"
[ -f "$marker" ] && exit 0

mkdir -p "$GROMBLE_BUILD"
exec 9>"$GROMBLE_BUILD/.wineprefix.lock"
flock 9                                   # another script may be creating it
[ -f "$marker" ] && exit 0

echo "Creating the Wine prefix $WINEPREFIX"
rm -rf "$WINEPREFIX"                      # a half-made one from an interrupted run
(
    # No display: nothing shows up and no later session inherits this one's.
    # The Mono and Gecko installers are skipped (the program needs neither).
    unset DISPLAY
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mscoree=;mshtml="
    wineboot -i
    # Without a window manager, managed windows take ~2 s to be destroyed.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
    wineserver -w
) </dev/null >"$GROMBLE_BUILD/wineprefix.log" 2>&1 || {
    echo "Creating the Wine prefix failed; its log ($GROMBLE_BUILD/wineprefix.log):" >&2
    cat "$GROMBLE_BUILD/wineprefix.log" >&2
    exit 1
}
# Tahoma, Marlett (caption buttons) and System come with Wine's own fonts.
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
date > "$marker"
