# Sourced by the scripts that run Windows programs: one Wine prefix for the
# whole build tree, code page 936, quiet Wine, no Mono or Gecko offers.
KEYLOOM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$KEYLOOM_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Debian's 32-bit Wine (wine32:i386) is the loader below; without it only
# 64-bit programs run. It counts only where it runs: a kernel built without
# 32-bit support refuses it ("Exec format error") even when installed.
keyloom_has_wine32() { [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; }
keyloom_wine_kind() { if keyloom_has_wine32; then echo "wine32+wine64"; else echo "wine64"; fi; }

# The prefix records the Wine it was made with: one made without the 32-bit
# Wine cannot run 32-bit programs even once that is installed, so it counts
# as ready only while the Wine is still the same.
keyloom_prefix_ready() {
    [ "$(cat "$WINEPREFIX/.keyloom-ready" 2>/dev/null)" = "$(keyloom_wine_kind)" ]
}

# Debian's `wine` takes the 32-bit loader whenever it is installed, and so
# fails on such a kernel: there `wine` (and `wine-stable`, which wineboot
# calls) is the 64-bit loader, through a folder put first on PATH.
if [ -x /usr/lib/wine/wine ] && ! keyloom_has_wine32 && [ -x /usr/lib/wine/wine64 ]; then
    keyloom_shim="$KEYLOOM_ROOT/build/wine64-only"
    if [ ! -x "$keyloom_shim/wine-stable" ]; then
        mkdir -p "$keyloom_shim"
        printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' \
            >"$keyloom_shim/wine-stable"
        chmod +x "$keyloom_shim/wine-stable"
        ln -sf wine-stable "$keyloom_shim/wine"
    fi
    case ":$PATH:" in *":$keyloom_shim:"*) ;; *) export PATH="$keyloom_shim:$PATH" ;; esac
fi
