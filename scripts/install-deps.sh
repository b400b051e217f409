#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# but only those that are missing. Needs root (or sudo) when something is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev qt6-qpa-plugins
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fontconfig poppler-utils
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
