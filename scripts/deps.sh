#!/usr/bin/env bash
# Installs the Debian packages that a command needs, when one of them is missing:
#   deps.sh COMMAND...   program (a build of named targets), build (everything, the
#                        tests included), prefix, run, bench, dist, screenshots, test
#   deps.sh              every package, for every command (`make deps`)
# A package counts as installed when the file the scripts use from it is there: the
# check is a few file tests, and apt-get runs only for a package that is missing.
set -euo pipefail

# Each package, with the file of it that the scripts use.
declare -A file_of=(
    [wine]=/usr/bin/wine                       # runs the Windows programs
    [wine64]=/usr/lib/wine/wine64
    # The cross-compiler; posix threads, since GoogleTest needs std::mutex.
    [g++-mingw-w64-x86-64-posix]=/usr/bin/x86_64-w64-mingw32-g++-posix
    [cmake]=/usr/bin/cmake
    [make]=/usr/bin/make
    [googletest]=/usr/src/googletest/CMakeLists.txt   # built with the tests
    [python3]=/usr/bin/python3                 # the journeys, the documentation's screenshots
    [xvfb]=/usr/bin/Xvfb                       # a virtual display
    [xdotool]=/usr/bin/xdotool                 # finding and driving windows
    [imagemagick]=/usr/bin/convert             # screenshots (import), the package's icons (convert)
    [nsis]=/usr/bin/makensis                   # the Windows installer
    [desktop-file-utils]=/usr/bin/desktop-file-validate   # checking the package's desktop entry
)

compiler=(g++-mingw-w64-x86-64-posix cmake make)
wine=(wine wine64)
display=(xvfb xdotool imagemagick)
needs() {
    case $1 in
        program)     echo "${compiler[@]}" ;;
        build)       echo "${compiler[@]}" googletest python3 ;;   # CMake looks for Python with the tests
        prefix)      echo "${wine[@]}" ;;
        run)         echo "${compiler[@]}" "${wine[@]}" "${display[@]}" ;;
        bench)       echo "${compiler[@]}" "${wine[@]}" xvfb ;;
        dist)        echo "${compiler[@]}" nsis imagemagick ;;
        screenshots) echo "$(needs run)" python3 ;;
        test)        echo "$(needs build)" "$(needs run)" "$(needs dist)" desktop-file-utils ;;
        *) echo "deps.sh: unknown command '$1'" >&2; return 1 ;;
    esac
}

if [ $# -eq 0 ]; then
    wanted=("${!file_of[@]}")
else
    wanted=()
    for command in "$@"; do
        list=$(needs "$command")
        read -ra packages <<<"$list"
        wanted+=("${packages[@]}")
    done
fi
missing=()
for p in "${wanted[@]}"; do
    [ -e "${file_of[$p]}" ] || [[ " ${missing[*]} " == *" $p "* ]] || missing+=("$p")
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
