#!/usr/bin/env bash
# Replays recorded stories (tests/recordings/NAME.jsonl, every one unless
# named) with the programs of two build trees, e.g. the Qt 5 and the Qt 6
# build, and fails unless both runs of a story leave the same session log and
# print the same JSON report, exit code and history rows. Times, the work folder, the log's
# file name and the release key's id (each build makes its own demo key)
# are masked; notices of a call past its estimate, which depend on the
# machine's speed, are dropped.
#
#   tools/compare-qt-builds.sh BUILD_DIR OTHER_BUILD_DIR [NAME...]
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 2 ] || { echo "usage: tools/compare-qt-builds.sh BUILD_DIR OTHER_BUILD_DIR [NAME...]" >&2; exit 2; }
labels=("$1" "$2")
builds=("$(cd "$1" && pwd)" "$(cd "$2" && pwd)")
shift 2
recordings=$(pwd)/tests/recordings
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for recording in "$recordings"/*.jsonl; do
        names+=("$(basename "$recording" .jsonl)")
    done
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The arguments a story was run with: its expected result's, else its
# recording's action.
arguments() {
    python3 - "$recordings/$1" <<'PY'
import json, sys
expected = json.load(open(sys.argv[1] + ".expected.json", encoding="utf-8"))
action = json.loads(open(sys.argv[1] + ".jsonl", encoding="utf-8").readline())["action"]
print("\n".join(expected.get("arguments") or action.split()))
PY
}

# replay BUILD NAME FOLDER: the session log, the report and the history's
# rows, masked, in FOLDER/result
replay() {
    local build=$1 name=$2 folder=$3
    mkdir -p "$folder"
    "$build/bin/rzsim" firmware --key "$build/demo-key/rzsim.key" "$folder/firmware" >/dev/null
    local status=0
    mapfile -t words < <(arguments "$name")
    (cd "$folder" && env LANG=C.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= QT_QPA_PLATFORM=offscreen \
        RZ_SIM_REPLAY="$recordings/$name.jsonl" RZ_SIM_TIME_SCALE=0 RZ_STALL_SCALE=0.01 \
        RZ_STATE_DIR="$folder/state" RZ_LOCK_FILE="$folder/updater.lock" XDG_STATE_HOME="$folder/home-state" \
        LD_LIBRARY_PATH="$build/bin" "$build/bin/rz-firmware-updater" "${words[@]}" --json \
        >"$folder/report.json" 2>/dev/null) || status=$?
    (cd "$folder" && env LANG=C.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= QT_QPA_PLATFORM=offscreen \
        RZ_STATE_DIR="$folder/state" RZ_LOCK_FILE="$folder/updater.lock" XDG_STATE_HOME="$folder/home-state" \
        LD_LIBRARY_PATH="$build/bin" "$build/bin/rz-firmware-updater" history --json >"$folder/history.json" 2>&1) \
        || echo "history: exit code $?" >>"$folder/history.json"
    { echo "exit code $status"; cat "$folder/report.json" "$folder"/state/*.log "$folder/history.json"; } \
        | grep -v 'Still working: ' \
        | sed -E -e "s|$folder|WORK|g" \
                 -e 's/[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}(Z|[+-][0-9]{2}:[0-9]{2})/TIME/g' \
                 -e 's/[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{2}-[0-9]{2}-[0-9]{2}(-[0-9]+)?\.log/LOG/g' \
                 -e 's/"(key|releaseKey)": ?"[0-9A-F]{16}"/"\1": "KEY"/g' >"$folder/result"
}

failed=0
for name in "${names[@]}"; do
    replay "${builds[0]}" "$name" "$work/$name/1"
    replay "${builds[1]}" "$name" "$work/$name/2"
    if diff -u --label "${labels[0]}: $name" --label "${labels[1]}: $name" "$work/$name/1/result" "$work/$name/2/result"; then
        echo "ok: $name leaves the same session log, report and history with both builds"
    else
        failed=1
    fi
done
exit $failed
