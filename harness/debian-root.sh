# shellcheck shell=bash
# Sourced by the scripts that test in Debian roots (as root): a pristine root
# per release and set of options, made once by debootstrap and kept as a tarball
# in QUENNARIX_CACHE (default /var/cache/quennarix), fetched the way the host
# fetches its packages, and entered in a private mount namespace.
cache=${QUENNARIX_CACHE:-/var/cache/quennarix}
mirror=$(apt-get indextargets --format '$(REPO_URI) $(SUITE)' | awk '$2 !~ /-/ { print $1; exit }')
mirror=${mirror:-http://deb.debian.org/debian}
eval "$(apt-config shell http_proxy Acquire::http::Proxy)"
if [[ -n ${http_proxy:-} ]]; then export http_proxy; fi

# Mounts are only ever made inside this namespace and vanish with it. The root
# is a mount of its own, so that a root made inside it can do the same. With an
# APT_CACHE, apt's downloads are kept there, and the roots' cache is the
# machine's, so both last between runs.
in_root() { # ROOT COMMAND [APT_CACHE]
    unshare --mount --propagation private -- bash -euc '
        root=$1 cache=$3 apt_cache=$4
        mount --bind "$root" "$root"
        mount -t proc proc "$root/proc"
        mount --rbind /dev "$root/dev"
        mount --rbind /sys "$root/sys"
        if [[ -n $apt_cache ]]; then
            mkdir -p "$apt_cache" "$root/var/cache/quennarix"
            mount --bind "$apt_cache" "$root/var/cache/apt/archives"
            mount --bind "$cache" "$root/var/cache/quennarix"
        fi
        exec chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
            LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive bash -c "$2"
    ' in_root "$1" "$2" "$cache" "${3:-}"
}

# RELEASE [DEBOOTSTRAP_OPTION...]: the path of a tarball of a root of this
# machine's architecture on stdout, made if missing; options other than none
# give it a name of its own.
pristine_root() {
    local release=$1 pristine fresh
    shift
    pristine=$cache/$release-$(dpkg --print-architecture)-minbase${*:+-$(sha256sum <<<"$*" | cut -c1-8)}.tar
    if [[ ! -f $pristine ]]; then
        echo "making a pristine $release root (kept in $pristine)" >&2
        mkdir -p "$cache"
        fresh=$(mktemp -d)
        chmod 755 "$fresh"
        debootstrap --variant=minbase "$@" "$release" "$fresh" "$mirror" >"$fresh.log" 2>&1 ||
            { tail -n 20 "$fresh.log" >&2; return 1; }
        # Unstable's Release file is valid for a week only, and a mirror that is
        # a snapshot (as this machine's may be) serves it past that: apt in the
        # root takes it all the same, as debootstrap just did.
        if [[ $release == sid ]]; then
            echo 'Acquire::Check-Valid-Until "false";' >"$fresh/etc/apt/apt.conf.d/50snapshot-mirror"
        fi
        tar -C "$fresh" --numeric-owner -cf "$pristine.part" .
        mv "$pristine.part" "$pristine"
        rm -rf --one-file-system "$fresh" "$fresh.log"
    fi
    echo "$pristine"
}

# PRISTINE ROOT: a fresh root from the tarball, which apt fetches as the host does.
unpack_root() {
    rm -rf --one-file-system "$2"
    mkdir -p "$2"
    chmod 755 "$2" # a temporary folder's mode would keep others out of its /
    tar -C "$2" -xf "$1"
    cp /etc/resolv.conf "$2/etc/resolv.conf"
    if [[ -n ${http_proxy:-} ]]; then
        echo "Acquire::http::Proxy \"$http_proxy\";" >"$2/etc/apt/apt.conf.d/00proxy"
    fi
}
