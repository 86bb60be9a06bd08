#!/bin/bash
# Runs every test: the native ones, both Windows architectures under Wine in
# Xvfb, the fuzzer for a bounded time, and the format check. Ends non-zero
# on any failure and closes with one summary line.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
passed=0
failed=0
step() {
    local name="$1"
    shift
    echo "=== $name"
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "=== FAILED: $name"; fi
}
scripts/wine-prefix.sh
step "format" bash -c "git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror"
step "native tests" ctest --preset linux
step "win32 tests (Wine)" scripts/with-xvfb.sh ctest --preset win32
step "win64 tests (Wine)" scripts/with-xvfb.sh ctest --preset win64
step "fuzz" scripts/run-fuzz.sh "${KEYLOOM_FUZZ_SECONDS:-60}"
echo "make test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
