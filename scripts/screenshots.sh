#!/usr/bin/env bash
# Remakes README's screenshots of the desktop program (docs/tavrex.png, French, and
# docs/tavrex_en.png, English) from the program itself, under a virtual display: the
# demo running, the potentiometer at 3.3 V, BP1 held down so that the LED is lit; and
# docs/debogueur.png, the debugger paused at the fourth arrival at en_volts.
# Needs a build (./run.sh or ./test.sh first).
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$PWD
# The file label shows the program's full path: a short one reads better.
dossier=${TMPDIR:-/tmp}/tavrex-capture/tp1
mkdir -p "$dossier"
cp build/examples/demo.hex build/examples/demo.lst "$dossier/"
capture() {   # DIRECTORY OUTPUT: the working directory decides the language
  (cd "$1" && xvfb-run -a -s "-screen 0 1280x1024x24" "$racine/build/tavrex" --power-on \
     --at 0 pot 3.3 --at 800 press BP1 --quit-after 1100 --screenshot "$2" \
     "$dossier/demo.hex")
}
capture build/examples "$racine/docs/tavrex.png"
capture build/en "$racine/docs/tavrex_en.png"
(cd build/examples && xvfb-run -a -s "-screen 0 1600x1000x24" "$racine/build/tavrex" --debugger \
   --break en_volts:4 --at 0 pot 1.6 --at 0 press BP1 --power-on --quit-after 600 \
   --screenshot "$racine/docs/debogueur.png" "$dossier/demo.hex")
ls -l docs/tavrex.png docs/tavrex_en.png docs/debogueur.png
