#!/usr/bin/env bash
# Installs what is missing, builds tavrex (optimised, in build/), then opens the desktop
# program with the bundled demo program loaded and the board switched on when a display
# is available; without one, runs the headless runner on the demo. With arguments, runs
# the runner with them instead:
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
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  # build/examples/ holds the example track, and no translation: the window is French.
  cd build/examples
  echo "tavrex: the board is on; press 0, 1, 2 for BP1 to BP3, + and - for the potentiometer."
  exec ../tavrex --power-on demo.hex
fi
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
echo
echo "No display here (neither DISPLAY nor WAYLAND_DISPLAY is set). On a desktop, ./run.sh opens"
echo "the simulator's window instead; or: cd build/examples && ../tavrex --power-on demo.hex"
