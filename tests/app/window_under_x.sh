#!/usr/bin/env bash
# Starts a copy of the built program folder, with a fresh HOME, on a virtual X display and waits for its
# 376x350 window "Velmora" ($main). job_under_x.sh goes on from here. Usage: window_under_x.sh <velmora>
set -euo pipefail

# Everything below needs the display xvfb-run makes; it runs the calling script again on it.
if [ "${1:-}" != --on-display ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --on-display "$@"
fi
work=$(mktemp -d)
app=
trap '[ -z "$app" ] || kill "$app" 2>/dev/null; rm -rf "$work"' EXIT
fail() {
    echo "${0##*/}: $*" >&2
    exit 1
}

# The shipped folder, link included; a job writes its working files there, and no settings of whoever runs the
# tests reach it.
mkdir "$work/app" "$work/home" "$work/save"
for name in velmora openssl openssl.cnf ca.db.index ca.db.serial; do
    cp -P "$(dirname "$2")/$name" "$work/app/"
done
HOME=$work/home "$work/app/velmora" &
app=$!
main=$(timeout 60 xdotool search --sync --onlyvisible --name '^Velmora$' | head -n 1) || true
[ -n "$main" ] || fail "no window named Velmora appeared"
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" = 376 ] && [ "$HEIGHT" = 350 ] || fail "expected a 376x350 window, got ${WIDTH}x${HEIGHT}"
kill -0 "$app" || fail "the program ended"
