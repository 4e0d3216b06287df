#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Gromble
# need. Does nothing (quickly) when they are all installed.
set -euo pipefail

packages=(
    wine wine64                   # runs the Windows programs
    g++-mingw-w64-x86-64-posix    # cross-compiler (posix threads: GoogleTest needs std::mutex)
    cmake make
    googletest                    # sources in /usr/src/googletest
    xvfb xdotool imagemagick x11-apps   # virtual display, driving windows, screenshots
    python3                       # the journeys that use the program as a person does
    nsis desktop-file-utils       # the Windows installer; checking the Linux desktop entry
)

status=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for p in "${packages[@]}"; do
    grep -qx "$p install ok installed" <<<"$status" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "deps.sh: missing packages (${missing[*]}); run as root or install sudo" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
apt_opts=(-y -q -o DPkg::Lock::Timeout=300)
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_opts[@]}" update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_opts[@]}" install "${missing[@]}" </dev/null
