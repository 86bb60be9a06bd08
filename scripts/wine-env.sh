# Sourced by the scripts that run Windows programs: one Wine prefix for the
# whole build tree, code page 936, quiet Wine, no Mono or Gecko offers.
KEYLOOM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$KEYLOOM_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Debian's 32-bit Wine (wine32:i386) is the loader below; without it only
# 64-bit programs run.
keyloom_has_wine32() { [ -x /usr/lib/wine/wine ]; }
keyloom_wine_kind() { if keyloom_has_wine32; then echo "wine32+wine64"; else echo "wine64"; fi; }

# The prefix records the Wine it was made with: one made without the 32-bit
# Wine cannot run 32-bit programs even once that is installed, so it counts
# as ready only while the Wine is still the same.
keyloom_prefix_ready() {
    [ "$(cat "$WINEPREFIX/.keyloom-ready" 2>/dev/null)" = "$(keyloom_wine_kind)" ]
}
