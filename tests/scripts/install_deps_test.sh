#!/bin/bash
# Runs scripts/install-deps.sh against a stand-in apt and dpkg (first on
# PATH), as root would, and checks what it installs and says when a package
# list fails to load and the 32-bit Wine cannot be installed.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
script="$here/../../scripts/install-deps.sh"
fake="$(mktemp -d)"
trap 'rm -rf "$fake"' EXIT
mkdir "$fake/bin"
failures=0

stand_in() { printf '#!/bin/bash\n%s\n' "$2" >"$fake/bin/$1" && chmod +x "$fake/bin/$1"; }
stand_in id '[ "$1" = -u ] && echo 0'
stand_in locale 'echo zh_CN.utf8'
stand_in dpkg '[ "$1" = --print-foreign-architectures ] && echo i386; true'
# Every package is installed except those in $MISSING.
stand_in dpkg-query 'for m in $MISSING; do [ "$m" = "${!#}" ] && exit 1; done; echo "install ok installed"'
# update fails on one list when $MIRROR_SYNC is set; an install that names
# wine32:i386 fails when $WINE32_BROKEN is set, any install when $APT_BROKEN is.
stand_in apt-get '
echo "$*" >>"$LOG"
if [ "$1" = update ]; then
    [ -n "${MIRROR_SYNC:-}" ] || exit 0
    echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 151.101.2.132 80]" >&2
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
    exit 100
fi
[ -z "${APT_BROKEN:-}" ] || { echo "E: Unable to fetch some archives" >&2; exit 100; }
case " $* " in *" wine32:i386 "*) [ -z "${WINE32_BROKEN:-}" ] || {
    echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100; } ;; esac
exit 0'

# run NAME VAR=VALUE...: runs the script with those settings; its output is
# in $out, its exit status in $status, the apt-get calls in $calls.
run() {
    name="$1"
    shift
    : >"$fake/log"
    out="$(env -i PATH="$fake/bin:$PATH" LOG="$fake/log" MISSING= "$@" bash "$script" 2>&1)"
    status=$?
    calls="$(cat "$fake/log")"
}
check() {  # check WHAT CONDITION...
    local what="$1"
    shift
    if ! "$@"; then
        failures=$((failures + 1))
        printf 'FAILED: %s: %s\n--- output:\n%s\n--- apt-get calls:\n%s\n' "$name" "$what" "$out" "$calls"
    fi
}
has() { grep -qF -- "$2" <<<"$1"; }
lines() { grep -cF -- "$2" <<<"$1"; }

run "mirror in sync, 32-bit libraries out of reach" MISSING="cmake wine64 wine32:i386" MIRROR_SYNC=1 WINE32_BROKEN=1
check "ends well" [ "$status" -eq 0 ]
check "one line on the failed list" [ "$(lines "$out" "apt-get update could not load bookworm-security/main/binary-i386 (File has unexpected size (374820 != 376004). Mirror sync in progress?)")" -eq 1 ]
check "one line on the 32-bit Wine" [ "$(lines "$out" "32-bit Wine (wine32:i386) cannot be installed")" -eq 1 ]
check "why it cannot" has "$out" "without the list bookworm-security/main/binary-i386; apt-get says \"Unable to correct problems, you have held broken packages.\"; the 32-bit Windows tests will not run on this machine"
check "the rest installed alone at the end" [ "$(tail -n 1 <<<"$calls")" = "install -y -qq --no-install-recommends cmake wine64" ]

run "healthy mirror" MISSING="wine32:i386"
check "ends well" [ "$status" -eq 0 ]
check "installs the 32-bit Wine in one go" [ "$(grep -c '^install' <<<"$calls")" -eq 1 ]
check "says nothing of a failure" [ "$out" = "Installing: wine32:i386" ]

run "a download that fails" MISSING="cmake wine32:i386" APT_BROKEN=1
check "ends in failure" [ "$status" -ne 0 ]
check "names what it could not install" has "$out" "install-deps.sh: could not install cmake"

run "everything there" MISSING=
check "ends well" [ "$status" -eq 0 ]
check "says nothing" [ -z "$out" ]
check "asks apt nothing" [ -z "$calls" ]

[ "$failures" -eq 0 ] && echo "install_deps_test: all checks passed"
[ "$failures" -eq 0 ]
