#!/usr/bin/env bash
# A distribution's build of this tree, as docs/releases.md gives it: the
# program's packages and GoogleTest, with devscripts for hardening-check
# (which brings dpkg-dev, file, perl and python3), Debian's build flags from
# dpkg-buildflags, the default generator and no presets, ctest, and
# `cmake --install` into a staging folder. Checks that the tests which need
# what is not installed are skipped by name, that exactly the listed files are
# installed, and that the program is hardened. CI runs it in a fresh Debian 13
# root, from the extracted source archive.
# usage: tests/packaging/packager-build.sh [--fresh]
#   --fresh   on a machine with nothing else installed: every such test must skip
set -euo pipefail
fresh=false
[[ ${1:-} == --fresh ]] && fresh=true
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/install-deps.sh" program -- libgtest-dev devscripts
work=$(mktemp -d)
trap 'rm -rf --one-file-system "$work"' EXIT

eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS" # CMake reads no CPPFLAGS
cmake -S "$root" -B "$work/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr
grep -qxF "CMAKE_CXX_FLAGS:STRING=$CXXFLAGS" "$work/build/CMakeCache.txt"
echo "the build's C++ flags are dpkg-buildflags': $CXXFLAGS"
cmake --build "$work/build" --parallel "$(nproc)" # as debhelper builds

# Counted first: listing the tests rewrites ctest's log of the run.
needing=$(cd "$work/build" && ctest -N -L 'desktop|windows|packaging' | sed -n 's/^Total Tests: //p')
(cd "$work/build" && ctest --output-on-failure) | tee "$work/ctest.log" | tail -n 20
skipped=$(grep -c '(Skipped)$' "$work/ctest.log" || true)
named=$(grep -c '^skipped: not installed: ' "$work/build/Testing/Temporary/LastTest.log" || true)
echo "$skipped of the $needing tests that need a display, Wine or a package checker skipped," \
    "$named of them naming the missing tool"
((named == skipped)) && { ! $fresh || ((skipped == needing)); }

DESTDIR="$work/stage" cmake --install "$work/build" >/dev/null
"$root/tests/packaging/check_installed_files.sh" "$work/stage"
# Each protection dpkg-buildflags asks for and the toolchain can give. CET
# needs the C library's start files built for it, and Debian 13's are not
# (Scrt1.o has no IBT note), so no program there gets it; Debian 12's flags
# ask for none. Branch protection is arm64's.
# (Read whole first: with pipefail, grep -q ending a pipe early fails it.)
skip=()
start_file=$(readelf -n "$(g++ -print-file-name=Scrt1.o)")
if [[ $CXXFLAGS != *-fcf-protection* || $start_file != *IBT* ]]; then
    skip+=(--nocfprotection)
fi
checks=$(hardening-check --help 2>&1 || true)
if [[ $checks == *--nobranchprotection* && $(dpkg --print-architecture) != arm64 ]]; then
    skip+=(--nobranchprotection)
fi
hardening-check "${skip[@]}" "$work/stage/usr/bin/quennarix"
