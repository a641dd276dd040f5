#!/usr/bin/env bash
# Builds `make dist` again from a fresh clone of HEAD, in another folder, time
# zone and umask, and compares it byte for byte with this tree's dist/.
# usage: scripts/check-reproducible.sh   (after `make dist`)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[[ -f $root/dist/SHA256SUMS ]] || { echo "no dist/ here: run make dist first" >&2; exit 2; }
if [[ -n $(git -C "$root" status --porcelain --untracked-files=no) ]]; then
    echo "note: this tree has uncommitted changes, which the clone lacks" >&2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
other=$work/another/folder/quennarix
(
    umask 0077
    git clone --quiet "$root" "$other"
    cd "$other"
    TZ=America/Los_Angeles make dist >"$work/build.log" 2>&1
) || { tail -n 30 "$work/build.log"; exit 1; }
if diff -r "$root/dist" "$other/dist"; then
    echo "reproducible: dist/ rebuilt byte for byte ($(ls "$root/dist" | wc -l) files)"
else
    echo "NOT REPRODUCIBLE: dist/ differs when rebuilt elsewhere" >&2
    exit 1
fi
