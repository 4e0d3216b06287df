#!/usr/bin/env bash
# Checks what `make dist` made: the Debian package's fields, files, desktop entry and
# copyright file, and the Windows installer: its licence page, and an install and an
# uninstall, silent, in a Wine prefix of its own (a linked copy of the tests' prefix,
# so that it takes a second to make).
#   check_packages.sh VERSION DIST_FOLDER WINEPREFIX_TO_COPY
set -euo pipefail
version=$1 dist=$2 base_prefix=$3
licence="$(dirname "${BASH_SOURCE[0]}")/../../LICENSE"
deb="$dist/gromble_${version}_all.deb"
installer="$dist/gromble-$version-win64.exe"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_in() { grep -qF -- "$2" <<<"$1" || fail "$3"; }
expect_not_in() { ! grep -qF -- "$2" <<<"$1" || fail "$3"; }

work=$(mktemp -d)
cleanup() {
    [ -d "$work/prefix" ] && WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# --- The Debian package
[ -f "$deb" ] || { echo "FAIL: no package $deb" >&2; exit 1; }
fields=$(dpkg-deb -f "$deb" Package Version Architecture Depends)
expect_in "$fields" "Package: gromble" "the package is not named gromble"
expect_in "$fields" "Version: $version" "the package's version is not $version"
expect_in "$fields" "Depends: wine" "the package does not depend on Wine"
files=$(dpkg-deb -c "$deb")
for path in ./usr/bin/gromble ./usr/lib/gromble/gromble.exe ./usr/lib/gromble/Help.htm \
    ./usr/share/applications/gromble.desktop ./usr/share/mime/packages/gromble.xml \
    ./usr/share/icons/hicolor/32x32/apps/gromble.png ./usr/share/doc/gromble/copyright; do
    expect_in "$files" "$path" "the package lacks $path"
done
expect_in "$(grep ' ./usr/bin/gromble$' <<<"$files")" "-rwxr-xr-x" "the launcher is not executable"
dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$work" ./usr/share/applications/gromble.desktop ./usr/share/mime/packages/gromble.xml \
    ./usr/share/doc/gromble/copyright
desktop-file-validate "$work/usr/share/applications/gromble.desktop" || fail "the desktop entry is not valid"
expect_in "$(cat "$work/usr/share/applications/gromble.desktop")" "MimeType=application/x-gromble-list;" \
    "the desktop entry does not open list files"
expect_in "$(cat "$work/usr/share/mime/packages/gromble.xml")" '<glob pattern="*.grl"/>' "list files have no MIME type"
expect_in "$(awk '/^Files: \*$/ { own = 1 } own && /^License:/ { print; exit }' "$work/usr/share/doc/gromble/copyright")" \
    "License: MIT" "the copyright file does not give Gromble's own files the MIT licence"

# --- The Windows installer, in a prefix of its own
[ -f "$installer" ] || { echo "FAIL: no installer $installer" >&2; exit 1; }
# True when the installer's pages carry TEXT: NSIS keeps them in its header, the start
# of the installer's LZMA stream, with their texts in UTF-16.
pages_carry() {
    python3 - "$installer" "$1" <<'EOF'
import lzma, struct, sys
data = open(sys.argv[1], "rb").read()
at = data.find(b"\xef\xbe\xad\xdeNullsoftInst")
header_size = struct.unpack_from("<I", data, at + 16)[0]
props = data[at + 24:at + 29]
lzma1 = {"id": lzma.FILTER_LZMA1, "dict_size": struct.unpack_from("<I", props, 1)[0],
         "lc": props[0] % 9, "lp": props[0] // 9 % 5, "pb": props[0] // 45}
header = lzma.LZMADecompressor(lzma.FORMAT_RAW, filters=[lzma1]).decompress(data[at + 29:], header_size + 4)
sys.exit(sys.argv[2].encode("utf-16-le") not in header)
EOF
}
pages_carry "$(grep -m1 '^Permission' "$licence")" || fail "the installer shows no licence page with LICENSE"
cp -al "$base_prefix" "$work/prefix"
rm -f "$work/prefix"/*.reg              # the registry is written, so it is copied, not linked
cp "$base_prefix"/*.reg "$work/prefix/"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"
program_files="$WINEPREFIX/drive_c/Program Files/Gromble"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Gromble.lnk"
# The registry as the Wine server writes it out when its last program has ended;
# started with -p0, the server ends at once then.
registry() { wineserver -w; cat "$WINEPREFIX/system.reg"; }
wineserver -p0

wine "$installer" /S </dev/null >/dev/null 2>&1 || fail "the installer failed"
reg=$(registry)
for file in gromble.exe Help.htm NOTICES.txt uninstall.exe; do
    [ -f "$program_files/$file" ] || fail "the installer did not put $file in Program Files\\Gromble"
done
cmp -s "$licence" "$program_files/LICENSE.txt" || fail "the installer did not put LICENSE in Program Files\\Gromble as LICENSE.txt"
[ -f "$shortcut" ] || fail "the installer made no Start-menu shortcut"
uninstall_key='[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Gromble]'
expect_in "$reg" "$uninstall_key" "no Add/Remove Programs entry"
for value in '"DisplayName"="Gromble"' "\"DisplayVersion\"=\"$version\"" '"Publisher"=' '"DisplayIcon"=' \
    '"UninstallString"=' '"QuietUninstallString"=' '"EstimatedSize"=dword:'; do
    expect_in "$reg" "$value" "the Add/Remove Programs entry lacks $value"
done
expect_in "$reg" '[Software\\Classes\\.grl]' "no .grl association"
expect_in "$reg" '@="\"C:\\Program Files\\Gromble\\gromble.exe\" \"%1\""' "list files do not open with gromble.exe"
expect_in "$reg" '"DataFolder"=str(2):"%APPDATA%\\Gromble"' "no per-user data folder recorded"

data_folder="$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming/Gromble"
mkdir -p "$data_folder"
printf '2\n0\n0 0 0 0 0\nTahoma\n' >"$data_folder/GRSystemList.grl"
wineserver -p0
wine "$program_files/uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller failed"
reg=$(registry)
[ ! -e "$program_files" ] || fail "the uninstaller left Program Files\\Gromble"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
expect_not_in "$reg" "$uninstall_key" "the uninstaller left the Add/Remove Programs entry"
expect_not_in "$reg" '[Software\\Classes\\.grl]' "the uninstaller left the association"
expect_not_in "$reg" '[Software\\Gromble]' "the uninstaller left the data folder setting"
[ -f "$data_folder/GRSystemList.grl" ] || fail "the uninstaller removed a user's list"

[ "$failures" -eq 0 ] && echo "packages checked: $deb, $installer"
exit "$failures"
