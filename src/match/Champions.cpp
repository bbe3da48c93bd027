#include "match/Champions.h"

#include "core/Fehler.h"
#include "core/Funky.h"
#include "core/Oberflaeche.h"

#include <string>
#include <utility>

namespace torvane {

int ChlManschNr(int nummer)
{
    const std::string text = std::to_string(nummer);
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i)
        if (S.Mannschaft[i].ChlRunde == text) return i;
    Hinweis("FEHLER: Keine ChlManschNr gefunden !");
    return 0;
}

int ChlManschIndex(int nummer)
{
    for (int k = 1; k <= 16; ++k)
        if (S.ChlTabelle[k].ChlSlot == nummer) return k;
    Hinweis("FEHLER: Keine ChlManschIndenx gefunden !");
    return 0;
}

namespace {

// true, wenn b vor a gehört; bei völligem Gleichstand bleibt es, wie es ist.
bool ChlVorher(const ChlEintrag_& b, const ChlEintrag_& a)
{
    if (b.ChlPunkte != a.ChlPunkte) return b.ChlPunkte > a.ChlPunkte;
    const int db = b.ChlTore - b.ChlGegentore;
    const int da = a.ChlTore - a.ChlGegentore;
    if (db != da) return db > da;
    if (b.ChlTore != a.ChlTore) return b.ChlTore > a.ChlTore;
    return b.ChlGegentore < a.ChlGegentore;
}

} // namespace

void ChlTabelleSortieren()
{
    for (int i = 1; i <= 15; ++i)
        for (int j = i + 1; j <= 16; ++j) {
            ChlEintrag_& a = S.ChlTabelle[i];
            ChlEintrag_& b = S.ChlTabelle[j];
            if (!ChlVorher(b, a)) continue;
            // Nur der Verein wandert; die Ergebnistexte gehören zum Spieltag.
            std::swap(a.ChlSlot, b.ChlSlot);
            std::swap(a.ChlPunkte, b.ChlPunkte);
            std::swap(a.ChlTore, b.ChlTore);
            std::swap(a.ChlGegentore, b.ChlGegentore);
        }
}

void ChlSpieltagSpielen() {}

} // namespace torvane
