#!/usr/bin/env bash
# Sets up, builds and runs every test: the optimised build, then the same suite
# built with AddressSanitizer and UndefinedBehaviorSanitizer (LeakSanitizer on),
# which also runs every fuzz target over its seeds. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-deps.sh

cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev -j2

if [ "${MIMORA_SKIP_SANITIZERS:-0}" != 1 ]; then
    cmake --preset asan >/dev/null
    cmake --build --preset asan
    export ASAN_OPTIONS=detect_leaks=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    ctest --preset asan -j2
fi
