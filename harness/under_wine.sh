#!/usr/bin/env bash
# Runs COMMAND with Wine set to PREFIX, on a virtual X server of its own, and
# ends every Wine process of the prefix afterwards. Exits with COMMAND's status.
# usage: under_wine.sh PREFIX COMMAND [ARGUMENT...]
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
# No prompt to install Mono or Gecko, and no menu entries or file types for
# the desktop of whoever runs the tests.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
exec "$(dirname "$0")/with_xvfb.sh" 1280x1024x24 \
    bash -c 'status=0; "$@" || status=$?; wineserver -k 2>/dev/null || true; exit "$status"' \
    under_wine "$@"
