#include "records/EwigeTabelle.h"

#include "core/Text.h"
#include "core/Variablen.h"
#include "records/Ligastaerke.h"

#include <algorithm>
#include <cmath>

namespace torvane {

std::vector<int> EwigeReihenfolge()
{
    std::vector<int> v;
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) v.push_back(i);
    std::stable_sort(v.begin(), v.end(),
                     [](int a, int b) { return S.Mannschaft[a].EwigePunkte > S.Mannschaft[b].EwigePunkte; });
    return v;
}

// Die Liga wie in der Ligastärke: ausländische Vereine spielen in keiner unserer Ligen.
std::string EwigeZeile(int platz, int verein)
{
    const Mannschaft_& v = S.Mannschaft[verein];
    // Punkte sind ganze Zahlen; die Gleitkommasumme wird nur für die Anzeige gerundet.
    const auto punkte = static_cast<long long>(std::nearbyint(static_cast<double>(v.EwigePunkte)));
    return RechtsText(std::to_string(platz), 4) + ".  " +
           LinksText(v.Name.text() + " (" + LigaSpalte(verein) + ")", 28) +
           RechtsText(std::to_string(punkte), 7);
}

std::vector<std::string> EwigeTabelle(int m, int& eigeneZeile)
{
    eigeneZeile = -1;
    const int eigener = ManagerVerein(m);
    std::vector<std::string> zeilen;
    const std::vector<int> folge = EwigeReihenfolge();
    for (size_t k = 0; k < folge.size(); ++k) {
        if (folge[k] == eigener) eigeneZeile = static_cast<int>(k);
        zeilen.push_back(EwigeZeile(static_cast<int>(k) + 1, folge[k]));
    }
    return zeilen;
}

} // namespace torvane
