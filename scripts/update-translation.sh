#!/usr/bin/env bash
# Brings tavrex/fenetres/tavrex_en.ts up to date with the French texts of the code and
# the forms (new texts come in unfinished, texts gone are dropped). Translate the new
# entries with Qt Linguist (linguist tavrex/fenetres/tavrex_en.ts) or in the file
# itself; the build compiles it to build/en/tavrex_en.qm.
set -euo pipefail
cd "$(dirname "$0")/../tavrex"
lupdate -silent -no-obsolete -locations none -source-language fr_FR -target-language en_GB \
  -extensions cpp,h,ui puce carte robot fenetres -ts fenetres/tavrex_en.ts
grep -c 'type="unfinished"' fenetres/tavrex_en.ts | sed 's/^/unfinished entries: /' || true
