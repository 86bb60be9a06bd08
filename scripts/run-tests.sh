#!/bin/bash
# Runs every test: the layer and format checks, the tests of the set-up
# scripts, the native tests, both Windows architectures under Wine in one
# Xvfb display, and the fuzzer for a bounded time. Ends non-zero on any
# failure and closes with one summary line. The 32-bit Windows tests are
# skipped, with one line saying so, only on a machine without the 32-bit Wine.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if [ -z "${KEYLOOM_IN_XVFB:-}" ]; then
    export KEYLOOM_IN_XVFB=1
    exec scripts/with-xvfb.sh "$0" "$@"
fi
source scripts/wine-env.sh
passed=0
failed=0
skipped=0
step() {
    local name="$1"
    shift
    echo "=== $name"
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "=== FAILED: $name"; fi
}
scripts/wine-prefix.sh
step "layers" scripts/check-layers.sh
step "format" bash -c "git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror"
step "script tests" bash -c 'ok=0; for t in tests/scripts/*_test.sh; do "$t" || ok=1; done; exit $ok'
step "native tests" ctest --preset linux
if keyloom_has_wine32; then
    step "win32 tests (Wine)" ctest --preset win32
else
    skipped=$((skipped + 1))
    echo "=== SKIPPED: win32 tests (Wine): this machine runs no 32-bit Wine (wine32:i386 missing, or a kernel without 32-bit support)"
fi
step "win64 tests (Wine)" ctest --preset win64
step "fuzz" scripts/run-fuzz.sh "${KEYLOOM_FUZZ_SECONDS:-60}"
# The shared prefix and those of the other set-ups (build/wineprefix-*).
for prefix in "$WINEPREFIX" "$WINEPREFIX"-*; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
done
echo "summary: $passed passed, $failed failed$([ "$skipped" -eq 0 ] || echo ", $skipped skipped")"
[ "$failed" -eq 0 ]
