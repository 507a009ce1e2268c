#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual X display, in the given
# prefix, as on a Traditional Chinese system. The display keeps its screen in
# the file VELMORA_SCREEN_FILE names; when VELMORA_REFERENCE_PICTURES names a
# folder, each screen the program copied to a frmMain-wine*.xwd is compared
# with the picture of the same name there, where the window stands, centred;
# with VELMORA_REWRITE_PICTURES=1 it is written over that picture instead, at
# the picture's size.
# Usage: under_wine_x.sh <prefix> <program.exe> [arguments...]
set -euo pipefail
if [ "${1:-}" != --on-display ]; then
    screen=$(mktemp -d)
    export VELMORA_SCREEN_FOLDER=$screen VELMORA_SCREEN_FILE=Z:$screen/Xvfb_screen0
    exec xvfb-run -a -s "-screen 0 1024x768x24 -fbdir $screen" "$0" --on-display "$@"
fi
shift
prefix=$1 references=${VELMORA_REFERENCE_PICTURES:-}
shift
export WINEPREFIX=$prefix WINEDEBUG=-all
# The locale the prefix holds of its own: Wine then runs with code page 950.
chinese=(env LOCPATH="$prefix/unix-locale" LANG=zh_TW.UTF-8 LC_ALL=zh_TW.UTF-8)

# One server for the whole run: one that is shutting down stalls the next start,
# so the next test waits until it is gone.
wineserver -p
trap 'wineserver -k || true; wineserver -w || true; rm -rf "$VELMORA_SCREEN_FOLDER"' EXIT
# No window manager runs: without this, every close waits for one.
"${chinese[@]}" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
# Wine's faces have no Chinese glyphs: they borrow them from WenQuanYi. Wine
# rewrites these links when the code page changes, so they are set each time.
for face in "Tahoma" "Tahoma Bold" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "Lucida Console"; do
    "${chinese[@]}" wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null
done

# The display's pointer, drawn into its screen, out of the window's way.
xdotool mousemove 0 0
"${chinese[@]}" wine "$@"

[ -n "$references" ] || exit 0
for screen in frmMain-wine*.xwd; do
    name=${screen%.xwd}
    reference=$references/$name.png
    read -r width height < <(identify -format '%w %h\n' "$reference")
    convert "$screen" -crop "${width}x$height+$(((1024 - width) / 2))+$(((768 - height) / 2))" +repage "$name.png"
    if [ "${VELMORA_REWRITE_PICTURES:-}" = 1 ]; then
        cp "$name.png" "$reference"
        echo "window picture: written to $reference"
        continue
    fi
    # A few pixels may differ: the caret blinks.
    differing=$(compare -metric AE -fuzz 10% "$reference" "$name.png" "$name-difference.png" 2>&1) || true
    echo "window picture: $differing pixels differ from ${reference##*/}"
    if ! [ "$differing" -le 50 ] 2>/dev/null; then
        echo "${0##*/}: the window looks different; see $PWD/$name-difference.png" >&2
        exit 1
    fi
done
