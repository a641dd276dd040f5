#!/usr/bin/env bash
# Runs COMMAND with DISPLAY set to a virtual X server of its own, which it ends
# afterwards. Exits with COMMAND's status.
# usage: with_xvfb.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGUMENT...]
set -euo pipefail
screen=$1
shift
work=$(mktemp -d)
# -displayfd: the server picks a free display itself, so tests can run side by side.
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
cleanup() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 200); do
    [[ -s $work/display ]] && break
    sleep 0.05
done
[[ -s $work/display ]] || { echo "with_xvfb.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY

status=0
"$@" || status=$?
exit "$status"
