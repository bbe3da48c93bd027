// Die ewige Tabelle: alle Vereine nach ihren ewigen Punkten.
#pragma once

#include "core/Sprache.h"

#include <string>
#include <vector>

namespace torvane {

// Kopf und Legende übersetzt erst das Fenster.
// Übersetzer: die Leerzeichen stellen die Wörter über ihre Spalten (Nr., Verein, Punkte).
constexpr const char* EwigeKopf =
    N_("      Nr.       Manschaft (Liga)                                                    Punkte");
// Wie die Punkte zustande kommen (EwigePunkteBuchen, Pokalsieger): sonst wundert sich jeder,
// dass eine starke Oberligasaison nur wenige Punkte bringt.
constexpr const char* EwigeLegende =
    N_("Ewige Punkte je Spiel: Sieg 1 (auswärts 1,5), Unentschieden 0,5 (auswärts 0,67). In der Liga "
    "zählt die 2.Liga die Hälfte, die Regionalliga ein Drittel, die Oberliga ein Viertel. DFB-Pokal "
    "einfach, Uefa Pokal dreifach, Pokal der Pokalsieger vierfach, ChampionsLige sechsfach; "
    "dazu Punkte für jeden Pokalsieg.");

// Vereinsindizes, die meisten Punkte zuerst; Gleichstände in Indexfolge.
std::vector<int> EwigeReihenfolge();
// Eine Zeile der Liste für den Platz (1-basiert) und den Verein.
std::string EwigeZeile(int platz, int verein);
// Alle Zeilen und die Zeile (0-basiert) des Vereins von Manager m, -1 wenn er fehlt.
std::vector<std::string> EwigeTabelle(int m, int& eigeneZeile);

} // namespace torvane
