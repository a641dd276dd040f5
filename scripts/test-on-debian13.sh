#!/usr/bin/env bash
# Debian 13 as a packager and a new user have it: in a fresh root made by
# debootstrap, from this tree's source archive extracted there, a packager's
# build (scripts/packager-build.sh) while nothing else is installed, then
# `make test`; then installs this tree's release .deb there and runs the X11
# test of the real program against /usr/bin/quennarix.
#
# usage: scripts/test-on-debian13.sh   (as root)
# The pristine root and the packages apt fetched are kept in QUENNARIX_CACHE
# (default /var/cache/quennarix) for the next run; a machine without them makes them.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cache=${QUENNARIX_CACHE:-/var/cache/quennarix}
pristine=$cache/debian13-minbase.tar
. "$repo/scripts/host-apt.sh"
root=$repo/build/debian13

if [[ ! -f $pristine ]]; then
    "$repo/scripts/install-deps.sh" -- debootstrap
    echo "making a pristine Debian 13 root (kept in $pristine)"
    fresh=$(mktemp -d)
    chmod 755 "$fresh"
    debootstrap --variant=minbase --include=make,git,ca-certificates trixie "$fresh" "$mirror" \
        >"$fresh.log" || { tail -n 20 "$fresh.log"; exit 1; }
    mkdir -p "$cache"
    tar -C "$fresh" --numeric-owner -cf "$pristine.part" .
    mv "$pristine.part" "$pristine"
    rm -rf --one-file-system "$fresh" "$fresh.log"
fi

echo "make dist: the release's source archive and .deb, to build and install in the root"
mkdir -p "$repo/build"
make -C "$repo" dist >"$repo/build/dist.log" 2>&1 || { tail -n 30 "$repo/build/dist.log"; exit 1; }
deb=$(ls "$repo"/dist/quennarix_*_amd64.deb)
archive=$(ls "$repo"/dist/quennarix-*.tar.gz)

# Mounts are only ever made inside the namespace below and vanish with it; the
# root is still removed without leaving its file system, in case.
rm -rf --one-file-system "$root"
mkdir -p "$root" "$cache/debian13-apt"
tar -C "$root" -xf "$pristine"
chmod 755 "$root" # its / is the temporary folder's, which others could not enter
mkdir -p "$root/src"
tar -C "$root/src" -xzf "$archive"
cp "$deb" "$root/tmp/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
use_host_proxy "$root"

inside='
set -u
cd /src/quennarix-*
scripts/packager-build.sh --fresh
packaged=$?
make test
tested=$?
# No display in the root: the program, built by make run, says so and ends.
make run 2>&1 | grep -qx "quennarix: no display: neither DISPLAY nor WAYLAND_DISPLAY is set"
ran=$?
echo "== the Debian 12 release package, installed on Debian 13"
apt-get install -y -qq /tmp/quennarix_*_amd64.deb >/dev/null &&
    tests/with_xvfb.sh 800x600x24 dbus-run-session -- \
        python3 tests/qt/executable/test_quennarix.py /usr/bin/quennarix
installed=$?
echo "Debian 13: the packager build exited $packaged, make test $tested, make run $ran," \
    "the installed package test $installed"
((packaged == 0 && tested == 0 && ran == 0 && installed == 0))
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
' mounts "$root" "$cache/debian13-apt" "$inside"
