#!/usr/bin/env bash
# Installs what is missing, builds, then runs the whole CTest suite: window-free tests with no
# DISPLAY, tests labelled "gui" under Xvfb. With TESSALIN_SANITIZE_TESTS=1 the core tests run again
# in an AddressSanitizer + UBSan build in build-asan/, and the tests of the MIDI link and the edit
# controller (the code with threads) in a ThreadSanitizer build in build-tsan/.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
configure_and_build "$BUILD_DIR"

cd "$BUILD_DIR"
env -u DISPLAY ctest --output-on-failure --timeout 600 -j "$(nproc)" -LE gui
xvfb-run -a -s "-screen 0 1280x900x24" ctest --output-on-failure --timeout 600 -L gui

if [ "${TESSALIN_SANITIZE_TESTS:-0}" = "1" ]; then
    ASAN_DIR="$ROOT/build-asan"
    BUILD_TYPE=Debug configure_and_build "$ASAN_DIR" -DTESSALIN_SANITIZE=ON -DTESSALIN_BUILD_APP=OFF
    cd "$ASAN_DIR"
    env -u DISPLAY ctest --output-on-failure --timeout 900 -j "$(nproc)" -LE gui

    TSAN_DIR="$ROOT/build-tsan"
    BUILD_TYPE=RelWithDebInfo BUILD_TARGET=core_tests configure_and_build "$TSAN_DIR" -DTESSALIN_TSAN=ON \
        -DTESSALIN_BUILD_APP=OFF
    env -u DISPLAY TSAN_OPTIONS="halt_on_error=1" "$TSAN_DIR/bin/core_tests" \
        --gtest_filter='Midi*:EditController*'
fi
