#!/usr/bin/env bash
# Installs with apt-get what this Debian machine lacks, and nothing when
# everything is there. Usage: install-deps.sh run|test|windows
#   run      what building and running Velmora need
#   test     that, and what the tests, the package check and the Windows build need
#   windows  what making the Windows installer and zip needs
set -euo pipefail

run_packages=(
    build-essential cmake ninja-build         # compiler and build
    qt6-base-dev                              # Qt 6 Widgets
    fonts-dejavu-core fonts-wqy-microhei      # glyphs for the Traditional Chinese captions
    openssl                                   # the command-line tool the jobs drive
    xterm                                     # the console window the user answers OpenSSL in
)
test_packages=(
    clang-format-14 libgtest-dev              # the format check (one version: see CMakeLists.txt), GoogleTest
    clang                                     # the fuzz target, built with libFuzzer
    xvfb xauth xdotool                        # a virtual X display for the window and console tests
    g++-mingw-w64-x86-64-posix googletest     # the Windows cross build and its tests
    wine wine64 locales                       # runs the Windows tests, also as in Traditional Chinese
    fonts-wine imagemagick                    # Wine's title-bar faces; the native window's picture compared
    librsvg2-bin                              # draws the menu icons from the scalable one
    lintian desktop-file-utils appstream      # checks the Debian package, its menu entry and metainfo
)

windows_packages=(
    build-essential cmake ninja-build         # the build, and make and perl for OpenSSL's
    g++-mingw-w64-x86-64-posix dpkg-dev       # the cross compiler; apt-get source unpacks with dpkg-source
    wixl                                      # builds the installer (.msi)
)

case "${1:-}" in
run) packages=("${run_packages[@]}") ;;
windows) packages=("${windows_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}") ;;
*)
    echo "usage: $0 run|test|windows" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
