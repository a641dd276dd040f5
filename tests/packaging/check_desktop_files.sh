#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo, as a software centre reads them.
set -euo pipefail
desktop=$1
metainfo=$2
desktop-file-validate "$desktop"
echo "desktop entry valid"
appstreamcli validate --no-net --explain "$metainfo"
grep -q '<release version="1.00"' "$metainfo"
echo "metainfo names release 1.00"
