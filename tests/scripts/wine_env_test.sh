#!/bin/bash
# A Wine prefix counts as ready only when it was made with the Wine this
# machine has now: one made before the 32-bit Wine was installed (or by a
# script that did not record it) must be made again, or 32-bit programs fail.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
WINEPREFIX="$(mktemp -d)"
trap 'rm -rf "$WINEPREFIX"' EXIT
source "$here/../../scripts/wine-env.sh"
now="$(keyloom_wine_kind)"
if [ "$now" = wine64 ]; then other="wine32+wine64"; else other=wine64; fi
failures=0
expect() {  # expect ready|stale STAMP-CONTENT...
    local want="$1" got=stale
    shift
    rm -f "$WINEPREFIX/.keyloom-ready"
    [ $# -eq 0 ] || printf '%s\n' "$1" >"$WINEPREFIX/.keyloom-ready"
    keyloom_prefix_ready && got=ready
    [ "$got" = "$want" ] || { echo "FAILED: stamp '${1-<none>}' with $now: $got, not $want"; failures=$((failures + 1)); }
}
expect stale
expect stale ""
expect stale "$other"
expect ready "$now"
[ "$failures" -eq 0 ] && echo "wine_env_test: all checks passed"
[ "$failures" -eq 0 ]
