#!/usr/bin/env bash
# Renders the documentation's screenshots into docs/: the main window with a few
# items, the item menu open, and the font editor, on a virtual display of its own.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh" test

bash "$GROMBLE_ROOT/scripts/deps.sh" screenshots
bash "$GROMBLE_ROOT/scripts/build.sh" --target gromble
bash "$GROMBLE_ROOT/scripts/wineprefix.sh"
gromble_start_session "$GROMBLE_BUILD/screenshots-xvfb.log"

python3 "$GROMBLE_ROOT/tests/e2e/docs_screenshots.py" "$GROMBLE_BUILD/gromble.exe" "$GROMBLE_BUILD/docs-work" "$GROMBLE_ROOT/docs"
