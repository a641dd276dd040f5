#!/usr/bin/env bash
# Runs COMMAND with Wine set to PREFIX, on a virtual X server of its own, and
# ends every Wine process of the prefix afterwards. Exits with COMMAND's status.
# usage: under_wine.sh PREFIX COMMAND [ARGUMENT...]
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no prompt to install Mono or Gecko

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
cleanup() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.05
done
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

status=0
"$@" || status=$?
exit "$status"
