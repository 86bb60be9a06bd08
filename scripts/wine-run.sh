#!/bin/bash
# Runs one Windows program under Wine in the build's prefix with ANSI code
# page 936; used by CTest as the cross-compiling emulator. KEYLOOM_WINE_LOCALE
# gives another locale (en_US.UTF-8: code page 1252) to this program alone.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/wine-env.sh"
keyloom_prefix_ready || "$here/wine-prefix.sh"
if [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: no DISPLAY; run under scripts/with-xvfb.sh" >&2
    exit 2
fi
exec env LC_ALL="${KEYLOOM_WINE_LOCALE:-zh_CN.UTF-8}" wine "$@"
