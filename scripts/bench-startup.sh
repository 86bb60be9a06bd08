#!/bin/bash
# Start-up benchmark under Wine (figures, never pass or fail): time from
# process creation until keyloom.exe shows all rows of a 10,000-hotkey env,
# against a minimal program showing one empty window (the floor) and Wine's
# notepad opening the same env; median of several runs, peak memory, and
# the size of keyloom.exe for each architecture.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$(pwd)"
if [ -z "${KEYLOOM_IN_XVFB:-}" ]; then
    export KEYLOOM_IN_XVFB=1
    exec scripts/with-xvfb.sh "$0" "$@"
fi
runs="${KEYLOOM_BENCH_RUNS:-7}"
rows=10000
scripts/wine-prefix.sh
source scripts/wine-env.sh
export LC_ALL=zh_CN.UTF-8

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

for arch in win64 win32; do
    cmake --preset "$arch" >/dev/null
    cmake --build --preset "$arch" --target keyloom floor_window startup_timer >/dev/null
    work="$root/build/bench-startup-$arch"
    rm -rf "$work"
    mkdir -p "$work"
    cp "build/$arch/keyloom.exe" "build/$arch/floor_window.exe" "build/$arch/startup_timer.exe" "$work/"
    {
        printf 'source $TELENV\r\n\r\n\r\n'
        for i in $(seq 1 $rows); do printf 'alias K%d zoom fit %d\r\n' "$i" "$i"; done
        printf '\r\n### User Preferences section\r\nset pcb_cursor = infinite\r\n'
    } >"$work/env"
    cd "$work"
    wine startup_timer.exe floor floor_window.exe >/dev/null 2>&1 || true  # warm Wine up
    echo "$arch: keyloom.exe $(stat -c %s keyloom.exe) bytes"
    for what in floor keyloom notepad; do
        : >"times-$what"
        : >"memory-$what"
        for _ in $(seq "$runs"); do
            case $what in
                floor) out="$(wine startup_timer.exe floor floor_window.exe 2>/dev/null)" ;;
                keyloom) out="$(wine startup_timer.exe keyloom $rows keyloom.exe 2>/dev/null)" ;;
                # Notepad puts the whole file into its edit box in one go, so
                # any text there means it has been read and shown.
                notepad) out="$(wine startup_timer.exe notepad 1 notepad.exe env 2>/dev/null)" ;;
            esac
            echo "${out%% *}" | tr -d '\r' >>"times-$what"
            echo "${out##* }" | tr -d '\r' >>"memory-$what"
        done
        printf '  %-8s median %8s ms   peak working set %7s KiB   (%s runs)\n' "$what" \
            "$(median <"times-$what")" "$(median <"memory-$what")" "$runs"
    done
    cd "$root"
done
