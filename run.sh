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

# The build's percentage as it goes: on a terminal redrawn on one line, else
# a line each tenth; a first build takes minutes, and silence reads as a hang.
show_build_progress() {
    local line percent shown=-1
    while IFS= read -r line; do
        printf '%s\n' "$line" >>build/run-build.log
        [[ $line =~ ^\[\ *([0-9]+)%\] ]] || continue
        percent=${BASH_REMATCH[1]}
        if [ -t 1 ]; then
            [ "$percent" -ne "$shown" ] && printf '\rBuilding: %3d%%' "$percent"
        elif [ $((percent / 10)) -ne $((shown / 10)) ] || [ "$shown" -lt 0 ]; then
            echo "Building: $percent%"
        fi
        shown=$percent
    done
    [ -t 1 ] && [ "$shown" -ge 0 ] && echo
    return 0
}

echo "Checking the Debian packages the updater needs..."
install_missing_packages "${PACKAGES[@]}"
echo "Building in build/ (the first build takes a few minutes; its output goes to build/run-build.log)..."
mkdir -p build
: >build/run-build.log
if ! build_project build 2>&1 | show_build_progress; then
    tail -n 30 build/run-build.log >&2
    echo "The build failed; build/run-build.log has its whole output." >&2
    exit 1
fi

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
