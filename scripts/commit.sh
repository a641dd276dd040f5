#!/usr/bin/env bash
# Prints the commit's time (seconds since 1970) or id, from git in a clone, or
# in an extracted source archive from cmake/commit.txt, which `git archive`
# fills in. cmake/Commit.cmake reads the same.
# usage: scripts/commit.sh time|id
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
read -r time id <"$root/cmake/commit.txt"
if [[ $time == '$Format:'* ]]; then
    format=%ct
    [[ $1 == id ]] && format=%H
    git -C "$root" log -1 --format="$format"
elif [[ $1 == id ]]; then
    echo "${id%\$}"
else
    echo "$time"
fi
