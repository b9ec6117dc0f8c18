#!/usr/bin/env bash
# Builds Glifora with the address and undefined-behaviour sanitizers in
# build-asan/ and runs the unit tests. Leak reports are off: Qt keeps
# process-lifetime allocations (fonts, plugins) that it never frees.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${GLIFORA_ASAN_BUILD_DIR:-build-asan}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGLIFORA_SANITIZE=ON -DGLIFORA_BUILD_BENCH=OFF ${GLIFORA_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j2
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2 "$@"
