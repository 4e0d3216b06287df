#!/usr/bin/env bash
# Configures build/ once (MinGW-w64 cross build), then builds every target.
# Extra arguments go to `cmake --build` (for example: --target gromble).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"

bash "$GROMBLE_ROOT/scripts/deps.sh"

if [ ! -f "$GROMBLE_BUILD/CMakeCache.txt" ] || [ ! -f "$GROMBLE_BUILD/Makefile" ]; then
    cmake -S "$GROMBLE_ROOT" -B "$GROMBLE_BUILD" -G "Unix Makefiles" \
        -DCMAKE_TOOLCHAIN_FILE="$GROMBLE_ROOT/cmake/mingw-w64-x86_64.cmake"
fi
# Run from `make`, the inner make would take the outer one's flags and print
# "Entering directory" lines; it gets its own.
unset MAKEFLAGS MFLAGS MAKELEVEL
cmake --build "$GROMBLE_BUILD" -j2 "$@"
