#!/bin/sh
# Stands in for a terminal in the end-to-end test, called as one is: answering_terminal.sh -T <title> -e <command>.
# The command runs in a session of its own, so the tool has no terminal to open and reads from standard input
# what a user would type at the step the title names, as the harnesses' one table of answers has it.
table="$(dirname "$0")/../support/prompt_answers.txt"
case "$2" in
*" genrsa "*) step=genrsa ;;
*" req "*) step=req ;;
*UserSign.sh*) step=UserSign ;;
*) step= ;;
esac
shift 3
# A tool still at a prompt after a minute was given an answer it did not expect: it ends, and the step with it.
if [ -n "$step" ]; then grep "^$step|" "$table" | cut -d'|' -f2- | tr '|' '\n'; fi | timeout 60 setsid -w "$@"
