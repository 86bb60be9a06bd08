#!/bin/bash
# Installs everything the build and the tests need on Debian 12, as root.
# Quiet and quick when all of it is already there.
set -euo pipefail
packages=(cmake ninja-build g++ make git clang libclang-rt-14-dev clang-format
    googletest libbenchmark-dev mingw-w64 g++-mingw-w64-i686-posix
    g++-mingw-w64-x86-64-posix wine wine64 wine32:i386 xvfb xauth x11-utils
    xdotool imagemagick fonts-wqy-microhei python3)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps.sh: missing packages (${missing[*]}); run as root" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
