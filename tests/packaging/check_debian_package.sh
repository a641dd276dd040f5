#!/usr/bin/env bash
# Builds the .deb from the build tree and checks what it installs and depends on.
set -euo pipefail
build_dir=$1
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

failures=0
for path in \
    ./usr/bin/quennarix \
    ./usr/share/applications/org.quennarix.Quennarix.desktop \
    ./usr/share/metainfo/org.quennarix.Quennarix.metainfo.xml \
    ./usr/share/icons/hicolor/16x16/apps/org.quennarix.Quennarix.png \
    ./usr/share/icons/hicolor/24x24/apps/org.quennarix.Quennarix.png \
    ./usr/share/icons/hicolor/32x32/apps/org.quennarix.Quennarix.png \
    ./usr/share/icons/hicolor/48x48/apps/org.quennarix.Quennarix.png \
    ./usr/share/icons/hicolor/64x64/apps/org.quennarix.Quennarix.png \
    ./usr/share/icons/hicolor/128x128/apps/org.quennarix.Quennarix.png \
    ./usr/share/icons/hicolor/256x256/apps/org.quennarix.Quennarix.png \
    ./usr/share/icons/hicolor/scalable/apps/org.quennarix.Quennarix.svg; do
    if grep -qxF "$path" "$work/contents"; then
        echo "ok: $path"
    else
        echo "MISSING: $path"
        failures=$((failures + 1))
    fi
done
for dependency in libqt6widgets6 fonts-liberation2; do
    if [[ $depends == *"$dependency"* ]]; then
        echo "ok: depends on $dependency"
    else
        echo "MISSING dependency: $dependency"
        failures=$((failures + 1))
    fi
done
echo "$failures failed"
((failures == 0))
