#!/usr/bin/env bash
# Installs with apt-get what building, running and testing Velmora need and
# this Debian machine lacks. Installs nothing when everything is there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build clang-format # compiler, build, formatting
    qt6-base-dev libgtest-dev                      # Qt 6 Widgets and Test, GoogleTest
    fonts-dejavu-core fonts-wqy-microhei                           # glyphs for the Traditional Chinese captions
    openssl                                        # the command-line tool the jobs drive
    xterm                                          # the console window the user answers OpenSSL in
    xvfb xauth xdotool                             # a virtual X display for the window and console tests
    g++-mingw-w64-x86-64-posix googletest          # the Windows cross build and its tests
    wine wine64 locales                            # runs the Windows tests, also as in Traditional Chinese
    librsvg2-bin                                   # draws the menu icons from the scalable one
    lintian desktop-file-utils appstream           # checks the Debian package, its menu entry and metainfo
)

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
