#!/usr/bin/env bash
# What `cmake --install` put under STAGE must be exactly the files listed in
# installed-files.txt, which the .deb's check reads too.
# usage: check_installed_files.sh STAGE
set -euo pipefail
export LC_ALL=C
stage=$1
if diff -u "$(dirname "$0")/installed-files.txt" \
    <(cd "$stage" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort); then
    echo "installed: the $(wc -l <"$(dirname "$0")/installed-files.txt") files listed"
else
    echo "FAILED: the installed files differ from installed-files.txt (- listed, + installed)"
    exit 1
fi
