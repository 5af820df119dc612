#!/usr/bin/env bash
# What the updater costs, each figure a ratio against a bare Qt program doing
# the same visible work, measured in the same run. Uses a real X server
# (Xvfb) when one can be started, else the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
cmake -S . -B build >/dev/null && cmake --build build -j "$(nproc)" --target wait_cpu_bench updater_bench history_bench rz-firmware-updater rzsim >/dev/null
bin=$PWD/build/bin

run() {
    if [ -n "${DISPLAY:-}" ]; then
        "$@" 2>/dev/null
    elif command -v xvfb-run >/dev/null; then
        xvfb-run -a "$@" 2>/dev/null
    else
        QT_QPA_PLATFORM=offscreen "$@" 2>/dev/null
    fi
}
# median of three runs of one column
median() { sort -n | sed -n 2p; }
three() { for _ in 1 2 3; do run "$@"; done; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# The updater's session logs stay out of the home folder.
export RZ_STATE_DIR=$work/state
"$bin/rzsim" firmware firmware >/dev/null

echo "Start-up to the first paint of the window, and peak memory (median of 3):"
u=$(three "$bin/updater_bench" startup updater); b=$(three "$bin/updater_bench" startup bare)
ut=$(echo "$u" | awk '{print $1}' | median); bt=$(echo "$b" | awk '{print $1}' | median)
um=$(echo "$u" | awk '{print $2}' | median); bm=$(echo "$b" | awk '{print $2}' | median)
echo "  updater ${ut} ms, ${um} KiB; bare window ${bt} ms, ${bm} KiB; ratios $(ratio "$ut" "$bt") (time), $(ratio "$um" "$bm") (memory)"

echo "While a simulated ${seconds} s FPGA write runs under the busy dialog:"
"$bin/rzsim" device --model RZ610R --serial 12345 --boot 4 --run 5 --fpga 9 \
    --clear-ms 0 --write-ms 0 --fpga-clear-ms 0 --fpga-write-ms $((seconds * 1000)) >/dev/null
u=$(run "$bin/updater_bench" fpga updater); b=$(run "$bin/updater_bench" fpga bare)
echo "  CPU share of one core: updater $(echo "$u" | awk '{printf "%.1f%%", 100*$1}'), bare busy dialog $(echo "$b" | awk '{printf "%.1f%%", 100*$1}'); ratio $(ratio "$(echo "$u" | awk '{print $1}')" "$(echo "$b" | awk '{print $1}')")"
echo "  worst lateness of a 10 ms GUI timer: updater $(echo "$u" | awk '{print $2}') ms, bare $(echo "$b" | awk '{print $2}') ms"

echo "10,000 worker lines to the log (median of 3):"
ul=$(three "$bin/updater_bench" lines updater | median); bl=$(three "$bin/updater_bench" lines bare | median)
echo "  updater ${ul} ms, bare text edit ${bl} ms; ratio $(ratio "$ul" "$bl")"

echo "Waiting ${seconds} s for a worker under the busy dialog (CPU share of one core):"
w() { run "$bin/wait_cpu_bench" "$1" "$seconds" | awk '{ printf "%.4f", $2 / $3 }'; }
bare=$(w bare); updater=$(w updater); spin=$(w spin)
echo "  bare busy dialog $(awk -v v="$bare" 'BEGIN{printf "%.1f%%", 100*v}'), updater $(awk -v v="$updater" 'BEGIN{printf "%.1f%%", 100*v}') (ratio $(ratio "$updater" "$bare")), processEvents() without pause $(awk -v v="$spin" 'BEGIN{printf "%.1f%%", 100*v}') (ratio $(ratio "$spin" "$bare"))"

echo "The update history, 10,000 attempts on record (median of 3 runs):"
"$bin/history_bench" seed 10000
for what in record open; do
    u=$(for _ in 1 2 3; do "$bin/history_bench" "$what" updater; done | median)
    b=$(for _ in 1 2 3; do "$bin/history_bench" "$what" bare; done | median)
    case $what in
        record) echo "  recording an attempt (insert and finish): updater ${u} ms (goal at most 5 ms), plain Qt SQL ${b} ms; ratio $(ratio "$u" "$b")" ;;
        open) echo "  opening it with its integrity check: updater ${u} ms, plain open ${b} ms; ratio $(ratio "$u" "$b")" ;;
    esac
done
ms() { local start; start=$(date +%s%N); "$@" >/dev/null 2>&1; echo $((($(date +%s%N) - start) / 1000000)); }
u=$(for _ in 1 2 3; do ms "$bin/rz-firmware-updater" history; done | median)
b=$(for _ in 1 2 3; do ms "$bin/history_bench" print bare; done | median)
echo "  printing it: rz-firmware-updater history ${u} ms (goal at most 1000 ms), a plain query printing its rows ${b} ms; ratio $(ratio "$u" "$b")"
