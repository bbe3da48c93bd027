#!/usr/bin/env bash
# Installiert in einen Zwischenordner und prüft, was der Desktop davon liest:
# Menüeintrag, AppStream-Beschreibung und den Dateityp der Spielstände.
# Aufruf: dateien_pruefen.sh BAUORDNER
set -euo pipefail
bau=$1
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
cmake --install "$bau" --prefix "$ziel" > /dev/null
teilen=$ziel/share

desktop-file-validate "$teilen/applications/de.torvane.Torvane.desktop"
grep -qx 'Exec=torvane %f' "$teilen/applications/de.torvane.Torvane.desktop"
grep -qx 'MimeType=application/x-torvane-spielstand;' "$teilen/applications/de.torvane.Torvane.desktop"
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$teilen/metainfo/de.torvane.Torvane.metainfo.xml" > "$ziel/as.txt" ||
    { cat "$ziel/as.txt"; exit 1; }
  # Nur Hinweise sind erlaubt, keine Warnungen oder Fehler.
  if grep -E '^(W|E):' "$ziel/as.txt"; then exit 1; fi
  # Keine Adresse, die es nicht gibt.
  if grep -n 'https\?://' "$teilen/metainfo/de.torvane.Torvane.metainfo.xml"; then exit 1; fi
fi

# Der Dateityp: gültiges XML, und die Datenbank ordnet *.lig ihm zu.
xmllint --noout "$teilen/mime/packages/de.torvane.Torvane.xml"
XDG_DATA_DIRS="$teilen:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" update-mime-database "$teilen/mime" 2> "$ziel/mime.txt"
if [ -s "$ziel/mime.txt" ]; then cat "$ziel/mime.txt"; exit 1; fi
grep -q ':application/x-torvane-spielstand:\*\.lig' "$teilen/mime/globs2"
grep -q 'Torvane-Spielstand' "$teilen/mime/application/x-torvane-spielstand.xml"
grep -qx 'application/x-torvane-spielstand:de.torvane.Torvane' "$teilen/mime/icons"
test -f "$teilen/icons/hicolor/scalable/apps/de.torvane.Torvane.svg"
echo "Desktopdateien in Ordnung."
