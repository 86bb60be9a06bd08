#!/bin/bash
# Runs a command with a private Xvfb display (1280x1024, 24-bit) unless a
# display is already given.
set -euo pipefail
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then exec "$@"; fi
for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
        export DISPLAY=":$n"
        set +e
        "$@"
        status=$?
        exit $status
    fi
    kill "$xvfb_pid" 2>/dev/null || true
done
echo "with-xvfb.sh: could not start Xvfb" >&2
exit 2
