#!/bin/bash
# `make run`: builds the 64-bit keyloom.exe and runs it under Wine from
# build/run/, beside our example env. With a usable X display the window
# stays until you close it; without one it runs inside Xvfb, a screenshot
# goes to build/run/screenshot.png and the window is closed again.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$(pwd)"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target keyloom keyloom_poke
scripts/wine-prefix.sh
run="$root/build/run"
mkdir -p "$run"
cp build/win64/keyloom.exe "$run/"
cp docs/example-env "$run/env"
source scripts/wine-env.sh
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    cd "$run"
    exec env LC_ALL=zh_CN.UTF-8 wine keyloom.exe
fi
echo "No X display: running Keyloom in Xvfb and taking a screenshot."
exec scripts/with-xvfb.sh scripts/screenshot.sh --run "$run"
