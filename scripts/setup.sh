#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Korvane need.
# Quiet and idempotent: packages already present are not touched.
set -euo pipefail

PACKAGES=(
    cmake make g++ clang libclang-rt-14-dev googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine64 xvfb xdotool imagemagick poppler-utils x11-utils
    python3 python3-pil fonts-dejavu-core fonts-liberation
    cups printer-driver-cups-pdf util-linux
    nsis zip unzip dpkg-dev fakeroot lintian desktop-file-utils appstream man-db
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
