#!/usr/bin/env bash
# Das Spiel auf Englisch: eine Saison ohne Bildschirm mit allen Meldungen und dem Bilanzbericht,
# dazu jedes Fenster der Bildschirmfotos samt seinen Texten. Nirgends darf ein deutsches Wort
# stehen, das am Katalog vorbeigekommen ist (Namen aus der Spielwelt ausgenommen), und keine
# englische Beschriftung darf abgeschnitten sein. $1 = Bauordner, $2 = Quellordner.
set -euo pipefail
bau=$1
quellen=$2
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
cd "$bau"
./torvane --autoplay 1 --managers 4 --seed 3 --meldungen --sprache en --bericht "$ordner/bilanz.html" \
  > "$ordner/autoplay.txt"
QT_QPA_PLATFORM=offscreen ./torvane --screenshots "$ordner/fotos" --sprache en > /dev/null 2> "$ordner/fotos.log"
if grep "Abgeschnitten: " "$ordner/fotos.log"; then
  echo "Auf Englisch abgeschnitten (oben)."
  exit 1
fi
# Aus dem Bericht nur, was der Leser sieht: ohne Auszeichnung, Stil und Skript.
python3 - "$ordner/bilanz.html" > "$ordner/bilanz.txt" <<'PY'
import re, sys
html = open(sys.argv[1], encoding="utf-8").read()
html = re.sub(r"<(style|script)[^>]*>.*?</\1>", " ", html, flags=re.S)
print(re.sub(r"<[^>]+>", "\n", html))
PY
./torvane --help --sprache en > "$ordner/hilfe.txt"
# Ohne den Namen des Bildes vor jeder Zeile.
cut -d: -f2- "$ordner/fotos/texte.txt" > "$ordner/fotos.txt"
python3 "$quellen/tests/sprache/deutsch_finden.py" "$quellen/po/en.po" "$quellen/daten" \
  --namen "$quellen/src/finance/Sponsoren.cpp" "$quellen/src/core/Variablen.cpp" -- "$ordner/autoplay.txt" \
  "$ordner/bilanz.txt" "$ordner/fotos.txt" "$ordner/hilfe.txt" "$quellen/daten/Hilfe.en.dat"
