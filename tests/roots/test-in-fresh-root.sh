#!/usr/bin/env bash
# A Debian release as a packager and a new contributor have it: in a fresh root
# made by debootstrap, from this tree's source archive extracted there, a
# packager's build as root (tests/packaging/packager-build.sh) while nothing else is
# installed; then COMMAND as a normal user with sudo, as the README gives the
# commands; then `make run`, which in a root without a display must say so.
#
# usage: tests/roots/test-in-fresh-root.sh RELEASE [COMMAND]   (as root)
#   RELEASE  trixie or sid (or bookworm)
#   COMMAND  what the contributor runs; by default make test
# The pristine root and the packages apt fetched are kept in QUENNARIX_CACHE
# (default /var/cache/quennarix) for the next run; a machine without them makes them.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
release=${1:?"usage: tests/roots/test-in-fresh-root.sh RELEASE [COMMAND]"}
command=${2:-make test}
arch=$(dpkg --print-architecture)
. "$repo/harness/debian-root.sh"
root=$repo/build/$release-root

"$repo/scripts/install-deps.sh" -- debootstrap
pristine=$(pristine_root "$release" --include=make,git,ca-certificates,sudo)
echo "make dist: the release's source archive, to build in the root"
mkdir -p "$repo/build"
make -C "$repo" dist >"$repo/build/dist.log" 2>&1 || { tail -n 30 "$repo/build/dist.log"; exit 1; }

unpack_root "$pristine" "$root"
mkdir -p "$root/src"
tar -C "$root/src" -xzf "$repo"/dist/quennarix-*.tar.gz

inside='
set -u
cd /src/quennarix-*
tests/packaging/packager-build.sh --fresh
packaged=$?
# A contributor: a user of their own with sudo, the tree theirs.
useradd --create-home --shell /bin/bash contributor
echo "contributor ALL=(ALL) NOPASSWD: ALL" >/etc/sudoers.d/contributor
chmod 440 /etc/sudoers.d/contributor
chown -R contributor: /src
as_contributor() {
    runuser -u contributor -- env -i PATH=/usr/local/bin:/usr/bin:/bin HOME=/home/contributor \
        USER=contributor LOGNAME=contributor LANG=C.UTF-8 TERM=dumb bash -c "$1"
}
as_contributor "$command"
tested=$?
# No display in the root: the program, built by make run, says so and ends.
as_contributor "make run 2>&1" | grep -qx "quennarix: no display: neither DISPLAY nor WAYLAND_DISPLAY is set"
ran=$?
echo "$(. /etc/os-release; echo "$PRETTY_NAME"): the packager build exited $packaged," \
    "$command as contributor $tested, make run $ran"
((packaged == 0 && tested == 0 && ran == 0))
'
in_root "$root" "command=$(printf %q "$command")$inside" "$cache/$release-$arch-apt"
