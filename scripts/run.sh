#!/usr/bin/env bash
# Builds Glifora and starts it. Without a display it prints the text art of the
# built-in sample picture instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >&2
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ $# -eq 0 ]; then
  exec build/src/app/glifora ascii
fi
exec build/src/app/glifora "$@"
