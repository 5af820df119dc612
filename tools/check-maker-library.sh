#!/usr/bin/env bash
# Builds the updater against a stand-in for the maker's library and checks
# that the stand-in, not the simulated instrument, is what runs, with no
# LD_LIBRARY_PATH. The stand-in is the simulated instrument built as
# build-standin/standin/librz_api.so under its own version string and without
# a SONAME; the updater is built in build-maker with -DRZ_API_LIBRARY naming it.
#
#   tools/check-maker-library.sh
#
# Checks: bin/ holds no librz_api.so; the updater and the walk-through record
# librz_api.so by name, have the stand-in's folder in their RUNPATH and ldd
# resolves it there; the stand-in answers the updater's first call and its
# version is on the banner; the tests pass against the simulated instrument
# they link; the install carries no device library and no RUNPATH.
set -euo pipefail
cd "$(dirname "$0")/.."
unset LD_LIBRARY_PATH RZ_SIM_DEVICE RZ_SIM_TRACE
export QT_QPA_PLATFORM=offscreen

standin_version="maker stand-in 2.7 (check build)"
standin=$PWD/build-standin/standin/librz_api.so
maker=build-maker

fail() { echo "FAILED: $*" >&2; exit 1; }
passed() { echo "ok: $*"; }

cmake -S . -B build-standin -DBUILD_TESTING=OFF -DRZ_BUILD_BENCH=OFF \
    "-DRZ_STANDIN_API_VERSION=$standin_version" >/dev/null
cmake --build build-standin -j "$(nproc)" --target rz_api_standin >/dev/null
readelf -d "$standin" | grep -q SONAME && fail "the stand-in has a SONAME"

# From scratch: what bin/ holds must be what this configuration made.
rm -rf "$maker"
cmake -S . -B "$maker" "-DRZ_API_LIBRARY=$standin" -DRZ_BUILD_BENCH=OFF >/dev/null
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

work=$(mktemp -d)
updater_pid=
cleanup() {
    [ -n "$updater_pid" ] && kill "$updater_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

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

ctest --test-dir "$maker" --output-on-failure >/dev/null || fail "tests in $maker"
resolved=$(ldd "$maker/bin/WindowTest" | sed -n 's/^\s*librz_api\.so => \(\S*\).*/\1/p')
[ "$resolved" = "$PWD/$maker/simulator/librz_api.so" ] || fail "the tests load librz_api.so from '$resolved'"
passed "the tests pass against the simulated instrument in $maker/simulator"

cmake --install "$maker" --prefix "$work/install" >/dev/null
found=$(find "$work/install" -name 'librz_api.so*' -o -path '*/lib/rz-firmware-updater')
[ -z "$found" ] || fail "the install carries: $found"
readelf -d "$work/install/bin/rz-firmware-updater" | grep -qE 'RUNPATH|RPATH' && fail "the installed updater has a RUNPATH"
passed "the install carries no device library and no RUNPATH"
