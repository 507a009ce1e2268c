#!/usr/bin/env bash
# The real program on a virtual X display: a copy of the built program folder with a fresh HOME shows its window
# "Velmora" ($main), then a client-only run with its xterm consoles, pressed and answered as a user would. The
# window's looks are the Qt test's, the files the end-to-end test's. Usage: job_under_x.sh <velmora>
set -euo pipefail

# Everything below needs the display xvfb-run makes; it runs this script again on it.
[ "${1:-}" = --on-display ] || exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --on-display "$@"
work=$(mktemp -d) app=
trap '[ -z "$app" ] || kill "$app" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "${0##*/}: $*" >&2 && exit 1; }

# The shipped folder, link included; a job writes its working files there, and no settings of whoever runs the
# tests reach it.
mkdir "$work/app" "$work/home" "$work/save"
for name in velmora openssl openssl.cnf ca.db.index ca.db.serial; do cp -P "$(dirname "$2")/$name" "$work/app/"; done
HOME=$work/home "$work/app/velmora" &
app=$!
main=$(timeout 60 xdotool search --sync --onlyvisible --name '^Velmora$' | head -n 1) || true
[ -n "$main" ] || fail "no window named Velmora appeared"

# Runs "$@" every 0.1 s until it succeeds, for up to 60 s.
within_a_minute() {
    local deadline=$((SECONDS + 60))
    until "$@"; do ((SECONDS < deadline)) && sleep 0.1 || return 1; done
}
gone() { ! xdotool getwindowname "$1" >/dev/null 2>&1; }
# Prints a visible window named like $1 other than the main one, waiting up to a minute for it.
visible_other() { xdotool search --onlyvisible --name "$1" | grep -vx "$main" | head -n 1; }
other_window() { within_a_minute visible_other "$1" || fail "no window named like '$1' appeared"; }
# Answers the console titled like $1 (its command line) with the lines the harnesses' table gives step $2, and
# waits until the console closes. The closing "|" keeps a last empty answer, which read would drop.
answer_step() {
    local console answers
    console=$(other_window "$1")
    xdotool windowfocus --sync "$console"
    IFS='|' read -r -a answers <<<"$(grep "^$2|" "$(dirname "$0")/../support/prompt_answers.txt")|"
    for line in "${answers[@]:1}"; do
        gone "$console" && fail "the console '$1' closed early: its step refused one"
        [ -z "$line" ] || xdotool type -- "$line"
        xdotool key Return
    done
    within_a_minute gone "$console" || fail "the console '$1' stayed open after its answers"
}

# There is no window manager: the keyboard goes where it is explicitly sent. Each click is in the middle of the
# control's place in the window.
xdotool windowfocus --sync "$main"
xdotool mousemove --sync --window "$main" 218 69 click 1 type www.example.test # txt_URL
xdotool mousemove --sync --window "$main" 218 95 click 1 type "$work/save"     # txt_SavePath
xdotool mousemove --sync --window "$main" 53 306 click 1                       # cmd_Create
# Off every window: a key that outlives its console falls to the root window, not to what lies under the pointer.
xdotool mousemove --sync 1023 767
answer_step 'genrsa .*ca\.key' genrsa
answer_step 'req .*-x509 .*ca\.crt' req
# The run ends with a message box, a second window with the program's title.
box=$(other_window '^Velmora$')
cd "$work/save/www.example.test"
for name in client.key client.crt client.cer; do [ -s "$name" ] || fail "$name missing or empty"; done
# The pass phrase typed in the console is the key's.
openssl pkey -in client.key -passin pass:velmora-test -noout || fail "the typed pass phrase is not the key's"
xdotool windowfocus --sync "$box" key Return
within_a_minute gone "$box" || fail "the message box did not close on Return"
kill -0 "$app" || fail "the program ended with the job"
echo "job_under_x: client-only run complete"
