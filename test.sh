#!/usr/bin/env bash
# Installiert, baut und führt alle Tests aus: Regeln und Bildschirme,
# die Regeltests noch einmal mit Address- und UB-Sanitizer, dazu die Fuzzer kurz.
set -euo pipefail
cd "$(dirname "$0")"
scripts/pakete.sh
export QT_QPA_PLATFORM=offscreen

echo "== Bauen (Release)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build
echo "== Tests"
ctest --test-dir build --output-on-failure -j2

echo "== Installiert in einen Zwischenordner"
praefix=$(mktemp -d)
heim=$(mktemp -d)
cmake --install build --prefix "$praefix" > /dev/null
HOME="$heim" XDG_DATA_HOME="" "$praefix/bin/torvane" --autoplay 1 --seed 2 --save "$heim/probe.lig" > /dev/null
test -f "$heim/probe.lig" && test ! -e "$praefix/share/torvane/Save"
"$praefix/bin/torvane" --version
rm -rf "$praefix" "$heim"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate desktop/de.torvane.Torvane.desktop
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net desktop/de.torvane.Torvane.metainfo.xml
fi

echo "== Regeltests mit Sanitizern"
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 \
      -DTORVANE_NUR_REGELN=ON -DTORVANE_SANITIZER=ON -DTORVANE_BENCH=OFF > /dev/null
cmake --build build-san
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-san --output-on-failure -j2

# == Zufallseingaben mit Sanitizern: nur die Bildschirmbibliothek und dieser eine Test.
grep -h "^Zufallseingaben: " build/Testing/Temporary/LastTest.log || true  # Saat und Schritte des normalen Laufs
echo "== Zufallseingaben mit Sanitizern"
cmake -S . -B build-san-zufall -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DTORVANE_SANITIZER=ON \
      -DTORVANE_BENCH=OFF $(command -v ccache > /dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) > /dev/null
cmake --build build-san-zufall --target Zufallseingaben
(cd build-san-zufall && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
   TORVANE_ZUFALL_SCHRITTE="${TORVANE_ZUFALL_SCHRITTE_SAN:-300}" ./Zufallseingaben -silent)
# == Ende Zufallseingaben mit Sanitizern

if ls tests/fuzz/*.cpp > /dev/null 2>&1; then
  echo "== Fuzzer (kurz)"
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
        -DTORVANE_NUR_REGELN=ON -DTORVANE_FUZZ=ON -DTORVANE_SANITIZER=ON -DTORVANE_BENCH=OFF > /dev/null
  cmake --build build-fuzz
  for quelle in tests/fuzz/*.cpp; do
    ziel=$(basename "$quelle" .cpp)
    korpus=tests/fuzz/korpus/$ziel
    mkdir -p build-fuzz/korpus-$ziel
    build-fuzz/$ziel -max_total_time="${TORVANE_FUZZ_SEKUNDEN:-60}" -rss_limit_mb=2048 \
      -artifact_prefix=build-fuzz/ build-fuzz/korpus-$ziel $( [ -d "$korpus" ] && echo "$korpus" ) 2>&1 | tail -n 3
  done
fi
echo "Alle Tests bestanden."
