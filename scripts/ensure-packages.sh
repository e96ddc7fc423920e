#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Difonik need, when any is missing.
# Safe to run again: it does nothing when everything is present.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libicu-dev qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxkbcommon-x11-0
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev lld
    xvfb xauth xdotool x11-utils imagemagick python3
    fonts-liberation fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
