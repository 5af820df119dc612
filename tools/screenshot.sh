#!/usr/bin/env bash
# Remakes the pictures in docs/ on a virtual X display: the window after
# start-up, the busy dialog while the FPGA is programmed, a successful and a
# failed update, the downgrade question, the device selector and the update
# history; the window after an update in each language it speaks, and at
# twice the pixels.
# Needs xvfb and, for Japanese and Chinese, fonts-noto-cjk (installed when
# missing).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh
install_missing_packages "${PACKAGES[@]}" xvfb fonts-noto-cjk
build_project build >/dev/null

root=$PWD
docs=$root/docs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$docs"
# The walk-throughs' session logs stay out of the home folder.
export RZ_STATE_DIR=$work/state RZ_LOCK_FILE=$work/updater.lock
# English, whatever the desktop speaks, unless a story says otherwise.
export LANG=C.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES=
# The virtual screen; twice as large for the picture at twice the pixels.
screen=1280x800

# story NAME WALKTHROUGH-OPTIONS... -- RZSIM-DEVICE-OPTIONS...
story() {
    local name=$1
    shift
    local walk=() device=()
    while [ "$1" != "--" ]; do walk+=("$1"); shift; done
    shift
    device=("$@")
    local dir=$work/$name
    mkdir -p "$dir"
    "$root/build/bin/rzsim" firmware --key "$root/build/demo-key/rzsim.key" "$dir/firmware" >/dev/null
    "$root/build/bin/rzsim" device --file "$dir/rzsim-device.json" --serial 12345 "${device[@]}" >/dev/null
    (cd "$dir" && xvfb-run -a -s "-screen 0 ${screen}x24" \
        "$root/build/bin/rz-walkthrough" --pictures "$dir/pictures" --final "$dir/final.png" "${walk[@]}" \
        >/dev/null 2>&1)
}

story update -- --model RZ610R --boot 4 --run 4 --fpga 9 --write-ms 300 --fpga-write-ms 3000
cp "$work/update/pictures/start.png" "$docs/window.png"
cp "$work/update/pictures/busy-fpga-progress.png" "$docs/busy-fpga-progress.png"
cp "$work/update/final.png" "$docs/update-succeeded.png"
cp "$work/update/pictures/history.png" "$docs/update-history.png"

story failed -- --model RZ610S --boot 4 --run 8 --fpga 13 --fast --fault rzConfigUSBWriteFPGAProgram:4
cp "$work/failed/final.png" "$docs/update-failed.png"

story downgrade --downgrade no -- --model RZ610R --boot 4 --run 6 --fpga 9 --fast
cp "$work/downgrade/pictures/downgrade-question.png" "$docs/downgrade-question.png"

story bootstrap --model RZ610R -- --model RZ610R --invalid boot --fast
cp "$work/bootstrap/pictures/selector.png" "$docs/device-selector.png"

# The window after an update, in each language of translations/.
for language in de fr ja zh_CN; do
    (export LANG=$language.UTF-8
     story "update-$language" -- --model RZ610R --boot 4 --run 4 --fpga 9 --fast)
    cp "$work/update-$language/final.png" "$docs/window-$language.png"
done

# High DPI: the window scaled by two, as on a screen of twice the density.
(export QT_SCALE_FACTOR=2 screen=2560x1600
 story update-scaled -- --model RZ610R --boot 4 --run 4 --fpga 9 --fast)
cp "$work/update-scaled/final.png" "$docs/window-scale2.png"

ls -1 "$docs"/*.png
