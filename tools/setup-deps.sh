#!/usr/bin/env bash
# Installs what Mimora needs to build, run and test on Debian 12; quick when all is there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
    libpng-dev libjpeg62-turbo-dev libjpeg-turbo-progs libbenchmark-dev
    fonts-noto-cjk fonts-dejavu-extra librsvg2-bin
    time xvfb xauth xdotool xclip imagemagick dbus appstream desktop-file-utils file
    debootstrap
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
