#!/usr/bin/env bash
# What the updater costs, each figure a ratio against a bare Qt program doing
# the same visible work, measured in the same run. Uses a real X server
# (Xvfb) when one can be started, else the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
cmake -S . -B build >/dev/null && cmake --build build -j "$(nproc)" --target wait_cpu_bench updater_bench history_bench rz-firmware-updater rzsim rz_release_keys >/dev/null
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
median5() { sort -n | sed -n 3p; }
percent() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f%%", (b > 0 ? 100 * a / b : 0) }'; }
three() { for _ in 1 2 3; do run "$@"; done; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# The updater's session logs stay out of the home folder.
export RZ_STATE_DIR=$work/state RZ_LOCK_FILE=$work/updater.lock
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

# The device's own time: the simulated instrument's default timing of a full
# RZ610S update (boot and run clear and write, FPGA clear and write), not a
# measurement of hardware. The log announces 10 s, 10 s and 6 min for it.
echo "Verifying the signature and every image of a full RZ610S update, each image read once and copied (median of 5):"
"$bin/rzsim" device --file "$work/rz610s.json" --model RZ610S --serial 1 >/dev/null
device_ms=$("$bin/rzsim" show --file "$work/rz610s.json" \
    | sed -n 's/^Timing: *clear \([0-9]*\) ms, write \([0-9]*\) ms, FPGA clear \([0-9]*\) ms, FPGA write \([0-9]*\) ms$/\1 \2 \3 \4/p' \
    | awk '{ print 2 * ($1 + $2) + $3 + $4 }')
announced_ms=$(( (10 + 10 + 6 * 60) * 1000 ))
# A release that does not verify stops the bench: a refusal is not a time.
five() {
    local t times=()
    for _ in 1 2 3 4 5; do
        t=$("$bin/updater_bench" verify "$1" 2>/dev/null) || {
            echo "FAILED: the release in $PWD/firmware did not verify" >&2
            return 1
        }
        times+=("$t")
    done
    printf '%s\n' "${times[@]}" | median5
}
v=$(QT_QPA_PLATFORM=offscreen five "$bin/../demo-key")
echo "  rzsim's images (4 KiB each): ${v} ms, $(percent "$v" "$device_ms") of the simulated instrument's ${device_ms} ms (goal: at most 1%)"
# The same with images the size of real ones, signed by a throw-away key, under
# the names rzsim gave this release's RZ610S images (FX3 .img, FPGA .rbf).
mkdir -p large/firmware large/keys
(
    cd large/firmware
    for image in "$work"/firmware/RZ610S-*; do
        case $image in
            *.img) size=$((256 * 1024)) ;;
            *.rbf) size=$((16 * 1024 * 1024)) ;;
            *) echo "FAILED: no size for the image $image" >&2; exit 1 ;;
        esac
        head -c "$size" /dev/urandom >"$(basename "$image")"
    done
    sha256sum -- RZ610S-* >SHA256SUMS
    minisign -G -W -p ../keys/bench.pub -s ../bench.key >/dev/null
    minisign -S -s ../bench.key -m SHA256SUMS -t "bench release" >/dev/null
)
l=$(cd large && QT_QPA_PLATFORM=offscreen five "$work/large/keys")
echo "  images of 256 KiB (FX3) and 16 MiB (FPGA): ${l} ms, $(percent "$l" "$device_ms") of the simulated instrument's ${device_ms} ms, $(percent "$l" "$announced_ms") of the ${announced_ms} ms the log announces"
