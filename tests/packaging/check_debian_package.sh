#!/usr/bin/env bash
# Builds the .deb from the build tree and checks its architecture, what it
# installs and depends on, that lintian finds no error or warning, and that the
# program is hardened.
# usage: check_debian_package.sh BUILD_DIR [ARCHITECTURE]   (default: this machine's)
set -euo pipefail
build_dir=$1
architecture=${2:-$(dpkg --print-architecture)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" > "$work/cpack.log" || {
    cat "$work/cpack.log"
    exit 1
}
deb=$(ls "$work"/*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' > "$work/contents"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"

source "$(dirname "$0")/../checks.sh"
while read -r path; do
    check "contains $path" grep -qxF "./$path" "$work/contents"
done <"$(dirname "$0")/installed-files.txt"
for dependency in libqt6widgets6 fonts-liberation2; do
    check "depends on $dependency" grep -qw "$dependency" <<<"$depends"
done

version=$(dpkg-deb -f "$deb" Version)
check "for $architecture" equals "$(dpkg-deb -f "$deb" Architecture)" "$architecture"
check "its program is built for $architecture" \
    equals "$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/quennarix | file -b - | cut -d, -f2)" \
    " $(case $architecture in amd64) echo x86-64 ;; arm64) echo ARM aarch64 ;; *) echo "$architecture" ;; esac)"
dpkg-deb -x "$deb" "$work/root"
check "recommends qt6-wayland" test "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland
check "the changelog's latest entry is $version" \
    bash -c "zcat '$work/root/usr/share/doc/quennarix/changelog.gz' | head -1 | grep -qF '($version)'"
readelf --dynamic --wide "$work/root/usr/bin/quennarix" > "$work/dynamic"
check "no RUNPATH" bash -c "! grep -qE 'RPATH|RUNPATH' '$work/dynamic'"
check "bound at start (BIND_NOW)" grep -q 'BIND_NOW' "$work/dynamic"
check "position-independent (PIE)" grep -qE 'FLAGS_1.*PIE' "$work/dynamic"

# Errors and warnings fail; so do hardening tags, which lintian gives as information.
lintian_status=0
lintian --display-info --pedantic --fail-on error,warning "$deb" > "$work/lintian" || lintian_status=$?
cat "$work/lintian"
check "lintian: no error or warning" test "$lintian_status" -eq 0
check "lintian: no hardening tag" bash -c "! grep -q 'hardening-' '$work/lintian'"

finish
