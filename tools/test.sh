#!/usr/bin/env bash
# Sets up, builds and runs every test; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev -j2
