// Was die Pokalübersicht zeigt, aus den Wettbewerbsfeldern der Vereine gelesen: die gezogenen
// Paarungen, ob Hinspiele anstehen, der Sieger und der Stand nach dem Hinspiel.
#pragma once

#include "core/Variablen.h"

#include <string>
#include <string_view>
#include <vector>

namespace torvane {

struct Pokalpaarung {
    int paarung = 0; // 1..64
    int heim = 0;    // 0: im Feld keiner gefunden
    int gast = 0;
};

struct Pokaltafel {
    std::vector<Pokalpaarung> paarungen; // nach Paarungsnummer
    bool hinspiele = false;
    int sieger = 0; // Verein mit "Sieger", sonst 0
};

// Ohne Vereine (leere Grunddaten) eine leere Tafel.
Pokaltafel PokaltafelLesen(Wettbewerb_ wettbewerb);

// Das Hinspiel aus Sicht der heutigen Heimmannschaft: "(-:-)" vor dem Hinspiel, sonst "(D:C)".
std::string Hinspielstand(std::string_view heimFeld, std::string_view gastFeld);

} // namespace torvane
