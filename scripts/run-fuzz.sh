#!/bin/bash
# Runs the env text fuzzer for a bounded time (seconds, default 60) on a copy
# of our seed corpus.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds="${1:-60}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp fuzz/corpus/* "$work/"
build/linux/env_text_fuzz -max_total_time="$seconds" -print_final_stats=1 "$work" 2>&1 | tail -n 15
