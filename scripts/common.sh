#!/usr/bin/env bash
# Shared by run.sh and test.sh: install what is missing, configure and build into build/.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
BUILD_TYPE="${BUILD_TYPE:-Release}"

PACKAGES=(juce-modules-source build-essential cmake ninja-build pkg-config libgtest-dev
          xvfb xauth x11-apps x11-utils strace imagemagick ccache fonts-dejavu-core fonts-noto-cjk
          sndfile-programs sox xdotool xdg-utils)

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

# configure_and_build <dir> [cmake configure args]; BUILD_TARGET, when set, builds that target alone.
configure_and_build()
{
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" "$@"
    cmake --build "$dir" --parallel "$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
}
