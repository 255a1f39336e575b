#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then
# configures and builds into build/. Sourced by run.sh and test.sh.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
packages=(build-essential cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libqt6svg6 qt6-svg-dev qt6-translations-l10n qt6-l10n-tools libgl-dev libjpeg-dev
          xvfb xauth xdotool xclip imagemagick x11-utils fonts-dejavu-core unrtf poppler-utils)

# Installs every named package that is not installed yet.
install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds the folder given, with extra CMake options.
build_tree() {
    local folder=$1
    shift
    if [ ! -f "$folder/build.ninja" ]; then
        cmake -S "$root" -B "$folder" -G Ninja "$@"
    fi
    cmake --build "$folder" -j "$(nproc)"
}

install_missing "${packages[@]}"
build_tree "$root/build"
