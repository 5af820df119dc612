#!/usr/bin/env bash
# Installs what is missing, builds, prepares a demo instrument that needs an
# update and opens the updater on it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

install_missing_packages "${PACKAGES[@]}"
build_project build

demo=build/demo
mkdir -p "$demo"
[ -d "$demo/firmware" ] || build/bin/rzsim firmware "$demo/firmware"
[ -f "$demo/rzsim-device.json" ] || build/bin/rzsim device --file "$demo/rzsim-device.json" \
    --model RZ610R --serial 12345 --boot 4 --run 5 --fpga 9

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display to open the updater window on: run ./run.sh from a desktop session, or under a virtual one with: xvfb-run ./run.sh" >&2
    exit 1
fi

cd "$demo"
unset RZ_SIM_DEVICE
exec ../bin/rz-firmware-updater
