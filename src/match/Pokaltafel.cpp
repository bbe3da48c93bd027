#include "match/Pokaltafel.h"

#include "core/Variablen.h"
#include "match/Pokal.h"

#include <algorithm>
#include <cstdint>

namespace torvane {

Pokaltafel PokaltafelLesen(Wettbewerb_ wettbewerb)
{
    Pokaltafel t;
    if (S.Mannschaft.laenge() <= 1) return t;
    const int hoch = static_cast<int>(std::min<int64_t>(wettbewerb == Wettbewerb_::Dfb ? 72 : S.Spiel.MannschaftHoch,
                                                        S.Mannschaft.hoch()));
    std::vector<int> heim(65, 0), gast(65, 0);
    for (int i = 1; i <= hoch; ++i) {
        const std::string f = PokalFeld(S.Mannschaft[i], wettbewerb).text();
        if (f == "Sieger") {
            t.sieger = i;
            continue;
        }
        const std::string a = wettbewerb == Wettbewerb_::Dfb ? f : CodeWert(f, 'A');
        if (a.empty() || f == "J") continue;
        if (wettbewerb != Wettbewerb_::Dfb && CodeWert(f, 'B') == "-1") t.hinspiele = true;
        int p = 0;
        try {
            p = std::stoi(a);
        } catch (...) {
            continue; // ein kaputtes Feld zeigt keine Paarung, statt die Übersicht zu sprengen
        }
        if (p > 0 && p <= 64) heim[static_cast<size_t>(p)] = i;
        if (p < 0 && p >= -64) gast[static_cast<size_t>(-p)] = i;
    }
    for (int p = 1; p <= 64; ++p)
        if (heim[static_cast<size_t>(p)] || gast[static_cast<size_t>(p)])
            t.paarungen.push_back({p, heim[static_cast<size_t>(p)], gast[static_cast<size_t>(p)]});
    return t;
}

std::string Hinspielstand(std::string_view heimFeld, std::string_view gastFeld)
{
    if (CodeWert(heimFeld, 'B') == "-1") return "(-:-)";
    return "(" + CodeWert(heimFeld, 'D') + ":" + CodeWert(gastFeld, 'C') + ")";
}

} // namespace torvane
