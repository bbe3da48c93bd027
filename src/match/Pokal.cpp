#include "match/Pokal.h"

#include "core/Fehler.h"
#include "core/Funky.h"
#include "core/Oberflaeche.h"
#include "match/Champions.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace torvane {

namespace {

bool IstBuchstabe(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Pokaltexte werden nie still gekürzt: ein abgeschnittener Eintrag wäre ein anderer Eintrag.
template <int N>
void TextSetzen(KurzText<N>& feld, std::string_view text)
{
    if (Utf8NachCp1252(text).size() > static_cast<size_t>(N))
        throw Laufzeitfehler("Laufzeitfehler: Text \"" + std::string(text) + "\" passt nicht in sein Feld.");
    feld = text;
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

std::string CodeWert(std::string_view code, char buchstabe)
{
    const size_t pos = code.find(buchstabe);
    if (pos == std::string_view::npos) return "";
    size_t ende = pos + 1;
    while (ende < code.size() && !IstBuchstabe(code[ende])) ++ende;
    return std::string(code.substr(pos + 1, ende - pos - 1));
}

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

KurzText<12>& PokalFeld(Mannschaft_& m, int wettbewerb)
{
    switch (wettbewerb) {
    case WettbewerbDfb: return m.DfbRunde;
    case WettbewerbUefa: return m.UefaRunde;
    case WettbewerbPdp: return m.PdpRunde;
    case WettbewerbChl: return m.ChlRunde;
    default: BereichFehler("Wettbewerb", wettbewerb, 1, 4);
    }
}

KurzText<14>& BilanzFeld(Saisonbilanz_& b, int wettbewerb)
{
    switch (wettbewerb) {
    case WettbewerbDfb: return b.DfbErgebnis;
    case WettbewerbUefa: return b.UefaErgebnis;
    case WettbewerbPdp: return b.PdpErgebnis;
    case WettbewerbChl: return b.ChlErgebnis;
    default: BereichFehler("Wettbewerb", wettbewerb, 1, 4);
    }
}

// Die Tafeln kennen nur 32, 16, 8, 4, 2 und 1 Paarungen. Andere Zahlen entstehen nur
// mit dünnen Vereinsdateien; sie zählen wie die nächstgrößere Runde der Tafel.
static int RundenStufe(int paarungen)
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
    static const char* const namen[] = {"1.Runde", "2.Runde", "Achtel Finale", "Viertel Finale", "Halb Finale",
                                        "Finale"};
    return namen[RundenStufe(paarungen)];
}

int Rundenfaktor(int wettbewerb, int paarungen)
{
    static const int dfb[] = {1, 2, 3, 4, 5, 6};
    static const int uefa[] = {1, 2, 4, 8, 10, 12};
    // Im Pokal der Pokalsieger gibt es keine 1. und 2. Runde; sie zählten wie das Achtelfinale.
    static const int pdp[] = {2, 2, 2, 6, 8, 10};
    const int stufe = RundenStufe(paarungen);
    switch (wettbewerb) {
    case WettbewerbDfb: return dfb[stufe];
    case WettbewerbUefa: return uefa[stufe];
    case WettbewerbPdp: return pdp[stufe];
    default: BereichFehler("Wettbewerb", wettbewerb, 1, 3);
    }
}

int PokalVereinVon(int m)
{
    // Über den Namen: am Saisonwechsel stimmen Liga und Platz des Managers noch nicht.
    const auto name = S.Manager[m].Vereinsname.roh();
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
        for (int w = WettbewerbDfb; w <= WettbewerbChl; ++w) PokalFeld(S.Mannschaft[i], w) = "";

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

    for (int w = WettbewerbDfb; w <= WettbewerbChl; ++w) PokalAuslosen(w);
}

// --- Auslosung ---

void PokalAuslosen(int wettbewerb)
{
    if (wettbewerb == WettbewerbChl) {
        for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
            const int v = PokalVereinVon(m);
            if (v == 0) continue;
            KurzText<14>& bilanz = S.Saisonbilanz[m][S.Spiel.Saison].ChlErgebnis;
            const KurzText<12>& feld = S.Mannschaft[v].ChlRunde;
            if (!feld.leer())
                TextSetzen(bilanz, std::to_string(ChlManschIndex(TextZahl(feld.text(), "ChlRunde"))) + ". Platz");
            else if (bilanz.leer())
                bilanz = "-";
        }
        return;
    }

    const int oben = wettbewerb == WettbewerbDfb ? 72 : S.Spiel.MannschaftHoch;
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

        if (wettbewerb == WettbewerbDfb) {
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

// --- Tage (folgen) ---
void DfbPokaltag() {}
void UefaPokaltag() {}
void PdpPokaltag() {}

int RueckspielEntscheiden(KurzText<12>&, KurzText<12>&, int, int, int, int, int) { return 0; }
void PokalAusgeschieden(int, int) {}

} // namespace torvane
