#!/usr/bin/env bash
# Builds `make dist` twice from a fresh clone of HEAD with Debian's reprotest,
# the second build varied in every way reprotest can vary it on this machine,
# and fails with diffoscope's account of what differs.
# usage: scripts/check-reproducible.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ -n $(git -C "$root" status --porcelain --untracked-files=no) ]]; then
    echo "note: this tree has uncommitted changes, which the clone lacks" >&2
fi

# Left out: building as another user, which needs a spare account set aside.
variations=+all,-user_group
if [[ ! -c /dev/fuse ]]; then
    echo "note: no FUSE (/dev/fuse) here, so the order of directory listings is not varied" >&2
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
git clone --quiet "$root" "$work/quennarix"
echo "reprotest --variations=$variations: make dist, twice"
if reprotest --variations="$variations" -c 'make dist' \
    "$work/quennarix" 'dist/*' >"$work/log" 2>&1; then
    echo "reproducible: dist/ rebuilt byte for byte ($(git -C "$root" log -1 --format=%h))"
else
    echo "NOT REPRODUCIBLE: dist/ differs when rebuilt with variations" >&2
    # diffoscope's report starts at its first "--- " line; before it, the builds' output.
    if grep -q '^--- ' "$work/log"; then
        sed -n '/^--- /,$p' "$work/log" | head -n 80
    else
        tail -n 40 "$work/log"
    fi
    exit 1
fi
