#!/usr/bin/env bash
# Derselbe Zufallslauf zweimal, einmal mit und einmal ohne Malen: jede Aktion muss gleich sein,
# sonst wiederholen Saat und Schritt eines Befunds ihn nicht. $1 = das Programm Zufallseingaben.
set -euo pipefail
programm=$1
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
for malen in 1 10; do
  QT_QPA_PLATFORM=offscreen TORVANE_ZUFALL_PROTOKOLL=1 TORVANE_ZUFALL_MALEN=$malen \
    TORVANE_ZUFALL_SAAT=${TORVANE_ZUFALL_SAAT:-24} TORVANE_ZUFALL_SCHRITTE=200 "$programm" -silent > "$ordner/lauf$malen.txt"
  grep -E '^[0-9]+: ' "$ordner/lauf$malen.txt" > "$ordner/aktionen$malen.txt"
done
test -s "$ordner/aktionen1.txt"
if ! diff -q "$ordner/aktionen1.txt" "$ordner/aktionen10.txt" > /dev/null; then
  echo "Zwei Läufe derselben Saat gehen auseinander:"
  diff "$ordner/aktionen1.txt" "$ordner/aktionen10.txt" | head -n 12
  exit 1
fi
echo "Zufallseingaben: 200 Schritte zweimal gleich ($(wc -l < "$ordner/aktionen1.txt") Aktionen)"
