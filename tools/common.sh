# Shared by run.sh and test.sh: install what is missing, then build.

# libsodium-dev verifies release signatures; minisign makes the tests'
# throw-away keys and signatures, as a maker's release engineer does;
# dpkg-dev gives Debian's hardening flags (dpkg-buildflags); librsvg2-bin
# draws the PNG icons from the SVG (rsvg-convert); qttools5-dev(-tools)
# compile the translations; qttranslations5-l10n holds Qt's own, for its
# dialogs' buttons in the operator's language.
PACKAGES=(cmake g++ make pkg-config qtbase5-dev libqt5sql5-sqlite libsqlite3-dev dbus-daemon libsodium-dev minisign ansible-core
          dpkg-dev librsvg2-bin qttools5-dev qttools5-dev-tools qttranslations5-l10n)
# The same for a build against Qt 6 (-DRZ_QT_MAJOR=6), besides the above.
QT6_PACKAGES=(qt6-base-dev libqt6sql6-sqlite qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n)

install_missing_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build_project BUILD_DIR [CMAKE_OPTION...]
build_project() {
    local dir=$1
    shift
    cmake -S . -B "$dir" "$@" &&
    cmake --build "$dir" -j "$(nproc)"
}
