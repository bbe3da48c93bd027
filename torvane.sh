#!/usr/bin/env bash
# Installiert, baut (Release) und startet Torvane.
set -euo pipefail
# Ein Spielstand mit relativem Pfad gilt vom Ordner aus, in dem der Aufruf geschah.
argumente=()
for a in "$@"; do
  if [[ "$a" != -* && -e "$a" ]]; then argumente+=("$(realpath "$a")"); else argumente+=("$a"); fi
done
cd "$(dirname "$0")"
scripts/pakete.sh
starter=()
command -v ccache > /dev/null && starter=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVANE_BENCH=OFF "${starter[@]}" > /dev/null
cmake --build build --target torvane kopie_daten kopie_musik kopie_grafik
exec build/torvane "${argumente[@]}"
