// Die ewige Tabelle: alle Vereine nach ihren ewigen Punkten.
#pragma once

#include <string>
#include <vector>

namespace torvane {

constexpr const char* EwigeKopf =
    "      Nr.       Manschaft (Liga)                                                    Punkte";

// Vereinsindizes, die meisten Punkte zuerst; Gleichstände in Indexfolge.
std::vector<int> EwigeReihenfolge();
// Eine Zeile der Liste für den Platz (1-basiert) und den Verein.
std::string EwigeZeile(int platz, int verein);
// Alle Zeilen und die Zeile (0-basiert) des Vereins von Manager m, -1 wenn er fehlt.
std::vector<std::string> EwigeTabelle(int m, int& eigeneZeile);

} // namespace torvane
