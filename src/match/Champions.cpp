#include "match/Champions.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "match/Anzeige.h"
#include "match/LiveSpiel.h"
#include "match/Spiel.h"

#include <string>
#include <utility>

namespace torvane {

int ChlVereinSuchen(int nummer)
{
    // Nur Ziffern: die gespeicherten Bytes gleichen dem Text ohne Umwandlung.
    const std::string text = std::to_string(nummer);
    const Liste<Mannschaft_>& vereine = S.Mannschaft;
    for (int i = 1; i <= S.Spiel.MannschaftHoch && i < vereine.laenge(); ++i)
        if (vereine[i].ChlRunde.roh() == text) return i;
    return 0;
}

int ChlManschNr(int nummer)
{
    const int v = ChlVereinSuchen(nummer);
    if (v == 0) Hinweis(T("FEHLER: Keine ChlManschNr gefunden !"));
    return v;
}

int ChlManschIndex(int nummer)
{
    for (int k = 1; k <= 16; ++k)
        if (S.ChlTabelle[k].ChlSlot == nummer) return k;
    Hinweis(T("FEHLER: Keine ChlManschIndenx gefunden !"));
    return 0;
}

namespace {

// true, wenn b vor a gehört; bei völligem Gleichstand bleibt es, wie es ist.
bool ChlVorher(const ChlEintrag_& b, const ChlEintrag_& a)
{
    if (b.ChlPunkte != a.ChlPunkte) return b.ChlPunkte > a.ChlPunkte;
    const int db = Tordifferenz(b);
    const int da = Tordifferenz(a);
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

namespace {

template <int N>
void TextSetzen(KurzText<N>& feld, const std::string& text)
{
    if (text.size() > static_cast<size_t>(N))
        throw Laufzeitfehler("Laufzeitfehler: Text \"" + text + "\" passt nicht in sein Feld.");
    feld = text;
}

std::string NameMitNation(int v)
{
    const Mannschaft_& m = S.Mannschaft[v];
    return m.Name.text() + " (" + m.Nation.text() + ")";
}

// Ein Platz, den kein Verein trägt, spielt mit dem Hilfseintrag 0. Der darf dann
// nicht noch die Reste eines Tabellentauschs (womöglich einen Managerverein) tragen.
int ChlVerein(int nummer)
{
    const int v = ChlManschNr(nummer);
    if (v == 0) S.Mannschaft[0] = Mannschaft_{};
    return v;
}

} // namespace

void ChlSpieltagSpielen()
{
    Spieltagsanzeige& anz = Tagesanzeige();
    const int tag = S.Spiel.ChlSpieltag;
    const auto& plan = S.ChlSpieltage[tag];

    anz.titel(T("Championligespiele"));
    anz.kopf("ChampionsLige", Tf("%1/15 . Spieltag", {std::to_string(tag)}));
    const bool zuschauer = anz.siehtZu(); // ohne ihn keine Zeilen

    for (int p = 1; p <= 8; ++p) {
        const int zeile = p - 1;
        const int heimNr = plan[p][0];
        const int gastNr = plan[p][1];
        const int heim = ChlVerein(heimNr);
        const int gast = ChlVerein(gastNr);
        ChlEintrag_& h = S.ChlTabelle[ChlManschIndex(heimNr)];
        ChlEintrag_& g = S.ChlTabelle[ChlManschIndex(gastNr)];
        if (zuschauer) {
            ZeileZeigen(zeile, 2, heim, gast, NameMitNation(heim));
            ZeileZeigen(zeile, 3, heim, gast, NameMitNation(gast));
        }

        const Spielergebnis_ e = SpielBerechnen(heim, gast, p);
        const std::string ergebnis = e.Stand();
        TextSetzen(S.ChlTabelle[tag].ChlErgebnisse[p], ergebnis);

        SETZE(h.ChlPunkte, h.ChlPunkte + e.PunkteHeim());
        SETZE(g.ChlPunkte, g.ChlPunkte + e.PunkteGast());
        SETZE(h.ChlTore, h.ChlTore + e.ToreHeim);
        SETZE(h.ChlGegentore, h.ChlGegentore + e.ToreGast);
        SETZE(g.ChlTore, g.ChlTore + e.ToreGast);
        SETZE(g.ChlGegentore, g.ChlGegentore + e.ToreHeim);

        if (S.PokalZeigen) {
            Warte(Tempo(0) * 100 + 50);
            if (e.MitManager()) LiveSpiel(heim, gast, e);
        }
        if (zuschauer) {
            ZeileZeigen(zeile, 1, heim, gast, Tf("Zuschauer %1", {Geldtext(e.Zuschauer)}));
            ZeileZeigen(zeile, 4, heim, gast, ErgebnisAusrichten(ergebnis));
        }

        // Treffen zwei Managervereine aufeinander, bekommt nur der Gastgeber das Geld.
        const int m = e.HeimManager < 4 ? e.HeimManager : e.GastManager;
        if (m < 4) {
            Manager_& mg = S.Manager[m];
            KontoBuchen(mg.Kontostand, ChlSpielPraemie);
            if (S.PokalZeigen)
                anz.zeilenMeldung(zeile, mg.Name.text() + NL + NL +
                                             T("Das ChampionsLige Spiel brachte Ihnen zusätzlich 100.000 €"));
        }
    }

    ChlTabelleSortieren();
    PokalAuslosen(Wettbewerb_::Chl);

    if (tag == 15) {
        const int v = ChlManschNr(S.ChlTabelle[1].ChlSlot);
        Mannschaft_& sieger = S.Mannschaft[v];
        sieger.EwigePunkte += 50.0f;
        const int m = v > 0 ? ManagerVonVerein(v) : -1;
        if (m >= 0) {
            Klang("tataa");
            Manager_& mg = S.Manager[m];
            KontoBuchen(mg.Kontostand, ChlSiegerPraemie);
            S.Saisonbilanz[m][S.Spiel.Saison].ChlErgebnis = N_("Sieger");
        }
        anz.siegerZeigen(sieger.Name.text(), T("Sieger in der ChampionsLige bekommt 5.555.555 € Siegesprämie"));
    }

    if (S.PokalZeigen) WeiterAbwarten();
}

} // namespace torvane
