#!/bin/bash
# `make screenshot`: runs keyloom.exe on our example env in a Wine virtual
# desktop inside Xvfb (so the frame and the caption are drawn too) and
# saves the window narrow (docs/keyloom-narrow.png) and wide, with the edit
# panel opened by the Add button (docs/keyloom-wide.png).
# With --run DIR (used by scripts/run-keyloom.sh) it saves one narrow shot
# of the program in DIR to DIR/screenshot.png.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$(pwd)"
if [ -z "${KEYLOOM_IN_XVFB:-}" ]; then
    export KEYLOOM_IN_XVFB=1
    exec scripts/with-xvfb.sh "$0" "$@"
fi
mode=docs
run="$root/build/screenshot"
if [ "${1:-}" = "--run" ]; then
    mode=run
    run="$2"
else
    cmake --preset win64 >/dev/null
    cmake --build --preset win64 --target keyloom keyloom_poke
    mkdir -p "$run"
    cp build/win64/keyloom.exe "$run/"
    cp docs/example-env "$run/env"
fi
cp build/win64/keyloom_poke.exe "$run/"
scripts/wine-prefix.sh
source scripts/wine-env.sh
export LC_ALL=zh_CN.UTF-8

# The desktop is 640 by 480; the window is centred at its described size
# 477 by 328, then narrowed, so its corner is known.
desk_w=640
desk_h=480
left=$(((desk_w - 477) / 2))
top=$(((desk_h - 328) / 2))
desktop="keyloom-shot-$$"
cd "$run"
wine explorer "/desktop=$desktop,${desk_w}x${desk_h}" keyloom.exe >/dev/null 2>&1 &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT
# The desktop must exist before a second explorer joins it: two explorers
# that both make it can leave the second waiting for ever.
xid=""
for _ in $(seq 300); do
    xid="$(xdotool search --name "$desktop" 2>/dev/null | head -n 1 || true)"
    [ -n "$xid" ] && break
    sleep 0.1
done
[ -n "$xid" ] || { echo "screenshot.sh: no Wine desktop window" >&2; exit 1; }
timeout 60 wine explorer "/desktop=$desktop,${desk_w}x${desk_h}" keyloom_poke.exe wait || true
sleep 2

shot() {  # shot WIDTH FILE: the window's outer rectangle
    import -window "$xid" "$run/desktop.png"
    convert "$run/desktop.png" -crop "${1}x325+${left}+${top}" +repage "$2"
    rm -f "$run/desktop.png"
    echo "saved $2"
}

if [ "$mode" = run ]; then
    shot 266 "$run/screenshot.png"
else
    shot 266 "$root/docs/keyloom-narrow.png"
    # 按钮_添加 opens the edit panel as a user would.
    timeout 60 wine explorer "/desktop=$desktop,${desk_w}x${desk_h}" keyloom_poke.exe click add || true
    sleep 2
    shot 474 "$root/docs/keyloom-wide.png"
fi
timeout 60 wine explorer "/desktop=$desktop,${desk_w}x${desk_h}" keyloom_poke.exe close || true
timeout 60 tail --pid="$program" -f /dev/null || true
trap - EXIT
