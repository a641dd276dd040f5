#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo, as a software centre reads them.
set -euo pipefail
desktop=$1
metainfo=$2
desktop-file-validate "$desktop"
echo "desktop entry valid"
# The one pedantic hint left is the capital in the id. The id names the desktop
# entry, the icons and the window's app id, which docks match to one another
# and which users' pinned launchers keep; it stays as it is.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
appstreamcli validate --pedantic --no-net --explain "$metainfo" | tee "$log"
hints=$(grep -E '^[EWIP]: ' "$log" | grep -v 'cid-contains-uppercase-letter' || true)
[[ -z $hints ]]
grep -q '<release version="1.00"' "$metainfo"
echo "metainfo names release 1.00"
