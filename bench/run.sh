#!/usr/bin/env bash
# CPU share of the GUI process while it waits for a worker under the busy
# dialog, against a bare Qt program showing the same busy bar, in one run.
# Uses a real X server (Xvfb) when one can be started, else offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
[ -x build/bin/wait_cpu_bench ] || { cmake -S . -B build >/dev/null && cmake --build build -j "$(nproc)" --target wait_cpu_bench >/dev/null; }

run() {
    if [ -n "${DISPLAY:-}" ]; then
        build/bin/wait_cpu_bench "$@"
    elif command -v xvfb-run >/dev/null; then
        xvfb-run -a build/bin/wait_cpu_bench "$@" 2>/dev/null
    else
        QT_QPA_PLATFORM=offscreen build/bin/wait_cpu_bench "$@" 2>/dev/null
    fi
}

share() { awk '{ printf "%.1f", 100 * $2 / $3 }'; }

bare=$(run bare "$seconds" | share)
updater=$(run updater "$seconds" | share)
spin=$(run spin "$seconds" | share)
echo "CPU share of one core while waiting ${seconds} s under the busy dialog:"
echo "  bare Qt busy dialog:             ${bare}%"
echo "  updater (waits on finished):     ${updater}%  (ratio to bare: $(awk -v a="$updater" -v b="$bare" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'))"
echo "  processEvents() loop, no pause:  ${spin}%  (ratio to bare: $(awk -v a="$spin" -v b="$bare" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'))"
