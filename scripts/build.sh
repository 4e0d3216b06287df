#!/usr/bin/env bash
# Configures build/ once (MinGW-w64 cross build), then builds.
#   build.sh                 everything: the program, the benchmark and the tests
#   build.sh --target NAME   that target alone (gromble, gromble_bench); any arguments
#                            go to `cmake --build`, and only the compiler is needed
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"

if [ $# -eq 0 ]; then
    bash "$GROMBLE_ROOT/scripts/deps.sh" build
else
    bash "$GROMBLE_ROOT/scripts/deps.sh" program
fi

if [ ! -f "$GROMBLE_BUILD/CMakeCache.txt" ] || [ ! -f "$GROMBLE_BUILD/Makefile" ]; then
    cmake -S "$GROMBLE_ROOT" -B "$GROMBLE_BUILD" -G "Unix Makefiles" \
        -DCMAKE_TOOLCHAIN_FILE="$GROMBLE_ROOT/cmake/mingw-w64-x86_64.cmake"
elif [ $# -eq 0 ] && [ ! -f "$GROMBLE_BUILD/tests/Makefile" ]; then
    # Configured by `make run` before the GoogleTest sources were installed.
    cmake -S "$GROMBLE_ROOT" -B "$GROMBLE_BUILD"
fi
# Run from `make`, the inner make would take the outer one's flags and print
# "Entering directory" lines; it gets its own.
unset MAKEFLAGS MFLAGS MAKELEVEL
cmake --build "$GROMBLE_BUILD" -j2 "$@"
