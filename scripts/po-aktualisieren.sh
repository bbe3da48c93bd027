#!/usr/bin/env bash
# Holt alle Texte des Spiels aus dem Code in die Vorlage po/torvane.pot und gleicht jede
# Sprache (po/<kürzel>.po) damit ab: neue Texte kommen leer dazu, geänderte werden "fuzzy".
# Mit --pruefen ändert es nichts und sagt, was fehlt (der ctest-Fall katalog_vollstaendig).
set -euo pipefail
# Die Werkzeuge sollen englisch melden: das Skript sucht in ihrer Ausgabe nach "untranslated".
export LC_ALL=C.UTF-8 LANGUAGE=
cd "$(dirname "$0")/.."
pruefen=0
[ "${1:-}" = "--pruefen" ] && pruefen=1

vorlage=$(mktemp --suffix=.pot)
trap 'rm -f "$vorlage" "$vorlage".*' EXIT
# Die Schlüsselwörter aus src/core/Sprache.h und QtOberflaeche.h; %1 … sind Platzhalter im
# Stil von Qt, msgfmt --check prüft damit, dass eine Übersetzung jeden behält.
git ls-files 'src/*.cpp' 'src/*.h' | LC_ALL=C sort > "$vorlage.liste"
xgettext --language=C++ --qt --from-code=UTF-8 --files-from="$vorlage.liste" --output="$vorlage" \
  --keyword= --keyword=T --keyword=TC:1c,2 --keyword=Tf --keyword=Tz --keyword=Tq --keyword=TCq:1c,2 --keyword=N_ \
  --flag=T:1:qt-format --flag=TC:2:qt-format --flag=Tf:1:qt-format --flag=Tz:1:qt-format --flag=Tq:1:qt-format \
  --flag=TCq:2:qt-format --flag=N_:1:qt-format \
  --add-comments=Übersetzer: --add-location=file --sort-by-file \
  --package-name=Torvane --package-version="$(sed -n 's/^project(Torvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" \
  --msgid-bugs-address=spiel@torvane.de --copyright-holder="Torvane"
# Das Datum der Vorlage wechselt bei jedem Lauf; ohne es ändert sie sich nur mit den Texten.
sed -i '/^"POT-Creation-Date: /d' "$vorlage"

fehler=0
if [ "$pruefen" -eq 0 ]; then
  cp "$vorlage" po/torvane.pot
fi
for po in po/*.po; do
  [ -f "$po" ] || continue
  if [ "$pruefen" -eq 1 ]; then
    # Jede Quelle der Vorlage übersetzt, nichts "fuzzy", jeder Platzhalter in der Übersetzung.
    msgmerge --quiet --no-fuzzy-matching "$po" "$vorlage" -o "$vorlage.po"
    stand=$(msgfmt --check --statistics -o /dev/null "$vorlage.po" 2>&1) || fehler=1
    echo "$po: $stand"
    if grep -qE 'fuzzy|untranslated' <<< "$stand"; then
      echo "Ohne Übersetzung oder unscharf:"
      { msgattrib --untranslated --no-obsolete "$vorlage.po" | grep -A1 '^msgid ' | head -60; } || true
      { msgattrib --only-fuzzy --no-obsolete "$vorlage.po" | grep -A1 '^msgid ' | head -20; } || true
      fehler=1
    fi
  else
    msgmerge --quiet --update --backup=none --no-fuzzy-matching "$po" po/torvane.pot
  fi
done
exit "$fehler"
