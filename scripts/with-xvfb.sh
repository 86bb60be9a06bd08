#!/bin/bash
# Runs a command with a private Xvfb display (1280x1024, 24-bit) unless a
# display is already given.
set -euo pipefail
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then exec "$@"; fi
# Xvfb picks a free display itself and writes its number once it accepts
# clients. Probing numbers by their lock files is not enough: two runs at
# once can pick the same one, and in a chroot the lock files of the host's
# displays are not seen while their sockets still answer, so a client could
# reach another run's display.
number_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; rm -f "$number_file"' EXIT
for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$number_file" ]; then
    echo "with-xvfb.sh: could not start Xvfb" >&2
    exit 2
fi
export DISPLAY=":$(cat "$number_file")"
set +e
"$@"
status=$?
exit $status
