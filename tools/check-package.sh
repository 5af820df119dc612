#!/usr/bin/env bash
# Makes the Debian package of a built tree and checks it: lintian reports no
# error and the README has a note on every warning left; built with the
# simulated instrument, the package carries librz_api.so only in the private
# /usr/lib/rz-firmware-updater/, where the packaged updater finds it; built
# against the maker's library, it carries none. Either way the release's
# images come with a checksum list that holds for them, and the package
# carries the keys the build trusts: with the simulated instrument the demo
# key, whose signature of the shipped list minisign accepts; against the
# maker's library only the keys RZ_RELEASE_KEYS named.
#
#   tools/check-package.sh [BUILD_DIR]     (default: build; needs dpkg-dev, file, lintian, minisign)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

fail() { echo "FAILED: $*" >&2; exit 1; }

rm -f "$build"/rz-firmware-updater_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(echo "$build"/rz-firmware-updater_*.deb)
[ -f "$package" ] || fail "cpack made no package in $build"

if ! report=$(lintian --fail-on error "$package" 2> >(grep -v 'root privileges' >&2)); then
    echo "$report"
    fail "lintian reports errors on $package"
fi
[ -z "$report" ] || echo "$report"
for tag in $(echo "$report" | awk '$1 == "W:" { print $3 }' | sort -u); do
    grep -q -- "$tag" README.md || fail "lintian warns '$tag' and the README has no note on it"
done
echo "ok: lintian reports no error on $package, and the README explains each warning"

contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$package" "$contents"
(cd "$contents/usr/share/rz-firmware-updater/firmware" && sha256sum --check --strict --quiet SHA256SUMS) \
    || fail "the packaged images do not match their SHA256SUMS"
echo "ok: the packaged images match the SHA256SUMS shipped with them"

keys=$contents/usr/share/rz-firmware-updater/keys
shipped_keys=$(cd "$keys" && ls)
release_keys=$(sed -n 's/^RZ_RELEASE_KEYS:[A-Z]*=//p' "$build/CMakeCache.txt")

libraries=$(dpkg-deb -c "$package" | awk '{ print $6 }' | grep -E 'librz_api\.so|/usr/lib/rz-firmware-updater/$' || true)
maker_library=$(sed -n 's/^RZ_API_LIBRARY:FILEPATH=//p' "$build/CMakeCache.txt")
if [ -n "$maker_library" ]; then
    [ -z "$libraries" ] || fail "built against $maker_library, the package carries: $libraries"
    echo "ok: built against the maker's library, the package carries no device library"
    expected_keys=$(cd "$release_keys" && ls -- *.pub)
    [ "$shipped_keys" = "$expected_keys" ] || fail "the package's keys are '$shipped_keys', not those of $release_keys"
    echo "ok: the package carries only the release keys of $release_keys: $(echo $shipped_keys)"
else
    expected=$'./usr/lib/rz-firmware-updater/\n./usr/lib/rz-firmware-updater/librz_api.so'
    [ "$libraries" = "$expected" ] || fail "the package's device library: $libraries"
    resolved=$(env -u LD_LIBRARY_PATH ldd "$contents/usr/bin/rz-firmware-updater" \
        | sed -n 's/^\s*librz_api\.so => \(\S*\).*/\1/p')
    [ "$resolved" = "$contents/usr/bin/../lib/rz-firmware-updater/librz_api.so" ] \
        || fail "the packaged updater loads librz_api.so from '$resolved'"
    echo "ok: the packaged updater loads the simulated library from /usr/lib/rz-firmware-updater"
    echo "$shipped_keys" | grep -qx rzsim-demo.pub || fail "the package's keys lack the demo key: $shipped_keys"
    (cd "$contents/usr/share/rz-firmware-updater/firmware" && minisign -Vqm SHA256SUMS -p "$keys/rzsim-demo.pub") \
        || fail "the packaged SHA256SUMS is not signed by the packaged demo key"
    echo "ok: the packaged SHA256SUMS is signed by the packaged demo key"
fi
