#!/usr/bin/env bash
# Runs the fuzzer from the test tables' seeds for a bounded number of inputs.
# Usage: run_fuzzer.sh FUZZER TESTS_DIR WORK_DIR RUNS
set -euo pipefail
fuzzer=$1 tests=$2 work=$3 runs=$4
python3 "$(dirname "$0")/make_seeds.py" "$tests" "$work/seeds"
mkdir -p "$work/corpus"
"$fuzzer" -runs="$runs" -max_len=4096 -print_final_stats=1 "$work/corpus" "$work/seeds"
