#!/usr/bin/env bash
# Long run of the whole robot under the address and undefined-behaviour sanitizers:
# the line follower on the example circuit with every device attached, while a script
# presses the buttons, sweeps the potentiometer, works the jack and the switch, and
# cycles the power and the reset button, once a minute of chip time.
#
#   scripts/soak.sh [MINUTES]      chip time in minutes (default 60; CI runs 2)
#
# Checks at the end: the run exited normally with no sanitizer report; every row of
# the trajectory is finite and inside the carpet (-5000 to 5000 mm on both axes); and
# memory stays flat: the largest resident size seen over the last stretch of chip time
# (ten minutes, or half of a shorter run) is no higher than over the first one. The
# first stretch holds a whole lap and a whole round of the script, so that the pages a
# run touches once (code first run, the track under the robot) are counted in both.
# Prints the chip time, the wall time and the resident sizes; exits 1 on a failed check.
# SOAK_KEEP=DIR keeps the script, the trajectory, the memory samples and stderr in DIR.
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=${1:-60}
if ! [[ $minutes =~ ^[0-9]+$ ]] || [ "$minutes" -lt 1 ]; then
  echo "soak: chip time must be a whole number of minutes, at least 1: $minutes" >&2
  exit 2
fi

scripts/install-deps.sh
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j2 --target tavrex-cli exemples >/dev/null

travail=${SOAK_KEEP:-$(mktemp -d)}
mkdir -p "$travail"
[ -n "${SOAK_KEEP:-}" ] || trap 'rm -rf "$travail"' EXIT

# One minute of chip time, repeated: the jack pulled 0.1 s in (the follower starts),
# each button pressed and released, a potentiometer sweep up and down, the switch
# pressed and released, the power cut for half a second, the reset button held for
# 0.2 s, and the jack put back and pulled again.
python3 - "$minutes" >"$travail/soak.txt" <<'EOF'
import sys
minutes = int(sys.argv[1])
for m in range(minutes):
    t = m * 60000
    print(f"{t + 100} jack-out")
    for i, b in enumerate(("BP1", "BP2", "BP3")):
        print(f"{t + 2000 + 1000 * i} press {b}")
        print(f"{t + 2150 + 1000 * i} release {b}")
    for k in range(51):
        volts = 5.0 * (k if k <= 25 else 50 - k) / 25
        print(f"{t + 6000 + 200 * k} pot {volts:.2f}")
    print(f"{t + 20000} fdc-press")
    print(f"{t + 20300} fdc-release")
    print(f"{t + 30000} power-off")
    print(f"{t + 30500} power-on")
    print(f"{t + 40000} reset-press")
    print(f"{t + 40200} reset-release")
    print(f"{t + 50000} jack-in")
    print(f"{t + 50500} jack-out")
EOF

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
debut=$(date +%s)
build-sanitize/tavrex-cli --ms $((minutes * 60000)) --seed 1 \
    --piste examples/piste001.pis --robot examples/rombo001.rbo \
    --script "$travail/soak.txt" --trajectory "$travail/trajectoire.csv" \
    build-sanitize/examples/suiveur.hex >"$travail/sortie.txt" 2>"$travail/erreurs.txt" &
pid=$!

# Every tenth of a second (the follower runs far faster than real time, so a short
# run lasts a few seconds): the chip time reached (the last whole row of the
# trajectory) and the resident size of the run.
: >"$travail/memoire.txt"
while kill -0 "$pid" 2>/dev/null; do
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
  ms=$(tail -c 400 "$travail/trajectoire.csv" 2>/dev/null | head -n -1 | tail -n 1 | cut -d, -f1 || true)
  [[ -n $rss && $ms =~ ^[0-9.]+$ ]] && echo "$ms $rss" >>"$travail/memoire.txt"
  sleep 0.1
done
statut=0
wait "$pid" || statut=$?
fin=$(date +%s)

python3 - "$travail" "$statut" "$minutes" "$((fin - debut))" <<'EOF'
import math, re, sys
travail, statut, minutes, secondes = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
echecs = []

erreurs = open(f"{travail}/erreurs.txt", errors="replace").read()
if statut != 0:
    echecs.append(f"the run exited with status {statut}")
if re.search(r"AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|runtime error:", erreurs):
    echecs.append("sanitizer report on stderr:\n" + erreurs[:4000])

lignes, dernier, mauvaise = 0, 0.0, None
with open(f"{travail}/trajectoire.csv") as f:
    next(f)
    for ligne in f:
        champs = ligne.rstrip("\n").split(",")
        try:
            valeurs = [float(c) for c in champs]
        except ValueError:
            valeurs = [math.nan]
        lignes += 1
        if len(valeurs) != 7 or not all(math.isfinite(v) for v in valeurs):
            mauvaise = mauvaise or f"not finite: {ligne.strip()}"
        elif abs(valeurs[1]) > 5000 or abs(valeurs[2]) > 5000:
            mauvaise = mauvaise or f"off the carpet: {ligne.strip()}"
        else:
            dernier = valeurs[0]
if mauvaise:
    echecs.append("trajectory row " + mauvaise)
if lignes == 0:
    echecs.append("empty trajectory")

# The samples of the last 5 s of chip time may see the exit, where the leak check
# allocates its own memory (the trajectory's last rows reach the file late): only
# the run itself counts.
echantillons = [tuple(map(float, l.split())) for l in open(f"{travail}/memoire.txt") if l.strip()]
echantillons = [(t, rss) for t, rss in echantillons if t < dernier - 5000]
fenetre = min(600000.0, minutes * 60000 / 2)
premiers = [rss for t, rss in echantillons if t <= fenetre]
derniers = [rss for t, rss in echantillons if t >= dernier - fenetre]
if not premiers or not derniers:
    echecs.append(f"too few memory samples ({len(echantillons)})")
else:
    debut, fin = max(premiers), max(derniers)
    print(f"soak: resident size, largest over the first {fenetre / 60000:g} min of chip time "
          f"{debut / 1024:.1f} MiB, over the last {fin / 1024:.1f} MiB")
    if fin > debut:
        echecs.append(f"memory grew: {debut:.0f} kB at the start, {fin:.0f} kB at the end")

print(f"soak: {dernier / 60000:.2f} min of chip time run ({lignes} trajectory rows) in {secondes} s")
print(open(f"{travail}/sortie.txt").read().strip())
for e in echecs:
    print(f"soak: FAILED: {e}")
print("soak: " + ("failed" if echecs else "passed"))
sys.exit(1 if echecs else 0)
EOF
