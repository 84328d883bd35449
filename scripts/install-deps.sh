#!/usr/bin/env bash
# Installs the Debian packages the program needs; with "test", also those of the test suite.
# Only missing packages are installed, so a second run costs nothing.
#   scripts/install-deps.sh [test]
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev fonts-liberation)
if [ "${1:-}" = "test" ]; then
    packages+=(cups printer-driver-cups-pdf poppler-utils clang libclang-rt-dev
               libbenchmark-dev python3 desktop-file-utils appstream xvfb xauth x11-utils openbox)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
echo "Installing: ${missing[*]}"
$sudo_cmd apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
