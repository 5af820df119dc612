#!/usr/bin/env bash
# Takes a picture of the updater window after start-up, on a virtual X
# display, into docs/window.png. Needs xvfb and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh
install_missing_packages xvfb imagemagick
[ -x build/bin/rz-firmware-updater ] || build_project build

root=$PWD
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/bin/rzsim firmware "$work/firmware" >/dev/null
build/bin/rzsim device --file "$work/rzsim-device.json" --model RZ610R --serial 12345 --boot 4 --run 5 --fpga 9 >/dev/null
mkdir -p docs
cd "$work"
export UPDATER="$root/build/bin/rz-firmware-updater" OUT="$root/docs/window.png"
xvfb-run -a -s "-screen 0 1024x600x24" bash -c '
    "$UPDATER" 2>/dev/null &
    app=$!
    sleep 2
    import -window root -crop 800x400+0+0 "$OUT"
    kill $app'
echo "Saved $OUT"
