#!/usr/bin/env bash
# Takes docs/screenshot.png of the window under a virtual X display.
# Usage: scripts/screenshot.sh [build-folder]   (needs xvfb, xdotool, imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=docs/screenshot.png
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
    "$1/bin/velmora" & app=$!
    trap "kill $app 2>/dev/null" EXIT
    window=$(timeout 30 xdotool search --sync --name "^Velmora$" | head -n 1)
    # The window is mapped; give its first paint a moment by waiting for X to settle.
    xdotool sync 2>/dev/null || true
    timeout 10 bash -c "until import -window $window \"$2\" 2>/dev/null && [ -s \"$2\" ]; do :; done"
' _ "$build" "$out"
echo "wrote $out"

# The same picture with the fixed control rectangles drawn over it, to check
# by eye that every control sits where the layout puts it (group box children
# are shifted by the box's 8,138 origin).
rects="10,10,61,13 10,38,61,13 10,64,61,13 10,90,61,13 172,38,61,13 72,6,77,21 72,34,77,19 234,34,77,19
72,60,293,19 72,86,293,19 10,116,97,13 114,116,155,13 14,156,347,99 14,262,109,13 8,292,91,29 100,292,91,29
192,292,91,29 288,300,77,13 8,138,359,145 10,328,357,13"
draw=()
for rect in $rects; do
    IFS=, read -r x y w h <<<"$rect"
    draw+=(-draw "rectangle $x,$y $((x + w - 1)),$((y + h - 1))")
done
convert "$out" -fill none -stroke 'rgba(255,0,0,0.8)' "${draw[@]}" -scale 200% docs/geometry-overlay.png
echo "wrote docs/geometry-overlay.png"
