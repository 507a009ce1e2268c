#!/usr/bin/env bash
# A client-only run of the real executable and its xterm consoles on a virtual
# X display, pressed and answered as a user would, on a copy of the application
# folder. The files themselves are the end-to-end test's. Usage: job_under_x.sh <velmora>
set -euo pipefail

# Everything below needs the display xvfb-run makes; it runs this script again on it.
if [ "${1:-}" != --on-display ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --on-display "$@"
fi
built_folder=$(dirname "$2")

site=www.example.test
pass_phrase=velmora-job-test
work=$(mktemp -d)
app_folder=$work/app
save_folder=$work/save
output_folder=$save_folder/$site
mkdir "$app_folder" "$save_folder" "$work/home"

app=
cleanup() {
    [ -z "$app" ] || kill "$app" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "job_under_x: $*" >&2
    exit 1
}

# Waits up to $2 seconds for window $1 to be destroyed.
wait_until_gone() {
    local deadline=$((SECONDS + $2))
    while xdotool getwindowname "$1" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# The shipped folder, link included; a job writes its working files here.
for name in velmora openssl openssl.cnf ca.db.index ca.db.serial; do
    cp -P "$built_folder/$name" "$app_folder/"
done

# A fresh HOME: no settings or resources of whoever runs the tests.
HOME=$work/home "$app_folder/velmora" &
app=$!

main=$(timeout 60 xdotool search --sync --onlyvisible --name '^Velmora$' | head -n 1)
[ -n "$main" ] || fail "no window named Velmora appeared"
eval "$(xdotool getwindowgeometry --shell "$main")"
if [ "$WIDTH" != 376 ] || [ "$HEIGHT" != 350 ]; then
    fail "expected a 376x350 window, got ${WIDTH}x${HEIGHT}"
fi

# Clicks the middle of a control given by its rectangle in the window.
click_control() {
    xdotool mousemove --sync --window "$main" $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
}

# There is no window manager: the keyboard goes where it is explicitly sent.
xdotool windowfocus --sync "$main"
click_control 72 60 293 19 # txt_URL
xdotool type -- "$site"
click_control 72 86 293 19 # txt_SavePath
xdotool type -- "$save_folder"
click_control 8 292 91 29 # cmd_Create
# Off every window: a key that outlives its console falls to the root window,
# not to whatever lies under the pointer (a message box, say).
xdotool mousemove --sync 1023 767

# Answers one step's console, found by its title (the command line), with
# one typed line per argument, and waits until the step's console closes.
answer_step() {
    local title=$1 console
    shift
    console=$(timeout 60 xdotool search --sync --onlyvisible --name "$title" | head -n 1) || true
    [ -n "$console" ] || fail "no console window titled like '$title' appeared"
    xdotool windowfocus --sync "$console"
    for line in "$@"; do
        xdotool getwindowname "$console" >/dev/null 2>&1 \
            || fail "the console titled like '$title' closed before all its answers: the step refused one"
        [ -z "$line" ] || xdotool type -- "$line"
        xdotool key Return
    done
    wait_until_gone "$console" 60 || fail "the console titled like '$title' stayed open after its answers"
}

# The CA key: its pass phrase, twice.
answer_step 'genrsa .*ca\.key' "$pass_phrase" "$pass_phrase"
# The CA certificate: the key's pass phrase, then the seven subject fields'
# defaults (country, state, locality, organisation, unit, common name, e-mail).
answer_step 'req .*-x509 .*ca\.crt' "$pass_phrase" '' '' '' '' '' '' ''

# The run ends with a message box, a second window with the program's title.
deadline=$((SECONDS + 60))
until boxes=$(xdotool search --onlyvisible --name '^Velmora$' | grep -vx "$main"); do
    ((SECONDS < deadline)) || fail "no message box appeared after the last step"
    sleep 0.1
done
box=$(head -n 1 <<<"$boxes")

for name in client.key client.crt client.cer; do
    [ -s "$output_folder/$name" ] || fail "$output_folder/$name missing or empty"
done
subject=$(openssl x509 -in "$output_folder/client.crt" -noout -subject -nameopt multiline) \
    || fail "client.crt is not a certificate"
grep -q "commonName *= Velmora CA for $site\$" <<<"$subject" || fail "client.crt does not name the CA: $subject"
# The key is the certificate's, and only the pass phrase opens it.
! openssl pkey -in "$output_folder/client.key" -passin pass:wrong -noout 2>/dev/null \
    || fail "client.key opens without its pass phrase"
[ "$(openssl pkey -in "$output_folder/client.key" -passin "pass:$pass_phrase" -pubout)" \
    = "$(openssl x509 -in "$output_folder/client.crt" -noout -pubkey)" ] \
    || fail "client.key is not the key of client.crt"

xdotool windowfocus --sync "$box"
xdotool key Return
wait_until_gone "$box" 30 || fail "the message box did not close on Return"
kill -0 "$app" || fail "the program ended with the job"
echo "job_under_x: client-only run complete in $output_folder"
