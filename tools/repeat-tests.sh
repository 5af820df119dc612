#!/usr/bin/env bash
# Runs the chosen test suites N times in a row, by default with one core kept
# busy by stress-ng beside them, as a loaded machine would: a test that
# depends on timing luck shows here, not in CI. Every failure is reported with
# its run, when it started, how long it took and its failing lines; each
# run's whole output is kept in BUILD/repeat/.
#
#   tools/repeat-tests.sh [-n N] [--build DIR] [--no-load] SUITE...
#   tools/repeat-tests.sh -n 10 CommandLineTest FlowTest UpdateRestoreTest WindowTest
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10
build=build
load=1
suites=()
while [ $# -gt 0 ]; do
    case $1 in
        -n) runs=$2; shift 2 ;;
        --build) build=$2; shift 2 ;;
        --no-load) load=0; shift ;;
        *) suites+=("$1"); shift ;;
    esac
done
[ ${#suites[@]} -gt 0 ] || { echo "usage: $0 [-n N] [--build DIR] [--no-load] SUITE..." >&2; exit 2; }

if [ $load -eq 1 ]; then
    source tools/common.sh
    install_missing_packages stress-ng
    stress-ng --cpu 1 --timeout 0 --quiet &
    stress=$!
    trap 'kill $stress 2>/dev/null || true' EXIT
fi

mkdir -p "$build/repeat"
failures=0
for run in $(seq 1 "$runs"); do
    for suite in "${suites[@]}"; do
        log=$build/repeat/$suite-$run.log
        started=$(date -u +%H:%M:%S)
        begin=$(date +%s)
        if QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -R "^$suite\$" --output-on-failure > "$log" 2>&1; then
            echo "run $run $suite: passed in $(( $(date +%s) - begin ))s"
        else
            failures=$((failures + 1))
            echo "run $run $suite: FAILED, started $started UTC, after $(( $(date +%s) - begin ))s (log: $log)"
            grep -E -A3 '^FAIL!|Totals:|ERROR: |runtime error' "$log" | sed 's/^/    /' || true
        fi
    done
done
echo "$failures failure(s) in $runs run(s) of ${suites[*]}"
[ $failures -eq 0 ]
