// Zufällige Ereignisse rund um einen Spieltag.
// Tests ersetzen die Ziehungen mit Sitzung.EreignisZiehung; Sitzung.EreignisZaehler zählt mit.
#pragma once

#include "core/Sitzung.h"

#include <cstdint>

namespace torvane {

// Ein Ereignis für AktManager: 0 zieht eines, 1..42 spielt genau dieses, jede andere
// Zahl spielt keines und zeigt nur den Anfangstext.
void Ereignis(int n);

// Bilder des Nachrichtenfensters, die die Ereignisse zeigen.
constexpr int BildSpielinfo = 0;
constexpr int BildNichts = 3;
constexpr int BildBall = 5;
constexpr int BildWerbung = 6;
constexpr int BildZeugnis = 7;
constexpr int BildStar = 8;
constexpr int BildKomfort = 9;

// Die Ereignisse 1 .. EreignisAnzahl; ihr kurzer Name (für Berichte und Tests), nullptr ohne Ereignis.
constexpr int EreignisAnzahl = 42;
const char* EreignisName(int n);

} // namespace torvane
