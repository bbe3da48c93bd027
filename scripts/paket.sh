#!/usr/bin/env bash
# Baut das Debian-Paket build-paket/torvane_<version>_<arch>.deb (das Programm nach
# Debians Brauch in /usr/games) und prüft es mit lintian.
# Mit --pruefen wird es danach installiert, einmal ohne Bildschirm gespielt und wieder
# entfernt (braucht root oder sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/pakete.sh
for p in dpkg-dev lintian file; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
als_root=""
[ "$(id -u)" -ne 0 ] && als_root="sudo"
if [ -n "${fehlend[*]:-}" ]; then
  $als_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
cmake -S . -B build-paket -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games -DTORVANE_BENCH=OFF \
      -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)" > /dev/null
cmake --build build-paket --target torvane paketdateien kataloge
(cd build-paket && cpack -G DEB > /dev/null)
paket=$(ls -t build-paket/torvane_*.deb | head -n 1)
echo "Paket: $paket"
dpkg-deb --info "$paket" | sed -n '/Package:/,$p'
echo "== lintian"
lintian --tag-display-limit 0 "$paket" || { echo "lintian meldet Fehler"; exit 1; }

if [ "${1:-}" = "--pruefen" ]; then
  echo "== Installieren, spielen, entfernen"
  DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq "./$paket" > /dev/null
  heim=$(mktemp -d)
  HOME="$heim" QT_QPA_PLATFORM=offscreen /usr/games/torvane --autoplay 1 --seed 2 --save "$heim/probe.lig" > /dev/null
  test -f "$heim/probe.lig"
  rm -rf "$heim"
  DEBIAN_FRONTEND=noninteractive $als_root apt-get remove -y -qq torvane > /dev/null
  test ! -e /usr/games/torvane && test ! -e /usr/share/torvane
  echo "Paket installiert, gespielt, gespeichert und sauber entfernt."
fi
