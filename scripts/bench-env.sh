#!/bin/bash
# Builds the native preset and runs the env text benchmarks: repetitions of
# each, their medians, and each one's median as a ratio to its baseline
# measured in the same run. Figures, never pass or fail.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake --preset linux >/dev/null
cmake --build --preset linux --target env_bench >/dev/null
build/linux/env_bench --benchmark_repetitions="${KEYLOOM_BENCH_REPETITIONS:-5}" \
    --benchmark_report_aggregates_only=true
