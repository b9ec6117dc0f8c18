#!/usr/bin/env bash
# Builds Glifora and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
# The tests against real clients need a browser and ImageMagick.
export GLIFORA_WITH_BROWSER_TESTS=${GLIFORA_WITH_BROWSER_TESTS:-1}
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${GLIFORA_BUILD_DIR:-build}" --output-on-failure -j2 "$@"
