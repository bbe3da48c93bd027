// Der Totoschein: Einsatz, neun Tipps auf den nächsten Ligaspieltag der eigenen Liga.
// Getippt wird von Paarung 9 hinunter zu Paarung 1; im Spielstand steht der Tipp für
// Paarung k an Stelle k von TotoTip, und erst, wenn alle neun getippt sind. Ausgewertet
// wird im Ligaspieltag (TotoAuswerten).
#pragma once

#include <array>
#include <cstdint>

namespace torvane {

// Einsatz in der Liga 1..4: 400 000 div Liga.
int32_t TotoEinsatz(int liga);

struct TotoSchein {
    int manager = -1;
    int spieltag = 0;              // der betippte Ligaspieltag
    std::array<int, 10> heim{};    // Vereine der Paarungen 1..9
    std::array<int, 10> gast{};
    std::array<char, 10> tipps{};  // '1', '0', '2'; 0 = noch offen
    int offen = 0;                 // noch zu tippen (9..0); die nächste Paarung hat diese Nummer
    bool laeuft() const { return manager >= 0 && offen > 0; }
};

// Die Paarungen 1..9 des nächsten Ligaspieltags der Liga (Index 0 bleibt frei); ohne
// nächsten Spieltag oder ohne Vereine der Liga lauter 0.
struct TotoPaarungen {
    std::array<int, 10> heim{};
    std::array<int, 10> gast{};
};
TotoPaarungen NaechstePaarungen(int liga);

enum class TotoStart { Gesetzt, KontoLeer, KeinSpieltag, SchonGesetzt };

// Nimmt den Einsatz und listet die Paarungen des nächsten Ligaspieltags; verweigert mit
// leerem Konto (Meldung), ohne verbleibenden Spieltag (Meldung) und bei offenem Tipp.
TotoStart TotoSetzen(int m, TotoSchein& schein);
// Ein Tipp '1', '0' oder '2' für die Paarung schein.offen; nach dem neunten steht TotoTip.
bool TotoTippen(TotoSchein& schein, char tip);
// Verlassen vor dem neunten Tipp: Tipp weg, Einsatz weg, Meldung. true, wenn es so kam.
bool TotoVerlassen(TotoSchein& schein);

} // namespace torvane
