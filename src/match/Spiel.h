// Die Spielberechnung: ein Spiel zweier Vereine auf ihren Linienstärken,
// mit Zuschauern, Toren, Ballspur und der Buchführung danach.
#pragma once

#include "core/Felder.h"

#include <cstdint>
#include <string>

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

// Was ein berechnetes Spiel dem Wettbewerbstag, der Live-Ansicht und dem Toto liefert.
struct Spielergebnis_ {
    int32_t ToreHeim = 0;
    int32_t ToreGast = 0;
    int32_t Zuschauer = 0;
    int32_t HeimManager = 4; // 0..3, 4 = Computerverein
    int32_t GastManager = 4;
    Feld<Spielminute_, 0, 90> Spielverlauf{}; // Eintrag 0 bleibt leer

    bool Heimsieg() const { return ToreHeim > ToreGast; }
    bool Remis() const { return ToreHeim == ToreGast; }
    bool MitManager() const { return HeimManager < 4 || GastManager < 4; }
    // Tabellenpunkte: 3 für den Sieg, 1 für ein Remis.
    int PunkteHeim() const { return Heimsieg() ? 3 : Remis() ? 1 : 0; }
    int PunkteGast() const { return Heimsieg() ? 0 : Remis() ? 1 : 3; }
    // Tippzeichen des Totos: 1 Heimsieg, 0 Remis, 2 Auswärtssieg.
    uint8_t Toto() const { return Heimsieg() ? 1 : Remis() ? 0 : 2; }
    // "2:1", ohne Auffüllen.
    std::string Stand() const { return std::to_string(ToreHeim) + ":" + std::to_string(ToreGast); }
};

// Berechnet das Spiel heim gegen gast (zieht aus Zufall) und bucht es; paarung 1..9 ist die
// Zeile der Tagesliste (für Ligaspiele der Platz in Ergebnisse). Schreibt die ewigen Punkte und
// die driftenden Linienstärken beider Vereine, in der Liga Legende, Ergebnis, Tabelle und Moral;
// für jeden beteiligten Manager Zuschauer und Eintritt (aufs Konto), Spielzähler, Managerpunkte,
// Werbeanfragen sowie Form, Technik und Konstitution des Kaders. Legt nichts an.
Spielergebnis_ SpielBerechnen(int heim, int gast, int paarung);

// Hält Moral und Linienstärken der Vereine von..bis in ihren Grenzen und berechnet Gesamt.
void MannschaftenPruefen(int von, int bis);

} // namespace torvane
