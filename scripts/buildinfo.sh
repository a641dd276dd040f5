#!/usr/bin/env bash
# Prints the record of what a release was built with, after Debian's .buildinfo:
# the commit, the Debian release and architecture, and the exact version of
# every package the release's build needs, with all they depend on.
# usage: scripts/buildinfo.sh VERSION
set -euo pipefail
export LC_ALL=C # the same order in every locale
version=$1
root=$(cd "$(dirname "$0")/.." && pwd)
. /etc/os-release
mapfile -t needed < <("$root/scripts/install-deps.sh" --list program windows arm64 release)
echo "Format: quennarix-buildinfo 1"
echo "Source: quennarix $version"
echo "Commit: $("$root/scripts/commit.sh" id)"
echo "Build-Release: $PRETTY_NAME (Debian $(cat /etc/debian_version))"
echo "Build-Architecture: $(dpkg --print-architecture)"
echo "Installed-Build-Depends:"
# apt lists alternatives that are not installed too; dpkg-query says which are.
apt-cache depends --recurse --installed --important "${needed[@]}" 2>/dev/null |
    grep -v -e '^ ' -e '^<' | sort -u |
    { xargs dpkg-query -W -f='${db:Status-Abbrev}|${Package}:${Architecture} (= ${Version})\n' \
        2>/dev/null || true; } |
    awk -F'|' '$1 ~ /^ii/ { print " " $2 }' | sort -u
