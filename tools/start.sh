#!/usr/bin/env bash
# Sets up, builds and starts Mimora.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Mimora needs a display and none is set (DISPLAY, WAYLAND_DISPLAY); to run it anyway: xvfb-run -s '-screen 0 1280x1024x24' build/dev/mimora" >&2
    exit 1
fi
exec build/dev/mimora
