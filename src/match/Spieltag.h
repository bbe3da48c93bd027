// Der Wettbewerbstag: Ligaspieltag, Tabelle, Spielplan, die Verteilung auf
// Pokal- und ChampionsLige-Tage, die Prämie der sechs Besten und die Totoauswertung.
// Die Pokalpaarungen des Tages zählt er in Sitzung.
#pragma once

#include "core/Felder.h"
#include "core/Sitzung.h"

#include <cstdint>

namespace torvane {

// Vereinsindex der Liga auf Seite 0 (Heim) oder 1 (Gast) der Paarung 1..9 am Spieltag 1..34;
// 0, wenn kein Verein der Liga die Spielplannummer trägt.
int SpielplanMannschaft(int liga, int spieltag, int paarung, int seite);

// Ein Verein über das Sortieren der Tabelle hinweg. Die Tabelle tauscht ganze Datensätze (so liegt
// der Spielstand), ein gemerkter Index zeigt danach auf einen anderen Verein. Der Griff merkt sich
// Liga und Spielplannummer, die eine Saison lang bleiben, und findet den Datensatz, wo er gebraucht
// wird. Vereine außerhalb der Ligen sortiert keine Tabelle: sie behalten ihren Index.
struct Vereinsgriff {
    int liga = 0;   // 0: außerhalb der Ligen
    int nummer = 0; // Spielplannummer, außerhalb der Ligen der Index
    bool operator==(const Vereinsgriff&) const = default;
};
Vereinsgriff GriffAuf(int verein);
// Der Index des Vereins jetzt; 0, wenn kein Verein der Liga die Nummer trägt.
int VereinZu(const Vereinsgriff& griff);

// Ein Wettbewerbstag nach Spiel.Wettbewerb; legt danach den nächsten Wettbewerb fest.
void WettbewerbstagSpielen();

// Die neun Spiele der Liga am Spieltag Spiel.Spieltag, mit Tabelle und Toto. Liefert die
// Tippzeichen des Tages je Paarung 1..9 (1 Heimsieg, 0 Remis, 2 Auswärtssieg).
Feld<uint8_t, 1, 9> LigaSpieltag(int liga);

// Sortiert die 18 Vereine der Liga und nummeriert Platz neu.
void TabelleSortieren(int liga);

// Prämie für die sechs besten Ligavereine nach Spieltag 17 und 34, mit ihrer Liste.
void BesteSechs();

// Totogewinn für c richtige Tipps eines Vereins der Liga liga (c >= 1).
int32_t TotoGewinn(int liga, int richtige);
// Zeigt die Totozeile des Managers m, löscht seinen Tipp und gibt den Gewinn zurück.
int32_t TotoAuswerten(int m, int richtige);

} // namespace torvane
