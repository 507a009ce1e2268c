#!/bin/sh
# Stands in for a terminal in the end-to-end test, called as one is: answering_terminal.sh -T <title> -e <command>.
# The command runs in a session of its own, so the tool has no terminal to open and reads from standard input
# what a user would type at the step the title names.
pass=velmora-test
case "$2" in
*" genrsa "*) answers="$pass\n$pass\n" ;;          # a new key's pass phrase, twice
*" req "*) answers="$pass\n\n\n\n\n\n\n\n\n\n\n" ;; # the key's, then Enter for each name's default
*UserSign.sh*) answers="$pass\ny\ny\n" ;;           # the CA key's, then yes to the signing and the commit
*) answers= ;;
esac
shift 3
# A tool still at a prompt after a minute was given an answer it did not expect: it ends, and the step with it.
printf %b "$answers" | timeout 60 setsid -w "$@"
