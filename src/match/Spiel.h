// Die Spielberechnung: ein Spiel zweier Vereine auf ihren Linienstärken,
// mit Zuschauern, Toren, Ballspur und der Buchführung danach.
#pragma once

#include "core/Felder.h"

#include <cstdint>

namespace torvane {

// Das Spielfeldbild der Live-Ansicht; die Ballspur ist in diesen Pixeln.
constexpr int PlatzBreite = 500;
constexpr int PlatzHoehe = 300;

// Eine Minute der Ballspur.
struct Spielminute_ {
    int32_t X = 0;        // 0: keine neue Ballposition in dieser Minute
    int32_t Y = 0;
    int8_t Ereignis = 0;  // -1 Tor für Heim, 1 Tor für Gast
};

// --- Ergebnis der letzten Spielberechnung ---
// Gilt bis zum nächsten Aufruf; der Wettbewerbstag liest es sofort
// (Zeile, Live-Ansicht, Toto). Nicht Teil des Spielstands.
extern int32_t ToreHeim;
extern int32_t ToreGast;
extern int32_t Zuschauer;
extern int32_t HeimManager;   // 0..3, 4 = Computerverein
extern int32_t GastManager;
extern Feld<uint8_t, 1, 9> TotoErgebnis;        // Ligapaarung 1..9: 1 Heimsieg, 0 Remis, 2 Auswärtssieg
extern Feld<Spielminute_, 0, 90> Spielverlauf;  // Eintrag 0 bleibt leer

// Gelbe Karten des laufenden Wettbewerbstags je Manager 0..3 und Kaderplatz 0..23;
// der Wettbewerbstag löscht sie zu Beginn.
extern Feld<Feld<uint8_t, 0, 23>, 0, 3> GelbHeute;

// Berechnet das Spiel heim gegen gast; paarung 1..9 ist die Zeile der Tagesliste
// (für Ligaspiele der Platz in Ergebnisse und TotoErgebnis). Legt nichts an.
void SpielBerechnen(int heim, int gast, int paarung);

// Buchführung nach dem Spiel für Manager m und seinen Verein; nur SpielBerechnen ruft das.
void SpielNachbereiten(int m, int verein);

// Hält Moral und Linienstärken der Vereine von..bis in ihren Grenzen und berechnet Gesamt.
void MannschaftenPruefen(int von, int bis);

} // namespace torvane
