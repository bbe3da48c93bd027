#!/usr/bin/env python3
"""Findet deutsche Wörter in Texten, die das Spiel auf Englisch gezeigt hat.

Ein Wort zählt als deutsch, wenn es in einem deutschen Quelltext des Katalogs vorkommt, aber in
keiner englischen Übersetzung und in keinem Namen der Spielwelt (Vereine, Spieler, Nationen).
Ein Text, der am Katalog vorbei gezeigt wird, verrät sich so an seinen Wörtern.

Aufruf: deutsch_finden.py PO DATENORDNER [--namen QUELLE...] -- TEXTDATEI...   (Ausgang 1 mit den Fundstellen)
Mit --namen gelten die Zeichenketten einer Quelldatei, die nicht im Katalog stehen, als Namen
(Sponsoren, Trainer), wie die der Spielwelt.
"""
import re
import sys
from pathlib import Path

WORT = re.compile(r"[A-Za-zÄÖÜäöüß]{3,}")
# Wörter, die im Englischen gleich lauten oder Eigennamen des Spiels sind.
ERLAUBT = {"Torvane", "Automatic", "Bundesliga", "Oberliga", "Regionalliga", "Liga", "DFB", "Pokal", "Uefa",
           "ChampionsLige", "Sieger", "Toto", "Euro", "Info", "Manager", "Name", "Start", "Stop", "Team", "Test",
           "Computer", "TotoTip", "Deutsch"}


def katalog(pfad):
    """(msgid, msgstr) aller Einträge einer .po-Datei."""
    paare, feld, teile = [], None, {}
    def ende():
        if "msgid" in teile and teile["msgid"]:
            paare.append((teile["msgid"], teile.get("msgstr", "")))
    for zeile in Path(pfad).read_text(encoding="utf-8").splitlines():
        if zeile.startswith("#~"):
            continue
        m = re.match(r'^(msgctxt|msgid|msgstr)\s+"(.*)"$', zeile)
        if m:
            if m.group(1) in ("msgctxt", "msgid") and "msgstr" in teile:
                ende()
                teile = {}
            feld = m.group(1)
            teile[feld] = m.group(2)
        elif zeile.startswith('"') and feld:
            teile[feld] += zeile[1:-1]
        elif not zeile.strip():
            if "msgstr" in teile:
                ende()
            teile, feld = {}, None
    if "msgstr" in teile:
        ende()
    return paare


def main():
    po, daten, rest = sys.argv[1], Path(sys.argv[2]), sys.argv[3:]
    quellen, dateien = [], rest
    if rest and rest[0] == "--namen":
        quellen, dateien = rest[1:rest.index("--")], rest[rest.index("--") + 1:]
    paare = katalog(po)
    quelltexte = {d for d, _ in paare}
    englisch = {w.lower() for _, s in paare for w in WORT.findall(s)}
    welt = set()
    for name in ("Mansch.dat", "Spieler.dat", "Nationen.dat"):
        welt |= {w.lower() for w in WORT.findall((daten / name).read_text(encoding="cp1252"))}
    for quelle in quellen:
        for literal in re.findall(r'"((?:[^"\\\n]|\\.)*)"', Path(quelle).read_text(encoding="utf-8")):
            if literal not in quelltexte:
                welt |= {w.lower() for w in WORT.findall(literal)}
    erlaubt = englisch | welt | {w.lower() for w in ERLAUBT}
    deutsch = {w.lower() for d, _ in paare for w in WORT.findall(d)} - erlaubt
    funde = []
    for datei in dateien:
        roh = Path(datei).read_bytes()
        try:
            text = roh.decode("utf-8")
        except UnicodeDecodeError:
            text = roh.decode("cp1252")  # Dateien der Spielwelt
        for nr, zeile in enumerate(text.splitlines(), 1):
            woerter = [w for w in WORT.findall(zeile) if w.lower() in deutsch]
            if woerter:
                funde.append(f"{datei}:{nr}: {', '.join(sorted(set(woerter)))}: {zeile.strip()[:160]}")
    for f in funde[:80]:
        print(f)
    if funde:
        print(f"{len(funde)} Zeilen mit deutschen Wörtern im englischen Spiel.")
        return 1
    print(f"Keine deutschen Wörter ({len(deutsch)} gesucht) in {len(dateien)} Dateien.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
