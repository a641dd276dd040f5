# Sourced by the shell tests: each check prints "ok: WHAT" or "FAILED: WHAT",
# and finish reports how many failed and sets the status.
failures=0

check() { # WHAT COMMAND...
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

equals() { # ACTUAL EXPECTED
    [[ $1 == "$2" ]] || { echo "  got '$1', wanted '$2'"; return 1; }
}

finish() {
    echo "$failures failed"
    ((failures == 0))
}
