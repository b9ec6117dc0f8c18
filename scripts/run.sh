#!/usr/bin/env bash
# Builds the program alone (not the tests or benchmarks) and starts it. Without
# a display it prints the text art of the built-in sample picture instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh glifora >&2
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ $# -eq 0 ]; then
  exec build/src/app/glifora ascii
fi
exec build/src/app/glifora "$@"
