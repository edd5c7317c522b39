#!/usr/bin/env bash
# Installs the Debian packages lumvex needs, only those missing.
#   install-deps.sh build   compiler, CMake, Qt 6 and the Japanese font: to build and run
#   install-deps.sh test    also Xvfb, a window manager, clipboard and input tools, ImageMagick
#                           and clang for the sanitizer and fuzzing builds
set -euo pipefail

build_packages=(g++ make cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
                fonts-ipafont-gothic qt6-wayland)
test_packages=(xvfb xauth openbox x11-utils xclip xdotool imagemagick file clang
               libclang-rt-14-dev desktop-file-utils appstream lintian dpkg-dev
               weston wl-clipboard faketime)

packages=("${build_packages[@]}")
if [[ "${1:-build}" == test ]]; then
    packages+=("${test_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
