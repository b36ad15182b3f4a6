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
Run: 300 ms of chip time at 48 MHz on the board: the potentiometer is set to 3.3 V
from the start, button BP1 is pressed at 200 ms and held.
Output: the two lines of the LCD as they stand at the end ('#' is a full block),
then the current through the LED on RA6 (about 19.9 mA while lit).

MSG
build/tavrex-cli --ms 300 --at 0 "pot 3.3" --at 200 "press BP1" --lcd --led "$programme"
