#!/usr/bin/env bash
# Installs what is missing, builds tavrex and runs the whole test suite, the window
# tests included (headless, on Qt's offscreen platform).
#   ./test.sh              optimised build in build/
#   ./test.sh --sanitize   address and undefined-behaviour sanitizers, in build-sanitize/
# Any further arguments go to ctest (for instance -R Hex, or --output-on-failure).
set -euo pipefail
cd "$(dirname "$0")"

preset=default
if [ "${1:-}" = "--sanitize" ]; then
  preset=sanitize
  shift
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
fi

scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset" -j"$(nproc)"
# The window tests run headless.
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j2 "$@"
