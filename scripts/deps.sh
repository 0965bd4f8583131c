#!/usr/bin/env bash
# The one list of Debian packages the game, its tools and its tests need.
# Sourced by play.sh and test.sh: installs what is missing when run as root,
# otherwise prints the apt-get line to run.

QUILL_BUILD_PACKAGES=(
    g++ cmake make pkg-config
    libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
    libgl-dev libglu1-mesa-dev libgl1-mesa-dri
    libtinyxml-dev libutfcpp-dev nlohmann-json3-dev
    libpng-dev libjpeg-dev
)
QUILL_TEST_PACKAGES=(
    googletest libgtest-dev xvfb xauth x11-utils x11-xkb-utils xdotool
    appstream desktop-file-utils dpkg-dev
)

quill_install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq || return 1
        apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
    else
        echo "Missing Debian packages. Run as root:"
        echo "  apt-get install -y ${missing[*]}"
        return 1
    fi
}
