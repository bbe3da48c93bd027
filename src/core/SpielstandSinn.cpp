#include "core/SpielstandSinn.h"

#include "core/SpielstandDatei.h"
#include "core/Sprache.h"
#include "finance/Sponsoren.h"
#include "finance/Stadion.h"
#include "match/Pokal.h"
#include "squad/Kader.h"

#include <algorithm>
#include <string_view>
#include <set>
#include <tuple>

namespace torvane {

namespace {

// Sammelt die Verstöße. Die Texte entstehen erst beim Verstoß: die langen Läufe prüfen jeden Tag.
struct Pruefung {
    std::vector<std::string> fehler;

    bool bereich(const std::string& wo, const char* feld, int64_t wert, int64_t von, int64_t bis)
    {
        if (wert >= von && wert <= bis) return true;
        fehler.push_back(Tf("%1%2 = %3 liegt nicht in %4..%5.",
                            {wo, feld, std::to_string(wert), std::to_string(von), std::to_string(bis)}));
        return false;
    }
    // was ist ein Satz, mit N_ für den Katalog markiert.
    bool wahr(bool b, const std::string& wo, const char* was)
    {
        if (!b) fehler.push_back(wo + T(was));
        return b;
    }
    // Ein zu großes Längenbyte schnitte die Regeln nicht ab, wohl aber jede Kopie in einen kürzeren Text.
    template <int N>
    void text(const std::string& wo, const char* feld, const KurzText<N>& t)
    {
        if (t.laenge > N)
            fehler.push_back(Tf("%1%2: Textlänge %3 größer als %4.", {wo, feld, std::to_string(t.laenge), std::to_string(N)}));
    }

    void position(const std::string& wo, const KurzText<1>& p)
    {
        wahr(p.laenge == 1 && std::string_view("TVMS").find(p.zeichen[0]) != std::string_view::npos, wo,
             N_("Position nicht T, V, M oder S."));
    }

    void spieler(const std::string& wo, const Kaderspieler_& k)
    {
        wahr(!k.Vorname.leer(), wo, N_("Spieler ohne Vornamen."));
        text(wo, "Vorname", k.Vorname);
        text(wo, "Nachname", k.Nachname);
        text(wo, "Zusatz", k.Zusatz);
        text(wo, "Nation", k.Nation);
        position(wo, k.Position);
        if (bereich(wo, "Alter", k.Alter, 16, AlterHoch))
            // Ab 31 sinkt die höchste Konstitution; die Regeln setzen sie dann auch darunter.
            bereich(wo, "Konstitution", k.Konstitution, std::min(1, KonstMaxFuer(k.Alter)), KonstitutionHoch);
        bereich(wo, "Technik", k.Technik, 1, TechnikHoch);
        bereich(wo, "Stärke", k.Staerke, 1, StaerkeHoch);
        bereich(wo, "Form", k.Form, -10, 10);
        bereich(wo, "Verletzt", k.Verletzt, 0, VerletztHoch);
        bereich(wo, "VerletzungArt", k.VerletzungArt, 0, 10);
        bereich(wo, "Vertrag", k.Vertrag, 1, VertragHoch);
        bereich(wo, "Transferstatus", k.Transferstatus, 0, 2);
        bereich(wo, "Verhandelt", k.Verhandelt, 0, 100);
        bereich(wo, "Angebote", k.Angebote, 0, 3); // nach dem dritten abgelehnten beginnt es neu
        bereich(wo, "Eingesetzt", k.Eingesetzt, 0, 1);
        // Auch die höchste Ablöse, 150 % des Werts, passt noch in ihr Feld.
        bereich(wo, "Wert", k.Wert, 0, INT32_MAX / 15 * 10);
        bereich(wo, "Gehalt", k.Gehalt, 0, INT32_MAX);
    }

    void spiel(const Spielstand& s)
    {
        const Spiel_& sp = s.Spiel;
        // Übersetzer: Der Ort eines Fehlers im Spielstand; dahinter folgt der Fehler.
        const std::string wo = T("Spiel: ");
        bereich(wo, "Spieltag", sp.Spieltag, 0, 34);
        bereich(wo, "Wettbewerb", WettbewerbNr(sp.Wettbewerb), 0, 4);
        bereich(wo, "ChlSpieltag", sp.ChlSpieltag, 0, 15);
        bereich(wo, "AnzeigeLiga", sp.AnzeigeLiga, 0, 4);
        bereich(wo, "AnzeigeErster", sp.AnzeigeErster, 0, sp.MannschaftHoch);
        bereich(wo, "Aktienkurs", sp.Aktienkurs, 100, 100000000); // Ereignisse treiben ihn hoch
        bereich(wo, "NationAnzahl", sp.NationAnzahl, 1, decltype(s.Nation)::bis);
        // Pokale und Neuanlage ziehen aus den deutschen Vereinen, die Ligen brauchen 72.
        bereich(wo, "DeutscheHoch", sp.DeutscheHoch, 72, sp.MannschaftHoch);
        bereich(wo, "MannschaftHoch", sp.MannschaftHoch, 72, s.Mannschaft.hoch());
        bereich(wo, "SpielerHoch", sp.SpielerHoch, 0, s.Spieler.hoch());
        if (bereich(wo, "Saison", sp.Saison, 1, MaxSaisons))
            for (int m = 0; m <= 3; ++m)
                wahr(s.Saisonbilanz[m].laenge() == int64_t{sp.Saison} + 1, wo, N_("Saisonbilanz passt nicht zur Saison."));
        if (bereich(wo, "ManagerHoch", sp.ManagerHoch, 0, 3)) bereich(wo, "AktManager", s.AktManager, 0, sp.ManagerHoch);
    }

    void vereine(const Spielstand& s)
    {
        const int hoch = static_cast<int>(std::min<int64_t>(s.Mannschaft.hoch(), s.Spiel.MannschaftHoch));
        const char* verein = T("Verein %1: ");
        for (int i = 1; i <= hoch; ++i) {
            const Mannschaft_& v = s.Mannschaft[i];
            const std::string wo = Einsetzen(verein, {std::to_string(i)});
            text(wo, "Name", v.Name);
            text(wo, "DfbRunde", v.DfbRunde);
            text(wo, "UefaRunde", v.UefaRunde);
            text(wo, "PdpRunde", v.PdpRunde);
            text(wo, "ChlRunde", v.ChlRunde);
            text(wo, "Legende", v.Legende);
            text(wo, "Nation", v.Nation);
            // Jeder Verein kann in einem Pokal spielen: Moral und Linien wie nach jedem Spieltag, mit Platz
            // für das Treiben der Linien während eines Tages; die Manager rechnen ihre Linien aus dem Kader.
            bereich(wo, "Moral", v.Moral, 1, 100);
            bereich(wo, "Verteidigung", v.Verteidigung, 0, LinieHoch);
            bereich(wo, "Mittelfeld", v.Mittelfeld, 0, LinieHoch);
            bereich(wo, "Angriff", v.Angriff, 0, LinieHoch);
            bereich(wo, "Gesamt", v.Gesamt, 0, LinieHoch);
            wahr(v.EwigePunkte >= 0.0f && v.EwigePunkte <= 1.0e7f, wo, N_("EwigePunkte nicht in 0..10000000."));
            if (i > 72) continue;
            // Die Ligavereine stehen nach Liga und Platz; der Spielplan verteilt je Liga die Nummern 1..18.
            const int liga = (i - 1) / 18 + 1, platz = (i - 1) % 18 + 1;
            wahr(v.Liga == liga && v.Platz == platz, wo, N_("Liga und Platz passen nicht zur Stelle in der Tabelle."));
            // Jeder Ligaspieltag gibt jedem Verein ein Spiel: mehr, als Spieltage gespielt sind, ließe
            // den nächsten über 34 steigen.
            const int spiele = v.Siege + v.Unentschieden + v.Niederlagen;
            wahr(spiele <= s.Spiel.Spieltag, wo, N_("mehr Spiele als Ligaspieltage."));
            // Punkte und Tore kommen nur aus diesen Spielen: höchstens drei Punkte und weniger als hundert
            // Tore je Spiel, so bleibt auch nach dem nächsten Spieltag alles in seinem Bereich.
            bereich(wo, "Punkte", v.Punkte, 0, 3 * spiele);
            bereich(wo, "Tore", v.Tore, 0, 100 * spiele);
            bereich(wo, "Gegentore", v.Gegentore, 0, 100 * spiele);
            if (bereich(wo, "SpielplanNr", v.SpielplanNr, 1, 18))
                for (int j = VereinAufPlatz(liga, 1); j < i; ++j)
                    wahr(s.Mannschaft[j].SpielplanNr != v.SpielplanNr, wo, N_("SpielplanNr doppelt in der Liga."));
        }
        const char* pool = T("Spielerpool %1: ");
        for (int i = 1; i <= s.Spieler.hoch(); ++i) {
            const Spieler_& p = s.Spieler[i];
            const std::string wo = Einsetzen(pool, {std::to_string(i)});
            if (!p.Vorname.leer()) position(wo, p.Position); // der Markt zieht ihn, wie er ist
            text(wo, "Vorname", p.Vorname);
            text(wo, "Nachname", p.Nachname);
            text(wo, "Position", p.Position);
            text(wo, "Nation", p.Nation);
            text(wo, "Zusatz", p.Zusatz);
        }
    }

    void manager(const Spielstand& s)
    {
        if (s.Spiel.ManagerHoch < 0 || s.Spiel.ManagerHoch > 3) return;
        std::set<std::tuple<std::string_view, std::string_view, int, std::string_view>> gesehen;
        for (int m = 0; m <= s.Spiel.ManagerHoch; ++m) {
            const Manager_& mg = s.Manager[m];
            const std::string wo = Tf("Manager %1: ", {std::to_string(m + 1)});
            text(wo, "Vereinsname", mg.Vereinsname);
            text(wo, "SpielSystem", mg.SpielSystem);
            text(wo, "Name", mg.Name);
            text(wo, "TotoTip", mg.TotoTip);
            const bool liga = bereich(wo, "Liga", mg.Liga, 1, 4);
            if (bereich(wo, "Platz", mg.Platz, 1, 18) && liga && s.Mannschaft.hoch() >= 72) {
                wahr(s.Mannschaft[VereinAufPlatz(mg.Liga, mg.Platz)].Name.roh() == mg.Vereinsname.roh(), wo,
                     N_("der Verein auf seinem Platz trägt nicht seinen Vereinsnamen."));
                // Die Regeln finden den Verein eines Managers über den Namen.
                int gleich = 0;
                for (int i = 1; i <= s.Mannschaft.hoch(); ++i) gleich += s.Mannschaft[i].Name.roh() == mg.Vereinsname.roh();
                wahr(gleich == 1, wo, N_("sein Vereinsname steht bei mehr als einem Verein."));
                for (int n = 0; n < m; ++n)
                    wahr(s.Manager[n].Liga != mg.Liga || s.Manager[n].Platz != mg.Platz, wo,
                         N_("führt denselben Verein wie ein anderer Manager."));
            }
            if (bereich(wo, "Trainer", mg.Trainer, -1, 12) && mg.Trainer != -1 &&
                wahr(mg.Trainer != 0, wo, N_("Trainer 0 gibt es nicht."))) {
                wahr(s.Trainermarkt[mg.Trainer].Nummer == -1, wo, N_("sein Trainer steht noch auf dem Markt."));
                for (int n = 0; n < m; ++n)
                    wahr(s.Manager[n].Trainer != mg.Trainer, wo, N_("sein Trainer arbeitet auch für einen anderen."));
            }
            bereich(wo, "TrainerStufe", mg.TrainerStufe, 0, TrainerStufeHoch);
            bereich(wo, "Einsatz", mg.Einsatz, -100, 100);
            bereich(wo, "Aktien", mg.Aktien, 0, 20000);
            bereich(wo, "Trainingsstunden", mg.Trainingsstunden, 1, 10);
            bereich(wo, "BaelleTechnik", mg.BaelleTechnik, 0, 11);
            bereich(wo, "BaelleKonstitution", mg.BaelleKonstitution, 0, 11);
            wahr(mg.BaelleTechnik + mg.BaelleKonstitution <= mg.Baelle, wo, N_("mehr Bälle verteilt als vorhanden."));
            wahr(mg.Managerpunkte >= 1.0f && mg.Managerpunkte <= 100.0f, wo, N_("Managerpunkte nicht in 1..100."));
            // Sie wachsen mit jedem Zug und fallen nur mit einem angenommenen Vertrag.
            wahr(mg.Werbeanfragen >= 0.0f && mg.Werbeanfragen <= 1.0e7f, wo, N_("Werbeanfragen nicht in 0..10000000."));
            for (const auto& [feld, wert] : {std::pair{"Kredit", mg.Kredit}, {"Sparbuch", mg.Sparbuch},
                                            {"DauerkartenVerkauft", mg.DauerkartenVerkauft},
                                            {"Werbeeinnahmen", mg.Werbeeinnahmen}})
                bereich(wo, feld, wert, 0, INT32_MAX);
            // Das Stadion, wie Ausbau, Abriss und Ereignisse es halten; seine Kosten je Spiel passen so in ihr Feld.
            bereich(wo, "Plaetze", mg.Plaetze, 0, MaxPlaetze);
            bereich(wo, "Komfortpunkte", mg.Komfortpunkte, 0, MaxKomfort);
            bereich(wo, "DauerkartenImVerkauf", mg.DauerkartenImVerkauf, 0, MaxPlaetze);
            wahr(mg.DauerkartenVerkauft <= mg.Plaetze, wo, N_("mehr Dauerkarten verkauft als Plätze."));
            bereich(wo, "Eintrittspreis", mg.Eintrittspreis, 0, 100);
            bereich(wo, "Dauerkartenpreis", mg.Dauerkartenpreis, 0, 1000);
            bereich(wo, "Pokalzuschlag", mg.Pokalzuschlag, 0, 100);
            // Zähler, die jedes Spiel um eins erhöht: genug Platz für viele hundert Saisons.
            bereich(wo, "HeimspieleSaison", mg.HeimspieleSaison, 0, 200);
            bereich(wo, "ZuschauerSaison", mg.ZuschauerSaison, 0, int64_t{MaxPlaetze} * mg.HeimspieleSaison);
            if (bereich(wo, "SpieleGespielt", mg.SpieleGespielt, 0, SpieleHoch)) {
                wahr(mg.HeimSpiele + mg.AuswaertsSpiele == mg.SpieleGespielt, wo, N_("Heim- und Auswärtsspiele ergeben nicht die Spiele."));
                wahr(mg.HeimSiege <= mg.HeimSpiele && mg.AuswaertsSiege <= mg.AuswaertsSpiele &&
                         mg.HeimSiege + mg.AuswaertsSiege + mg.Remis <= mg.SpieleGespielt,
                     wo, N_("mehr Siege und Remis als Spiele."));
            }
            bereich(wo, "TrainerSpiele", mg.TrainerSpiele, -100, 127);
            bereich(wo, "Baelle", mg.Baelle, 0, 255 - TrainerStufeHoch);
            for (const uint8_t p : s.Statistik[m].Plaetze) bereich(wo, "Statistik Platz", p, 0, 19);
            for (const Werbevertrag_& v : s.Werbevertraege[m]) {
                // Die Plätze 6..8 sind Trikotwerbung, die anderen Banden- und Fernsehwerbung.
                const size_t n = &v - s.Werbevertraege[m].begin() >= 6 ? TrikotSponsoren.size()
                                                                        : BandenSponsoren.size();
                bereich(wo, "Werbevertrag Sponsor", v.Sponsor, 0, static_cast<int64_t>(n) - 1);
                bereich(wo, "Werbevertrag Betrag", v.Betrag, 0, INT32_MAX);
                bereich(wo, "Werbevertrag SpieleRest", v.SpieleRest, 0, INT16_MAX);
                bereich(wo, "Werbevertrag SpieleGesamt", v.SpieleGesamt, 0, INT16_MAX);
            }
            if (!bereich(wo, "KaderAnzahl", mg.KaderAnzahl, 0, 23)) continue;
            const char* kader = T("Kader %1: ");
            for (int i = 1; i <= 23; ++i) {
                const Kaderspieler_& k = mg.Kader[i];
                const std::string wk = wo + Einsetzen(kader, {std::to_string(i)});
                if (i > mg.KaderAnzahl) {
                    wahr(k.Vorname.leer(), wk, N_("Eintrag hinter dem Kader."));
                    continue;
                }
                spieler(wk, k);
                wahr(gesehen.insert({k.Vorname.roh(), k.Nachname.roh(), k.Alter, k.Nation.roh()}).second, wk,
                     N_("derselbe Spieler steht schon in einem Kader."));
            }
            int64_t gehaelter = 0;
            for (int i = 1; i <= mg.KaderAnzahl; ++i) gehaelter += std::max<int32_t>(0, mg.Kader[i].Gehalt);
            wahr(GehaelterPassen(gehaelter), wo, N_("Gehälter des Kaders zu hoch."));
        }
    }

    // Ein Pokaltag spielt die Paarungen 1..n, je mit "p" beim Gastgeber und "-p" beim Gast, n die
    // Hälfte der Gezogenen; eine halbe oder doppelte Paarung hielte ihn an.
    void paarungen(const std::string& wo, const std::vector<std::string_view>& gezogen)
    {
        std::set<int> nummern;
        for (const std::string_view g : gezogen) nummern.insert(Paarungsnummer(g));
        if (!wahr(nummern.size() == gezogen.size() && gezogen.size() % 2 == 0, wo, N_("Paarungsnummer doppelt oder allein.")))
            return;
        const int n = static_cast<int>(gezogen.size() / 2);
        for (int p = 1; p <= n; ++p)
            if (!wahr(nummern.contains(p) && nummern.contains(-p), wo, N_("Paarung unvollständig."))) return;
    }

    void pokale(const Spielstand& s)
    {
        std::vector<std::string_view> dfb, uefa, pdp;
        const int hoch = static_cast<int>(std::min<int64_t>(s.Mannschaft.hoch(), s.Spiel.MannschaftHoch));
        for (int i = 1; i <= hoch; ++i) {
            const Mannschaft_& v = s.Mannschaft[i];
            const std::string_view f = v.DfbRunde.roh();
            if (i <= 72 && !f.empty() && f != "J" && f != "Sieger") dfb.push_back(f);
            if (const auto a = CodeTeil(v.UefaRunde.roh(), 'A'); !a.empty()) uefa.push_back(a);
            if (const auto a = CodeTeil(v.PdpRunde.roh(), 'A'); !a.empty()) pdp.push_back(a);
        }
        paarungen("DFB-Pokal: ", dfb);
        paarungen("Uefa-Pokal: ", uefa);
        paarungen("Pokal der Pokalsieger: ", pdp);
    }

    void maerkte(const Spielstand& s)
    {
        for (int r = 1; r <= 11; ++r) {
            const Kaderspieler_& k = s.Transferliste[r];
            const std::string wo = Tf("Transferliste %1: ", {std::to_string(r)});
            if (k.Transferstatus != 0) {
                spieler(wo, k);
                continue;
            }
            // Eine ruhende Zeile geht mit ihrem Namen zurück in den Pool; der nächste Spieler der Zeile
            // behält ihre Verhandlungen und Angebote.
            bereich(wo, "Verhandelt", k.Verhandelt, 0, 100);
            bereich(wo, "Angebote", k.Angebote, 0, 3);
            if (!k.Vorname.leer()) {
                text(wo, "Vorname", k.Vorname);
                text(wo, "Nachname", k.Nachname);
                text(wo, "Zusatz", k.Zusatz);
                text(wo, "Nation", k.Nation);
                position(wo, k.Position);
            }
        }
        for (int t = 1; t <= 12; ++t) {
            const Trainereintrag_& e = s.Trainermarkt[t];
            const std::string wo = Tf("Trainermarkt %1: ", {std::to_string(t)});
            wahr(e.Nummer == -1 || e.Nummer == t, wo, N_("Nummer passt nicht zur Zeile."));
            bereich(wo, "Stufe", e.Stufe, 0, TrainerStufeHoch);
            // Für 100 Spiele kostet er bis zum Doppelten von Preis und Gehalt: auch das passt in sein Feld.
            bereich(wo, "Preis", e.Preis, 0, INT32_MAX / 2);
            bereich(wo, "GehaltProSpiel", e.GehaltProSpiel, 0, INT32_MAX / 2);
        }
        // Vor der ersten Auslosung stehen alle Plätze auf 0, danach jede Nummer 1..16 genau einmal.
        std::set<int32_t> slots;
        for (int k = 1; k <= 16; ++k) {
            const ChlEintrag_& e = s.ChlTabelle[k];
            const std::string wo = Tf("ChlTabelle %1: ", {std::to_string(k)});
            if (bereich(wo, "ChlSlot", e.ChlSlot, 0, 16) && e.ChlSlot != 0)
                wahr(slots.insert(e.ChlSlot).second, wo, N_("ChlSlot doppelt."));
            // Höchstens fünfzehn Spiele; auch mit dem Ergebnis des nächsten bleiben sie in ihrem Byte.
            bereich(wo, "ChlPunkte", e.ChlPunkte, 0, 45);
            bereich(wo, "ChlTore", e.ChlTore, 0, 150);
            bereich(wo, "ChlGegentore", e.ChlGegentore, 0, 150);
            for (const auto& t : e.ChlErgebnisse) text(wo, "Ergebnis", t);
        }
        wahr(slots.empty() || slots.size() == 16, T("ChlTabelle: "), N_("nicht jeder Platz 1..16 vergeben."));
        const std::string ergebnisse = T("Ergebnisse: ");
        for (const auto& liga : s.Ergebnisse)
            for (const auto& tag : liga)
                for (const auto& t : tag) text(ergebnisse, "Ergebnis", t);
        for (int m = 0; m <= 3; ++m)
            for (const Saisonbilanz_& b : s.Saisonbilanz[m]) {
                const std::string wo = Tf("Saisonbilanz %1: ", {std::to_string(m + 1)});
                text(wo, "DfbErgebnis", b.DfbErgebnis);
                text(wo, "UefaErgebnis", b.UefaErgebnis);
                text(wo, "PdpErgebnis", b.PdpErgebnis);
                text(wo, "ChlErgebnis", b.ChlErgebnis);
            }
    }
};

} // namespace

std::vector<std::string> SpielstandSinnFehler(const Spielstand& s)
{
    Pruefung p;
    p.spiel(s);
    p.vereine(s);
    p.manager(s);
    p.pokale(s);
    p.maerkte(s);
    return std::move(p.fehler);
}

std::string SpielstandSinn(const Spielstand& s)
{
    std::vector<std::string> f = SpielstandSinnFehler(s);
    return f.empty() ? std::string() : std::move(f.front());
}

} // namespace torvane
