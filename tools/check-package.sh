#!/usr/bin/env bash
# Makes the Debian packages of a built tree and checks them with the tools of
# Debian and the desktop: rz-firmware-updater, and with the simulated
# instrument rz-firmware-simulator (rzsim, depending on the updater's
# package), which a build against the maker's library does not make. On each,
# lintian reports no error and no hardening tag (informational and pedantic
# tags shown too), and docs/administrators.md has a note on every warning left; no
# installed file names the build folder; the software centre's entry passes appstreamcli
# --pedantic with nothing to say, the menu entry desktop-file-validate, the
# manual pages mandoc's lint at warning level; the PNG icons have their sizes.
# Built with the simulated instrument, the package carries librz_api.so only
# in the private /usr/lib/rz-firmware-updater/, where the packaged updater
# finds it; built against the maker's library, it carries none. Either way the
# release's images come with a checksum list that holds for them, signed by a
# key the package carries: the demo key with the simulated instrument, one of
# the keys RZ_RELEASE_KEYS named (and only those) against the maker's library.
# Built with RZ_USB_IDS the package carries a udev rule for each ID, else
# none. The updater's package depends on the Qt it was built with (RZ_QT_MAJOR),
# its SQLite driver included, and on no other.
#
#   tools/check-package.sh [BUILD_DIR]     (default: build; needs dpkg-dev, file, lintian, minisign,
#                                           appstream, desktop-file-utils, mandoc)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

fail() { echo "FAILED: $*" >&2; exit 1; }

rm -f "$build"/rz-firmware-updater_*.deb "$build"/rz-firmware-simulator_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(echo "$build"/rz-firmware-updater_*.deb)
[ -f "$package" ] || fail "cpack made no package in $build"
simulator=$(echo "$build"/rz-firmware-simulator_*.deb)
maker_library=$(sed -n 's/^RZ_API_LIBRARY:FILEPATH=//p' "$build/CMakeCache.txt")
if [ -n "$maker_library" ]; then
    [ ! -e "$simulator" ] || fail "built against the maker's library, cpack made $simulator"
    packages=("$package")
else
    [ -f "$simulator" ] || fail "cpack made no simulator package in $build"
    packages=("$package" "$simulator")
fi

build_path=$(cd "$build" && pwd)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
for deb in "${packages[@]}"; do
    if ! report=$(lintian --fail-on error --display-info --pedantic "$deb" 2> >(grep -v 'root privileges' >&2)); then
        echo "$report"
        fail "lintian reports errors on $deb"
    fi
    [ -z "$report" ] || echo "$report"
    for tag in $(echo "$report" | awk '$1 == "W:" { print $3 }' | sort -u); do
        grep -q -- "$tag" docs/administrators.md || fail "lintian warns '$tag' and docs/administrators.md has no note on it"
    done
    hardening=$(echo "$report" | grep -E '^[A-Z]: [^ ]+: hardening-' || true)
    [ -z "$hardening" ] || fail "lintian finds binaries built without hardening: $hardening"
    echo "ok: lintian reports no error and no hardening tag on $deb, and docs/administrators.md explains each warning"

    # A path of the build folder would not exist where the package is
    # installed, and would make the package differ from one built elsewhere.
    dpkg-deb -x "$deb" "$unpacked/$(basename "$deb")"
    named=$(cd "$unpacked/$(basename "$deb")" && grep -rlF -- "$build_path" . || true)
    [ -z "$named" ] || fail "files of $deb name the build folder $build_path: $named"
    echo "ok: no file of $deb names the build folder"
done
contents=$unpacked/$(basename "$package")
qt_major=$(sed -n 's/^RZ_QT_MAJOR:[A-Z]*=//p' "$build/CMakeCache.txt")
case ${qt_major:-5} in
    6) own=libqt6sql6-sqlite other=libqt5 ;;
    *) own=libqt5sql5-sqlite other=libqt6 ;;
esac
depends=$(dpkg-deb -f "$package" Depends)
[[ ", $depends," == *", $own,"* && $depends != *$other* ]] \
    || fail "built against Qt ${qt_major:-5}, $package depends on: $depends"
echo "ok: the updater's package depends on Qt ${qt_major:-5} and its SQLite driver ($own)"
(cd "$contents/usr/share/rz-firmware-updater/firmware" && sha256sum --check --strict --quiet SHA256SUMS) \
    || fail "the packaged images do not match their SHA256SUMS"
echo "ok: the packaged images match the SHA256SUMS shipped with them"

application=$(cd "$contents/usr/share/applications" && ls)
metainfo=$(cd "$contents/usr/share/metainfo" && ls)
[ "${application%.desktop}" = "${metainfo%.metainfo.xml}" ] \
    || fail "the menu entry $application and the software centre's entry $metainfo have different ids"
grep -q "<launchable type=\"desktop-id\">$application</launchable>" "$contents/usr/share/metainfo/$metainfo" \
    || fail "$metainfo does not launch $application"
validation=$(appstreamcli validate --pedantic --no-net --strict "$contents/usr/share/metainfo/$metainfo" 2>&1) \
    || fail "appstreamcli: $validation"
echo "$validation" | grep -qE '^[EWIP]: ' && fail "appstreamcli has something to say: $validation"
desktop-file-validate "$contents/usr/share/applications/$application" || fail "desktop-file-validate: $application"
grep -q '^Keywords=.' "$contents/usr/share/applications/$application" || fail "$application has no Keywords"
[ -f "$contents/usr/share/bash-completion/completions/rz-firmware-updater" ] \
    || fail "no bash completion where bash-completion loads it"
for page in "$unpacked"/*/usr/share/man/man1/*.1.gz; do
    mandoc -T lint -W warning "$page" || fail "mandoc warns on $(basename "$page")"
done
for size in 48 256; do
    icon=$contents/usr/share/icons/hicolor/${size}x$size/apps/rz-firmware-updater.png
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "no $size x $size PNG icon: $(file "$icon")"
done
echo "ok: $metainfo passes appstreamcli --pedantic, $application desktop-file-validate, the manual pages mandoc; icons 48x48 and 256x256"

rules=$contents/usr/lib/udev/rules.d/60-rz-firmware-updater.rules
usb_ids=$(sed -n 's/^RZ_USB_IDS:[A-Z]*=//p' "$build/CMakeCache.txt")
if [ -n "$usb_ids" ]; then
    [ -f "$rules" ] || fail "built with RZ_USB_IDS=$usb_ids, the package has no udev rule"
    for id in ${usb_ids//,/ }; do
        vendor=$(echo "${id%%:*}" | tr A-F a-f) product=$(echo "${id##*:}" | tr A-F a-f)
        grep -qx "SUBSYSTEM==\"usb\", ATTR{idVendor}==\"$vendor\", ATTR{idProduct}==\"$product\", GROUP=\"plugdev\", MODE=\"0660\", TAG+=\"uaccess\"" "$rules" \
            || fail "the udev rule does not give $id to plugdev: $(cat "$rules")"
    done
    echo "ok: the udev rule gives $usb_ids to plugdev"
else
    [ ! -e "$rules" ] || fail "built without RZ_USB_IDS, the package carries a udev rule"
    echo "ok: built without RZ_USB_IDS, the package carries no udev rule"
fi

keys=$contents/usr/share/rz-firmware-updater/keys
shipped_keys=$(cd "$keys" && ls)
release_keys=$(sed -n 's/^RZ_RELEASE_KEYS:[A-Z]*=//p' "$build/CMakeCache.txt")

libraries=$(dpkg-deb -c "$package" | awk '{ print $6 }' | grep -E 'librz_api\.so|/usr/lib/rz-firmware-updater/$' || true)
tool=$(dpkg-deb -c "$package" | awk '{ print $6 }' | grep -E '/rzsim$|/rzsim\.1' || true)
[ -z "$tool" ] || fail "the updater's package carries the simulator's $tool"
echo "ok: the updater's package carries no rzsim"
if [ -n "$maker_library" ]; then
    [ -z "$libraries" ] || fail "built against $maker_library, the package carries: $libraries"
    echo "ok: built against the maker's library, the package carries no device library"
    expected_keys=$(cd "$release_keys" && ls -- *.pub)
    [ "$shipped_keys" = "$expected_keys" ] || fail "the package's keys are '$shipped_keys', not those of $release_keys"
    echo "ok: the package carries only the release keys of $release_keys: $(echo $shipped_keys)"
    signer=
    for key in "$keys"/*.pub; do
        (cd "$contents/usr/share/rz-firmware-updater/firmware" && minisign -Vqm SHA256SUMS -p "$key") 2>/dev/null \
            && signer=$(basename "$key")
    done
    [ -n "$signer" ] || fail "the packaged SHA256SUMS is signed by none of the packaged release keys"
    echo "ok: the packaged release is the maker's, signed by the packaged release key $signer"
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

    depends=$(dpkg-deb -f "$simulator" Depends)
    version=$(dpkg-deb -f "$package" Version)
    [[ ", $depends," == *", rz-firmware-updater (= $version),"* ]] \
        || fail "$simulator does not depend on rz-firmware-updater (= $version): $depends"
    files=$(dpkg-deb -c "$simulator" | awk '$1 !~ /^d/ { print $6 }' | sort | tr '\n' ' ')
    [ "$files" = "./usr/bin/rzsim ./usr/share/doc/rz-firmware-simulator/changelog.gz ./usr/share/doc/rz-firmware-simulator/copyright ./usr/share/man/man1/rzsim.1.gz " ] \
        || fail "$simulator carries: $files"
    echo "ok: $(basename "$simulator") carries rzsim and its manual page, and depends on rz-firmware-updater (= $version)"
fi
