#!/usr/bin/env bash
# Runs COMMAND when every TOOL is installed. Otherwise names the missing ones and
# exits 77, which CTest counts as a skip (SKIP_RETURN_CODE); with
# QUENNARIX_REQUIRE_TOOLS=1, as make test sets it, a missing tool fails the test.
# usage: needs.sh TOOL... -- COMMAND [ARGUMENT...]
# A TOOL is a program on PATH, or python3:MODULE, a module of Debian's python3.
set -euo pipefail
missing=()
while [[ $1 != -- ]]; do
    case $1 in
    python3:*) /usr/bin/python3 -c "import ${1#python3:}" 2>/dev/null || missing+=("$1") ;;
    *) command -v "$1" >/dev/null || missing+=("$1") ;;
    esac
    shift
done
shift
if ((${#missing[@]})); then
    echo "skipped: not installed: ${missing[*]}"
    [[ ${QUENNARIX_REQUIRE_TOOLS:-} == 1 ]] && exit 1
    exit 77
fi
exec "$@"
