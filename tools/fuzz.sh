#!/usr/bin/env bash
# Builds the fuzz targets (clang's libFuzzer, under AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for SECONDS
# (default 60), or only the TARGETs named. Every input that once crashed
# (fuzz/regressions/TARGET) is run first; then libFuzzer starts from the
# seeds (fuzz/corpus/TARGET) and keeps what it finds in build-fuzz/corpus/,
# never in the repository. An input that crashes, hangs or breaks a target's
# invariant is kept in build-fuzz/artifacts/TARGET/ and fails the run.
#
#   tools/fuzz.sh [SECONDS [TARGET...]]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh

seconds=${1:-60}
[ $# -gt 0 ] && shift
install_missing_packages "${PACKAGES[@]}" clang-14 libclang-rt-14-dev

mkdir -p build-fuzz
{ CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DRZ_FUZZ=ON -DRZ_SANITIZE=ON -DBUILD_TESTING=OFF \
      -DRZ_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
      cmake --build build-fuzz -j "$(nproc)" --target rz_fuzz_targets; } > build-fuzz/build.log 2>&1 \
    || { tail -40 build-fuzz/build.log; exit 1; }

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*Fuzz.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for target in "${targets[@]}"; do
    program=build-fuzz/bin/$target
    corpus=build-fuzz/corpus/$target
    artifacts=build-fuzz/artifacts/$target/
    mkdir -p "$corpus" "$artifacts" "fuzz/corpus/$target"
    regressions=(fuzz/regressions/"$target"/*)
    if [ -e "${regressions[0]}" ] && ! "$program" -timeout=60 "${regressions[@]}" > "$artifacts/regressions.log" 2>&1; then
        echo "$target: an input that once crashed fails again (see $artifacts/regressions.log)"
        failed+=("$target")
        continue
    fi
    # The timeout is generous: the sanitizers make every input slower.
    if "$program" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -artifact_prefix="$artifacts" \
        -print_final_stats=1 "$corpus" "fuzz/corpus/$target" > "$artifacts/run.log" 2>&1; then
        echo "$target: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$artifacts/run.log" | grep -o '[0-9]*$') inputs in ${seconds}s, nothing found"
    else
        echo "$target: found a fault; the input is in $artifacts (log: $artifacts/run.log)"
        grep -m1 -E 'ERROR|SUMMARY|runtime error|deadly signal|timeout' "$artifacts/run.log" || true
        failed+=("$target")
    fi
done
[ ${#failed[@]} -eq 0 ] || { echo "Faults found by: ${failed[*]}"; exit 1; }
