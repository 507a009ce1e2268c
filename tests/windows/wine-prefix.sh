#!/bin/sh
# Makes or removes the Wine prefix the Windows tests run in, so they never
# touch the user's own: wine-prefix.sh make|remove <folder>
# The prefix also holds a Traditional Chinese locale of its own (for LOCPATH),
# so Wine can run as on such a system without the locale being installed.
set -eu
export WINEPREFIX="$2" WINEDEBUG=-all DISPLAY=
case "$1" in
make)
    rm -rf "$WINEPREFIX"
    wineboot --init
    # One test program runs as on Windows 98 SE, so the version it is told
    # must come through the system's version query and the name table.
    wine reg add 'HKCU\Software\Wine\AppDefaults\test_version_name.exe' /v Version /d win98 /f
    # Wine's own faces, for the title bars and the window's controls.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    wineserver --wait
    mkdir -p "$WINEPREFIX/unix-locale"
    localedef -i zh_TW -f UTF-8 "$WINEPREFIX/unix-locale/zh_TW.UTF-8"
    ;;
remove)
    wineserver --kill || true
    rm -rf "$WINEPREFIX"
    ;;
esac
