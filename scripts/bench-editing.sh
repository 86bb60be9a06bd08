#!/bin/bash
# The editing benchmark under Wine: the start-up load on 10,000 and 100,000
# rows, a confirm and a delete on 100,000 against a first safe save, and Add
# and Modify opening the panel at 100,000 hotkeys, at 20 MB and with a line
# of a million bytes. Prints figures, never pass or fail. Arguments go to
# the program: [runs [load|saves|panel|memo]].
# KEYLOOM_BENCH_PRESETS chooses the builds (default "win64 win32", win32
# only where the 32-bit Wine is installed).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if [ -z "${KEYLOOM_IN_XVFB:-}" ]; then
    export KEYLOOM_IN_XVFB=1
    exec scripts/with-xvfb.sh "$0" "$@"
fi
source scripts/wine-env.sh
scripts/wine-prefix.sh
presets="${KEYLOOM_BENCH_PRESETS:-win64 win32}"
if ! keyloom_has_wine32 && [[ " $presets " == *" win32 "* ]]; then
    presets="$(echo $presets | tr ' ' '\n' | grep -vx win32 | tr '\n' ' ')"
    echo "=== SKIPPED: win32 editing (Wine): this machine runs no 32-bit Wine (wine32:i386 missing, or a kernel without 32-bit support)"
fi
for preset in $presets; do
    [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
    log="build/$preset/editing-bench.log"
    if ! cmake --build "build/$preset" --target editing_bench >"$log" 2>&1; then
        cat "$log"
        exit 1
    fi
    echo "--- $preset"
    scripts/wine-run.sh "build/$preset/editing-bench/editing_bench.exe" "$@"
done
