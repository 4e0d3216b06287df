#!/bin/sh
# Rebuilds the image generator and rewrites every file in src/res/images/.
# The normal build does not run this; the generated files are committed.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out="$root/src/res/images"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/imagegen.XXXXXX")
trap 'rm -rf "$tmp"' EXIT INT TERM

"${CXX:-g++}" -std=c++17 -O2 -Wall -Wextra -o "$tmp/imagegen" "$here/imagegen.cpp"
mkdir -p "$out"
"$tmp/imagegen" "$out"
echo "imagegen: wrote images to $out"
