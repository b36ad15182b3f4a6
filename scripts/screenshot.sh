#!/usr/bin/env bash
# Saves a screenshot of the desktop program, as a student sees it, under a virtual X
# server: scripts/screenshot.sh OUT.png [tavrex options...] (they run from
# build/examples/, where the example programs are; relative paths are taken from
# there). Without options: the demo with the oscilloscopes on PWM1, the picture of
# README.md.
#   scripts/screenshot.sh docs/oscilloscopes.png
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
sortie=$(realpath -m "${1:?usage: scripts/screenshot.sh OUT.png [tavrex options...]}")
shift
if [ $# -eq 0 ]; then
  set -- --power-on --scopes --timebase 57 --at 0 "pot 1.6" --quit-after 600 demo.hex
fi
cd "$racine/build/examples"
xvfb-run -a -s "-screen 0 1600x1000x24" "$racine/build/tavrex" "$@" --screenshot "$sortie"
echo "$sortie"
