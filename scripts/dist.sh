#!/usr/bin/env bash
# Builds what users install, in build/dist/:
#   gromble-VERSION-win64.exe   the Windows installer (NSIS)
#   gromble_VERSION_all.deb     the Debian package, which runs the program under Wine
# The program is built without the tests (build/dist-build), so nothing of theirs ships.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"

bash "$GROMBLE_ROOT/scripts/deps.sh" dist

program_build="$GROMBLE_BUILD/dist-build"
dist="$GROMBLE_BUILD/dist"
if [ ! -f "$program_build/CMakeCache.txt" ] || [ ! -f "$program_build/Makefile" ]; then
    cmake -S "$GROMBLE_ROOT" -B "$program_build" -G "Unix Makefiles" -DBUILD_TESTING=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$GROMBLE_ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
fi
unset MAKEFLAGS MFLAGS MAKELEVEL
cmake --build "$program_build" -j2 --target gromble >/dev/null

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$program_build/CMakeCache.txt")
[ -n "$version" ] || { echo "dist.sh: no project version in $program_build" >&2; exit 1; }
rm -rf "$dist"
mkdir -p "$dist"

# Windows: makensis with the 64-bit stub (Debian's Wine runs 64-bit programs only).
# The licence page shows LICENSE with a line per paragraph, which the page wraps to its width.
awk 'BEGIN { RS = ""; ORS = "\r\n\r\n" } { gsub(/\n/, " "); print }' "$GROMBLE_ROOT/LICENSE" \
    >"$program_build/licence-page.txt"
makensis -V2 -DVERSION="$version" -DPROGRAM_DIR="$program_build" -DLICENCE_PAGE="$program_build/licence-page.txt" \
    -DOUTFILE="$dist/gromble-$version-win64.exe" "$GROMBLE_ROOT/packaging/windows/gromble.nsi"

# Debian: the tree of the package, then dpkg-deb.
packaging="$GROMBLE_ROOT/packaging/debian"
root="$GROMBLE_BUILD/dist-deb"
rm -rf "$root"
install -d "$root/DEBIAN" "$root/usr/bin" "$root/usr/lib/gromble" "$root/usr/share/applications" \
    "$root/usr/share/mime/packages" "$root/usr/share/doc/gromble" "$root/usr/share/man/man1"
install -m 644 "$program_build/gromble.exe" "$program_build/Help.htm" "$root/usr/lib/gromble/"
install -m 755 "$packaging/gromble" "$root/usr/bin/gromble"
install -m 644 "$packaging/gromble.desktop" "$root/usr/share/applications/gromble.desktop"
install -m 644 "$packaging/gromble-list.xml" "$root/usr/share/mime/packages/gromble.xml"
install -m 644 "$packaging/copyright" "$root/usr/share/doc/gromble/copyright"
gzip -9n <"$packaging/gromble.1" >"$root/usr/share/man/man1/gromble.1.gz"
sed "s/@VERSION@/$version/" "$packaging/changelog.in" | gzip -9n >"$root/usr/share/doc/gromble/changelog.gz"
chmod 644 "$root/usr/share/doc/gromble/changelog.gz" "$root/usr/share/man/man1/gromble.1.gz"
# The icons: the program's own icon, one image a size, for the program and its lists.
for size in 16 32; do
    for kind in apps mimetypes; do install -d "$root/usr/share/icons/hicolor/${size}x$size/$kind"; done
    frame=$([ "$size" = 32 ] && echo 0 || echo 1)
    convert "$GROMBLE_ROOT/src/res/images/gromble.ico[$frame]" -strip \
        "$root/usr/share/icons/hicolor/${size}x$size/apps/gromble.png"
    cp "$root/usr/share/icons/hicolor/${size}x$size/apps/gromble.png" \
        "$root/usr/share/icons/hicolor/${size}x$size/mimetypes/application-x-gromble-list.png"
done
find "$root/usr/share/icons" -type f -exec chmod 644 {} +
installed_size=$(du -sk --exclude=DEBIAN "$root" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@INSTALLED_SIZE@/$installed_size/" "$packaging/control.in" >"$root/DEBIAN/control"
dpkg-deb --root-owner-group -Zxz --build "$root" "$dist/gromble_${version}_all.deb" >/dev/null
rm -rf "$root"

ls -1 "$dist"
