#!/usr/bin/env bash
# What the updater costs, each figure a ratio against a bare Qt program doing
# the same visible work, measured in the same run. Uses a real X server
# (Xvfb) when one can be started, else the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh
# sqlite3 prints the history's baseline; Xvfb gives a real X server.
install_missing_packages "${PACKAGES[@]}" sqlite3 xvfb
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
"$bin/rzsim" firmware --key "$bin/../demo-key/rzsim.key" firmware >/dev/null

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

# Two histories made by the updater and grown by SQL; each figure at a
# million attempts against the same at a thousand, or against sqlite3
# printing the same rows. The lock is the bench's own.
echo "The update history at 1,000 and at 1,000,000 attempts (median of 3 runs):"
small=$work/history-1k large=$work/history-1m
RZ_STATE_DIR=$small "$bin/history_bench" seed 1000
RZ_STATE_DIR=$large "$bin/history_bench" seed 1000000
at() { local folder=$1; shift; RZ_STATE_DIR=$folder RZ_LOCK_FILE=$work/history.lock "$@"; }
u=$(for _ in 1 2 3; do at "$small" "$bin/history_bench" record updater; done | median)
b=$(for _ in 1 2 3; do at "$small" "$bin/history_bench" record bare; done | median)
echo "  recording an attempt (insert and finish): updater ${u} ms (goal at most 5 ms), plain Qt SQL ${b} ms; ratio $(ratio "$u" "$b")"
s=$(for _ in 1 2 3; do at "$small" "$bin/history_bench" open updater; done | median)
l=$(for _ in 1 2 3; do at "$large" "$bin/history_bench" open updater; done | median)
p=$(for _ in 1 2 3; do at "$large" "$bin/history_bench" open bare; done | median)
d=$(at "$large" "$bin/history_bench" check)
echo "  opening it before a write: ${l} ms at a million, ${s} ms at a thousand; ratio $(ratio "$l" "$s") (goal at most 2.0, or +50 ms); a plain open ${p} ms; once a day, with the whole file's check (given up after a second), ${d} ms"
columns=$("$bin/rz-firmware-updater" history --csv </dev/null 2>/dev/null | head -1 | tr ',' ' ' | sed 's/ /, /g')
third() { sort -n -k1,1 | sed -n 2p; }
u=$(for _ in 1 2 3; do at "$large" "$bin/history_bench" peak "$bin/rz-firmware-updater" history --json; done | third)
b=$(for _ in 1 2 3; do at "$large" "$bin/history_bench" peak sqlite3 -json "$large/history.db" "SELECT $columns FROM attempts ORDER BY id DESC"; done | third)
echo "  history --json at a million: $(echo "$u" | awk '{print $1}') ms, peak $(echo "$u" | awk '{printf "%.1f", $2 / 1024}') MB (goal at most 64 MB); sqlite3 -json printing the same rows $(echo "$b" | awk '{print $1}') ms, peak $(echo "$b" | awk '{printf "%.1f", $2 / 1024}') MB; ratio $(ratio "$(echo "$u" | awk '{print $1}')" "$(echo "$b" | awk '{print $1}')") (goal at most 1.5)"
l=$(for _ in 1 2 3; do at "$large" "$bin/history_bench" peak "$bin/rz-firmware-updater" history --serial 12345; done | third | awk '{print $1}')
s=$(for _ in 1 2 3; do at "$small" "$bin/history_bench" peak "$bin/rz-firmware-updater" history --serial 12345; done | third | awk '{print $1}')
echo "  history --serial 12345 (ten attempts): ${l} ms at a million, ${s} ms at a thousand; ratio $(ratio "$l" "$s") (goal at most 2.0, or +50 ms)"
l=$(for _ in 1 2 3; do at "$large" run "$bin/history_bench" dialog; done)
s=$(for _ in 1 2 3; do at "$small" run "$bin/history_bench" dialog; done)
lt=$(echo "$l" | awk '{print $1}' | median); st=$(echo "$s" | awk '{print $1}' | median)
lm=$(echo "$l" | awk '{print $2}' | median); sm=$(echo "$s" | awk '{print $2}' | median)
echo "  \"Update History...\" to the dialog's first paint: ${lt} ms at a million, ${st} ms at a thousand; ratio $(ratio "$lt" "$st") (goal at most 2.0, or +300 ms)"
echo "  the window's peak memory with it: $((lm / 1024)) MB at a million, $((sm / 1024)) MB at a thousand; ratio $(ratio "$lm" "$sm") (goal at most 2.0, or +50 MB)"

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
