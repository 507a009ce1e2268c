#!/usr/bin/env bash
# Starts the real executable on a virtual X display and waits until its
# window "Velmora" is mapped and visible. Usage: window_under_x.sh <velmora>
set -euo pipefail
velmora=$1
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & app=$!
    trap "kill $app 2>/dev/null || true" EXIT
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "^Velmora\$" | head -n 1)
    [ -n "$window" ] || { echo "no window named Velmora appeared"; exit 1; }
    eval "$(xdotool getwindowgeometry --shell "$window")"
    echo "window $window: ${WIDTH}x${HEIGHT} at $X,$Y"
    [ "$WIDTH" = 376 ] && [ "$HEIGHT" = 350 ] || { echo "expected a 376x350 client area"; exit 1; }
    kill -0 $app
' _ "$velmora"
