#!/usr/bin/env python3
"""Prüft die Grunddaten in daten/ so, wie das Spiel sie liest.

Liest jede Datei mit denselben Zeilenregeln wie der Lader des Spiels
(Zahlzeile: führende Leerzeichen, Tabs und Leerzeilen überspringen, Rest nach
der Zahl egal; Textzeile: die ganze Zeile) und prüft dann, was das Spiel von
den Daten erwartet. Zum Schluss wird der Erzeuger in einen Temp-Ordner
ausgeführt und byteweise verglichen, damit kein veralteter Stand eingecheckt
wird.

Aufruf: python3 scripts/daten_pruefen.py [datenordner]
Exit-Code 0 = alles gut, sonst Liste der Fehler.
"""

import os
import re
import subprocess
import sys
import tempfile
from collections import Counter, defaultdict

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Bekannte Profivereine: kein erzeugter Name darf einen davon enthalten.
BEKANNTE_VEREINE = [
    "Bayern München", "Borussia Dortmund", "Schalke", "Hamburger SV",
    "Werder Bremen", "VfB Stuttgart", "Eintracht Frankfurt", "1. FC Köln",
    "Mönchengladbach", "Bayer Leverkusen", "Hertha", "Kaiserslautern",
    "Union Berlin", "Dynamo Dresden", "Hansa Rostock", "Fortuna Düsseldorf",
    "Arminia Bielefeld", "VfL Bochum", "Hannover 96", "1. FC Nürnberg",
    "Karlsruher SC", "St. Pauli", "Holstein Kiel", "Preußen Münster",
    "Alemannia Aachen", "Eintracht Braunschweig", "Jahn Regensburg",
    "Rot-Weiss Essen", "Rot-Weiß Essen", "Waldhof", "Real Madrid",
    "Barcelona", "Atlético Madrid", "Valencia", "Sevilla", "Real Betis",
    "Ajax", "PSV", "Feyenoord", "Juventus Turin", "Inter Mailand",
    "AC Mailand", "AS Rom", "Lazio", "Neapel", "Manchester", "Liverpool",
    "Arsenal London", "Chelsea", "Tottenham", "Celtic Glasgow",
    "Rangers Glasgow", "Benfica", "FC Porto", "Sporting Lissabon",
    "Galatasaray", "Fenerbahce", "Besiktas", "Olympiakos", "Panathinaikos",
    "Spartak Moskau", "Zenit", "Dynamo Kiew", "Schachtar", "Sparta Prag",
    "Slavia Prag", "Rapid Wien", "Austria Wien", "Red Bull", "Anderlecht",
    "FC Brügge", "Club Brugge", "Young Boys", "Grasshopper", "FC Basel",
    "Dinamo Zagreb", "Hajduk Split", "Roter Stern", "Partizan Belgrad",
    "Steaua", "Ferencváros", "Legia", "Lech Posen", "Rosenborg",
    "IFK Göteborg", "Malmö FF", "Bröndby", "Brøndby", "FC Kopenhagen",
    "Olympique Marseille", "Olympique Lyon", "Paris Saint", "AS Monaco",
    "Lewski Sofia", "ZSKA Sofia",
]
# Vorschläge des Spiels für nachträglich angelegte Manager.
RESERVIERT = {"AC Achern", "BF Burgen", "Cham", "DFF Dörgen", "Erlangen",
              "FC Fallera", "Gerau"}

SYSTEM_CODES = {343, 352, 442, 451, 433}
FELD_BREITE, FELD_HOEHE, MARKE = 300, 200, 32

fehler = []


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)
    return bedingung


class Leser:
    """Zeilenweises Lesen nach den Regeln des Spiels."""

    ZAHL = re.compile(r"[+-]?\d+")

    def __init__(self, pfad):
        self.name = os.path.basename(pfad)
        roh = open(pfad, "rb").read()
        self.roh = roh
        try:
            text = roh.decode("cp1252")
        except UnicodeDecodeError as e:
            raise SystemExit(f"{self.name}: kein gültiges Windows-1252: {e}")
        # Zeilenenden: nur CRLF, und die Datei endet mit einem
        pruefe(roh.endswith(b"\r\n"), f"{self.name}: letztes CRLF fehlt")
        pruefe(roh.count(b"\n") == roh.count(b"\r\n"),
               f"{self.name}: LF ohne CR")
        pruefe(roh.count(b"\r") == roh.count(b"\r\n"),
               f"{self.name}: CR ohne LF")
        self.zeilen = text.split("\r\n")[:-1]
        self.pos = 0

    def text(self):
        if self.pos >= len(self.zeilen):
            raise SystemExit(f"{self.name}: Datei endet zu früh")
        z = self.zeilen[self.pos]
        self.pos += 1
        return z

    def zahl(self):
        while self.pos < len(self.zeilen) and not self.zeilen[self.pos].strip(" \t"):
            self.pos += 1
        z = self.text().lstrip(" \t")
        m = self.ZAHL.match(z)
        if not m:
            raise SystemExit(f"{self.name}: Zeile {self.pos} ist keine Zahl: {z!r}")
        return int(m.group())

    def reine_zahl(self):
        # Textzeile, die als Zahl umgewandelt wird: nichts außer der Zahl
        z = self.text()
        if not re.fullmatch(r"[+-]?\d+", z):
            raise SystemExit(f"{self.name}: Zeile {self.pos} ist keine reine Zahl: {z!r}")
        return int(z)

    def ende(self):
        pruefe(self.pos == len(self.zeilen),
               f"{self.name}: {len(self.zeilen) - self.pos} Zeilen zu viel")


def nationen_pruefen(ordner):
    r = Leser(os.path.join(ordner, "Nationen.dat"))
    n = r.zahl()
    nationen = [(r.text(), r.text(), r.zahl()) for _ in range(n)]
    r.ende()
    pruefe(21 <= n <= 47, f"Nationen: {n} Einträge, erwartet 21..47")
    pruefe(nationen[0][:2] == ("Deutschland", "D"), "Nationen: Deutschland/D nicht vorn")
    kuerzel = [k for _, k, _ in nationen]
    pruefe(len(set(kuerzel)) == n, "Nationen: Kürzel doppelt")
    pruefe(len({name for name, _, _ in nationen}) == n, "Nationen: Name doppelt")
    for name, k, bonus in nationen:
        pruefe(1 <= len(k) <= 3 and k.isupper(), f"Nationen: Kürzel {k!r}")
        pruefe(-10 <= bonus <= 10, f"Nationen: Bonus {bonus} bei {name}")
        pruefe(name.strip() == name and name, f"Nationen: Name {name!r}")
    return nationen


def vereine_pruefen(ordner, kuerzel):
    r = Leser(os.path.join(ordner, "Mansch.dat"))
    n = r.zahl()
    vereine = [(r.text(), r.reine_zahl(), r.text()) for _ in range(n)]
    r.ende()

    namen = [v[0] for v in vereine]
    pruefe(len(set(namen)) == n, "Mansch: doppelte Vereinsnamen "
           + str([x for x, c in Counter(namen).items() if c > 1]))
    for name, liga, nation in vereine:
        pruefe(0 < len(name) <= 25 and name.strip() == name, f"Mansch: Name {name!r}")
        pruefe(nation in kuerzel, f"Mansch: Nation {nation!r} unbekannt ({name})")
        pruefe(name not in RESERVIERT, f"Mansch: reservierter Name {name}")
        for bekannt in BEKANNTE_VEREINE:
            pruefe(bekannt.lower() not in name.lower(),
                   f"Mansch: {name} erinnert an {bekannt}")

    for liga in range(1, 5):
        block = vereine[(liga - 1) * 18: liga * 18]
        pruefe(all(v[1] == liga and v[2] == "D" for v in block),
               f"Mansch: Liga {liga} nicht 18 deutsche Vereine in Folge")

    # wie der Lader: erster nicht-deutscher Verein bestimmt DeutscheHoch
    deutsche_hoch = next(k for k, v in enumerate(vereine) if v[2] != "D")
    pruefe(all(v[2] == "D" and v[1] == 5 for v in vereine[72:deutsche_hoch]),
           "Mansch: nach Liga 4 nicht nur deutsche Liga-5-Vereine")
    pruefe(deutsche_hoch - 72 >= 18, "Mansch: weniger als 18 Vereine in Liga 5")

    ausland = vereine[deutsche_hoch:]
    pruefe(all(v[2] != "D" and v[1] == 1 for v in ausland),
           "Mansch: ausländische Vereine nicht alle Liga 1 / deutscher dazwischen")
    # nach Nation gruppiert: jede Nation ein zusammenhängender Block
    folge = [v[2] for v in ausland]
    bloecke = [k for i, k in enumerate(folge) if i == 0 or folge[i - 1] != k]
    pruefe(len(bloecke) == len(set(bloecke)), "Mansch: Nationen nicht gruppiert")
    je_nation = Counter(folge)
    pruefe(len(je_nation) >= 20, f"Mansch: nur {len(je_nation)} Auslandsnationen")
    for k, c in je_nation.items():
        pruefe(6 <= c <= 8, f"Mansch: {k} hat {c} Vereine")
    # jede Auslandsnation braucht Vereine (Champions League, Uefa Pokal)
    for k in kuerzel[1:]:
        pruefe(k in je_nation, f"Mansch: Nation {k} ohne Vereine")
    return vereine, deutsche_hoch, je_nation


def spieler_pruefen(ordner, kuerzel):
    r = Leser(os.path.join(ordner, "Spieler.dat"))
    n = r.zahl()
    spieler = [(r.text(), r.text(), r.text(), r.text()) for _ in range(n)]
    r.ende()
    pruefe(n >= 2500, f"Spieler: nur {n}")
    voll = Counter(v + " " + nn for v, nn, _, _ in spieler)
    doppelt = [x for x, c in voll.items() if c > 1]
    pruefe(not doppelt, f"Spieler: doppelte Namen {doppelt[:5]}")
    for v, nn, pos, nation in spieler:
        pruefe(0 < len(v) <= 20 and 0 < len(nn) <= 20
               and v.strip() == v and nn.strip() == nn,
               f"Spieler: Name {v!r} {nn!r}")
        pruefe(pos in ("T", "V", "M", "S"), f"Spieler: Position {pos!r}")
        pruefe(nation in kuerzel, f"Spieler: Nation {nation!r}")
    positionen = Counter(s[2] for s in spieler)
    nationen = Counter(s[3] for s in spieler)
    pruefe(0.09 <= positionen["T"] / n <= 0.11, f"Spieler: Torhüter {positionen['T']}")
    for p in ("V", "M"):
        pruefe(0.30 <= positionen[p] / n <= 0.36, f"Spieler: {p} {positionen[p]}")
    pruefe(positionen["S"] / n >= 0.18, f"Spieler: Stürmer {positionen['S']}")
    pruefe(0.40 <= nationen["D"] / n <= 0.50, f"Spieler: Deutsche {nationen['D']}")
    for k in kuerzel:
        pruefe(nationen[k] >= 20, f"Spieler: Nation {k} hat nur {nationen[k]}")
    # jede Nation soll alle Positionen haben, sonst wirkt der Markt einseitig
    for k in kuerzel:
        pos_k = {s[2] for s in spieler if s[3] == k}
        pruefe(pos_k == {"T", "V", "M", "S"}, f"Spieler: {k} ohne alle Positionen")
    return positionen, nationen


def spielplan_pruefen(ordner, datei, slots):
    r = Leser(os.path.join(ordner, datei))
    tage = slots - 1
    paare = slots // 2
    plan = [[(r.zahl(), r.zahl()) for _ in range(paare)] for _ in range(tage)]
    r.ende()
    pruefe(len(r.zeilen) == tage * paare * 2, f"{datei}: {len(r.zeilen)} Zeilen")
    begegnet = set()
    heim = Counter()
    folge = defaultdict(str)
    for t, tag in enumerate(plan, 1):
        am_tag = [s for p in tag for s in p]
        pruefe(sorted(am_tag) == list(range(1, slots + 1)),
               f"{datei}: Tag {t} hat nicht jeden Slot genau einmal")
        for h, g in tag:
            paar = frozenset((h, g))
            pruefe(paar not in begegnet, f"{datei}: {h}-{g} doppelt")
            begegnet.add(paar)
            heim[h] += 1
            folge[h] += "H"
            folge[g] += "A"
    pruefe(len(begegnet) == slots * (slots - 1) // 2, f"{datei}: nicht jeder gegen jeden")
    for s in range(1, slots + 1):
        pruefe(heim[s] in (tage // 2, tage // 2 + 1), f"{datei}: Slot {s} {heim[s]} Heimspiele")
    # höchstens ein Doppel (zwei Heim- oder Auswärtsspiele in Folge) je Slot;
    # weniger als slots-2 Doppel insgesamt geht nicht
    doppel = {s: sum(f[i] == f[i - 1] for i in range(1, len(f)))
              for s, f in folge.items()}
    pruefe(max(doppel.values()) <= 1, f"{datei}: Heim/Auswärts wechseln schlecht {doppel}")
    pruefe(sum(doppel.values()) == slots - 2, f"{datei}: {sum(doppel.values())} Doppel")


def spielsysteme_pruefen(ordner):
    r = Leser(os.path.join(ordner, "SpielSystem.dat"))
    werte = [[(r.reine_zahl(), r.reine_zahl()) for _ in range(12)] for _ in range(6)]
    r.ende()
    pruefe(len(r.zeilen) == 144, f"SpielSystem: {len(r.zeilen)} Zeilen")
    for s in werte:
        for x, y in s:
            pruefe(-32768 <= x <= 32767 and -32768 <= y <= 32767, "SpielSystem: Wertebereich")
    codes = [werte[s][0][1] for s in range(1, 6)]
    pruefe(set(codes) == SYSTEM_CODES and len(codes) == 5, f"SpielSystem: Codes {codes}")
    for s in range(1, 6):
        code = werte[s][0][1]
        ziffern = [int(c) for c in str(code)]
        pruefe(sum(ziffern) == 10, f"SpielSystem: {code} ergibt nicht zehn Feldspieler")
        marken = werte[s][1:]
        for x, y in marken:
            # Marke ganz im Bild, Rückennummer 16 Pixel darüber auch
            pruefe(0 <= x <= FELD_BREITE - MARKE and 16 <= y <= FELD_HOEHE - MARKE,
                   f"SpielSystem {code}: Marke ({x},{y}) außerhalb")
        for i in range(11):
            for j in range(i + 1, 11):
                (x1, y1), (x2, y2) = marken[i], marken[j]
                pruefe(abs(x1 - x2) >= MARKE or abs(y1 - y2) >= MARKE,
                       f"SpielSystem {code}: Marken {i + 1} und {j + 1} überlappen")
        # Torwart hinten, dann Abwehr, Mittelfeld, Sturm Richtung oberer Rand
        v, m, _ = ziffern
        linien = [marken[:1], marken[1:1 + v], marken[1 + v:1 + v + m], marken[1 + v + m:]]
        mittel_y = [sum(y for _, y in l) / len(l) for l in linien]
        pruefe(mittel_y == sorted(mittel_y, reverse=True),
               f"SpielSystem {code}: Reihen nicht von hinten nach vorn")
        for l in linien[1:]:
            xs = [x for x, _ in l]
            pruefe(xs == sorted(xs), f"SpielSystem {code}: Reihe nicht von links nach rechts")


def hilfe_pruefen(ordner):
    r = Leser(os.path.join(ordner, "Hilfe.dat"))
    pruefe(20 <= len(r.zeilen) <= 80, f"Hilfe: {len(r.zeilen)} Zeilen")
    text = "\n".join(r.zeilen)
    for wort in ("Zug abschließen", "Aufstellung", "Transfermarkt", "Bank",
                 "Stadion", "Werbung", "Spieltag", "speichern", "Ratgeber",
                 "Automatic", "Zahlenrad", "F1", "Escape", "Überspringen"):
        pruefe(wort in text, f"Hilfe: {wort!r} fehlt")


def reproduzierbar(ordner):
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run([sys.executable, os.path.join(WURZEL, "scripts", "daten_erzeugen.py"), tmp],
                       check=True)
        for datei in sorted(os.listdir(tmp)):
            neu = open(os.path.join(tmp, datei), "rb").read()
            pfad = os.path.join(ordner, datei)
            alt = open(pfad, "rb").read() if os.path.exists(pfad) else None
            pruefe(neu == alt, f"{datei}: weicht vom Erzeuger ab")


def main():
    ordner = sys.argv[1] if len(sys.argv) > 1 else os.path.join(WURZEL, "daten")
    nationen = nationen_pruefen(ordner)
    kuerzel = [k for _, k, _ in nationen]
    vereine, deutsche_hoch, je_nation = vereine_pruefen(ordner, kuerzel)
    positionen, spieler_nation = spieler_pruefen(ordner, kuerzel)
    spielplan_pruefen(ordner, "Sptg.dat", 18)
    spielplan_pruefen(ordner, "ChlSptg.dat", 16)
    spielsysteme_pruefen(ordner)
    hilfe_pruefen(ordner)
    reproduzierbar(ordner)

    ligen = Counter(v[1] for v in vereine[:deutsche_hoch])
    print(f"Nationen: {len(nationen)} (1 + {len(nationen) - 1} Ausland)")
    print("Vereine je Liga:", dict(sorted(ligen.items())),
          f"Ausland: {len(vereine) - deutsche_hoch}, erster Auslandsverein: {deutsche_hoch + 1}")
    print("Auslandsvereine:", dict(je_nation))
    print("Spieler:", sum(positionen.values()), dict(sorted(positionen.items())),
          "Deutsche:", spieler_nation["D"])
    if fehler:
        print(f"{len(fehler)} FEHLER:")
        for f in fehler:
            print("  " + f)
        sys.exit(1)
    print("alles in Ordnung")


if __name__ == "__main__":
    main()
