#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, those
# that are missing only. Safe to run again.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
    libjpeg62-turbo-dev
    googletest libgtest-dev
    fonts-dejavu-core qt6-translations-l10n
)
if [ "${1:-}" = "--test" ]; then
    packages+=(
        clang clang-format libclang-rt-14-dev llvm
        xvfb xauth xdotool x11-utils imagemagick trayer
        dbus libglib2.0-bin python3-gi
        sway swaybg grim wtype qt6-wayland
        desktop-file-utils appstream lintian dpkg-dev file man-db python3
        pgn-extract
    )
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Installing ${missing[*]} needs root or sudo." >&2; exit 1; }
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
