#!/usr/bin/env bash
# A release package as a user of a Debian release installs it: in a fresh root
# of that release made by debootstrap, installs it with apt and what it
# recommends, checks that dpkg took it as built for its architecture and runs
# the real program's X11 test against /usr/bin/quennarix there. An arm64
# package goes into this machine's root with arm64 added as a dpkg
# architecture, so that apt resolves it against the release's arm64 archive
# and installs its arm64 libraries, as on Debian on ARM; the program then runs
# under qemu-user, and all else natively.
#
# usage: tests/roots/test-package-in-root.sh [DEB [RELEASE]]   (after make dist;
#        asks for root with sudo, as install-deps.sh does)
#   DEB      the package, by default dist/'s arm64 one
#   RELEASE  bookworm, trixie or sid; by default this machine's
# For another architecture the kernel must run its programs through qemu-user
# (binfmt_misc); where no handler is registered, this registers one for
# qemu-aarch64-static and removes it again at the end, as it unmounts
# binfmt_misc if it mounted it. The root itself is removed at the end too. The
# pristine root and the packages apt fetched are kept in QUENNARIX_CACHE
# (default /var/cache/quennarix) for the next run.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
deb=$(realpath "${1:-$(ls "$repo"/dist/quennarix_*_arm64.deb)}")
release=${2:-$(. /etc/os-release; echo "$VERSION_CODENAME")}
if ((EUID != 0)); then
    echo "a Debian root needs root (debootstrap, chroot, mounts, binfmt_misc): asking with sudo"
    exec sudo QUENNARIX_CACHE="${QUENNARIX_CACHE:-}" "$0" "$deb" "$release"
fi
. "$repo/harness/debian-root.sh"
arch=$(dpkg-deb --field "$deb" Architecture)

# Whatever this run adds to the machine goes again when it ends.
root=$(mktemp -d)
binfmt=/proc/sys/fs/binfmt_misc
mounted_binfmt=false registered=false
undo() {
    if $registered; then echo -1 >"$binfmt/qemu-aarch64"; fi
    if $mounted_binfmt; then umount "$binfmt"; fi
    rm -rf --one-file-system "$root"
}
trap undo EXIT

if [[ $arch != $(dpkg --print-architecture) ]]; then
    [[ $arch == arm64 ]] || { echo "no emulator here for $arch" >&2; exit 1; }
    if ! mountpoint -q "$binfmt"; then
        mount -t binfmt_misc binfmt_misc "$binfmt"
        mounted_binfmt=true
    fi
    if [[ ! -e $binfmt/qemu-aarch64 ]]; then
        # An ELF header for aarch64; F: the kernel holds the interpreter open, so it
        # runs inside the root too.
        magic='\x7f\x45\x4c\x46\x02\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\xb7\x00'
        mask='\xff\xff\xff\xff\xff\xff\xff\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
        echo ":qemu-aarch64:M::$magic:$mask:$(command -v qemu-aarch64-static):F" >"$binfmt/register"
        registered=true
        echo "registered qemu-aarch64-static for arm64 programs until the end of this run"
    fi
fi

pristine=$(pristine_root "$release")
unpack_root "$pristine" "$root"
cp "$deb" "$root/tmp/"
mkdir -p "$root/src"
cp -r "$repo/tests" "$repo/harness" "$root/src/"

inside='
set -u
cd /src
dpkg --print-architecture | grep -qx '"$arch"' || dpkg --add-architecture '"$arch"'
apt-get update -qq
# The package as a user installs it, with what it recommends; then the test tools.
apt-get install -y -qq /tmp/quennarix_*.deb >/dev/null
apt-get install -y -qq --no-install-recommends \
    xvfb xdotool x11-utils dbus-daemon at-spi2-core python3-pyatspi python3-xlib >/dev/null
echo "dpkg: quennarix $(dpkg-query -W -f="\${Version} \${Architecture} \${Status}" quennarix)"
[[ $(dpkg-query -W -f="\${Architecture}" quennarix) == '"$arch"' ]]
architecture=$?
harness/with_xvfb.sh 800x600x24 dbus-run-session -- \
    python3 tests/linux/test_quennarix.py /usr/bin/quennarix
tested=$?
echo "$(. /etc/os-release; echo "$PRETTY_NAME"), the '"$arch"' package: dpkg took it as" \
    "'"$arch"': $((architecture == 0)); its test exited $tested"
((architecture == 0 && tested == 0))
'
in_root "$root" "$inside" "$cache/$release-$(dpkg --print-architecture)-apt"
