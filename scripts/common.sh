#!/usr/bin/env bash
# Shared by run.sh and test.sh: install what is missing, configure and build into $BUILD_DIR (build/).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
BUILD_TYPE="${BUILD_TYPE:-Release}"
# Parallel jobs for building and for the window-free tests; the machine may be shared.
JOBS="${JOBS:-$(nproc)}"

# Every development package the build links or includes directly is named here, rather than left to
# what juce-modules-source happens to pull in: FreeType, X11 and the X extensions JUCE's windowing
# includes, ALSA, zlib, PNG, JPEG, GoogleTest. xdotool drives real input in the window tests; the
# removable-drive listing reads mounts through libmount; xdg-open opens the manuals.
PACKAGES=(juce-modules-source build-essential cmake ninja-build pkg-config
          libfreetype-dev libx11-dev libxext-dev libxrandr-dev libxinerama-dev libxrender-dev
          libxcomposite-dev libxcursor-dev libasound2-dev zlib1g-dev libpng-dev libjpeg-dev
          libgtest-dev libgmock-dev libmount-dev
          xvfb xauth x11-apps x11-utils xdotool strace imagemagick ccache fonts-dejavu-core fonts-noto-cjk
          xdg-utils sndfile-programs sox)

install_missing_packages()
{
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
        $sudo apt-get update
        $sudo apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

# require_program <name>: prints the program's path as the shell finds it, or fails with a message.
require_program()
{
    command -v "$1" || { echo "$1 is not installed" >&2; return 1; }
}

# configure_and_build <dir> [cmake configure args]; BUILD_TARGETS, when set, builds those targets alone.
configure_and_build()
{
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" "$@"
    # shellcheck disable=SC2086 # BUILD_TARGETS is a list of target names
    cmake --build "$dir" --parallel "$JOBS" ${BUILD_TARGETS:+--target $BUILD_TARGETS}
}
