#!/bin/bash
# Fails on any include that points up a layer. The layers, bottom to top:
# core, platform, window, handlers, app; a file may include its own layer
# and those below it, never tests/, bench/ or the skin library's sources.
# core/ knows no Windows header, except its Win32 file half (*_win32.cpp).
# skin/ is a library of its own and includes none of the layers.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
layers=(core platform window handlers app)
rank() {
    local i
    for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
    echo -1
}
bad=0
report() {
    echo "check-layers: $1" >&2
    bad=1
}
while IFS= read -r line; do
    file=${line%%:*}
    rest=${line#*:}
    rest=${rest#*:}
    target=$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' <<<"$rest")
    [ -n "$target" ] || continue
    own=${file%%/*}
    top=${target%%/*}
    [ "$top" = "$target" ] && continue  # same folder, no layer named
    if [ "$own" = skin ]; then
        [ "$(rank "$top")" -ge 0 ] && report "$file includes $target: skin/ stands beside the layers"
        continue
    fi
    case "$top" in
        tests | bench | fuzz | skin) report "$file includes $target: product code never includes $top/" ;;
        *)
            r=$(rank "$top")
            if [ "$r" -lt 0 ]; then
                report "$file includes $target: not a layer"
            elif [ "$r" -gt "$(rank "$own")" ]; then
                report "$file includes $target: $top/ lies above $own/"
            fi
            ;;
    esac
done < <(git grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' -- \
    'core/*' 'platform/*' 'window/*' 'handlers/*' 'app/*' 'skin/*')
# Windows headers in the core: only its Win32 half may have them.
while IFS= read -r line; do
    file=${line%%:*}
    case "$file" in *_win32.cpp) continue ;; esac
    report "$file: core/ includes no Windows header (${line#*:*:})"
done < <(git grep -n -i -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](windows|winbase|winuser|windef|commctrl|shellapi|ole2|olectl)\.h[">]' -- 'core/*')
# No include cycle, through any folders: a file and its header count as one
# unit (window/main_window.cpp and .h), so two units that include each other
# are a cycle too. tsort names the units of every loop it meets.
loops=$(git grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*"' -- \
    'core/*' 'platform/*' 'window/*' 'handlers/*' 'app/*' 'skin/*' |
    sed -n 's/^\([^:]*\)\.[ch]p*:[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)\.[ch]p*".*/\1 \2/p' |
    while read -r from to; do
        # A name without a folder is beside the including file.
        case "$to" in */*) ;; *) to="$(dirname "$from")/$to" ;; esac
        [ "$from" = "$to" ] || echo "$from $to"
    done | tsort 2>&1 >/dev/null | grep -v '^tsort: .*: input contains a loop:$' | sed 's/^tsort: //')
if [ -n "$loops" ]; then
    report "include cycle through: $(echo $loops)"
fi
[ "$bad" -eq 0 ] && echo "check-layers: every include points down, and no include cycle"
exit "$bad"
