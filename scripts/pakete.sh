#!/usr/bin/env bash
# Installiert fehlende Debian-Pakete, die das Spiel zum Bauen und Testen braucht.
set -euo pipefail
pakete=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev
        qt6-base-dev qt6-multimedia-dev libgl-dev fonts-dejavu-core python3
        desktop-file-utils appstream gettext shared-mime-info libxml2-utils ccache)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installiere: ${fehlend[*]}"
  als_root=""
  [ "$(id -u)" -ne 0 ] && als_root="sudo"
  $als_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
