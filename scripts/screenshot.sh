#!/bin/bash
# `make screenshot`: runs keyloom.exe on our example env in a Wine virtual
# desktop inside Xvfb (so the frame and the caption are drawn too) and
# saves the window narrow (docs/keyloom-narrow.png) and wide, with the edit
# panel opened by the Add button (docs/keyloom-wide.png), then with a
# command typed and 按键 pressed, waiting for the key to name
# (docs/keyloom-capture.png), then wide again on a 144-DPI screen, 150 %
# scaling (docs/keyloom-wide-150.png), in a Wine prefix of that DPI.
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
source scripts/wine-env.sh
shared_prefix="$WINEPREFIX"
export LC_ALL=zh_CN.UTF-8

# shots DPI NARROW_FILE WIDE_FILE [CAPTURE_FILE [QUESTION_FILE]]: one run of Keyloom on a
# desktop of that DPI; either file may be "-" for no shot.
shots() {
    local dpi=$1 narrow=$2 wide=$3 capture=${4:--} question=${5:--}
    export WINEPREFIX="$shared_prefix"
    unset KEYLOOM_WINE_DPI
    if [ "$dpi" != 96 ]; then
        export WINEPREFIX="$shared_prefix-${dpi}dpi" KEYLOOM_WINE_DPI="$dpi"
    fi
    scripts/wine-prefix.sh
    # Lengths of 96 DPI at this one, rounded as the window rounds them.
    scale() { echo $((($1 * dpi + 48) / 96)); }
    # The desktop is 640 by 480 at 96 DPI; the window is centred at its
    # described size 613 by 328, then narrowed, so its corner is known.
    local desk_w desk_h left top height desktop program xid
    desk_w=$(scale 640)
    desk_h=$(scale 480)
    left=$(((desk_w - $(scale 613)) / 2))
    top=$(((desk_h - $(scale 328)) / 2))
    height=$(scale 325)
    desktop="keyloom-shot-$$-$dpi"
    (cd "$run" && exec wine explorer "/desktop=$desktop,${desk_w}x${desk_h}" keyloom.exe) \
        >/dev/null 2>&1 &
    program=$!
    trap 'kill $program 2>/dev/null || true' EXIT
    # The desktop must exist before a second explorer joins it: two
    # explorers that both make it can leave the second waiting for ever.
    xid=""
    for _ in $(seq 300); do
        xid="$(xdotool search --name "$desktop" 2>/dev/null | head -n 1 || true)"
        [ -n "$xid" ] && break
        sleep 0.1
    done
    [ -n "$xid" ] || { echo "screenshot.sh: no Wine desktop window" >&2; exit 1; }
    poke() { (cd "$run" && timeout 60 wine explorer "/desktop=$desktop,${desk_w}x${desk_h}" \
        keyloom_poke.exe "$@") || true; }
    poke wait
    sleep 2
    shot() {  # shot WIDTH FILE: the window's outer rectangle
        import -window "$xid" "$run/desktop.png"
        convert "$run/desktop.png" -crop "${1}x${height}+${left}+${top}" +repage "$2"
        rm -f "$run/desktop.png"
        echo "saved $2"
    }
    [ "$narrow" = - ] || shot "$(scale 402)" "$narrow"
    if [ "$wide" != - ]; then
        # 按钮_添加 opens the edit panel as a user would.
        poke click add
        sleep 2
        shot "$(scale 610)" "$wide"
        if [ "$capture" != - ]; then
            # A command typed, then 按键 pressed: the panel waits for a key.
            poke text command "zoom in"
            poke click keys
            sleep 2
            shot "$(scale 610)" "$capture"
            # 按键 again stops waiting; F2, which the example binds, confirmed:
            # the question before a key is bound twice.
            poke click keys
            poke text key F2
            poke text command zoom out
            poke click confirm
            sleep 2
            [ "$question" = - ] || shot "$(scale 610)" "$question"
            poke answer no
            sleep 1
        fi
    fi
    poke close
    timeout 60 tail --pid="$program" -f /dev/null || true
    trap - EXIT
}

if [ "$mode" = run ]; then
    shots 96 "$run/screenshot.png" -
else
    shots 96 "$root/docs/keyloom-narrow.png" "$root/docs/keyloom-wide.png" \
        "$root/docs/keyloom-capture.png" "$root/docs/keyloom-question.png"
    shots 144 - "$root/docs/keyloom-wide-150.png"
fi
