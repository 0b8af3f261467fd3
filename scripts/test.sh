#!/usr/bin/env bash
# Installs what is missing, builds, then runs the whole CTest suite: window-free tests with no
# DISPLAY, tests labelled "gui" under Xvfb. With TESSALIN_SANITIZE_TESTS=1 the window-free tests run
# again in an AddressSanitizer + UBSan build in ${BUILD_DIR}-asan, and the tests of the GUI-free
# libraries (the document and the MIDI link with its threads, the sample files, the document transfer,
# the effect panel's control bindings)
# in a ThreadSanitizer build in ${BUILD_DIR}-tsan.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
configure_and_build "$BUILD_DIR"

cd "$BUILD_DIR"
env -u DISPLAY ctest --output-on-failure --timeout 600 -j "$JOBS" -LE gui
xvfb-run -a -s "-screen 0 1280x900x24" ctest --output-on-failure --timeout 600 -L gui

if [ "${TESSALIN_SANITIZE_TESTS:-0}" = "1" ]; then
    ASAN_DIR="${BUILD_DIR}-asan"
    BUILD_TYPE=Debug configure_and_build "$ASAN_DIR" -DTESSALIN_SANITIZE=ON -DTESSALIN_BUILD_APP=OFF
    cd "$ASAN_DIR"
    env -u DISPLAY ctest --output-on-failure --timeout 900 -j "$JOBS" -LE gui

    # The link's tests run its rhythm and their time limits several times slower here
    # (tests/support/LinkTestTimings.h), so every test of these libraries runs.
    TSAN_DIR="${BUILD_DIR}-tsan"
    TSAN_TESTS=(core_tests samplefiles_tests transfer_tests editor_bindings_tests)
    BUILD_TYPE=RelWithDebInfo BUILD_TARGETS="${TSAN_TESTS[*]}" configure_and_build "$TSAN_DIR" \
        -DTESSALIN_TSAN=ON -DTESSALIN_BUILD_APP=OFF
    for t in "${TSAN_TESTS[@]}"; do
        echo "ThreadSanitizer: $t"
        env -u DISPLAY TSAN_OPTIONS="halt_on_error=1" "$TSAN_DIR/bin/$t"
    done
fi
