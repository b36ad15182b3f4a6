#!/usr/bin/env bash
# Installs what is missing, builds tavrex (optimised, in build/) and runs the headless
# runner on the bundled demo program. With arguments, runs the runner with them instead:
#   ./run.sh --ms 100 --dump build/examples/demo.hex
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j"$(nproc)"

if [ $# -gt 0 ]; then
  exec build/tavrex-cli "$@"
fi

programme=build/examples/demo.hex
echo
echo "== tavrex: examples/demo.asm on the simulated PIC18F4550, headless =="
# The program's own description: the comment block at the top of its source.
sed -n '/^;/!q; s/^; \{0,1\}//; s/^./   &/; p' examples/demo.asm
cat <<MSG
Run: 10 ms of chip time at 48 MHz (480,000 oscillator ticks), no board attached.
Output: the processor's registers and tick count, then the 4 KB of data memory
(256 rows of 16 bytes, address first).

MSG
build/tavrex-cli --ms 10 --dump "$programme"
