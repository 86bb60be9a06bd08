#!/bin/bash
# Creates the build's Wine prefix once (64-bit, able to run 32-bit programs
# where the 32-bit Wine is installed), with Chinese fonts and without the 2 s
# wait on each hide of a top-level window that Wine has when no window
# manager runs. Made again when the installed Wine changed since. With
# KEYLOOM_WINE_DPI set (144 is the 150 % scaling of most laptops), the prefix
# in WINEPREFIX gets that screen DPI; it must be a prefix of its own.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if keyloom_prefix_ready; then exit 0; fi
rm -rf "$WINEPREFIX"
LC_ALL=zh_CN.UTF-8 wineboot -i >/dev/null 2>&1
reg_add() { LC_ALL=zh_CN.UTF-8 wine reg add "$@" /f >/dev/null 2>&1; }
reg_add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
reg_add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d Y
for face in SimSun NSimSun SimHei "MS Shell Dlg" "MS Shell Dlg 2" Tahoma; do
    reg_add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "WenQuanYi Micro Hei"
done
if [ -n "${KEYLOOM_WINE_DPI:-}" ]; then
    for key in 'HKCU\Control Panel\Desktop' \
        'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        reg_add "$key" /v LogPixels /t REG_DWORD /d "$KEYLOOM_WINE_DPI"
    done
fi
wineserver -w
keyloom_wine_kind >"$WINEPREFIX/.keyloom-ready"
