#!/usr/bin/env python3
"""Erzeugt die Soundeffekte von Torvane als WAV-Dateien (16 Bit, mono, 22050 Hz).

Alle Klänge werden hier synthetisch berechnet (Sinus-/Sägezahn-Oszillatoren,
gefiltertes Rauschen, Hüllkurven). Der Zufall läuft über feste Startwerte,
jeder Lauf liefert also bitgleiche Dateien.

Aufruf:
    python3 scripts/klaenge_erzeugen.py [ZIELVERZEICHNIS]   # Standard: musik/
    python3 scripts/klaenge_erzeugen.py --pruefen [ZIELVERZEICHNIS]

Nur Python-Standardbibliothek.
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
NYQUIST = RATE / 2
ZIEL_SPITZE = 10 ** (-3 / 20)  # etwa -3 dBFS
ZWEI_PI = 2 * math.pi

MIN_DAUER = 0.1
MAX_DAUER = 2.5
MAX_DAUER_LANG = 4.0
LANGE_KLAENGE = {"saisonende", "tataa", "torvane"}
MAX_GESAMT_BYTES = 2_500_000


# ---------------------------------------------------------------------------
# Grundbausteine
# ---------------------------------------------------------------------------

def anz(dauer):
    return int(round(dauer * RATE))


def stille(dauer):
    return [0.0] * anz(dauer)


def note(name):
    """'A4' -> 440.0, 'C#5', 'Bb3' usw."""
    stufen = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    ton = stufen[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        ton += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        ton -= 1
        rest = rest[1:]
    oktave = int(rest)
    return 440.0 * 2 ** ((ton + 12 * (oktave - 4)) / 12)


def mischen(ziel, quelle, start=0.0, pegel=1.0):
    """Addiert quelle ab Sekunde start in ziel (ziel wächst bei Bedarf)."""
    i0 = anz(start)
    noetig = i0 + len(quelle)
    if len(ziel) < noetig:
        ziel.extend([0.0] * (noetig - len(ziel)))
    for i, v in enumerate(quelle):
        ziel[i0 + i] += v * pegel
    return ziel


def skalieren(sig, spitze=1.0):
    m = max((abs(v) for v in sig), default=0.0)
    if m <= 0.0:
        return list(sig)
    f = spitze / m
    return [v * f for v in sig]


def _wert(x, t):
    return x(t) if callable(x) else x


def _frequenzen(dauer, freq, vibrato, versatz=None):
    """Die Frequenz je Abtastwert, mit Vibrato (versatz verschiebt dessen Phase)."""
    vib_rate, vib_tiefe = vibrato
    for i in range(anz(dauer)):
        t = i / RATE
        f = _wert(freq, t)
        if vib_tiefe:
            w = ZWEI_PI * vib_rate * t
            f *= 1.0 + vib_tiefe * math.sin(w if versatz is None else w + versatz)
        yield f


def ton(dauer, freq, teiltoene=((1, 1.0),), vibrato=(0.0, 0.0), phase=0.0):
    """Additiver Ton. freq darf eine Funktion der Zeit sein (Glissando).
    Teiltöne oberhalb der Nyquist-Frequenz werden weggelassen."""
    out = []
    ph = phase
    for f in _frequenzen(dauer, freq, vibrato):
        ph += ZWEI_PI * f / RATE
        s = 0.0
        for k, a in teiltoene:
            if k * f < NYQUIST - 400:
                s += a * math.sin(k * ph)
        out.append(s)
    return out


def saege(dauer, freq, vibrato=(0.0, 0.0), phase=0.0):
    """Einfacher Sägezahn (für Stimmen, wird danach gefiltert)."""
    out = []
    ph = phase
    for f in _frequenzen(dauer, freq, vibrato, phase * 7):
        ph = (ph + f / RATE) % 1.0
        out.append(2.0 * ph - 1.0)
    return out


def glocke(dauer, grund, partiale):
    """Inharmonischer Glockenklang: partiale = [(verhältnis, amplitude, abklingzeit)]."""
    n = anz(dauer)
    out = [0.0] * n
    for verh, amp, tau in partiale:
        f = grund * verh
        if f >= NYQUIST - 400:
            continue
        w = ZWEI_PI * f / RATE
        d = math.exp(-1.0 / (tau * RATE))
        g = amp
        for i in range(n):
            out[i] += g * math.sin(w * i)
            g *= d
    return out


def rauschen(dauer, rng):
    return [rng.uniform(-1.0, 1.0) for _ in range(anz(dauer))]


def huelle(sig, anschlag=0.005, abfall=None, ausklang=0.01):
    """Weicher Einsatz (Cosinus), optional exponentielles Abklingen (Zeitkonstante
    abfall in s), weiches Ende über ausklang Sekunden."""
    n = len(sig)
    na = max(1, anz(anschlag))
    nr = max(1, min(n, anz(ausklang)))
    d = math.exp(-1.0 / (abfall * RATE)) if abfall else 1.0
    g_ab = 1.0
    out = [0.0] * n
    for i, v in enumerate(sig):
        g = g_ab
        if i < na:
            g *= 0.5 - 0.5 * math.cos(math.pi * i / na)
        rest = n - 1 - i
        if rest < nr:
            g *= 0.5 - 0.5 * math.cos(math.pi * rest / nr)
        out[i] = v * g
        g_ab *= d
    return out


def verlauf(sig, fkt):
    """Multipliziert mit einer frei gewählten Amplitudenfunktion der Zeit."""
    return [v * fkt(i / RATE) for i, v in enumerate(sig)]


class Biquad:
    """Zweipoliges Filter (Tiefpass, Hochpass, Bandpass mit 0 dB Spitze)."""

    def __init__(self, art):
        self.art = art
        self.x1 = self.x2 = self.y1 = self.y2 = 0.0
        self.b0 = self.b1 = self.b2 = self.a1 = self.a2 = 0.0

    def setze(self, f, q):
        f = min(max(f, 20.0), RATE * 0.45)
        w = ZWEI_PI * f / RATE
        cw, sw = math.cos(w), math.sin(w)
        al = sw / (2.0 * q)
        if self.art == "tp":
            b0, b1, b2 = (1 - cw) / 2, 1 - cw, (1 - cw) / 2
        elif self.art == "hp":
            b0, b1, b2 = (1 + cw) / 2, -(1 + cw), (1 + cw) / 2
        else:
            b0, b1, b2 = al, 0.0, -al
        a0 = 1 + al
        self.b0, self.b1, self.b2 = b0 / a0, b1 / a0, b2 / a0
        self.a1, self.a2 = -2 * cw / a0, (1 - al) / a0

    def __call__(self, x):
        y = (self.b0 * x + self.b1 * self.x1 + self.b2 * self.x2
             - self.a1 * self.y1 - self.a2 * self.y2)
        self.x2, self.x1 = self.x1, x
        self.y2, self.y1 = self.y1, y
        return y


def filtern(sig, art, freq, q=0.707):
    """freq/q dürfen Funktionen der Zeit sein; Koeffizienten alle 32 Samples neu."""
    bq = Biquad(art)
    beweglich = callable(freq) or callable(q)
    bq.setze(_wert(freq, 0.0), _wert(q, 0.0))
    out = [0.0] * len(sig)
    for i, v in enumerate(sig):
        if beweglich and i % 32 == 0:
            t = i / RATE
            bq.setze(_wert(freq, t), _wert(q, t))
        out[i] = bq(v)
    return out


def formanten(sig, liste):
    """Parallele Bandpässe: liste = [(frequenz, güte, pegel)] (Vokalfärbung)."""
    out = [0.0] * len(sig)
    for f, q, pegel in liste:
        teil = filtern(sig, "bp", f, q)
        for i, v in enumerate(teil):
            out[i] += v * pegel
    return out


def gleichanteil_weg(sig):
    """Einpoliger Hochpass bei etwa 15 Hz."""
    r = math.exp(-ZWEI_PI * 15.0 / RATE)
    out = [0.0] * len(sig)
    x1 = y1 = 0.0
    for i, x in enumerate(sig):
        y = x - x1 + r * y1
        out[i] = y
        x1, y1 = x, y
    return out


def bogen(t0, t1, t2, t3):
    """Trapez-Amplitude: steigt t0..t1 weich an, hält bis t2, fällt bis t3."""
    def f(t):
        if t <= t0 or t >= t3:
            return 0.0
        if t < t1:
            return 0.5 - 0.5 * math.cos(math.pi * (t - t0) / (t1 - t0))
        if t <= t2:
            return 1.0
        return 0.5 + 0.5 * math.cos(math.pi * (t - t2) / (t3 - t2))
    return f


# ---------------------------------------------------------------------------
# Wiederverwendbare Instrumente
# ---------------------------------------------------------------------------

def blech(dauer, f, ausklang=0.08):
    """Blechbläserähnlicher Ton: obertonreich, Helligkeit folgt dem Einschwingen."""
    teil = [(k, 1.0 / k ** 1.05) for k in range(1, 14)]
    s = ton(dauer, f, teil, vibrato=(5.5, 0.003))
    s = filtern(s, "tp", lambda t: f * (1.5 + 6.0 * min(1.0, t / 0.05)) * (1.0 - 0.3 * min(1.0, t / 1.5)), 0.9)
    s = verlauf(s, lambda t: 1.0 if t > 0.06 else 1.0 + 0.25 * math.sin(math.pi * t / 0.06))
    return huelle(s, 0.025, None, ausklang)


def pfeife(dauer, rng, grund=2900.0, triller=28.0):
    """Schiedsrichterpfeife: Kugeltriller als Frequenz- und Amplitudenmodulation,
    dazu Atemrauschen um die Tonhöhe."""
    jitter = rng.uniform(0.0, 1.0)
    s = ton(dauer, lambda t: grund + 260.0 * math.sin(ZWEI_PI * triller * t + jitter),
            ((1, 1.0), (2, 0.12), (3, 0.04)))
    s = verlauf(s, lambda t: 0.65 + 0.35 * abs(math.sin(math.pi * triller * t + jitter)))
    luft = skalieren(filtern(rauschen(dauer, rng), "bp", grund, 3.0), 0.35)
    out = [a + b for a, b in zip(s, luft)]
    return huelle(out, 0.015, None, 0.04)


def vokal(dauer, freq, vokal_formanten, rng, hauch=0.0, vibrato=(5.0, 0.01)):
    """Stimmähnlicher Laut: Sägezahn (+ Hauch) durch Formantfilter."""
    quelle = saege(dauer, freq, vibrato, phase=rng.random())
    if hauch:
        n = len(quelle)
        nh = max(1, anz(hauch))
        for i in range(n):
            h = max(0.0, 1.0 - i / nh)
            quelle[i] = quelle[i] * (1.0 - h) + rng.uniform(-1, 1) * h * 1.2
    return formanten(quelle, vokal_formanten)


VOKAL_A = [(800, 5.0, 1.0), (1200, 6.0, 0.6), (2500, 8.0, 0.25)]
VOKAL_AE = [(640, 5.0, 1.0), (1190, 6.0, 0.6), (2390, 8.0, 0.2)]
VOKAL_O = [(450, 5.0, 1.0), (800, 6.0, 0.5), (2830, 8.0, 0.12)]
VOKAL_U = [(325, 5.0, 1.0), (700, 6.0, 0.35), (2530, 8.0, 0.08)]


def menge(dauer, rng, stimmen, tief, hoch, glissando, vokal_liste, einsatz=0.3):
    """Viele Stimmen gleichzeitig (Publikum). glissando: Faktor der Tonhöhe am Ende."""
    summe = [0.0] * anz(dauer)
    for _ in range(stimmen):
        f0 = rng.uniform(tief, hoch)
        start = rng.uniform(0.0, einsatz)
        lang = dauer - start
        g = glissando * rng.uniform(0.92, 1.08)
        st = saege(lang, lambda t, f0=f0, g=g, lang=lang: f0 * (1.0 + (g - 1.0) * t / lang),
                   vibrato=(rng.uniform(4.0, 7.0), rng.uniform(0.005, 0.02)),
                   phase=rng.random())
        st = huelle(st, rng.uniform(0.08, 0.25), None, 0.05)
        mischen(summe, st, start, rng.uniform(0.5, 1.0))
    return formanten(summe, vokal_liste)


# ---------------------------------------------------------------------------
# Die einzelnen Klänge
# ---------------------------------------------------------------------------

def k_klick(rng):
    s = huelle(ton(0.1, 2200, ((1, 1.0), (2.31, 0.4))), 0.0005, 0.007, 0.01)
    r = filtern(huelle(rauschen(0.1, rng), 0.0003, 0.003, 0.01), "hp", 1500)
    return [a + 0.6 * b for a, b in zip(s, r)]


def k_klick2(rng):
    out = stille(0.12)
    for start, pegel in ((0.0, 1.0), (0.045, 0.55)):
        s = huelle(ton(0.07, 1350, ((1, 1.0), (1.7, 0.5), (2.9, 0.2))), 0.0005, 0.01, 0.01)
        r = filtern(huelle(rauschen(0.07, rng), 0.0003, 0.004, 0.01), "bp", 3000, 1.2)
        mischen(out, [a + 0.8 * b for a, b in zip(s, r)], start, pegel)
    return out


def k_kasse(rng):
    out = stille(1.3)
    # "Ka": Mechanik schlägt an, Schublade rattert
    klotz = filtern(rauschen(0.15, rng), "tp", 700)
    klotz = huelle(skalieren(klotz), 0.001, 0.03, 0.02)
    mischen(out, klotz, 0.0, 1.0)
    mischen(out, huelle(ton(0.15, 150, ((1, 1.0), (2, 0.3))), 0.001, 0.04, 0.02), 0.0, 0.6)
    for i in range(6):
        tick = filtern(huelle(rauschen(0.03, rng), 0.0005, 0.005, 0.005), "bp", 2200 + 150 * i, 2.0)
        mischen(out, skalieren(tick), 0.09 + i * 0.028, 0.5 - 0.04 * i)
    # "Ching": zwei Glöckchen fast gleichzeitig
    part = [(1.0, 1.0, 0.6), (2.76, 0.45, 0.3), (5.40, 0.25, 0.15), (8.93, 0.1, 0.08)]
    mischen(out, huelle(glocke(1.0, 2093.0, part), 0.001, None, 0.1), 0.27, 0.7)
    mischen(out, huelle(glocke(0.98, 2637.0, part), 0.001, None, 0.1), 0.29, 0.55)
    return out


def k_tataa(rng):
    out = stille(1.9)
    for f, pegel in ((note("G4"), 1.0), (note("D4"), 0.5), (note("B3"), 0.4)):
        mischen(out, blech(0.16, f, 0.03), 0.0, pegel)
    for f, pegel in ((note("C5"), 1.0), (note("G4"), 0.55), (note("E4"), 0.5), (note("C4"), 0.45)):
        mischen(out, blech(1.55, f, 0.5), 0.22, pegel)
    return out


def k_saisonende(rng):
    out = []
    ach = 0.14
    melodie = [
        (0, 1, ["G4", "D4"]), (1, 1, ["G4", "D4"]), (2, 1, ["G4", "D4"]),
        (3, 3, ["C5", "G4", "E4"]), (6, 1, ["E5", "C5", "G4"]),
        (7, 1, ["D5", "B4", "G4"]), (8, 1, ["E5", "C5", "G4"]),
        (9, 3, ["F5", "C5", "A4"]), (12, 1, ["E5", "C5", "G4"]),
        (13, 1, ["D5", "B4", "F4"]),
        (14, 12, ["C5", "G4", "E4", "C4"]),
    ]
    for schritt, laenge, toene in melodie:
        dauer = laenge * ach - (0.02 if laenge < 12 else -0.35)
        for j, n in enumerate(toene):
            mischen(out, blech(dauer, note(n), 0.04 if laenge < 12 else 0.6),
                    schritt * ach, 1.0 if j == 0 else 0.5)
    # Pauken und Becken zum Schlussakkord
    for j, s in enumerate((0.0, 3, 9, 14)):
        mischen(out, k_bumm(rng), s * ach, 0.5 if j < 3 else 0.8)
    becken = filtern(rauschen(1.6, rng), "hp", 5000)
    mischen(out, huelle(becken, 0.002, 0.45, 0.3), 14 * ach, 0.35)
    mischen(out, huelle(glocke(1.5, note("C6"), [(1, 1, 0.5), (2.0, 0.5, 0.3), (3.0, 0.2, 0.2)]),
                        0.002, None, 0.2), 14 * ach, 0.25)
    return out


def k_error(rng):
    out = []
    teil = ((1, 1.0), (2, 0.15), (3, 0.25))
    mischen(out, huelle(ton(0.2, note("E5"), teil), 0.01, 0.2, 0.04), 0.0)
    mischen(out, huelle(ton(0.35, note("C5"), teil), 0.01, 0.25, 0.1), 0.18)
    return out


def k_scroll(rng):
    out = stille(0.3)
    for i in range(7):
        f = 1500.0 * 2 ** (i / 6)
        blip = huelle(ton(0.018, f, ((1, 1.0), (2, 0.2))), 0.001, 0.005, 0.004)
        mischen(out, blip, 0.02 + i * 0.035, 1.0 - 0.09 * i)
    return out


def k_pfiff1(rng):
    return pfeife(0.45, rng)


def k_pfiff2(rng):
    out = stille(2.3)
    for start, dauer in ((0.0, 0.32), (0.45, 0.32), (0.9, 1.25)):
        mischen(out, pfeife(dauer, rng), start)
    return out


def k_toorh(rng):
    dauer = 2.5
    stimmen = menge(dauer, rng, 28, 150, 420, 1.18, VOKAL_A + [(1000, 1.0, 0.4)], 0.35)
    stimmen = skalieren(stimmen)
    grund = filtern(filtern(rauschen(dauer, rng), "tp", 1800), "hp", 250)
    grund = skalieren(grund, 0.6)
    jubel = [a + b for a, b in zip(stimmen, grund)]
    jubel = verlauf(jubel, bogen(0.0, 0.55, 1.5, 2.49))
    # Fan pfeift auf zwei Fingern
    pf = ton(0.7, lambda t: 1900 + 900 * math.sin(math.pi * min(t / 0.5, 1.0)) ** 0.7,
             ((1, 1.0), (2, 0.08)))
    pf = huelle(pf, 0.03, None, 0.15)
    mischen(jubel, pf, 0.25, 0.35)
    mischen(jubel, huelle(ton(0.4, lambda t: 2600 - 800 * t, ((1, 1.0),)), 0.03, None, 0.15), 1.2, 0.25)
    return jubel


def k_toorg(rng):
    dauer = 2.0
    jubel = skalieren(menge(1.2, rng, 10, 170, 380, 1.12, VOKAL_A, 0.2))
    rausch = skalieren(filtern(rauschen(1.2, rng), "bp", 900, 0.8), 0.5)
    jubel = [a + b for a, b in zip(jubel, rausch)]
    jubel = verlauf(jubel, bogen(0.0, 0.3, 0.55, 1.19))
    stoehnen = skalieren(menge(1.8, rng, 14, 170, 260, 0.7, VOKAL_O, 0.15))
    stoehnen = verlauf(stoehnen, bogen(0.0, 0.35, 1.0, 1.79))
    out = stille(dauer)
    mischen(out, jubel, 0.0, 0.45)
    mischen(out, stoehnen, 0.2, 0.8)
    return out


def k_lach(rng):
    out = []
    for i in range(5):
        f0 = 270.0 - 14.0 * i
        silbe = vokal(0.15, lambda t, f0=f0: f0 * (1.0 - 0.6 * t), VOKAL_A, rng, hauch=0.045)
        silbe = huelle(skalieren(silbe), 0.015, None, 0.05)
        mischen(out, silbe, i * 0.2, 1.0 - 0.1 * i)
    return out


def k_trans(rng):
    dauer = 0.8
    s = filtern(rauschen(dauer, rng), "bp", lambda t: 400.0 * 10 ** math.sin(math.pi * t / dauer), 2.0)
    s = filtern(s, "tp", 6000)
    return verlauf(s, lambda t: math.sin(math.pi * t / dauer) ** 2)


def k_ding(rng):
    part = [(0.5, 0.25, 1.2), (1.0, 1.0, 1.0), (1.19, 0.3, 0.8), (2.0, 0.45, 0.6),
            (2.76, 0.3, 0.4), (5.40, 0.15, 0.15), (8.93, 0.08, 0.08)]
    return huelle(glocke(1.6, 880.0, part), 0.002, None, 0.2)


def k_rechner(rng):
    out = stille(0.62)
    teil = ((1, 1.0), (3, 0.3), (5, 0.12))
    for i, f in enumerate((2400, 2700, 2400, 3000, 2700)):
        piep = huelle(ton(0.06, f, teil), 0.002, None, 0.008)
        mischen(out, piep, 0.02 + i * 0.11 + rng.uniform(-0.008, 0.008), 0.8)
    return out


def k_kling(rng):
    part = [(1.0, 1.0, 0.25), (1.51, 0.5, 0.15), (2.26, 0.35, 0.08), (2.74, 0.2, 0.05)]
    out = []
    mischen(out, huelle(glocke(0.7, 2960.0, part), 0.0007, None, 0.1), 0.0)
    mischen(out, huelle(glocke(0.6, 3010.0, part), 0.0007, None, 0.1), 0.075, 0.4)
    return out


def k_ton1(rng):
    return huelle(ton(0.25, 1000.0), 0.005, None, 0.02)


def k_speichern(rng):
    out = []
    teil = ((1, 1.0), (2, 0.2), (3, 0.05))
    mischen(out, huelle(ton(0.5, note("C6"), teil), 0.006, 0.3, 0.1), 0.0, 0.8)
    mischen(out, huelle(ton(0.55, note("G6"), teil), 0.006, 0.3, 0.15), 0.12, 0.7)
    return out


def k_aus(rng):
    dauer = 0.6
    s = ton(dauer, lambda t: 880.0 * 0.25 ** (min(t, 0.5) / 0.5), ((1, 1.0), (3, 0.11), (5, 0.04)))
    return huelle(s, 0.01, 0.5, 0.12)


def k_explosion(rng):
    dauer = 2.0
    knall = filtern(rauschen(dauer, rng), "tp", lambda t: 4000.0 * math.exp(-t / 0.15) + 150.0, 0.8)
    knall = huelle(skalieren(knall), 0.003, 0.45, 0.3)
    grollen = skalieren(filtern(filtern(rauschen(dauer, rng), "tp", 120), "tp", 120))
    grollen = huelle(grollen, 0.02, 0.7, 0.3)
    schlag = huelle(ton(0.8, lambda t: 40 + 50 * math.exp(-t / 0.06)), 0.002, 0.15, 0.05)
    out = []
    mischen(out, knall, 0.0, 1.0)
    mischen(out, grollen, 0.0, 0.8)
    mischen(out, schlag, 0.0, 0.7)
    for _ in range(25):
        t = 0.05 + 1.0 * rng.random() ** 2
        funke = filtern(huelle(rauschen(0.02, rng), 0.0003, 0.003, 0.005), "hp", 2500)
        mischen(out, funke, t, rng.uniform(0.1, 0.35) * math.exp(-t / 0.5))
    return out


def k_44mag(rng):
    dauer = 0.9
    schuss = []
    riss = huelle(rauschen(0.012, rng), 0.0002, 0.003, 0.004)
    mischen(schuss, riss, 0.0, 1.0)
    koerper = huelle(skalieren(filtern(rauschen(0.2, rng), "tp", 2500)), 0.0005, 0.02, 0.02)
    mischen(schuss, koerper, 0.0, 0.8)
    mischen(schuss, huelle(ton(0.3, lambda t: 70 + 60 * math.exp(-t / 0.02)), 0.001, 0.06, 0.03), 0.0, 0.7)
    hall = huelle(skalieren(filtern(rauschen(0.7, rng), "tp", 800)), 0.005, 0.2, 0.1)
    mischen(schuss, hall, 0.01, 0.18)
    out = stille(dauer)
    mischen(out, schuss, 0.0, 1.0)
    mischen(out, filtern(schuss, "tp", 1500), 0.13, 0.25)  # Echo von der Tribüne
    mischen(out, filtern(schuss, "tp", 900), 0.26, 0.1)
    return out[:anz(dauer)]


def k_glasbk(rng):
    out = stille(1.25)
    aufprall = filtern(rauschen(0.15, rng), "hp", 2000)
    mischen(out, huelle(aufprall, 0.0005, 0.03, 0.02), 0.0, 0.9)
    for _ in range(38):
        t = 1.0 * rng.random() ** 2
        lang = rng.uniform(0.08, 0.2)
        part = [(1.0, 1.0, rng.uniform(0.02, 0.08)),
                (rng.uniform(1.3, 1.8), 0.6, rng.uniform(0.015, 0.05)),
                (rng.uniform(2.1, 2.9), 0.3, rng.uniform(0.01, 0.03))]
        scherbe = huelle(glocke(lang, rng.uniform(2500, 6500), part), 0.0005, None, 0.01)
        mischen(out, scherbe, t, rng.uniform(0.2, 0.6) * (1.0 - 0.6 * t))
    return out[:anz(1.25)]


def k_axe(rng):
    out = stille(0.5)
    span = huelle(skalieren(filtern(rauschen(0.2, rng), "bp", 900, 1.5)), 0.0005, 0.02, 0.02)
    mischen(out, span, 0.0, 0.8)
    mischen(out, huelle(ton(0.5, lambda t: 70 + 70 * math.exp(-t / 0.03), ((1, 1.0), (2, 0.3))),
                        0.001, 0.08, 0.05), 0.0, 0.9)
    mischen(out, huelle(ton(0.2, 420.0, ((1, 1.0), (2.3, 0.3))), 0.001, 0.045, 0.02), 0.0, 0.4)
    mischen(out, filtern(huelle(rauschen(0.01, rng), 0.0002, 0.002, 0.003), "hp", 3000), 0.0, 0.5)
    return out[:anz(0.5)]


def k_ohoh(rng):
    out = []
    uh = vokal(0.24, lambda t: 330.0 * (1.0 + 0.03 * t), VOKAL_AE, rng)
    oh = vokal(0.42, lambda t: 262.0 * (1.0 - 0.15 * t), VOKAL_O, rng)
    mischen(out, huelle(skalieren(uh), 0.02, None, 0.04), 0.0)
    mischen(out, huelle(skalieren(oh), 0.02, None, 0.15), 0.3, 0.9)
    return out


def k_laser(rng):
    dauer = 0.45
    s = ton(dauer, lambda t: 2500.0 * math.exp(-t * 6.0) + 150.0, ((1, 1.0), (3, 0.33), (5, 0.2)),
            vibrato=(35.0, 0.04))
    s2 = ton(dauer, lambda t: 2530.0 * math.exp(-t * 6.2) + 152.0, ((1, 1.0), (2, 0.3)))
    return huelle([a + 0.5 * b for a, b in zip(s, s2)], 0.002, 0.25, 0.05)


def k_bumm(rng):
    dauer = 0.7
    s = ton(dauer, lambda t: 45.0 + 60.0 * math.exp(-t / 0.05), ((1, 1.0), (2, 0.3)))
    s = huelle(s, 0.002, 0.18, 0.1)
    anschlag = huelle(skalieren(filtern(rauschen(dauer, rng), "tp", 300)), 0.001, 0.02, 0.1)
    return [a + 0.4 * b for a, b in zip(s, anschlag)]


def k_userwarn(rng):
    out = stille(0.8)
    teil = tuple((k, 1.0 / k) for k in (1, 3, 5, 7, 9, 11))
    for start in (0.0, 0.4):
        b = ton(0.3, 220.0, teil)
        b = verlauf(b, lambda t: 0.8 + 0.2 * math.sin(ZWEI_PI * 30 * t))
        b = huelle(filtern(b, "tp", 2500), 0.01, None, 0.03)
        mischen(out, b, start)
    return out


def k_torvane(rng):
    ach = 0.15
    out = []
    melodie = [("C5", 0, 1), ("E5", 1, 1), ("G5", 2, 1), ("C6", 3, 2), ("A5", 5, 1),
               ("C6", 6, 1), ("G5", 7, 3), ("E5", 10, 1), ("F5", 11, 1), ("D5", 12, 1),
               ("B4", 13, 1), ("C6", 14, 7)]
    for name, schritt, laenge in melodie:
        f = note(name)
        schluss = laenge >= 7
        dauer = laenge * ach + (0.3 if schluss else 0.05)
        kl = ton(dauer, f, ((1, 1.0), (2, 0.4), (3, 0.2), (4, 0.1), (6, 0.04)))
        kl = huelle(kl, 0.004, 0.6 if schluss else 0.22, 0.3 if schluss else 0.04)
        mischen(out, kl, schritt * ach, 0.8)
        mischen(out, huelle(glocke(dauer, f * 2, [(1, 1, 0.2), (2.76, 0.3, 0.08)]), 0.002, None, 0.04),
                schritt * ach, 0.15)
    akkorde = [(0, 4, ["C4", "E4", "G4"], "C3"), (4, 3, ["C4", "F4", "A4"], "F2"),
               (7, 3, ["C4", "E4", "G4"], "C3"), (10, 4, ["B3", "D4", "F4", "G4"], "G2"),
               (14, 7, ["C4", "E4", "G4"], "C3")]
    for schritt, laenge, toene, bass in akkorde:
        dauer = laenge * ach + (0.35 if schritt == 14 else 0.02)
        for n in toene:
            mischen(out, blech(dauer, note(n), 0.3 if schritt == 14 else 0.05), schritt * ach, 0.12)
        b = ton(dauer, note(bass), ((1, 1.0), (2, 0.5), (3, 0.2)))
        mischen(out, huelle(b, 0.005, 0.5, 0.05), schritt * ach, 0.45)
    # leichtes Schlagzeug
    for s in range(15):
        hh = filtern(huelle(rauschen(0.05, rng), 0.0005, 0.012, 0.01), "hp", 6000)
        mischen(out, hh, s * ach, 0.25 if s % 2 else 0.15)
    for s in (0, 4, 7, 10, 14):
        mischen(out, k_bumm(rng), s * ach, 0.35)
    becken = filtern(rauschen(1.2, rng), "hp", 5000)
    mischen(out, huelle(becken, 0.002, 0.35, 0.3), 14 * ach, 0.2)
    return out


KLAENGE = {
    "klick": k_klick, "klick2": k_klick2, "kasse": k_kasse, "tataa": k_tataa,
    "saisonende": k_saisonende, "error": k_error, "scroll": k_scroll,
    "pfiff1": k_pfiff1, "pfiff2": k_pfiff2, "toorh": k_toorh, "toorg": k_toorg,
    "lach": k_lach, "trans": k_trans, "ding": k_ding, "rechner": k_rechner,
    "kling": k_kling, "ton1": k_ton1, "speichern": k_speichern, "aus": k_aus,
    "explosion": k_explosion, "44mag": k_44mag, "glasbk": k_glasbk, "axe": k_axe,
    "ohoh": k_ohoh, "laser": k_laser, "bumm": k_bumm, "userwarn": k_userwarn,
    "torvane": k_torvane,
}


# ---------------------------------------------------------------------------
# Ausgabe und Prüfung
# ---------------------------------------------------------------------------

def max_dauer(name):
    return MAX_DAUER_LANG if name in LANGE_KLAENGE else MAX_DAUER


def fertigstellen(sig, name):
    """Gleichanteil weg, Länge begrenzen, weiche Ränder, auf -3 dBFS bringen."""
    sig = gleichanteil_weg(sig)
    grenze = anz(max_dauer(name))
    if len(sig) > grenze:
        sig = sig[:grenze]
    if len(sig) < anz(MIN_DAUER):
        sig = sig + [0.0] * (anz(MIN_DAUER) - len(sig))
    sig = huelle(sig, 0.0005, None, 0.01)
    return skalieren(sig, ZIEL_SPITZE)


def schreiben(pfad, sig):
    daten = struct.pack("<%dh" % len(sig),
                        *(max(-32767, min(32767, int(round(v * 32767)))) for v in sig))
    with wave.open(pfad, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(daten)


def erzeugen(ziel):
    os.makedirs(ziel, exist_ok=True)
    for name, fkt in KLAENGE.items():
        rng = random.Random("torvane-" + name)
        sig = fertigstellen(fkt(rng), name)
        schreiben(os.path.join(ziel, name + ".wav"), sig)


def pruefen(ziel):
    """Prüft Format, Länge und Pegel aller Dateien; gibt die Anzahl Fehler zurück."""
    fehler = 0
    gesamt = 0
    namen_klein = set()
    for name in sorted(KLAENGE):
        pfad = os.path.join(ziel, name + ".wav")
        with wave.open(pfad, "rb") as w:
            fmt = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getcomptype())
            frames = w.getnframes()
            roh = w.readframes(frames)
        werte = struct.unpack("<%dh" % (len(roh) // 2), roh[: len(roh) // 2 * 2]) or (0,)
        spitze = max(abs(v) for v in werte) / 32768.0
        dbfs = 20 * math.log10(spitze) if spitze > 0 else -999.0
        dauer = frames / fmt[2]
        groesse = os.path.getsize(pfad)
        gesamt += groesse
        probleme = []
        if fmt != (1, 2, RATE, "NONE"):
            probleme.append("Format %r" % (fmt,))
        if not MIN_DAUER <= dauer <= max_dauer(name):
            probleme.append("Dauer")
        if not -4.0 <= dbfs <= -2.0:
            probleme.append("Pegel")
        if abs(werte[0]) > 200 or abs(werte[-1]) > 200:
            probleme.append("Knackser am Rand")
        if name.lower() in namen_klein or name != name.lower():
            probleme.append("Name")
        namen_klein.add(name.lower())
        fehler += bool(probleme)
        print("%-14s %5.2f s  %6.1f dBFS  %7d Bytes  %s"
              % (name + ".wav", dauer, dbfs, groesse, ", ".join(probleme) or "ok"))
    print("Gesamt: %d Dateien, %d Bytes" % (len(KLAENGE), gesamt))
    if gesamt >= MAX_GESAMT_BYTES:
        print("Gesamtgröße zu hoch")
        fehler += 1
    return fehler


def main(argv):
    nur_pruefen = "--pruefen" in argv
    rest = [a for a in argv if a != "--pruefen"]
    basis = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ziel = rest[0] if rest else os.path.join(basis, "musik")
    if not nur_pruefen:
        erzeugen(ziel)
    return 1 if pruefen(ziel) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
