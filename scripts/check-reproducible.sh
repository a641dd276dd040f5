#!/usr/bin/env bash
# Builds `make dist` from two fresh clones of HEAD, in different folders, time
# zones and umasks, a while apart, and compares the two dist/ folders byte for byte.
# usage: scripts/check-reproducible.sh [WORK_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$(mktemp -d)}
build() { # NAME TZ UMASK
    git clone --quiet "$root" "$work/$1"
    (cd "$work/$1" && umask "$3" && TZ=$2 make dist >"$work/$1.log" 2>&1) ||
        { tail -n 30 "$work/$1.log"; exit 1; }
}
build first UTC 0022
sleep 2
build second-in/another/folder America/Los_Angeles 0077
if diff -r "$work/first/dist" "$work/second-in/another/folder/dist"; then
    cat "$work/first/dist/SHA256SUMS"
    echo "identical: $(ls "$work/first/dist" | wc -l) files in $work/first/dist and $work/second-in/another/folder/dist"
else
    echo "dist/ differs between the two builds" >&2
    exit 1
fi
