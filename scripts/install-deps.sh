#!/usr/bin/env bash
# Installs the Debian packages that tavrex needs to build, test and run, and only
# those that are missing. Called by run.sh and test.sh; safe to run again. Works
# without a terminal (CI): nothing is asked, as root directly, otherwise through sudo.
set -euo pipefail

paquets=(
  build-essential cmake pkg-config
  qtbase5-dev qtbase5-dev-tools libqt5svg5-dev libqwt-qt5-dev qttools5-dev-tools qttranslations5-l10n
  libgtest-dev googletest libbenchmark-dev
  gputils gpsim
  clang-14 libclang-rt-14-dev
  xvfb xauth time python3
)

manquants=()
for p in "${paquets[@]}"; do
  etat=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$etat" = "install ok installed" ] || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  root=()
elif command -v sudo >/dev/null 2>&1; then
  root=(sudo)
else
  echo "install-deps: missing packages (${manquants[*]}) and neither root nor sudo to install them" >&2
  exit 1
fi
echo "install-deps: installing ${manquants[*]}"
apt=("${root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600)
"${apt[@]}" update </dev/null
"${apt[@]}" install -y --no-install-recommends "${manquants[@]}" </dev/null
