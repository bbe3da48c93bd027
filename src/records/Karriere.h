// Die Karriere eines Managers: Saisons mit Liga, Platz und Pokalrunden, dazu seine Quoten.
#pragma once

#include <array>
#include <string>

namespace torvane {

constexpr int KarriereZeilen = 10;
using Karrierezeile = std::array<std::string, 7>;

// Höchste Stellung der Bildlaufleiste (0: alle Saisons passen, die Leiste ist aus).
int KarriereMaximum(int saison);
// Die zehn Zeilen ab Saison position + 1; Zeilen ohne Saison lauten "-".
std::array<Karrierezeile, KarriereZeilen> KarriereRaster(int m, int position);

struct Quoten_ {
    std::string spiele;        // "Spiele gesamt"
    std::string heim;          // " Gewonnene Heimspiele"
    std::string auswaerts;     // " Gewonnene Auswärtsspiele"
    std::string gewinn;        // " Gewinnquote"
    std::string remis;         // " Unentschiedenquote"
    std::string ohnePunkte;    // Label3D1
};
// dezimal: das Dezimalzeichen des Systems.
Quoten_ KarriereQuoten(int m, char dezimal = ',');
// 100 / teiler × anzahl, auf eine Stelle gerundet, ohne Nachkommastelle, wenn ganz.
std::string Prozentzahl(int anzahl, int teiler, char dezimal = ',');

} // namespace torvane
