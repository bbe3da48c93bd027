// Fuzzer für den Lader der Grunddaten: eine Eingabe, an Nullbytes in die sechs
// Dateien geteilt (fehlende Teile sind leer). Nie ein Absturz; eine abgewiesene
// Eingabe ändert nichts am Spielstand, und jede angenommene Datei nimmt auch die
// Einzelprüfung an. Mit angenommenen Daten beginnt ein neues Spiel, spielt einen
// Wettbewerbstag und lässt sich speichern und wieder laden. Schreibt keine Dateien.
#include "Spielen.h"

#include "core/Daten.h"
#include "core/Zufall.h"
#include "flow/Neuanlage.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace torvane;

namespace {

// Was der Lader füllt, kurz zusammengefasst, um "nichts geändert" zu prüfen.
std::string Abdruck()
{
    std::string a = std::to_string(S.Spiel.SpielerHoch) + "/" + std::to_string(S.Spiel.NationAnzahl) + "/" +
                    std::to_string(S.Spiel.MannschaftHoch) + "/" + std::to_string(S.Spiel.DeutscheHoch) + "/" +
                    std::to_string(S.Spieler.hoch()) + "/" + std::to_string(S.Mannschaft.hoch()) + "/" +
                    std::to_string(S.SpielSysteme[1][0][1]) + "/" + std::to_string(S.Spieltage[1][1][0]);
    if (S.Mannschaft.hoch() >= 1) a += std::string(S.Mannschaft[1].Name.roh());
    return a;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    AutomatEinsetzen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    std::array<std::string, 6> texte;
    size_t teil = 0;
    for (char c : bytes) {
        if (c == '\0' && teil + 1 < texte.size()) ++teil;
        else texte[teil] += c;
    }
    S = Spielstand{};
    SitzungZuruecksetzen();
    ZufallSetzen(1);
    const std::string vorher = Abdruck();
    std::string grund;
    if (!DatenAusTextenLaden(texte, &grund)) {
        if (grund.empty() || Abdruck() != vorher) std::abort();
        return 0;
    }
    for (size_t i = 0; i < texte.size(); ++i)
        if (!DateiPruefen(DatenDateien[i], texte[i])) std::abort();
    if (!NeuesSpielOhneBildschirm({{"Alfred", "SV Fuzz"}, {"Berta", "FC Zufall"}}, &texte)) std::abort();
    EinenTagSpielen();
    SpeichernUndLaden();
    return 0;
}
