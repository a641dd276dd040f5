#!/usr/bin/env bash
# A Debian release as a packager and a new contributor have it: in a fresh root
# made by debootstrap, from this tree's source archive extracted there, a
# packager's build as root (scripts/packager-build.sh) while nothing else is
# installed; then `make test` and `make run` as a normal user with sudo, as the
# README gives them; then, as root, this tree's release packages: the amd64
# .deb installed there with the real program's X11 test against
# /usr/bin/quennarix, and the arm64 .deb in an arm64 root of the same release.
#
# usage: scripts/test-in-fresh-root.sh [RELEASE]   (as root; RELEASE: trixie,
#        the default, or bookworm)
# The pristine root and the packages apt fetched are kept in QUENNARIX_CACHE
# (default /var/cache/quennarix) for the next run; a machine without them makes them.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
release=${1:-trixie}
cache=${QUENNARIX_CACHE:-/var/cache/quennarix}
pristine=$cache/$release-minbase.tar
. "$repo/scripts/host-apt.sh"
root=$repo/build/$release-root

if [[ ! -f $pristine ]]; then
    "$repo/scripts/install-deps.sh" -- debootstrap
    echo "making a pristine $release root (kept in $pristine)"
    fresh=$(mktemp -d)
    chmod 755 "$fresh"
    debootstrap --variant=minbase --include=make,git,ca-certificates,sudo "$release" "$fresh" \
        "$mirror" >"$fresh.log" || { tail -n 20 "$fresh.log"; exit 1; }
    mkdir -p "$cache"
    tar -C "$fresh" --numeric-owner -cf "$pristine.part" .
    mv "$pristine.part" "$pristine"
    rm -rf --one-file-system "$fresh" "$fresh.log"
fi

echo "make dist: the release's source archive and packages, to build and install in the root"
mkdir -p "$repo/build"
make -C "$repo" dist >"$repo/build/dist.log" 2>&1 || { tail -n 30 "$repo/build/dist.log"; exit 1; }
archive=$(ls "$repo"/dist/quennarix-*.tar.gz)

# Mounts are only ever made inside the namespace below and vanish with it; the
# root is still removed without leaving its file system, in case.
rm -rf --one-file-system "$root"
mkdir -p "$root" "$cache/$release-apt"
tar -C "$root" -xf "$pristine"
chmod 755 "$root" # its / is the temporary folder's, which others could not enter
mkdir -p "$root/src"
tar -C "$root/src" -xzf "$archive"
cp "$repo"/dist/quennarix_*.deb "$root/tmp/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
use_host_proxy "$root"

inside='
set -u
cd /src/quennarix-*
scripts/packager-build.sh --fresh
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
as_contributor "make test"
tested=$?
# No display in the root: the program, built by make run, says so and ends.
as_contributor "make run 2>&1" | grep -qx "quennarix: no display: neither DISPLAY nor WAYLAND_DISPLAY is set"
ran=$?
echo "== the release amd64 package, installed here"
apt-get install -y -qq /tmp/quennarix_*_amd64.deb >/dev/null &&
    tests/with_xvfb.sh 800x600x24 dbus-run-session -- \
        python3 tests/qt/executable/test_quennarix.py /usr/bin/quennarix
installed=$?
echo "== the release arm64 package, in an arm64 root of this release"
scripts/test-arm64-root.sh /tmp/quennarix_*_arm64.deb
arm64=$?
echo "$(. /etc/os-release; echo "$PRETTY_NAME"): the packager build exited $packaged," \
    "make test as contributor $tested, make run $ran, the release amd64 package test $installed," \
    "the release arm64 package test $arm64"
((packaged == 0 && tested == 0 && ran == 0 && installed == 0 && arm64 == 0))
'
unshare --mount --propagation private -- bash -euc '
    root=$1 apt_cache=$2 inside=$3
    # Its own mount, so that the arm64 root inside can make a private namespace too.
    mount --bind "$root" "$root"
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount --rbind /sys "$root/sys"
    mount --bind "$apt_cache" "$root/var/cache/apt/archives"
    # The arm64 root and its packages, kept between runs as on the machine itself.
    mkdir -p "$root/var/cache/quennarix"
    mount --bind "$(dirname "$apt_cache")" "$root/var/cache/quennarix"
    exec chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive bash -c "$inside"
' mounts "$root" "$cache/$release-apt" "$inside"
