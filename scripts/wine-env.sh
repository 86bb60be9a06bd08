# Sourced by the scripts that run Windows programs: one Wine prefix for the
# whole build tree, code page 936, quiet Wine, no Mono or Gecko offers.
KEYLOOM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$KEYLOOM_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
