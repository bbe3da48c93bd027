#!/usr/bin/env bash
# Installiert, baut und führt alle Tests aus: Regeln und Bildschirme,
# die Regeltests noch einmal mit Address- und UB-Sanitizer, dazu die Fuzzer kurz.
# Jeder Bauordner baut nur, was er prüft; ccache hilft, wenn es da ist.
set -euo pipefail
cd "$(dirname "$0")"
beginn=$SECONDS
scripts/pakete.sh
export QT_QPA_PLATFORM=offscreen
starter=()
command -v ccache > /dev/null && starter=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Damit ccache auch mit den vorübersetzten Köpfen der Tests arbeitet, und ein zweiter Klon
# (oder ein anderer Ordner) dieselben Ergebnisse wiederfindet.
export CCACHE_SLOPPINESS=pch_defines,time_macros
export CCACHE_BASEDIR="$PWD"
# Auch die Bauten mit Zeilentabellen (Sanitizer, Fuzzer): der Ordner des Übersetzens zählt nicht.
export CCACHE_NOHASHDIR=1

# Nach jeder Stufe eine Zeile mit ihrer Dauer, damit auch das Protokoll einer fremden Maschine
# zeigt, wo die Zeit bleibt.
stufe_beginn=$SECONDS
stufe_fertig() { echo "== $1: $((SECONDS - stufe_beginn)) s"; stufe_beginn=$SECONDS; }
stufe_fertig "Pakete"

echo "== Bauen (Release)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${starter[@]}" > /dev/null
cmake --build build
stufe_fertig "Bauen (Release)"
echo "== Tests"
ctest --test-dir build --output-on-failure -j2
stufe_fertig "Tests (Release)"

echo "== Installiert in einen Zwischenordner"
praefix=$(mktemp -d)
heim=$(mktemp -d)
cmake --install build --prefix "$praefix" > /dev/null
HOME="$heim" XDG_DATA_HOME="" "$praefix/bin/torvane" --autoplay 1 --seed 2 --save "$heim/probe.lig" > /dev/null
test -f "$heim/probe.lig" && test ! -e "$praefix/share/torvane/Save"
"$praefix/bin/torvane" --version
rm -rf "$praefix" "$heim"
stufe_fertig "Installieren"

echo "== Regeltests und Zufallseingaben mit Sanitizern"
grep -h "^Zufallseingaben: " build/Testing/Temporary/LastTest.log || true  # Saat und Schritte des normalen Laufs
# Ein Bauordner mit clang für alles mit Sanitizern: die Regelbibliothek wird nur einmal übersetzt
# (mit der Abdeckungsmessung für libFuzzer) und in die Regeltests, die Zufallseingaben (samt
# Bildschirmbibliothek) und die Fuzzer gelinkt. clang übersetzt hier gut doppelt so schnell wie gcc.
# Nur Zeilentabellen (-g1) statt voller Debug-Infos: die Berichte nennen Funktion, Datei
# und Zeile wie zuvor, der Bau braucht aber ein Viertel weniger Zeit.
# Ein Ordner, den noch gcc eingerichtet hat, wird neu angelegt.
if [ -f build-san/CMakeCache.txt ] && ! grep -q "^CMAKE_CXX_COMPILER:.*clang++" build-san/CMakeCache.txt; then
  rm -rf build-san
fi
fuzzer=()
for quelle in tests/fuzz/*.cpp; do [ -f "$quelle" ] && fuzzer+=("$(basename "$quelle" .cpp)"); done
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
      -DCMAKE_CXX_COMPILER=clang++ "${starter[@]}" -DTORVANE_NUR_REGELN=OFF -DTORVANE_SANITIZER=ON \
      -DTORVANE_FUZZ="$([ ${#fuzzer[@]} -gt 0 ] && echo ON || echo OFF)" -DTORVANE_BENCH=OFF > /dev/null
cmake --build build-san --target regeltests Zufallseingaben kopie_daten kopie_musik kopie_grafik kataloge "${fuzzer[@]}"
stufe_fertig "Bauen (Sanitizer und Fuzzer)"
# Die Regeltests hier in zwei Hälften statt jeder Fall als eigener Prozess über ctest:
# ein Prozess mit Sanitizern braucht gut 0,3 s zum Anlaufen, bei fast dreihundert Fällen eine Minute.
# Die Zufallseingaben laufen als dritter Prozess daneben: die Hälften sind ungleich lang, so
# bleibt kein Kern leer. Die übrigen Bildschirmtests laufen im Release-Bau.
fehler=0
for haelfte in 0 1; do
  (cd build-san && GTEST_TOTAL_SHARDS=2 GTEST_SHARD_INDEX=$haelfte ASAN_OPTIONS=detect_leaks=1 \
     UBSAN_OPTIONS=print_stacktrace=1 ./regeltests --gtest_brief=1 > "regeltests-$haelfte.log" 2>&1) &
done
(cd build-san && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
   TORVANE_ZUFALL_SCHRITTE="${TORVANE_ZUFALL_SCHRITTE_SAN:-300}" ./Zufallseingaben -silent > zufallseingaben.log 2>&1) &
for lauf in 0 1 2; do wait -n || fehler=1; done
for haelfte in 0 1; do tail -n 3 "build-san/regeltests-$haelfte.log"; done
grep -v "^QStandardPaths: " build-san/zufallseingaben.log | tail -n 3
[ "$fehler" -eq 0 ] || { cat build-san/regeltests-*.log build-san/zufallseingaben.log
                         echo "Regeltests oder Zufallseingaben mit Sanitizern fehlgeschlagen."; exit 1; }
stufe_fertig "Tests (Sanitizer)"

if [ ${#fuzzer[@]} -gt 0 ]; then
  echo "== Fuzzer (kurz)"
  # Beide Fuzzer zugleich (zwei Kerne). Der Korpus in build-san/ bleibt von Lauf zu Lauf:
  # ein neu gebautes Ziel bekommt die volle Minute, ein unverändertes setzt nur kurz
  # dort fort, wo der letzte Lauf aufgehört hat.
  fehler=0
  for ziel in "${fuzzer[@]}"; do
    korpus=tests/fuzz/korpus/$ziel
    mkdir -p build-san/korpus-$ziel
    sekunden=${TORVANE_FUZZ_SEKUNDEN:-60}
    if [ -z "${TORVANE_FUZZ_SEKUNDEN:-}" ] && cmp -s "build-san/$ziel" "build-san/$ziel.geprueft"; then
      sekunden=15
    fi
    echo "$ziel: $sekunden s"
    (build-san/$ziel -max_total_time="$sekunden" -rss_limit_mb=2048 -artifact_prefix=build-san/ \
       build-san/korpus-$ziel $( [ -d "$korpus" ] && echo "$korpus" ) > "build-san/$ziel.log" 2>&1 &&
     cp "build-san/$ziel" "build-san/$ziel.geprueft") &
  done
  for ziel in "${fuzzer[@]}"; do wait -n || fehler=1; done
  for ziel in "${fuzzer[@]}"; do
    echo "-- $ziel"
    tail -n 3 "build-san/$ziel.log"
  done
  if [ "$fehler" -ne 0 ]; then
    # Der Fund selbst, damit er sich auch aus dem Protokoll einer fremden Maschine nachspielen lässt:
    # zuerst die Eingabe (gepackt, ein Spielstand ist sonst zu lang fürs Protokoll), zuletzt der Fehler,
    # denn von einem langen Protokoll bleibt oft nur das Ende.
    for fund in build-san/crash-* build-san/leak-* build-san/timeout-* build-san/oom-*; do
      [ -f "$fund" ] && { echo "$fund (gzip, base64; base64 -d | gunzip):"; gzip -9c "$fund" | base64 -w 0; echo; }
    done
    for ziel in "${fuzzer[@]}"; do grep -h -B4 -A14 "ERROR: " "build-san/$ziel.log" | cut -c1-200 || true; done
  fi
  [ "$fehler" -eq 0 ] || { echo "Ein Fuzzer hat einen Fehler gefunden (build-san/*_fuzz.log)."; exit 1; }
  stufe_fertig "Fuzzer"
fi
echo "Alle Tests bestanden ($((SECONDS - beginn)) s)."
