#!/bin/bash
# Start-up benchmark under Wine (figures, never pass or fail), for each
# architecture, runs interleaved, medians:
# - 10,000 and 100,000 hotkeys: time from process creation until
#   keyloom.exe shows all rows, against the floor (a bare window whose list
#   view holds the same rows, floor_window.exe) and, at 10,000, Wine's
#   notepad opening the same env; peak working sets;
# - a 20 MB env: the window shown, one hotkey added (click of 按钮_确认 to
#   the file written and the program idle), and the exit after Esc;
# - a 2 GB sparse env (all zero bytes, so no hotkey): time until the window
#   is shown, against the bare window with no rows.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$(pwd)"
if [ -z "${KEYLOOM_IN_XVFB:-}" ]; then
    export KEYLOOM_IN_XVFB=1
    exec scripts/with-xvfb.sh "$0" "$@"
fi
runs="${KEYLOOM_BENCH_RUNS:-5}"
big_runs="${KEYLOOM_BENCH_BIG_RUNS:-3}"
scripts/wine-prefix.sh
source scripts/wine-env.sh
export LC_ALL=zh_CN.UTF-8

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

# An env of the kind users keep: comments, settings, funckey and alias lines,
# Allegro's preferences section. With TWICE set, every fifth hotkey binds
# the key of the one before it again (20% of them bound twice).
make_env() {  # make_env ROWS FILE [COMMAND [TWICE]]
    awk -v rows="$1" -v command="${3:-zoom fit; pick 1.0 2.0}" -v twice="${4:-}" 'BEGIN {
        printf "# Allegro user env\r\nsource $TELENV\r\nset autosave_time = 15\r\n\r\n"
        for (i = 1; i <= rows; i++) {
            if (twice != "" && i % 5 == 0) printf "alias K%d %s %d\r\n", i - 1, command, i
            else if (i % 10 == 0) printf "funckey k%d zoom in %d\r\n", i, i
            else printf "alias K%d %s %d\r\n", i, command, i
        }
        printf "\r\n### User Preferences section\r\n### This section is computer generated.\r\n"
        printf "set psmpath = . symbols D:/PCB/lib/symbols\r\nset padpath = . D:/PCB/lib/pads\r\n"
    }' >"$2"
}

archs=win64
if keyloom_has_wine32; then
    archs="win64 win32"
else
    echo "=== SKIPPED: win32 start-up (Wine): this machine runs no 32-bit Wine (wine32:i386 missing, or a kernel without 32-bit support)"
fi
for arch in $archs; do
    cmake --preset "$arch" >/dev/null
    cmake --build --preset "$arch" --target keyloom floor_window startup_timer >/dev/null
    work="$root/build/bench-startup-$arch"
    rm -rf "$work"
    mkdir -p "$work"
    cp "build/$arch/keyloom.exe" "build/$arch/floor_window.exe" "build/$arch/startup_timer.exe" "$work/"
    cd "$work"
    wine startup_timer.exe list 0 floor_window.exe >/dev/null 2>&1 || true  # warm Wine up
    echo "$arch: keyloom.exe $(stat -c %s keyloom.exe) bytes"
    for case in 10000 100000 100000-twice; do
        rows="${case%-twice}"
        twice=""
        [ "$case" != "$rows" ] && twice=yes
        make_env "$rows" env "" "$twice"
        kinds="floor keyloom"
        [ "$rows" -eq 10000 ] && kinds="floor keyloom notepad"
        for what in $kinds; do : >"times-$what"; : >"memory-$what"; done
        for _ in $(seq "$runs"); do
            for what in $kinds; do
                case $what in
                    floor) out="$(wine startup_timer.exe list $rows floor_window.exe env 2>/dev/null)" ;;
                    keyloom) out="$(wine startup_timer.exe list $rows keyloom.exe 2>/dev/null)" ;;
                    # Notepad puts the whole file into its edit box in one go,
                    # so any text there means it has been read and shown.
                    notepad) out="$(wine startup_timer.exe notepad 1 notepad.exe env 2>/dev/null)" ;;
                esac
                set -- $out
                echo "$1" >>"times-$what"
                echo "$2" >>"memory-$what"
            done
        done
        for what in $kinds; do
            printf '  %13s rows  %-8s median %8s ms   peak working set %8s KiB\n' "$case" "$what" \
                "$(median <"times-$what")" "$(median <"memory-$what")"
        done
        floor="$(median <times-floor)"
        keyloom="$(median <times-keyloom)"
        printf '  %13s rows  keyloom / floor = %sx, memory %sx' "$case" "$(ratio "$keyloom" "$floor")" \
            "$(ratio "$(median <memory-keyloom)" "$(median <memory-floor)")"
        if [ "$rows" -eq 10000 ]; then
            printf ', keyloom / notepad = %sx' "$(ratio "$keyloom" "$(median <times-notepad)")"
        fi
        echo
    done
    make_env 620000 env.big "zoom fit"
    echo "  20 MB env: $(stat -c %s env.big) bytes"
    : >big-shown; : >big-add; : >big-exit; : >big-memory
    for _ in $(seq "$big_runs"); do
        cp env.big env
        rm -f env.bak
        set -- $(wine startup_timer.exe keyloom 620000 keyloom.exe 2>/dev/null)
        echo "$1" >>big-shown; echo "$2" >>big-add; echo "$3" >>big-exit; echo "$4" >>big-memory
        grep -q "^alias CF12 zoom world" env || echo "  (the add did not reach the file)"
    done
    printf '  20 MB env: window shown %s ms, one add saved %s ms, exit after Esc %s ms, peak working set %s KiB\n' \
        "$(median <big-shown)" "$(median <big-add)" "$(median <big-exit)" "$(median <big-memory)"
    rm -f env env.bak
    truncate -s 2G env
    : >sparse-floor; : >sparse-keyloom; : >sparse-memory
    for _ in $(seq "$runs"); do
        set -- $(wine startup_timer.exe list 0 floor_window.exe 2>/dev/null)
        echo "$1" >>sparse-floor
        set -- $(wine startup_timer.exe list 0 keyloom.exe 2>/dev/null)
        echo "$1" >>sparse-keyloom; echo "$2" >>sparse-memory
    done
    printf '  2 GB sparse env: window shown %s ms (floor %s ms, %sx), peak working set %s KiB\n' \
        "$(median <sparse-keyloom)" "$(median <sparse-floor)" \
        "$(ratio "$(median <sparse-keyloom)" "$(median <sparse-floor)")" "$(median <sparse-memory)"
    rm -f env
    cd "$root"
done
