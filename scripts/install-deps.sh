#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the application need; packages
# already installed are not fetched again.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql qt6-httpserver-dev qt6-websockets-dev
    postgresql
    libsqlite3-dev libxlsxwriter-dev libgumbo-dev
    fonts-dejavu-core unzip
    dpkg-dev desktop-file-utils
    chromium chromium-driver
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Εγκατάσταση πακέτων: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
