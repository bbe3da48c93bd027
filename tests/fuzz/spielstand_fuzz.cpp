// Fuzzer für das Laden eines Spielstands: beliebige Bytes dürfen nie abstürzen.
// Eine abgewiesene Datei ändert nichts; eine angenommene ergibt beim erneuten
// Schreiben genau dieselben Bytes und trägt dann einen Wettbewerbstag, der sich
// speichern und wieder laden lässt. Schreibt keine Dateien.
#include "Spielen.h"

#include "core/Daten.h"
#include "core/Zufall.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace torvane;

namespace {

// Die ausgelieferten Grunddaten und ein kleiner gültiger Ausgangsstand; jede Eingabe beginnt
// hier, damit kein Lauf vom vorigen abhängt.
Spielstand Grund;
std::string GrundBytes;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    S = Spielstand{};
    if (!DatenLaden(TORVANE_QUELLEN "/daten/")) std::abort();
    S.KlangAus = true;
    for (auto& liste : S.Saisonbilanz) liste.laengeSetzen(2);
    S.Spiel.Saison = 1;
    S.Trainingsbericht = "Ausgangsstand";
    Grund = S;
    GrundBytes = SpielstandSchreiben();
    AutomatEinsetzen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    S = Grund;
    SitzungZuruecksetzen();
    ZufallSetzen(1);
    std::string fehler;
    if (!SpielstandLesen(bytes, fehler)) {
        if (fehler.empty() || SpielstandSchreiben() != GrundBytes) std::abort();
        return 0;
    }
    if (SpielstandSchreiben() != bytes) std::abort();
    EinenTagSpielen();
    SpeichernUndLaden();
    return 0;
}
