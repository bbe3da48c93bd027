// Fuzzer für das Laden eines Spielstands: beliebige Bytes dürfen nie abstürzen.
// Eine abgewiesene Datei ändert nichts; eine angenommene ergibt beim erneuten
// Schreiben genau dieselben Bytes. Schreibt keine Dateien.
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace torvane;

namespace {

// Ein kleiner gültiger Ausgangsstand, damit es ein Vorher zum Vergleichen gibt.
void Grundstand()
{
    S = Spielstand{};
    S.KlangAus = true;
    S.Mannschaft.laengeSetzen(73);
    S.Spiel.MannschaftHoch = 72;
    S.Spieler.laengeSetzen(11);
    S.Spiel.SpielerHoch = 10;
    for (auto& liste : S.Saisonbilanz) liste.laengeSetzen(2);
    S.Spiel.Saison = 1;
    S.Mannschaft[1].Name = "Ausgangsverein";
    S.Trainingsbericht = "Ausgangsstand";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Grundstand();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    const std::string vorher = SpielstandSchreiben();
    std::string fehler;
    if (SpielstandLesen(bytes, fehler)) {
        if (SpielstandSchreiben() != bytes) std::abort();
    } else if (fehler.empty() || SpielstandSchreiben() != vorher) {
        std::abort();
    }
    return 0;
}
