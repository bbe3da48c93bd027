// Zufällige Ereignisse rund um einen Spieltag.
#pragma once

#include <cstdint>
#include <functional>

namespace torvane {

constexpr int EreignisAnzahl = 42;

// Ein Ereignis für AktManager: 0 zieht eines, 1..EreignisAnzahl spielt genau dieses, jede
// andere Zahl spielt keines und zeigt nur den Anfangstext.
void Ereignis(int n);
// Kurzer Name des Ereignisses n (für Berichte und Tests); nullptr, wenn es keines gibt.
const char* EreignisName(int n);

// Nur für Tests: liefert statt Zufall die Ziehungen der Ereignisse (leer: Zufall).
extern std::function<int32_t(int32_t von, int32_t bis)> EreignisZiehung;

// Bilder des Nachrichtenfensters, die die Ereignisse zeigen.
constexpr int BildSpielinfo = 0;
constexpr int BildNichts = 3;
constexpr int BildBall = 5;
constexpr int BildWerbung = 6;
constexpr int BildZeugnis = 7;
constexpr int BildStar = 8;
constexpr int BildKomfort = 9;

} // namespace torvane
