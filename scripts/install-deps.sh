#!/bin/bash
# Installs everything the build and the tests need on Debian 12, as root.
# Quiet and quick when all of it is already there.
#
# A package list that fails to download (a mirror in the middle of a sync)
# is reported in one line and passed over: apt then works from the lists it
# has. The 32-bit Wine is the one package that may still be out of reach, as
# its 32-bit libraries must have the very versions of the 64-bit ones already
# installed; when it cannot be installed, everything else still is, one line
# says why, and the 32-bit Windows tests are skipped on this machine.
set -euo pipefail
packages=(cmake ninja-build g++ make git clang libclang-rt-14-dev clang-format
    googletest libbenchmark-dev mingw-w64 g++-mingw-w64-i686-posix
    g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth x11-utils
    xdotool imagemagick fonts-wqy-microhei python3 locales)
wine32=wine32:i386
no_wine32_tests="the 32-bit Windows tests will not run on this machine"

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
# Wine turns file names into host bytes through the host locale: without a
# generated zh_CN.UTF-8 it cannot make a file whose name is not ASCII.
locale_ready() { locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; }

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
want_wine32=no
installed "$wine32" || want_wine32=yes
[ ${#missing[@]} -eq 0 ] && [ $want_wine32 = no ] && locale_ready && exit 0

if [ "$(id -u)" -ne 0 ]; then
    if [ ${#missing[@]} -gt 0 ] || ! locale_ready; then
        echo "install-deps.sh: missing packages (${missing[*]}) or locale zh_CN.UTF-8; run as root" >&2
        exit 1
    fi
    echo "install-deps.sh: 32-bit Wine ($wine32) is not installed and only root can install it; $no_wine32_tests"
    exit 0
fi
export DEBIAN_FRONTEND=noninteractive

# "dists/bookworm-security/main/binary-i386" from each list apt could not
# fetch, with apt's reason.
failed_lists() {
    sed -n 's|^[EW]: Failed to fetch [^ ]*/dists/\([^ ]*\)/[^/ ]*  *\(.*\)$|\1 (\2)|p' |
        sed -e 's|/by-hash/[^ ]*||' -e 's/ *\[IP: [^]]*\]//'
}
last_apt_error() { sed -n 's/^E: //p' | tail -n 1; }

# Runs apt-get install quietly; on failure its output is in $apt_output.
apt_install() { apt_output="$(apt-get install -y -qq --no-install-recommends "$@" 2>&1)"; }

if [ ${#missing[@]} -gt 0 ] || [ $want_wine32 = yes ]; then
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    update_status=0
    update_output="$(apt-get update -qq 2>&1)" || update_status=$?
    broken="$(failed_lists <<<"$update_output" | paste -sd ';' | sed 's/;/; /g')"
    if [ $update_status -ne 0 ]; then
        echo "install-deps.sh: apt-get update could not load ${broken:-its package lists ($(last_apt_error <<<"$update_output"))}; going on with the lists it has"
    fi
    wanted=("${missing[@]}")
    [ $want_wine32 = no ] || wanted+=("$wine32")
    echo "Installing: ${wanted[*]}"
    wine32_done=no
    if [ $want_wine32 = yes ]; then
        # Together first, so the new 64-bit libraries come at versions the
        # 32-bit ones can match; then from the main suite alone, which is
        # where the 32-bit libraries are when the security suite's i386 list
        # failed to load.
        if apt_install "${missing[@]}" "$wine32" || apt_install -t bookworm "${missing[@]}" "$wine32"; then
            wine32_done=yes
            missing=()
        else
            wine32_error="$(last_apt_error <<<"$apt_output")"
        fi
    fi
    if [ ${#missing[@]} -gt 0 ] && ! apt_install "${missing[@]}"; then
        echo "$apt_output" >&2
        echo "install-deps.sh: could not install ${missing[*]}" >&2
        exit 1
    fi
    if [ $want_wine32 = yes ] && [ $wine32_done = no ]; then
        i386_lists="$(failed_lists <<<"$update_output" | { grep -o '^[^ ]*binary-i386' || true; } | paste -sd ',' | sed 's/,/, /g')"
        why="apt-get says \"${wine32_error:-no reason given}\""
        [ -z "$i386_lists" ] || why="its 32-bit libraries cannot match the installed 64-bit ones without the list $i386_lists; $why"
        echo "install-deps.sh: 32-bit Wine ($wine32) cannot be installed: $why; $no_wine32_tests"
    fi
fi
if ! locale_ready; then
    sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
fi
