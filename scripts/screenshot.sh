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
