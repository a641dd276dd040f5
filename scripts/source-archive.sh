#!/usr/bin/env bash
# Writes the source archive of this tree to OUT (.tar.gz): in a clone, the files
# of HEAD as `git archive` gives them, cmake/commit.txt filled in; in an
# extracted source archive, its own files. Either way the same bytes.
# usage: scripts/source-archive.sh VERSION OUT
set -euo pipefail
export LC_ALL=C # the same order in every locale
version=$1
out=$2
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/quennarix-$version
mkdir "$stage"
if [[ $(git -C "$root" rev-parse --show-toplevel 2>/dev/null) == "$root" ]]; then
    git -C "$root" archive --format=tar HEAD | tar -x -C "$stage"
else
    # What a build or a test run leaves in the tree is not source.
    tar -C "$root" --exclude=./build --exclude=./dist --exclude=__pycache__ -cf - . |
        tar -x -C "$stage"
fi
time=$("$root/scripts/commit.sh" time)
tar -C "$work" --sort=name --format=gnu --owner=0 --group=0 --numeric-owner \
    --mtime="@$time" --mode=u+rw,go=rX,a-s -cf - "quennarix-$version" | gzip -9n >"$out"
