#!/usr/bin/env bash
# Prints the X id of a visible window titled exactly NAME, waiting up to
# SECONDS for one; exits 1 when there is none. xdotool matches a title as a
# pattern and without regard to case, so each match is compared exactly.
# usage: find_window.sh NAME [SECONDS]
set -uo pipefail
name=$1
deadline=$((SECONDS + ${2:-0}))
while :; do
    for window in $(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null); do
        if [[ $(xdotool getwindowname "$window" 2>/dev/null) == "$name" ]]; then
            echo "$window"
            exit 0
        fi
    done
    ((SECONDS < deadline)) || exit 1
    sleep 0.1
done
