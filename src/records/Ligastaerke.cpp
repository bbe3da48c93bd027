#include "records/Ligastaerke.h"

#include "core/Cp1252.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Text.h"
#include "core/Variablen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace torvane {

namespace {

Manager_& Aktueller() { return S.Manager[S.AktManager]; }

bool BerichtBezahlt(int64_t preis)
{
    Manager_& mg = Aktueller();
    if (!KontoPasst(mg.Kontostand, -preis)) {
        Hinweis(T(BetragZuGrossText));
        return false;
    }
    KontoBuchen(mg.Kontostand, -preis);
    SpielstandGeaendert();
    return true;
}

} // namespace

LigaStaerkeSeite_ LigaStaerkeSeite(int liga)
{
    if (liga < 1 || liga > 4) BereichFehler("Liga", liga, 1, 4);
    const int erster = VereinAufPlatz(liga, 1);
    std::vector<int> vereine(18);
    for (int i = 0; i < 18; ++i) vereine[static_cast<size_t>(i)] = erster + i;
    std::stable_sort(vereine.begin(), vereine.end(),
                     [](int a, int b) { return S.Mannschaft[a].Gesamt > S.Mannschaft[b].Gesamt; });

    LigaStaerkeSeite_ seite;
    int64_t summe = 0;
    for (size_t k = 0; k < vereine.size(); ++k) {
        const Mannschaft_& v = S.Mannschaft[vereine[k]];
        const int platz = vereine[k] - erster + 1;
        summe += v.Gesamt;
        seite.zeilen.push_back(RechtsText(std::to_string(k + 1), 2) + ".  " +
                               LinksText(v.Name.text() + " (" + std::to_string(platz) + ")", 32) +
                               RechtsText(std::to_string(v.Gesamt), 5));
    }
    seite.schnitt = static_cast<double>(summe) / 18.0;

    // Bei Gleichstand nennt die Seite den in der Tabelle besseren Verein.
    auto bester = [&](int16_t Mannschaft_::*feld) {
        int b = erster;
        for (int i = erster + 1; i < erster + 18; ++i)
            if (S.Mannschaft[i].*feld > S.Mannschaft[b].*feld) b = i;
        return LigaStaerkeSeite_::Bester{S.Mannschaft[b].Name.text(), S.Mannschaft[b].*feld};
    };
    seite.beste = {bester(&Mannschaft_::Verteidigung), bester(&Mannschaft_::Mittelfeld),
                   bester(&Mannschaft_::Angriff), bester(&Mannschaft_::Moral)};
    return seite;
}

std::string LigaschnittText(double schnitt)
{
    char b[32];
    std::snprintf(b, sizeof b, "%.1f", std::round(schnitt * 10.0) / 10.0);
    std::string t = b;
    std::replace(t.begin(), t.end(), '.', ',');
    return Tf("Ligaschnitt: %1", {t});
}

std::string LigaSpalte(int verein)
{
    if (verein < 1 || verein > S.Spiel.MannschaftHoch) BereichFehler("Verein", verein, 1, S.Spiel.MannschaftHoch);
    if (verein <= 72) return std::to_string((verein - 1) / 18 + 1);
    if (verein <= S.Spiel.DeutscheHoch) return "5";
    return "-";
}

std::vector<Staerkeeintrag_> StaerkeListe(Sortierung art)
{
    std::vector<Staerkeeintrag_> liste;
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
        const Mannschaft_& v = S.Mannschaft[i];
        liste.push_back({v.Name.text(), v.Gesamt, v.Nation.text(), LigaSpalte(i), i});
    }
    StaerkeSortieren(liste, art);
    return liste;
}

void StaerkeSortieren(std::vector<Staerkeeintrag_>& liste, Sortierung art)
{
    // Gleichstände bleiben in Indexfolge, also in Tabellenfolge der Ligen.
    std::sort(liste.begin(), liste.end(), [art](const Staerkeeintrag_& a, const Staerkeeintrag_& b) {
        switch (art) {
        case Sortierung::Staerke:
            if (a.staerke != b.staerke) return a.staerke > b.staerke;
            break;
        case Sortierung::Name: {
            const std::string x = Grossbuchstaben(a.name), y = Grossbuchstaben(b.name);
            if (x != y) return x < y;
            break;
        }
        case Sortierung::Nation:
            if (a.nation != b.nation) return a.nation < b.nation;
            break;
        }
        return a.verein < b.verein;
    });
}

int StaerkeSuche(const std::vector<Staerkeeintrag_>& liste, const std::string& text)
{
    if (text.empty()) return -1;
    const std::string gesucht = Grossbuchstaben(text);
    for (size_t i = 0; i < liste.size(); ++i)
        if (Grossbuchstaben(liste[i].name).rfind(gesucht, 0) == 0) return static_cast<int>(i);
    return -1;
}

int SpionagePreis(int gesamt, int managerLiga)
{
    if (managerLiga < 1 || managerLiga > 4) BereichFehler("Liga", managerLiga, 1, 4);
    return static_cast<int>(AbrundenAuf(int64_t{gesamt} * 100 / managerLiga, 1));
}

int Spionagekosten(int verein) { return SpionagePreis(S.Mannschaft[verein].Gesamt, Aktueller().Liga); }

bool AlleMannschaftenBezahlen()
{
    if (!BerichtBezahlt(AlleMannschaftenPreis)) return false;
    Hinweis(AlleMannschaftenHinweis());
    return true;
}

std::string AlleMannschaftenHinweis()
{
    return T("Diese Informationen wurden durch Co. Trainer zusammengestellt und Kosten 1.000 €");
}

bool Spionieren(int verein)
{
    if (!BerichtBezahlt(Spionagekosten(verein))) return false;
    Klang("scroll");
    return true;
}

} // namespace torvane
