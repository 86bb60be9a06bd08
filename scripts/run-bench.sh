#!/bin/bash
# Runs every benchmark and prints its figures: the env text core natively,
# start-up and editing under Wine. Figures, never pass or fail.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if [ -z "${KEYLOOM_IN_XVFB:-}" ]; then
    export KEYLOOM_IN_XVFB=1
    exec scripts/with-xvfb.sh "$0" "$@"
fi
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
for part in env startup editing; do
    if [ -x "scripts/bench-$part.sh" ]; then
        echo "=== $part"
        "scripts/bench-$part.sh" || echo "=== $part benchmark failed"
    fi
done
