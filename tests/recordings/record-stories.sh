#!/bin/sh
# Makes this folder's recordings of the main stories against the simulated
# instrument: for each, NAME.jsonl (RZ_API_RECORD) and NAME.expected.json
# (the exit code and the lines the run printed). Run it again, from the
# project's folder, when the updater's calls or lines change on purpose:
#   tests/recordings/record-stories.sh [BUILD_DIR] [NAME...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
[ $# -gt 0 ] && shift
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/rzsim" firmware --key "$build/demo-key/rzsim.key" "$work/firmware" >/dev/null

# story NAME "rzsim device options" updater arguments...
story() {
    name=$1 device=$2
    shift 2
    if [ -n "$wanted" ] && ! echo " $wanted " | grep -q " $name "; then
        return 0
    fi
    rm -rf "$work/state" "$work/trace.log"
    # shellcheck disable=SC2086 # the options are words
    "$bin/rzsim" device --file "$work/rzsim-device.json" --fast $device >/dev/null
    status=0
    # The lines in English, as the test reads them.
    (cd "$work" && LANG=C.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= \
        RZ_SIM_DEVICE="$work/rzsim-device.json" RZ_STATE_DIR="$work/state" \
        RZ_LOCK_FILE="$work/updater.lock" RZ_STALL_SCALE=0.01 RZ_API_RECORD="$here/$name.jsonl" \
        LD_LIBRARY_PATH="$bin" "$bin/rz-firmware-updater" "$@" >"$work/lines") || status=$?
    python3 - "$work/lines" "$status" >"$here/$name.expected.json" <<'PY'
import json, sys
lines = open(sys.argv[1], encoding="utf-8").read().split("\n")[:-1]
# Notices of a call past its estimate depend on the machine's speed.
lines = [line for line in lines if not line.startswith("Still working: ")]
print(json.dumps({"exitCode": int(sys.argv[2]), "lines": lines}, indent=2, ensure_ascii=False))
PY
    echo "$name: exit $status"
}

wanted="$*"
story update-usb "--model RZ610R --serial 12345 --boot 3 --run 4 --fpga 9" update
story update-network "--model RZ610T --serial 777 --fx3 8 --fpga 6" update
story restore-boot-mode "--model RZ610S --serial 12345 --invalid fpga" restore
story bootstrap-after-selector "--model RZ870S --serial 12345 --invalid boot" restore --model RZ870S
story failed-write "--model RZ610R --serial 12345 --boot 4 --run 5 --fpga 9 --fault rzConfigUSBWriteFPGAProgram:5" update
story stuck-call "--model RZ610R --serial 12345 --boot 3 --run 5 --fpga 10 --stall rzConfigUSBClearBootSector" update
story identity-refusal "--model RZ610R --serial 12345 --boot 4 --run 5 --fpga 9 --fault rzConfigUSBGetDeviceType:5" update
