#!/bin/bash
# `make fresh-check`: tries the README's two commands as a new user meets
# them. Makes a minimal Debian 12 root with debootstrap (kept as a tarball
# under build/fresh-machine/, so later runs skip that step), installs git and
# make in it as the README says, clones this repository's committed HEAD into
# it and runs `make test`, then `make run`, inside it. Prints the time of each
# and where its log is; ends non-zero when either fails. Needs root and the
# network; not part of CI, whose machine already has everything.
# KEYLOOM_FRESH_KEEP=1 keeps the root afterwards (build/fresh-machine/root).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo="$(pwd -P)"
work="$repo/build/fresh-machine"
root="$work/root"
tarball="$work/bookworm-minbase.tar.gz"
mirror=http://deb.debian.org/debian
say() { echo "fresh-check: $*"; }

if [ "$(id -u)" -ne 0 ]; then
    echo "fresh-machine-check.sh: needs root (debootstrap, chroot, mount)" >&2
    exit 1
fi
mkdir -p "$work"

# Processes still running inside the root (a lingering wineserver, Xvfb).
stop_processes() {
    local pids=() pid
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && pids+=("${pid#/proc/}")
    done
    [ ${#pids[@]} -gt 0 ] || return 0
    kill "${pids[@]}" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "${pids[@]}" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -9 "${pids[@]}" 2>/dev/null || true
}
# Every mount at or below the root, deepest first.
unmount_all() {
    awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/self/mounts |
        sort -r | while read -r point; do umount -l "$point"; done
}
remove_root() {
    stop_processes
    unmount_all
    # --one-file-system: should a mount have stayed, never delete through it.
    rm -rf --one-file-system "$root"
}
finish() {
    if [ "${KEYLOOM_FRESH_KEEP:-}" = 1 ] && [ -d "$root" ]; then
        stop_processes
        unmount_all
        say "root kept in $root"
    else
        remove_root
    fi
}
trap finish EXIT
trap 'exit 130' INT TERM

minutes() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }

if ! command -v debootstrap >/dev/null; then
    say "installing debootstrap"
    apt-get install -y -qq debootstrap >/dev/null 2>&1 ||
        { apt-get update -qq || true; apt-get install -y -qq debootstrap >/dev/null; }
fi

remove_root
if [ ! -f "$tarball" ]; then
    say "making a minimal Debian 12 root with debootstrap (log: $work/debootstrap.log)"
    debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        { tail -n 20 "$work/debootstrap.log" >&2; exit 1; }
    tar -C "$root" --numeric-owner -czf "$tarball.part" .
    mv "$tarball.part" "$tarball"
else
    say "unpacking $tarball"
    mkdir -p "$root"
    tar -C "$root" --numeric-owner -xpzf "$tarball"
fi

# As an installed Debian 12 has them: its updates and its security suite.
cat >>"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
for dir in proc sys dev dev/pts dev/shm; do
    mkdir -p "$root/$dir"
    mount --bind "/$dir" "$root/$dir"
done

# The committed HEAD goes in as a bundle, cloned inside by the root's own git.
[ -z "$(git status --porcelain)" ] || say "note: uncommitted changes are not part of the check"
branch="$(git symbolic-ref -q --short HEAD || true)"
git bundle create -q "$root/root/keyloom.bundle" HEAD ${branch:+"$branch"}

in_root() {
    chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin bash -c "$1"
}

say "apt-get install -y git make, then git clone (log: $work/prepare.log)"
if ! in_root 'apt-get update && apt-get install -y git make &&
        git clone /root/keyloom.bundle /root/keyloom' >"$work/prepare.log" 2>&1; then
    tail -n 20 "$work/prepare.log" >&2
    exit 1
fi

# run_make TARGET: runs `make TARGET` in the clone; the log gets all of it,
# the terminal the lines that tell how it goes.
results=()
failures=0
run_make() {
    local log="$work/make-$1.log" start status
    say "make $1 (log: $log)"
    start=$SECONDS
    set +e
    in_root "cd /root/keyloom && make $1" 2>&1 | tee "$log" |
        grep --line-buffered -E '^(Installing:|install-deps\.sh:|=== |summary:|saved |No X display|make(\[[0-9]+\])?: \*\*\*)'
    status=${PIPESTATUS[0]}
    set -e
    local took
    took="$(minutes $((SECONDS - start)))"
    if [ "$status" -eq 0 ]; then
        results+=("make $1 passed in $took (log: $log)")
    else
        failures=$((failures + 1))
        results+=("make $1 FAILED (exit $status) after $took (log: $log)")
    fi
}
run_make test
run_make run
shot="$root/root/keyloom/build/run/screenshot.png"
if [ -f "$shot" ]; then
    cp "$shot" "$work/screenshot.png"
    results+=("make run's screenshot: $work/screenshot.png")
fi
for line in "${results[@]}"; do say "$line"; done
[ "$failures" -eq 0 ]
