#!/usr/bin/env bash
# Installs what is missing, builds and starts tessalin. On a machine with no display it runs the
# program under Xvfb, saves a screenshot to build/screenshot.png after start-up and quits.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing_packages
configure_and_build "$BUILD_DIR"

APP="$BUILD_DIR/bin/tessalin"
if [ -n "${DISPLAY:-}" ]; then
    exec "$APP" "$@"
fi

echo "No DISPLAY: running tessalin under Xvfb for a screenshot."
IMPORT="$(require_program import)"
SHOT="$BUILD_DIR/screenshot.png"
rm -f "$SHOT"
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    "$0" &
    pid=$!
    sleep "${TESSALIN_SCREENSHOT_DELAY:-4}"
    "$2" -window root "$1"
    kill -TERM $pid 2>/dev/null
    wait $pid 2>/dev/null || true
' "$APP" "$SHOT" "$IMPORT"
[ -f "$SHOT" ] && echo "Screenshot: $SHOT"
