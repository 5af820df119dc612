#!/usr/bin/env bash
# Installs what is missing, builds, prepares a demo instrument that needs an
# update and opens the updater on it. Without a display, a scripted operator
# does the job in an offscreen window and prints the log as it goes.
#
#   ./run.sh                  the updater on the demo instrument
#   ./run.sh --reset          first put the demo instrument back to its old firmware
#   ./run.sh --story NAME     a scripted walk-through of one story, from a fresh instrument:
#                             update (old firmware), boot-mode (answers only in boot mode),
#                             no-answer (answers nothing until bootstrapped as RZ610R)
#   ./run.sh --walkthrough    the scripted walk-through even where there is a display
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

reset=false walkthrough=false story=update
while [ $# -gt 0 ]; do
    case $1 in
        --reset) reset=true ;;
        --walkthrough) walkthrough=true ;;
        --story) story=${2:?--story needs a name}; reset=true; walkthrough=true; shift ;;
        *) echo "usage: ./run.sh [--reset] [--walkthrough] [--story update|boot-mode|no-answer]" >&2; exit 2 ;;
    esac
    shift
done
case $story in
    update) invalid=() ;;
    boot-mode) invalid=(--invalid run) ;;
    no-answer) invalid=(--invalid boot) ;;
    *) echo "Unknown story '$story': use update, boot-mode or no-answer." >&2; exit 2 ;;
esac

install_missing_packages "${PACKAGES[@]}"
build_project build >/dev/null

demo=build/demo
mkdir -p "$demo"
# Made again when it lacks a signature the build's demo key made.
if [ ! -f "$demo/firmware/SHA256SUMS.minisig" ] \
    || ! minisign -Vqm "$demo/firmware/SHA256SUMS" -p build/demo-key/rzsim.pub 2>/dev/null; then
    rm -rf "$demo/firmware"
    build/bin/rzsim firmware --key build/demo-key/rzsim.key "$demo/firmware" >/dev/null
fi
if $reset || [ ! -f "$demo/rzsim-device.json" ]; then
    build/bin/rzsim device --file "$demo/rzsim-device.json" \
        --model RZ610R --serial 12345 --boot 4 --run 5 --fpga 9 "${invalid[@]}" >/dev/null
    echo "Demo instrument: an RZ610R, serial 12345, at firmware 4.5.9${invalid:+ (${invalid[*]})}."
fi

cd "$demo"
unset RZ_SIM_DEVICE
# The demo's records, logs and lock stay beside its simulated instrument.
export RZ_STATE_DIR=$PWD/state RZ_LOCK_FILE=$PWD/updater.lock
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here: a scripted operator runs the updater in an offscreen window instead."
    walkthrough=true
    export QT_QPA_PLATFORM=offscreen
fi
if $walkthrough; then
    # Qt's notes about the offscreen platform are no news to the reader.
    exec ../bin/rz-walkthrough --model RZ610R --final "$PWD/walkthrough.png" \
        2> >(grep -v -e 'propagateSizeHints' -e 'XDG_RUNTIME_DIR' >&2)
fi
exec ../bin/rz-firmware-updater
