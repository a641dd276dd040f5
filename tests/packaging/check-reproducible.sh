#!/usr/bin/env bash
# Builds `make dist` once more with Debian's reprotest, from the source archive
# in dist/ and varied in every way reprotest can vary it on this machine, and
# fails with diffoscope's account of what differs from dist/ as `make dist`
# built it here, which reprotest takes as its control build: a release rebuilt
# from its source archive, anyhow, is the release built from the clone.
# usage: tests/packaging/check-reproducible.sh   (after make dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
if [[ -d $root/.git && -n $(git -C "$root" status --porcelain --untracked-files=no) ]]; then
    echo "note: this tree has uncommitted changes, which its source archive lacks" >&2
fi

# Left out: building as another user, which needs a spare account set aside.
variations=+all,-user_group
if [[ ! -c /dev/fuse || ! -r /dev/fuse || ! -w /dev/fuse ]]; then
    echo "note: no FUSE (/dev/fuse) this user may open here, so the order of directory" \
        "listings is not varied" >&2
    variations+=,-fileordering
fi
# reprotest sets the host and domain name in a user namespace of its own, which
# a chroot may not make.
if ! unshare --user --map-root-user --uts true 2>/dev/null; then
    echo "note: no user namespaces here, so the host and domain name are not varied" >&2
    variations+=,-domain_host
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tar -C "$work" -xzf "$root"/dist/quennarix-*.tar.gz
source=$(ls -d "$work"/quennarix-*)
# The control as reprotest keeps its own builds' artifacts.
control=$work/control/source-root
mkdir -p "$control/dist"
cp -p "$root"/dist/* "$control/dist/"
touch -d@0 "$control" "$control/.." "$control"/dist/*
echo "reprotest --variations=$variations: make dist from the source archive, against dist/"
if reprotest --variations="$variations" --store-dir "$work/store" --control-build "$work/control" \
    -c 'make dist' "$source" 'dist/*' >"$work/log" 2>&1; then
    echo "reproducible: $(basename "$source").tar.gz, built with variations, gives dist/ byte for byte"
else
    # diffoscope's report starts at its first "--- " line; before it, the builds' output.
    if grep -q '^--- ' "$work/log"; then
        echo "NOT REPRODUCIBLE: dist/ differs when rebuilt with variations" >&2
        sed -n '/^--- /,$p' "$work/log" | head -n 80
    else
        # reprotest's own traceback follows the build's last words.
        echo "a build under reprotest failed; its last output:" >&2
        sed '/^Traceback/,$d' "$work/log" | tail -n 30
    fi
    exit 1
fi
