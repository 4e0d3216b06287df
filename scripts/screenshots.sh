#!/usr/bin/env bash
# Renders the documentation's screenshots into docs/: the main window with a few
# items, the item menu open, the font editor, and the main window at 200 % and
# large, on a virtual display of its own.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh" test

bash "$GROMBLE_ROOT/scripts/deps.sh" screenshots
bash "$GROMBLE_ROOT/scripts/build.sh" --target gromble
bash "$GROMBLE_ROOT/scripts/wineprefix.sh"
gromble_start_session "$GROMBLE_BUILD/screenshots-xvfb.log"

bash "$GROMBLE_ROOT/scripts/build.sh" --target desktop_keeper
gromble_start_dpi_session 192 "$GROMBLE_BUILD/tests/desktop_keeper.exe"

python3 "$GROMBLE_ROOT/tests/e2e/docs_screenshots.py" "$GROMBLE_BUILD/gromble.exe" "$GROMBLE_BUILD/docs-work" \
    "$GROMBLE_ROOT/docs" "$GROMBLE_BUILD/wineprefix-dpi192"
