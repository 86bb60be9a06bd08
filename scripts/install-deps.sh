#!/bin/bash
# Installs everything the build and the tests need on Debian 12, as root.
# Quiet and quick when all of it is already there.
set -euo pipefail
packages=(cmake ninja-build g++ make git clang libclang-rt-14-dev clang-format
    googletest libbenchmark-dev mingw-w64 g++-mingw-w64-i686-posix
    g++-mingw-w64-x86-64-posix wine wine64 wine32:i386 xvfb xauth x11-utils
    xdotool imagemagick fonts-wqy-microhei python3 locales)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Wine turns file names into host bytes through the host locale: without a
# generated zh_CN.UTF-8 it cannot make a file whose name is not ASCII.
locale_ready() { locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; }
[ ${#missing[@]} -eq 0 ] && locale_ready && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps.sh: missing packages (${missing[*]}) or locale zh_CN.UTF-8; run as root" >&2
    exit 1
fi
[ ${#missing[@]} -eq 0 ] || echo "Installing: ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! locale_ready; then
    sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
fi
