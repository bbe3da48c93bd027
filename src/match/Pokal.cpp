#include "match/Pokal.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Zufall.h"
#include "match/Anzeige.h"
#include "match/Champions.h"
#include "match/LiveSpiel.h"
#include "match/Pokaltafel.h"
#include "match/Spiel.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <vector>

namespace torvane {

namespace {

bool IstBuchstabe(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Pokaltexte werden nie still gekürzt: ein abgeschnittener Eintrag wäre ein anderer Eintrag.
template <int N>
void TextSetzen(KurzText<N>& feld, std::string_view text)
{
    const std::string roh = Utf8NachCp1252(text);
    if (roh.size() > static_cast<size_t>(N))
        throw Laufzeitfehler("Laufzeitfehler: Text \"" + std::string(text) + "\" passt nicht in sein Feld.");
    feld.rohSetzen(roh);
}

// Gastgeber [0] und Gast [1] jeder Paarung 1..n in einem Durchgang über die Vereine 1..bis;
// nummer(i) ist der Eintrag des Vereins i. Steht eine Nummer doppelt, gilt der letzte Verein.
// Ein Pokaltag schreibt nur die Einträge der eben gespielten Paarung um, nie auf die Nummer
// einer anderen: die Tafel bleibt für den ganzen Tag richtig. 0: die Paarung ist unvollständig.
template <class Nummer>
std::vector<std::array<int, 2>> PaarungenFinden(int bis, int n, Nummer nummer)
{
    std::vector<std::array<int, 2>> paarung(static_cast<size_t>(n) + 1, {0, 0});
    for (int i = 1; i <= bis; ++i) {
        const int p = Paarungsnummer(nummer(i));
        if (p != 0 && std::abs(p) <= n) paarung[static_cast<size_t>(std::abs(p))][p > 0 ? 0 : 1] = i;
    }
    return paarung;
}

int TextZahl(std::string_view t, const char* was)
{
    int z = 0;
    const auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), z);
    if (t.empty() || fehler != std::errc{} || ende != t.data() + t.size())
        throw Laufzeitfehler(std::string("Laufzeitfehler: \"") + std::string(t) + "\" ist keine Zahl (" + was + ").");
    return z;
}

} // namespace

// --- Einträge ---

std::string_view CodeTeil(std::string_view code, char buchstabe)
{
    const size_t pos = code.find(buchstabe);
    if (pos == std::string_view::npos) return {};
    size_t ende = pos + 1;
    while (ende < code.size() && !IstBuchstabe(code[ende])) ++ende;
    return code.substr(pos + 1, ende - pos - 1);
}

int Paarungsnummer(std::string_view eintrag)
{
    const bool gast = !eintrag.empty() && eintrag[0] == '-';
    const std::string_view ziffern = eintrag.substr(gast ? 1 : 0);
    if (ziffern.empty() || ziffern.size() > 3 || ziffern[0] == '0') return 0;
    int z = 0;
    for (const char c : ziffern) {
        if (c < '0' || c > '9') return 0;
        z = z * 10 + (c - '0');
    }
    return gast ? -z : z;
}

std::string CodeWert(std::string_view code, char buchstabe) { return std::string(CodeTeil(code, buchstabe)); }

std::string CodeSetzen(std::string_view code, char buchstabe, std::string_view wert)
{
    const size_t pos = code.find(buchstabe);
    if (pos == std::string_view::npos) return std::string(code) + buchstabe + std::string(wert);
    size_t ende = pos + 1;
    while (ende < code.size() && !IstBuchstabe(code[ende])) ++ende;
    return std::string(code.substr(0, pos + 1)) + std::string(wert) + std::string(code.substr(ende));
}

int CodeZahl(std::string_view code, char buchstabe)
{
    const std::string was = std::string("Pokaleintrag ") + std::string(code) + " " + buchstabe;
    return TextZahl(CodeWert(code, buchstabe), was.c_str());
}

KurzText<12>& PokalFeld(Mannschaft_& m, Wettbewerb_ wettbewerb)
{
    switch (wettbewerb) {
    case Wettbewerb_::Dfb: return m.DfbRunde;
    case Wettbewerb_::Uefa: return m.UefaRunde;
    case Wettbewerb_::Pdp: return m.PdpRunde;
    case Wettbewerb_::Chl: return m.ChlRunde;
    default: BereichFehler("Wettbewerb", WettbewerbNr(wettbewerb), 1, 4);
    }
}

KurzText<14>& BilanzFeld(Saisonbilanz_& b, Wettbewerb_ wettbewerb)
{
    switch (wettbewerb) {
    case Wettbewerb_::Dfb: return b.DfbErgebnis;
    case Wettbewerb_::Uefa: return b.UefaErgebnis;
    case Wettbewerb_::Pdp: return b.PdpErgebnis;
    case Wettbewerb_::Chl: return b.ChlErgebnis;
    default: BereichFehler("Wettbewerb", WettbewerbNr(wettbewerb), 1, 4);
    }
}

// Die Tafeln kennen nur 32, 16, 8, 4, 2 und 1 Paarungen. Andere Zahlen entstehen nur
// mit dünnen Vereinsdateien; sie zählen wie die nächstgrößere Runde der Tafel.
int RundenStufe(int paarungen)
{
    if (paarungen > 16) return 0;
    if (paarungen > 8) return 1;
    if (paarungen > 4) return 2;
    if (paarungen > 2) return 3;
    if (paarungen == 2) return 4;
    return 5;
}

std::string RundenName(int paarungen)
{
    // Steht so in der Saisonbilanz: deutsch gespeichert, übersetzt erst beim Zeigen.
    static const char* const namen[] = {N_("1.Runde"),        N_("2.Runde"),     N_("Achtel Finale"),
                                        N_("Viertel Finale"), N_("Halb Finale"), N_("Finale")};
    return namen[RundenStufe(paarungen)];
}

int Rundenfaktor(Wettbewerb_ wettbewerb, int paarungen)
{
    static const int dfb[] = {1, 2, 3, 4, 5, 6};
    static const int uefa[] = {1, 2, 4, 8, 10, 12};
    // Im Pokal der Pokalsieger gibt es keine 1. und 2. Runde; sie zählten wie das Achtelfinale.
    static const int pdp[] = {2, 2, 2, 6, 8, 10};
    const int stufe = RundenStufe(paarungen);
    switch (wettbewerb) {
    case Wettbewerb_::Dfb: return dfb[stufe];
    case Wettbewerb_::Uefa: return uefa[stufe];
    case Wettbewerb_::Pdp: return pdp[stufe];
    default: BereichFehler("Wettbewerb", WettbewerbNr(wettbewerb), 1, 3);
    }
}

int PokalVereinVon(int m)
{
    // Über den Namen: am Saisonwechsel stimmen Liga und Platz des Managers noch nicht.
    const auto name = S.Manager[m].Vereinsname.roh();
    if (name.empty()) return 0;
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i)
        if (S.Mannschaft[i].Name.roh() == name) return i;
    return 0;
}

// --- Saisonstart ---

namespace {

void AuslaenderOrdnen(std::vector<std::vector<int>>& gruppen)
{
    const int erster = S.Spiel.DeutscheHoch + 1;
    const int letzter = S.Spiel.MannschaftHoch;
    if (letzter < erster) return;

    std::vector<Mannschaft_> alt;
    for (int i = erster; i <= letzter; ++i) alt.push_back(S.Mannschaft[i]);
    std::vector<bool> vergeben(alt.size(), false);

    struct Nation {
        int64_t summe = 0;
        std::vector<size_t> vereine;
    };
    std::vector<Nation> nationen;
    for (int n = 2; n <= S.Spiel.NationAnzahl; ++n) {
        Nation nat;
        for (size_t k = 0; k < alt.size(); ++k) {
            if (vergeben[k] || alt[k].Nation.text() != S.Nation[n].Kuerzel) continue;
            vergeben[k] = true;
            nat.vereine.push_back(k);
            nat.summe += alt[k].Gesamt;
        }
        // Eine Nation ohne Vereine kann keinen Platz in der ChampionsLige besetzen.
        if (nat.vereine.empty()) continue;
        std::stable_sort(nat.vereine.begin(), nat.vereine.end(), [&](size_t a, size_t b) {
            if (alt[a].Gesamt != alt[b].Gesamt) return alt[a].Gesamt > alt[b].Gesamt;
            return alt[a].Moral > alt[b].Moral;
        });
        nationen.push_back(std::move(nat));
    }
    std::stable_sort(nationen.begin(), nationen.end(),
                     [](const Nation& a, const Nation& b) { return a.summe > b.summe; });

    int ziel = erster;
    for (const Nation& nat : nationen) {
        std::vector<int> gruppe;
        for (size_t k : nat.vereine) {
            S.Mannschaft[ziel] = alt[k];
            gruppe.push_back(ziel++);
        }
        gruppen.push_back(std::move(gruppe));
    }
    // Vereine ohne bekannte Nation bleiben dahinter, damit keiner verloren geht.
    for (size_t k = 0; k < alt.size(); ++k)
        if (!vergeben[k]) S.Mannschaft[ziel++] = alt[k];
}

} // namespace

void PokaleVorbereiten()
{
    S.Spiel.ChlSpieltag = 0;

    int sieger = 0;
    for (int i = 1; i <= S.Spiel.MannschaftHoch && sieger == 0; ++i)
        if (S.Mannschaft[i].DfbRunde == "Sieger") sieger = i;
    for (int i = 0; i <= S.Spiel.MannschaftHoch; ++i)
        for (const Wettbewerb_ w : PokaleUndChl) PokalFeld(S.Mannschaft[i], w) = "";

    S.Mannschaft[sieger > 0 ? sieger : 1].PdpRunde = "J";
    for (int i = 1; i <= 64; ++i) S.Mannschaft[i].DfbRunde = "J";

    for (int k = 1; k <= 16; ++k) {
        S.ChlTabelle[k] = ChlEintrag_{};
        S.ChlTabelle[k].ChlSlot = k;
    }
    S.Mannschaft[1].ChlRunde = "1";
    for (int i = 2; i <= 5; ++i) S.Mannschaft[i].UefaRunde = "J";

    std::vector<std::vector<int>> gruppen;
    AuslaenderOrdnen(gruppen);
    for (size_t platz = 0; platz < gruppen.size() && platz < 15; ++platz) {
        const std::vector<int>& g = gruppen[platz];
        S.Mannschaft[g[0]].ChlRunde = std::to_string(platz + 2);
        if (g.size() > 1) S.Mannschaft[g[1]].PdpRunde = "J";
        for (size_t k = 2; k < g.size() && k < 6; ++k) S.Mannschaft[g[k]].UefaRunde = "J";
    }

    for (const Wettbewerb_ w : PokaleUndChl) PokalAuslosen(w);
}

// --- Auslosung ---

namespace {

// Der Tabellenplatz der ChampionsLige, wie ihn die Saisonbilanz speichert; die Tafel
// bringt jeden der 16 Werte in den Katalog, damit er übersetzt gezeigt werden kann.
std::string ChlPlatzText(int platz)
{
    static const char* const plaetze[] = {N_("1. Platz"),  N_("2. Platz"),  N_("3. Platz"),  N_("4. Platz"),
                                          N_("5. Platz"),  N_("6. Platz"),  N_("7. Platz"),  N_("8. Platz"),
                                          N_("9. Platz"),  N_("10. Platz"), N_("11. Platz"), N_("12. Platz"),
                                          N_("13. Platz"), N_("14. Platz"), N_("15. Platz"), N_("16. Platz")};
    if (platz >= 1 && platz <= 16) return plaetze[platz - 1];
    return std::to_string(platz) + ". Platz";
}

} // namespace

void PokalAuslosen(Wettbewerb_ wettbewerb)
{
    if (wettbewerb == Wettbewerb_::Chl) {
        for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
            const int v = PokalVereinVon(m);
            if (v == 0) continue;
            KurzText<14>& bilanz = S.Saisonbilanz[m][S.Spiel.Saison].ChlErgebnis;
            // Nur Teilnehmer bekommen einen Eintrag; einen Strich gibt es hier nicht.
            const KurzText<12>& feld = S.Mannschaft[v].ChlRunde;
            if (!feld.leer())
                TextSetzen(bilanz, ChlPlatzText(ChlManschIndex(TextZahl(feld.text(), "ChlRunde"))));
        }
        return;
    }

    const int oben = wettbewerb == Wettbewerb_::Dfb ? 72 : S.Spiel.MannschaftHoch;
    int anzahl = 0;
    for (int i = 1; i <= oben; ++i)
        if (PokalFeld(S.Mannschaft[i], wettbewerb) == "J") ++anzahl;
    const int n = anzahl / 2;

    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        const int v = PokalVereinVon(m);
        if (v == 0) continue;
        KurzText<14>& bilanz = BilanzFeld(S.Saisonbilanz[m][S.Spiel.Saison], wettbewerb);
        const KurzText<12>& feld = PokalFeld(S.Mannschaft[v], wettbewerb);
        if (feld == "J") {
            if (n > 0) TextSetzen(bilanz, RundenName(n));
        } else if (feld.leer() && bilanz.leer()) {
            bilanz = "-";
        }
    }

    for (int p = 1; p <= n; ++p) {
        int a = 0;
        do a = Zufall(1, oben);
        while (!(PokalFeld(S.Mannschaft[a], wettbewerb) == "J"));
        int b = 0;
        do b = Zufall(1, oben);
        while (b == a || !(PokalFeld(S.Mannschaft[b], wettbewerb) == "J"));

        if (wettbewerb == Wettbewerb_::Dfb) {
            // Der Unterklassige hat Heimrecht.
            const bool bUnten = S.Mannschaft[b].Liga > S.Mannschaft[a].Liga;
            const int heim = bUnten ? b : a;
            const int gast = bUnten ? a : b;
            S.Mannschaft[heim].DfbRunde = std::to_string(p);
            S.Mannschaft[gast].DfbRunde = std::to_string(-p);
        } else {
            TextSetzen(PokalFeld(S.Mannschaft[a], wettbewerb), "A" + std::to_string(p) + "B-1C0D0");
            TextSetzen(PokalFeld(S.Mannschaft[b], wettbewerb), "A" + std::to_string(-p) + "B-1C0D0");
        }
    }
}

// --- Entscheidung im Europapokal ---

int RueckspielEntscheiden(KurzText<12>& heim, KurzText<12>& gast, int zeile, int gastVerein, int heimVerein,
                          int toreHeim, int toreGast)
{
    std::string h = heim.text();
    std::string g = gast.text();
    const bool hinspiel = CodeWert(h, 'B') == "-1";
    if (hinspiel) {
        h = CodeSetzen(h, 'B', "0");
        g = CodeSetzen(g, 'B', "0");
    }

    int punkteH = CodeZahl(h, 'B');
    int punkteG = CodeZahl(g, 'B');
    if (toreHeim > toreGast) punkteH += 3;
    else if (toreHeim < toreGast) punkteG += 3;
    else {
        punkteH += 1;
        punkteG += 1;
    }
    h = CodeSetzen(CodeSetzen(h, 'B', std::to_string(punkteH)), 'C', std::to_string(toreHeim));
    g = CodeSetzen(CodeSetzen(g, 'B', std::to_string(punkteG)), 'D', std::to_string(toreGast));

    if (hinspiel) {
        // Wer im Hinspiel Gast war, hat im Rückspiel Heimrecht.
        h = CodeSetzen(h, 'A', std::to_string(-CodeZahl(h, 'A')));
        g = CodeSetzen(g, 'A', std::to_string(-CodeZahl(g, 'A')));
        TextSetzen(heim, h);
        TextSetzen(gast, g);
        return 0;
    }

    bool heimWeiter;
    if (punkteH != punkteG) {
        heimWeiter = punkteH > punkteG;
    } else {
        const int summeH = CodeZahl(h, 'D') + toreHeim;
        const int summeG = CodeZahl(g, 'C') + toreGast;
        // Auswärtstore zählen noch einmal.
        const int auswaertsH = summeH + CodeZahl(h, 'D');
        const int auswaertsG = summeG + toreGast;
        if (summeH != summeG) {
            heimWeiter = summeH > summeG;
        } else if (auswaertsH != auswaertsG) {
            heimWeiter = auswaertsH > auswaertsG;
        } else {
            const Spieltagsanzeige::Ort ort = Tagesanzeige().zeilenOrt(zeile);
            const std::string paarung =
                S.Mannschaft[heimVerein].Name.text() + " - " + S.Mannschaft[gastVerein].Name.text();
            if (S.PokalZeigen)
                Nachricht(T("Elfmeterschießen"),
                          paarung + NL +
                              Tz("Beide Mannschaften haben gleiches\nPunkt- und Torverhältnis !\n"
                                 "Entscheidung durch Elfmeterschießen !"),
                          "OK", ort.x, ort.y);
            int a = 0;
            int b = 0;
            do {
                a += Zufall(0, 1);
                b += Zufall(0, 1);
            } while (a == b);
            heimWeiter = a > b;
            if (S.PokalZeigen)
                Nachricht(T("Elfmeterschießen"),
                          Tf("%1 hat es geschafft !", {S.Mannschaft[heimWeiter ? heimVerein : gastVerein].Name.text()}),
                          "OK", ort.x, ort.y);
        }
    }
    heim = heimWeiter ? "J" : "";
    gast = heimWeiter ? "" : "J";
    return heimWeiter ? heimVerein : gastVerein;
}

// --- Ausgeschiedene Manager ---

void PokalAusgeschieden(Wettbewerb_ wettbewerb, int zeile)
{
    if (!S.PokalZeigen) return;
    const char* zeilentext = nullptr;
    int option = 0;
    switch (wettbewerb) {
    case Wettbewerb_::Dfb: zeilentext = T("ist nicht mehr im DFB Pokal !"); option = OptZeigeDfb; break;
    case Wettbewerb_::Uefa: zeilentext = T("ist nicht mehr im Uefa Pokal !"); option = OptZeigeUefa; break;
    case Wettbewerb_::Pdp: zeilentext = T("ist nicht mehr im Pokal d. Pokalsieger !"); option = OptZeigePdp; break;
    default: BereichFehler("Wettbewerb", WettbewerbNr(wettbewerb), 1, 3);
    }
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        const int v = PokalVereinVon(m);
        if (v == 0 || !PokalFeld(S.Mannschaft[v], wettbewerb).leer()) continue;
        // Wer schon abgeschaltet hat, wird nicht wieder gefragt.
        if (S.Optionen[m][option] == 0) continue;
        const Manager_& mg = S.Manager[m];
        const Spieltagsanzeige::Ort ort = Tagesanzeige().zeilenOrt(zeile);
        Nachricht(T("Pokalspiele"),
                  Tz("%1 von \nManager %2\n%3\n\nPokalspiele trotzdem weiter zeigen ?",
                     {mg.Vereinsname.text(), mg.Name.text(), zeilentext}),
                  "JEIN", ort.x, ort.y);
        if (S.Befehl == Befehlswert::Nein) S.Optionen[m][option] = 0;
    }
}

// --- Gemeinsames der Pokaltage ---

namespace {

// Wartezeit nach jeder gezeigten Paarung.
void PaarungsPause()
{
    if (S.PokalZeigen) Warte(Tempo(0) * 100 + 50);
}

std::string NameMitLiga(int v)
{
    const Mannschaft_& m = S.Mannschaft[v];
    return m.Name.text() + " (" + std::to_string(m.Liga) + ")";
}

std::string NameMitNation(int v)
{
    const Mannschaft_& m = S.Mannschaft[v];
    return m.Name.text() + " (" + m.Nation.text() + ")";
}

std::string ZuschauerText(const Spielergebnis_& e) { return Tf("Zuschauer %1", {Geldtext(e.Zuschauer)}); }

void Gutschrift(int m, int64_t betrag)
{
    Manager_& mg = S.Manager[m];
    KontoBuchen(mg.Kontostand, betrag);
}

// Rundengeld für den Managerverein v; gibt den Manager zurück (oder -1). text ist deutsch.
int Rundengeld(int v, int faktor, const char* text, int zeile)
{
    const int m = ManagerVonVerein(v);
    if (m < 0) return -1;
    const int64_t betrag = int64_t{5 - S.Manager[m].Liga} * 10000 * faktor;
    Gutschrift(m, betrag);
    if (S.PokalZeigen)
        Tagesanzeige().zeilenMeldung(zeile, S.Manager[m].Name.text() + NL + NL + T(text) + NL +
                                                Tf("%1 Pokaleinnahmen !", {Geldtext(betrag) + Waehrung}));
    return m;
}

// Nach acht Paarungen die nächste Seite, wenn noch welche folgen.
void Blaettern(int p, int n)
{
    if (p % 8 != 0 || p >= n) return;
    if (S.PokalZeigen) WeiterAbwarten(Tf("Paarung %1 - %2", {std::to_string(p + 1), std::to_string(p + 8)}));
    Tagesanzeige().zeilenLeeren();
    Tagesanzeige().meldungenLeeren();
}

// tafeltext ist deutsch.
void Pokalsieger(int v, Wettbewerb_ wettbewerb, float ewige, int32_t praemie, const char* tafeltext)
{
    Mannschaft_& sieger = S.Mannschaft[v];
    PokalFeld(sieger, wettbewerb) = N_("Sieger");
    sieger.EwigePunkte += ewige;
    const int m = ManagerVonVerein(v);
    if (m >= 0) {
        Klang("tataa");
        Gutschrift(m, praemie);
        BilanzFeld(S.Saisonbilanz[m][S.Spiel.Saison], wettbewerb) = "Sieger";
    }
    Tagesanzeige().siegerZeigen(sieger.Name.text(), T(tafeltext));
}

void TagesEnde()
{
    if (S.PokalZeigen) WeiterAbwarten();
}

} // namespace

// --- DFB-Pokal ---

void DfbPokaltag()
{
    Spieltagsanzeige& anz = Tagesanzeige();
    // Nur gezogene Paarungen zählen; ein übrig gebliebenes "J" spielt nicht.
    int gezogen = 0;
    for (int i = 1; i <= 72; ++i) {
        const std::string f = S.Mannschaft[i].DfbRunde.text();
        if (!f.empty() && f != "J" && f != "Sieger") ++gezogen;
    }
    const int n = gezogen / 2;
    if (n == 0) return;
    const int faktor = Rundenfaktor(Wettbewerb_::Dfb, n);

    anz.titel(T("DFB-Pokalspiele"));
    anz.kopf("DFB-Pokal", TWert(RundenName(n)));
    // Ohne Zuschauer (ohne Bildschirm) werden die Zeilen gar nicht erst gebaut.
    const bool zuschauer = anz.siehtZu();
    const Liste<Mannschaft_>& vereine = S.Mannschaft;
    // Die Paarungsnummern sind Ziffern: die gespeicherten Bytes gleichen dem Text.
    const auto paarungen = PaarungenFinden(72, n, [&](int i) { return vereine[i].DfbRunde.roh(); });

    for (int p = 1; p <= n; ++p) {
        const int zeile = (p - 1) % 8;
        const int heim = paarungen[static_cast<size_t>(p)][0];
        const int gast = paarungen[static_cast<size_t>(p)][1];
        if (heim == 0 || gast == 0)
            throw Laufzeitfehler("Laufzeitfehler: DFB-Pokal-Paarung " + std::to_string(p) + " ist unvollständig.");

        const Spielergebnis_ e = SpielBerechnen(heim, gast, p);
        if (zuschauer) {
            ZeileZeigen(zeile, 2, heim, gast, NameMitLiga(heim));
            ZeileZeigen(zeile, 3, heim, gast, NameMitLiga(gast));
        }
        if (S.PokalZeigen && e.MitManager()) LiveSpiel(heim, gast, e);
        if (zuschauer) {
            ZeileZeigen(zeile, 1, heim, gast, ZuschauerText(e));
            ZeileZeigen(zeile, 4, heim, gast, ErgebnisAusrichten(e.Stand()));
        }
        PaarungsPause();

        const bool heimsieg = e.Heimsieg();
        const int sieger = heimsieg ? heim : gast;
        const int verlierer = heimsieg ? gast : heim;
        S.Mannschaft[sieger].DfbRunde = "J";
        S.Mannschaft[verlierer].DfbRunde = "";
        anz.verliererZeigen(zeile, heimsieg ? 3 : 2);

        // Die Frage nach dem Aus folgt dem Geld jedes Managervereins, bei zwei Managern also zweimal.
        for (const int v : {heim, gast}) {
            const int gegner = v == heim ? gast : heim;
            if (ManagerVonVerein(v) < 0) continue;
            // Der Höherklassige, der beim Kleinen verliert, wird ausgelacht.
            if (v == verlierer && S.Mannschaft[v].Liga < S.Mannschaft[gegner].Liga) Klang("Lach");
            Rundengeld(v, faktor, N_("Das DFB-Pokalspiel brachte Ihnen zusätzlich"), zeile);
            PokalAusgeschieden(Wettbewerb_::Dfb, zeile);
        }

        if (n == 1)
            Pokalsieger(sieger, Wettbewerb_::Dfb, 10.0f, 2000000,
                        N_("Sieger im DFB-Pokal bekommt 2.000.000 € Siegesprämie"));
        Blaettern(p, n);
    }

    PokalAuslosen(Wettbewerb_::Dfb);
    TagesEnde();
}

// --- Europapokale ---

namespace {

// Die Texte deutsch; übersetzt wird beim Zeigen. Der Kopf ist der Name des Wettbewerbs.
struct Europapokal {
    Wettbewerb_ wettbewerb;
    const char* titel;
    const char* kopf;
    const char* geldtext;
    float ewige;
    int32_t praemie;
    const char* tafeltext;
};

void Europapokaltag(const Europapokal& e)
{
    Spieltagsanzeige& anz = Tagesanzeige();
    const Wettbewerb_ w = e.wettbewerb;

    int gezogen = 0;
    bool hinspiele = false;
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
        // Die Bytes des Feldes genügen: Werte und Buchstaben des Eintrags sind ASCII.
        const std::string_view f = PokalFeld(S.Mannschaft[i], w).roh();
        if (CodeTeil(f, 'A').empty()) continue;
        ++gezogen;
        if (CodeTeil(f, 'B') == "-1") hinspiele = true;
    }
    const int n = gezogen / 2;
    if (n == 0) return;
    const int faktor = Rundenfaktor(w, n);

    anz.titel(T(e.titel));
    const std::string runde = TWert(RundenName(n));
    anz.kopf(e.kopf, hinspiele ? Tf("%1 Hinspiele", {runde}) : Tf("%1 Rückspiele", {runde}));
    const bool zuschauer = anz.siehtZu();
    const auto paarungen = PaarungenFinden(S.Spiel.MannschaftHoch, n,
                                           [&](int i) { return CodeTeil(PokalFeld(S.Mannschaft[i], w).roh(), 'A'); });

    for (int p = 1; p <= n; ++p) {
        const int zeile = (p - 1) % 8;
        const int heim = paarungen[static_cast<size_t>(p)][0];
        const int gast = paarungen[static_cast<size_t>(p)][1];
        if (heim == 0 || gast == 0)
            throw Laufzeitfehler(std::string("Laufzeitfehler: ") + e.kopf + "-Paarung " + std::to_string(p) +
                                 " ist unvollständig.");
        KurzText<12>& heimFeld = PokalFeld(S.Mannschaft[heim], w);
        KurzText<12>& gastFeld = PokalFeld(S.Mannschaft[gast], w);

        const Spielergebnis_ ergebnis = SpielBerechnen(heim, gast, p);
        if (zuschauer) {
            ZeileZeigen(zeile, 2, heim, gast, NameMitNation(heim));
            ZeileZeigen(zeile, 3, heim, gast, NameMitNation(gast));
        }
        if (S.PokalZeigen && ergebnis.MitManager()) LiveSpiel(heim, gast, ergebnis);
        if (zuschauer) {
            ZeileZeigen(zeile, 1, heim, gast, ZuschauerText(ergebnis));
            // Dahinter das Hinspiel aus Sicht der heutigen Heimmannschaft.
            const std::string hin = " " + Hinspielstand(heimFeld.text(), gastFeld.text());
            ZeileZeigen(zeile, 4, heim, gast, " " + ergebnis.Stand() + hin);
        }
        PaarungsPause();

        const int weiter =
            RueckspielEntscheiden(heimFeld, gastFeld, zeile, gast, heim, ergebnis.ToreHeim, ergebnis.ToreGast);
        if (weiter != 0) anz.verliererZeigen(zeile, weiter == heim ? 3 : 2);

        for (const int v : {heim, gast})
            if (Rundengeld(v, faktor, e.geldtext, zeile) >= 0) PokalAusgeschieden(w, zeile);

        if (n == 1 && weiter != 0) Pokalsieger(weiter, w, e.ewige, e.praemie, e.tafeltext);
        Blaettern(p, n);
    }

    if (!hinspiele) PokalAuslosen(w);
    TagesEnde();
}

} // namespace

void UefaPokaltag()
{
    Europapokaltag({Wettbewerb_::Uefa, N_("UEFA Pokalspiele"), "Uefa Pokal",
                    N_("Das Uefa Pokal Spiel brachte Ihnen zusätzlich"), 25.0f, 4444444,
                    N_("Sieger im Uefa Pokal bekommt 4.444.444 € Siegesprämie")});
}

void PdpPokaltag()
{
    // Der Titel ist der Name des Wettbewerbs und bleibt.
    Europapokaltag({Wettbewerb_::Pdp, "Pokal der Pokalsieger", "Pokal der Pokalsieger",
                    N_("Das Pokal der Pokalsieger Spiel brachte Ihnen zusätzlich"), 20.0f, 3333333,
                    N_("Sieger im Pokal der Pokalsieger bekommt 3.333.333 € Siegesprämie")});
}

} // namespace torvane
