#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as built for
# use, then again under AddressSanitizer and UndefinedBehaviorSanitizer, then
# once more as built against Qt 6.
set -euo pipefail
cd "$(dirname "$0")"
source tools/common.sh

install_missing_packages "${PACKAGES[@]}" "${QT6_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen

build_project build
ctest --test-dir build --output-on-failure

build_project build-asan -DRZ_SANITIZE=ON -DRZ_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
# A call the updater gave up on may return later: a write into the frame of
# a caller that moved on is reported, as are leaks.
ASAN_OPTIONS=detect_stack_use_after_return=1:detect_leaks=1 ctest --test-dir build-asan --output-on-failure

build_project build-qt6 -DRZ_QT_MAJOR=6
ctest --test-dir build-qt6 --output-on-failure
