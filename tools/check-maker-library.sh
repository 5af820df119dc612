#!/usr/bin/env bash
# Builds the updater against a stand-in for the maker's library and checks
# that the stand-in, not the simulated instrument, is what runs, with no
# LD_LIBRARY_PATH. The stand-in is the simulated instrument built as
# build-standin/standin/librz_api.so under its own version string and without
# a SONAME; the updater is built in build-maker with -DRZ_API_LIBRARY naming it,
# -DRZ_RELEASE_KEYS naming a folder with a throw-away release key made by
# minisign in build-standin/release-keys (its secret half beside it),
# -DRZ_RELEASE_FIRMWARE naming the maker's release (images written by the
# stand-in build's rzsim, their list signed with that key by minisign) in
# build-standin/release, and -DRZ_USB_IDS with made-up IDs.
#
#   tools/check-maker-library.sh
#
# Checks: the stand-in lacks the simulated library's own extension; without
# RZ_RELEASE_KEYS the build does not configure, nor without
# RZ_RELEASE_FIRMWARE, nor with a release the demo key signed or signed by a
# key RZ_REVOKED_KEYS revokes; bin/ holds no
# librz_api.so; the updater and the walk-through record librz_api.so by name,
# have the stand-in's folder in their RUNPATH and ldd resolves it there; the
# stand-in answers the updater's first call and its version is on the banner;
# the updater trusts the release key and not the demo key; the tests pass
# against the simulated instrument they link; the install carries no device
# library, no rzsim, no RUNPATH and only the release key.
set -euo pipefail
cd "$(dirname "$0")/.."
unset LD_LIBRARY_PATH RZ_SIM_DEVICE RZ_SIM_TRACE
export QT_QPA_PLATFORM=offscreen

standin_version="maker stand-in 2.7 (check build)"
standin=$PWD/build-standin/standin/librz_api.so
release_keys=$PWD/build-standin/release-keys
release_secret=$PWD/build-standin/release-key/release.key
release=$PWD/build-standin/release
usb_ids=abcd:0610,ABCD:0611
maker=build-maker

fail() { echo "FAILED: $*" >&2; exit 1; }
passed() { echo "ok: $*"; }

work=$(mktemp -d)
updater_pid=
cleanup() {
    [ -n "$updater_pid" ] && kill "$updater_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

cmake -S . -B build-standin -DBUILD_TESTING=OFF -DRZ_BUILD_BENCH=OFF \
    "-DRZ_STANDIN_API_VERSION=$standin_version" >/dev/null
cmake --build build-standin -j "$(nproc)" --target rz_api_standin rz_release_keys >/dev/null
readelf -d "$standin" | grep -q SONAME && fail "the stand-in has a SONAME"
# The maker's library has no call of the simulated one's own: with it, the
# updater never takes a run for a rehearsal, whatever RZ_SIM_REPLAY says.
nm -D --defined-only "$standin" | grep -qw rzsimReplaySource && fail "the stand-in exports rzsimReplaySource"

# The maker's release key, a throw-away one; kept while build-maker uses it.
rm -rf "$release_keys" "$(dirname "$release_secret")"
mkdir -p "$release_keys" "$(dirname "$release_secret")"
minisign -G -W -p "$release_keys/release.pub" -s "$release_secret" >/dev/null
# minisign's comment gives the ID without its leading zeros; the build
# names a key by all 16 digits.
release_id=$(head -n1 "$release_keys/release.pub" | awk '{ printf "%16s", $NF }' | tr ' ' 0)

# The maker's release: images signed first by the stand-in build's demo key,
# which the maker's build must refuse, then by the release key.
rm -rf "$release"
build-standin/bin/rzsim firmware --key build-standin/demo-key/rzsim.key "$release" >/dev/null
maker_options=("-DRZ_API_LIBRARY=$standin" "-DRZ_RELEASE_KEYS=$release_keys" "-DRZ_USB_IDS=$usb_ids" -DRZ_BUILD_BENCH=OFF)
for attempt in no-release demo-signed; do
    folder=()
    [ "$attempt" = demo-signed ] && folder=("-DRZ_RELEASE_FIRMWARE=$release")
    if cmake -S . -B "$work/$attempt" "${maker_options[@]}" "${folder[@]}" -DBUILD_TESTING=OFF \
        >/dev/null 2>"$work/$attempt.log"; then
        fail "built against the maker's library, the build configures with $attempt firmware"
    fi
    grep -q 'RZ_RELEASE_FIRMWARE' "$work/$attempt.log" || fail "the configure error does not name RZ_RELEASE_FIRMWARE"
done
passed "without RZ_RELEASE_FIRMWARE, or with a release the demo key signed, the maker's build does not configure"
rm "$release/SHA256SUMS.minisig"
minisign -S -s "$release_secret" -m "$release/SHA256SUMS" -t "maker release for the check" >/dev/null

if cmake -S . -B "$work/no-keys" "-DRZ_API_LIBRARY=$standin" -DBUILD_TESTING=OFF -DRZ_BUILD_BENCH=OFF \
    >/dev/null 2>"$work/no-keys.log"; then
    fail "built against the maker's library, the build configures without RZ_RELEASE_KEYS"
fi
grep -q 'RZ_RELEASE_KEYS' "$work/no-keys.log" || fail "the configure error does not name RZ_RELEASE_KEYS"
passed "without RZ_RELEASE_KEYS, a build against the maker's library does not configure"

# A release signed by a key the build itself revokes would be refused by
# the package that carries it.
printf '# revoked for the check\n%s\n' "$release_id" >"$work/revoked-keys"
if cmake -S . -B "$work/revoked" "${maker_options[@]}" "-DRZ_RELEASE_FIRMWARE=$release" \
    "-DRZ_REVOKED_KEYS=$work/revoked-keys" -DBUILD_TESTING=OFF >/dev/null 2>"$work/revoked.log"; then
    fail "the maker's build configures with a release signed by a key it revokes"
fi
# cmake folds its messages' lines.
tr -s '\n ' '  ' <"$work/revoked.log" | grep -q "by key $release_id, which RZ_REVOKED_KEYS revokes" \
    || fail "the configure error does not name the revoked key $release_id"
passed "with its release key revoked, the maker's build does not configure"

# From scratch: what bin/ holds must be what this configuration made.
rm -rf "$maker"
cmake -S . -B "$maker" "${maker_options[@]}" "-DRZ_RELEASE_FIRMWARE=$release" >/dev/null
cmake --build "$maker" -j "$(nproc)" >/dev/null

found=$(find "$maker/bin" -name 'librz_api.so*')
[ -z "$found" ] || fail "$maker/bin holds a device library: $found"
passed "$maker/bin holds no librz_api.so"

for program in rz-firmware-updater rz-walkthrough; do
    binary=$maker/bin/$program
    needed=$(readelf -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*rz_api.*\)\]/\1/p')
    [ "$needed" = librz_api.so ] || fail "$program records the device library as '$needed'"
    runpath=$(readelf -d "$binary" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
    [[ ":$runpath:" == *":$(dirname "$standin"):"* ]] || fail "$program's RUNPATH '$runpath' lacks the stand-in's folder"
    resolved=$(ldd "$binary" | sed -n 's/^\s*librz_api\.so => \(\S*\).*/\1/p')
    [ "$resolved" = "$standin" ] || fail "$program loads librz_api.so from '$resolved'"
    passed "$program records librz_api.so, RUNPATH $runpath, loads $resolved"
done

# The stand-in traces its calls like the simulated instrument: the updater's
# first call, made for its banner, shows which library answered.
(cd "$work" && RZ_SIM_TRACE="$work/trace.log" exec "$OLDPWD/$maker/bin/rz-firmware-updater" 2>/dev/null) &
updater_pid=$!
for _ in $(seq 600); do
    grep -q '^rzGetAPIVersion' "$work/trace.log" 2>/dev/null && break
    kill -0 "$updater_pid" 2>/dev/null || break
    sleep 0.1
done
kill "$updater_pid" 2>/dev/null || true
wait "$updater_pid" 2>/dev/null || true
updater_pid=
answer=$(grep -m1 '^rzGetAPIVersion' "$work/trace.log" 2>/dev/null || true)
[ "$answer" = "rzGetAPIVersion() -> \"$standin_version\"" ] || fail "the updater's library answered: '$answer'"
passed "the updater's rzGetAPIVersion answered \"$standin_version\""

banner=$(cd "$work" && "$OLDPWD/$maker/bin/rz-walkthrough" --final "$work/window.png" 2>/dev/null \
    | grep -m1 '^Using RZ API version' || true)
[ "$banner" = "Using RZ API version $standin_version" ] || fail "the banner reads '$banner'"
passed "the window's banner reads: $banner"

# Firmware written by rzsim is signed with the build's demo key, which this
# build does not trust; the same folder signed with the release key passes.
trusted=$(ls "$maker/share/rz-firmware-updater/keys")
[ "$trusted" = release.pub ] || fail "$maker trusts: $trusted"
mkdir -p "$work/trust/runtime"
(
    cd "$work/trust"
    export XDG_STATE_HOME=$work/trust/state XDG_RUNTIME_DIR=$work/trust/runtime
    updater=$OLDPWD/$maker/bin/rz-firmware-updater
    "$OLDPWD/$maker/bin/rzsim" firmware --key "$OLDPWD/$maker/demo-key/rzsim.key" firmware >/dev/null
    "$OLDPWD/$maker/bin/rzsim" device --model RZ610R --serial 12345 --boot 4 --run 5 --fpga 9 --fast >/dev/null
    status=0
    "$updater" check >check.log 2>check.err || status=$?
    [ "$status" -eq 4 ] && grep -qx 'The firmware in ./firmware is not signed by a trusted key; nothing will be written.' check.log \
        && grep -qx 'rz-firmware-updater: Cannot write RZ610R 12345: The firmware in ./firmware is not signed by a trusted key; nothing will be written.' check.err \
        || fail "the maker's build took the demo key's signature (exit $status)"
    rm firmware/SHA256SUMS.minisig
    minisign -S -s "$release_secret" -m firmware/SHA256SUMS -t "maker release for the check" >/dev/null
    status=0
    "$updater" check --json >report.json 2>/dev/null || status=$?
    [ "$status" -eq 10 ] || fail "the maker's build refused a release signed with its release key (exit $status)"
    grep -q "\"key\": \"0*$release_id\"" report.json || fail "the report names another key: $(grep -A1 '"release"' report.json)"
)
passed "$maker trusts only its release key $release_id: the demo key's signature is refused, the release key's taken"

ctest --test-dir "$maker" --output-on-failure >/dev/null || fail "tests in $maker"
resolved=$(ldd "$maker/bin/WindowTest" | sed -n 's/^\s*librz_api\.so => \(\S*\).*/\1/p')
[ "$resolved" = "$PWD/$maker/simulator/librz_api.so" ] || fail "the tests load librz_api.so from '$resolved'"
passed "the tests pass against the simulated instrument in $maker/simulator"

cmake --install "$maker" --prefix "$work/install" >/dev/null
found=$(find "$work/install" -name 'librz_api.so*' -o -path '*/lib/rz-firmware-updater' -o -name 'rzsim*')
[ -z "$found" ] || fail "the install carries: $found"
readelf -d "$work/install/bin/rz-firmware-updater" | grep -qE 'RUNPATH|RPATH' && fail "the installed updater has a RUNPATH"
installed_keys=$(ls "$work/install/share/rz-firmware-updater/keys")
[ "$installed_keys" = release.pub ] || fail "the install's keys: $installed_keys"
passed "the install carries no device library, no rzsim, no RUNPATH, and only the release key"
