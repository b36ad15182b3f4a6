#!/usr/bin/env bash
# Runs two builds of the runner on every test, example and bench program and says
# where their outputs differ, byte for byte: the memory dump, LCD, LED, waveform,
# trace, trajectory and check reports. For changes that must not change behaviour:
#   scripts/compare-runners.sh /tmp/old/tavrex-cli build/tavrex-cli
set -uo pipefail
ancien=$(realpath "${1:?usage: scripts/compare-runners.sh OLD_RUNNER NEW_RUNNER}")
nouveau=$(realpath "${2:?usage: scripts/compare-runners.sh OLD_RUNNER NEW_RUNNER}")
cd "$(dirname "$0")/.."
racine=$PWD
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

identiques=0
differents=0
# compare NAME ARGS...: both runners in their own folder, outputs and files compared.
compare() {
  local nom=$1
  shift
  local r
  for r in ancien nouveau; do
    mkdir -p "$travail/$r"
    (cd "$travail/$r" && rm -f ./* && "${!r}" "$@" >stdout 2>stderr; echo "status $?" >>stdout
     # Wall-clock times differ from run to run.
     sed -i '/^seconds \|^cycles\/s \|^real time \|^# seconds \|^# cycles\/s \|^# real time /d' stdout
     [ ! -f rapport.xml ] || sed -i 's/ time="[0-9.]*"//g' rapport.xml)
  done
  if diff -r "$travail/ancien" "$travail/nouveau" >/dev/null; then
    identiques=$((identiques + 1))
  else
    differents=$((differents + 1))
    echo "differs: $nom"
    diff -r "$travail/ancien" "$travail/nouveau" | head -5
  fi
}

programmes=("$racine"/build/tests/asm/*.hex "$racine"/build/examples/*.hex "$racine"/build/bench/asm/*.hex)
for hex in "${programmes[@]}"; do
  for duree in "--cycles 1" "--cycles 37" "--cycles 1000" "--ms 3" "--ms 40" "--ms 250"; do
    # shellcheck disable=SC2086
    compare "$(basename "$hex") $duree" $duree --dump --lcd --led --vcd onde.vcd "$hex"
  done
  compare "$(basename "$hex") trace" --cycles 300 --trace 100 --dump "$hex"
done
piste=$racine/examples/piste001.pis
robot=$racine/examples/rombo001.rbo
for hex in "$racine"/build/examples/*.hex; do
  compare "$(basename "$hex") robot" --ms 2500 --piste "$piste" --robot "$robot" --at 0 "pot 2.2" \
    --at 10 jack-out --at 300 press BP1 --at 400 release BP1 --at 900 power-off --at 950 power-on \
    --at 1200 reset-press --at 1210 reset-release --at 1500 fdc-press --at 1600 fdc-release \
    --trajectory t.csv --vcd onde.vcd --dump --lcd --led "$hex"
  compare "$(basename "$hex") pose" --ms 800 --piste "$piste" --robot "$robot" --pose 100,-50,30 \
    --at 0 jack-out --seed 7 --trajectory t.csv --dump "$hex"
done
for chk in "$racine"/examples/*.chk; do
  nom=$(basename "$chk" .chk)
  compare "$nom.chk" --check "$chk" --piste "$piste" --robot "$robot" --junit rapport.xml \
    "$racine/build/examples/$nom.hex"
  compare "$nom.chk tap" --check "$chk" --piste "$piste" --robot "$robot" --tap "$racine/build/examples/$nom.hex"
done
echo "$identiques identical, $differents different"
[ "$differents" -eq 0 ]
