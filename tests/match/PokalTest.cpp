// Pokale: Saisonstart, Auslosung, Hin- und Rückspiel, Prämien, eine ganze Pokalsaison.
#include "core/Funky.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "match/Anzeige.h"
#include "match/Champions.h"
#include "match/Pokal.h"
#include "match/Spiel.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace torvane;

namespace pokaltest {

// Eine kleine Welt: 72 Ligavereine, 6 der Verbandsliga, dann je Nation
// jeNation fremde Vereine, nach Nationen geordnet, die Nationen nicht nach Stärke.
void WeltBauen(int nationen, int jeNation)
{
    S = Spielstand{};
    S.Spiel.NationAnzahl = nationen + 1;
    S.Nation[1].Kuerzel = "D";
    S.Nation[1].Name = "Deutschland";
    for (int n = 2; n <= nationen + 1; ++n) {
        S.Nation[n].Kuerzel = std::string("F") + static_cast<char>('A' + n);
        S.Nation[n].Name = "Land " + std::to_string(n);
    }
    S.Spiel.DeutscheHoch = 78;
    S.Spiel.MannschaftHoch = 78 + nationen * jeNation;
    S.Mannschaft.laengeSetzen(S.Spiel.MannschaftHoch + 1);
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Name = "Verein " + std::to_string(i);
        int basis = 60;
        if (i <= 78) {
            v.Nation = "D";
            v.Liga = static_cast<uint8_t>(i <= 72 ? (i - 1) / 18 + 1 : 5);
            v.Platz = static_cast<uint8_t>(i <= 72 ? (i - 1) % 18 + 1 : i - 72);
            basis = 100 - 10 * v.Liga;
        } else {
            const int n = (i - 79) / jeNation + 2;
            v.Nation = S.Nation[n].Kuerzel;
            v.Liga = 1;
            basis = 55 + (n * 37) % 45;
        }
        v.SpielplanNr = v.Platz;
        v.Moral = static_cast<int16_t>(Zufall(20, 80));
        v.Verteidigung = static_cast<int16_t>(basis + Zufall(-5, 5));
        v.Mittelfeld = static_cast<int16_t>(basis + Zufall(-5, 5));
        v.Angriff = static_cast<int16_t>(basis + Zufall(-5, 5));
    }
    MannschaftenPruefen(1, S.Spiel.MannschaftHoch);

    // Jeder gegen jeden nach dem Kreisverfahren: Platz 16 fest, die anderen drehen sich.
    for (int tag = 1; tag <= 15; ++tag)
        for (int p = 1; p <= 8; ++p) {
            int a = p == 1 ? 16 : (tag + p - 2) % 15 + 1;
            int b = (tag + 15 - p) % 15 + 1;
            if (p == 1) b = tag;
            if (tag % 2 == 0) std::swap(a, b);
            S.ChlSpieltage[tag][p][0] = static_cast<uint8_t>(a);
            S.ChlSpieltage[tag][p][1] = static_cast<uint8_t>(b);
        }

    S.Spiel.Saison = 1;
    for (int m = 0; m <= 3; ++m) S.Saisonbilanz[m].laengeSetzen(2);
}

// Macht Verein v zum Verein des Managers m.
void ManagerSetzen(int m, int v)
{
    Manager_& mg = S.Manager[m];
    mg.Name = "Manager" + std::to_string(m);
    mg.Vereinsname = S.Mannschaft[v].Name.text();
    mg.Liga = static_cast<int8_t>(S.Mannschaft[v].Liga);
    mg.Platz = static_cast<int8_t>(S.Mannschaft[v].Platz);
    mg.Eintrittspreis = 20;
    mg.Plaetze = 30000;
    mg.Kontostand = 1000000;
    if (S.Spiel.ManagerHoch < m) S.Spiel.ManagerHoch = m;
}

// Wie oft Feld des Wettbewerbs w den Text hat.
int Zaehle(int w, const std::string& text)
{
    int n = 0;
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i)
        if (PokalFeld(S.Mannschaft[i], w) == text) ++n;
    return n;
}

int Gezogen(int w)
{
    int n = 0;
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
        const std::string f = PokalFeld(S.Mannschaft[i], w).text();
        if (!f.empty() && f != "J" && f != "Sieger") ++n;
    }
    return n;
}

// Betrag aus der Zuschauerzelle "Zuschauer 12.345".
int64_t ZuschauerAus(const ProtokollAnzeige& a, int zeile)
{
    const std::string kopf = "zeile:" + std::to_string(zeile) + ":1:Zuschauer ";
    for (auto it = a.protokoll.rbegin(); it != a.protokoll.rend(); ++it)
        if (it->rfind(kopf, 0) == 0) {
            std::string zahl;
            for (char c : it->substr(kopf.size()))
                if (c != '.') zahl += c;
            return std::stoll(zahl);
        }
    return -1;
}

} // namespace pokaltest

using namespace pokaltest;

TEST(PokalCode, LesenUndSetzen)
{
    EXPECT_EQ(CodeWert("A-3B-1C0D0", 'A'), "-3");
    EXPECT_EQ(CodeWert("A-3B-1C0D0", 'B'), "-1");
    EXPECT_EQ(CodeWert("A12B6C10D2", 'C'), "10");
    EXPECT_EQ(CodeWert("A12B6C10D2", 'D'), "2");
    EXPECT_EQ(CodeWert("J", 'B'), "");
    EXPECT_EQ(CodeSetzen("A-3B-1C0D0", 'C', "12"), "A-3B-1C12D0");
    EXPECT_EQ(CodeSetzen("A-3B-1C0D0", 'A', "3"), "A3B-1C0D0");
    EXPECT_EQ(CodeSetzen("A-3B-1C0D0", 'D', "-7"), "A-3B-1C0D-7");
    EXPECT_EQ(CodeSetzen("A1", 'B', "0"), "A1B0");
    EXPECT_EQ(CodeZahl("A-3B-1C0D0", 'A'), -3);
    EXPECT_THROW(CodeZahl("J", 'B'), Laufzeitfehler);
    EXPECT_THROW(CodeZahl("A1Bx", 'B'), Laufzeitfehler);
}

TEST(PokalCode, RundenUndFaktoren)
{
    EXPECT_EQ(RundenName(32), "1.Runde");
    EXPECT_EQ(RundenName(16), "2.Runde");
    EXPECT_EQ(RundenName(8), "Achtel Finale");
    EXPECT_EQ(RundenName(4), "Viertel Finale");
    EXPECT_EQ(RundenName(2), "Halb Finale");
    EXPECT_EQ(RundenName(1), "Finale");
    const int dfb[] = {1, 2, 3, 4, 5, 6}, uefa[] = {1, 2, 4, 8, 10, 12};
    const int paarungen[] = {32, 16, 8, 4, 2, 1};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(Rundenfaktor(WettbewerbDfb, paarungen[k]), dfb[k]);
        EXPECT_EQ(Rundenfaktor(WettbewerbUefa, paarungen[k]), uefa[k]);
    }
    EXPECT_EQ(Rundenfaktor(WettbewerbPdp, 8), 2);
    EXPECT_EQ(Rundenfaktor(WettbewerbPdp, 4), 6);
    EXPECT_EQ(Rundenfaktor(WettbewerbPdp, 2), 8);
    EXPECT_EQ(Rundenfaktor(WettbewerbPdp, 1), 10);
}

TEST(PokaleVorbereiten, TeilnehmerUndErsteRunden)
{
    ZufallSetzen(11);
    WeltBauen(16, 6);
    SkriptOberflaeche ui;
    ManagerSetzen(0, 30); // 2. Liga: DFB-Pokal ja, Europa nein
    S.Mannschaft[40].DfbRunde = "Sieger";
    S.Mannschaft[100].UefaRunde = "Sieger"; // Reste der alten Saison
    S.Spiel.ChlSpieltag = 15;
    S.ChlTabelle[3].ChlPunkte = 30;

    PokaleVorbereiten();

    EXPECT_EQ(S.Spiel.ChlSpieltag, 0);
    EXPECT_EQ(Zaehle(WettbewerbDfb, "Sieger") + Zaehle(WettbewerbUefa, "Sieger"), 0);
    // Alle ausgelost: 64 / 64 / 16 Teilnehmer, jede Paarung einmal Heim, einmal Gast.
    EXPECT_EQ(Gezogen(WettbewerbDfb), 64);
    EXPECT_EQ(Gezogen(WettbewerbUefa), 64);
    EXPECT_EQ(Gezogen(WettbewerbPdp), 16);
    for (int i = 65; i <= S.Spiel.MannschaftHoch; ++i) EXPECT_TRUE(S.Mannschaft[i].DfbRunde.leer()) << i;
    for (int p = 1; p <= 32; ++p) {
        EXPECT_EQ(Zaehle(WettbewerbDfb, std::to_string(p)), 1);
        EXPECT_EQ(Zaehle(WettbewerbDfb, std::to_string(-p)), 1);
        EXPECT_EQ(Zaehle(WettbewerbUefa, "A" + std::to_string(p) + "B-1C0D0"), 1);
        EXPECT_EQ(Zaehle(WettbewerbUefa, "A" + std::to_string(-p) + "B-1C0D0"), 1);
    }
    for (int i = 2; i <= 5; ++i) EXPECT_FALSE(S.Mannschaft[i].UefaRunde.leer());
    EXPECT_FALSE(S.Mannschaft[40].PdpRunde.leer()); // der letzte DFB-Pokalsieger
    EXPECT_TRUE(S.Mannschaft[1].PdpRunde.leer());
    EXPECT_EQ(S.Mannschaft[1].ChlRunde.text(), "1");

    // Die fremden Nationen nach ihrer Summe; jede mit ihren Vereinen nach Stärke.
    std::vector<int64_t> summen;
    for (int n = 0; n < 16; ++n) {
        int64_t summe = 0;
        const std::string nation = S.Mannschaft[79 + 6 * n].Nation.text();
        for (int k = 0; k < 6; ++k) {
            const Mannschaft_& v = S.Mannschaft[79 + 6 * n + k];
            EXPECT_EQ(v.Nation.text(), nation);
            summe += v.Gesamt;
            if (k > 0) {
                const Mannschaft_& davor = S.Mannschaft[78 + 6 * n + k];
                EXPECT_TRUE(davor.Gesamt > v.Gesamt || (davor.Gesamt == v.Gesamt && davor.Moral >= v.Moral));
            }
            // Platz 1..15: der Beste in die ChampionsLige, der Zweite in den Pokal der
            // Pokalsieger, 3 bis 6 in den Uefa Pokal; Nation 16 geht leer aus.
            const bool dabei = n < 15;
            EXPECT_EQ(v.ChlRunde.text(), dabei && k == 0 ? std::to_string(n + 2) : "");
            EXPECT_EQ(!v.PdpRunde.leer(), dabei && k == 1);
            EXPECT_EQ(!v.UefaRunde.leer(), dabei && k >= 2);
        }
        if (!summen.empty()) {
            EXPECT_GE(summen.back(), summe);
        }
        summen.push_back(summe);
    }
    for (int k = 1; k <= 16; ++k) {
        EXPECT_EQ(S.ChlTabelle[k].ChlSlot, k);
        EXPECT_EQ(S.ChlTabelle[k].ChlPunkte, 0);
        EXPECT_EQ(ChlManschIndex(k), k);
        EXPECT_NE(ChlManschNr(k), 0);
    }
    EXPECT_TRUE(ui.texte().empty());

    const Saisonbilanz_& b = S.Saisonbilanz[0][1];
    EXPECT_EQ(b.DfbErgebnis.text(), "1.Runde");
    EXPECT_EQ(b.UefaErgebnis.text(), "-");
    EXPECT_EQ(b.PdpErgebnis.text(), "-");
    EXPECT_EQ(b.ChlErgebnis.text(), "-");
}

TEST(PokaleVorbereiten, OhneVorjahressiegerSpieltVerein1UmDenPokalDerPokalsieger)
{
    ZufallSetzen(12);
    WeltBauen(16, 6);
    ManagerSetzen(0, 1);
    PokaleVorbereiten();
    EXPECT_FALSE(S.Mannschaft[1].PdpRunde.leer());
    EXPECT_EQ(Gezogen(WettbewerbPdp), 16);
    const Saisonbilanz_& b = S.Saisonbilanz[0][1];
    EXPECT_EQ(b.PdpErgebnis.text(), "Achtel Finale");
    EXPECT_EQ(b.ChlErgebnis.text(), "1. Platz");
    EXPECT_EQ(b.UefaErgebnis.text(), "-");
}

TEST(PokalAuslosen, UnterklassigerHatHeimrecht)
{
    for (uint32_t saat = 1; saat <= 20; ++saat) {
        ZufallSetzen(saat);
        WeltBauen(2, 6);
        S.Mannschaft[3].DfbRunde = "J";  // Bundesliga
        S.Mannschaft[60].DfbRunde = "J"; // Oberliga
        PokalAuslosen(WettbewerbDfb);
        EXPECT_EQ(S.Mannschaft[60].DfbRunde.text(), "1");
        EXPECT_EQ(S.Mannschaft[3].DfbRunde.text(), "-1");
    }
}

TEST(PokalAuslosen, BilanzZeigtRundeOderStrich)
{
    ZufallSetzen(3);
    WeltBauen(2, 6);
    ManagerSetzen(0, 5);
    ManagerSetzen(1, 6);
    ManagerSetzen(2, 11);
    for (int i : {1, 2, 3, 4, 5, 7, 8, 9}) S.Mannschaft[i].DfbRunde = "J";
    S.Saisonbilanz[1][1].DfbErgebnis = "Achtel Finale"; // in der Runde davor ausgeschieden
    PokalAuslosen(WettbewerbDfb);
    EXPECT_EQ(S.Saisonbilanz[0][1].DfbErgebnis.text(), "Viertel Finale");
    EXPECT_EQ(S.Saisonbilanz[1][1].DfbErgebnis.text(), "Achtel Finale");
    EXPECT_EQ(S.Saisonbilanz[2][1].DfbErgebnis.text(), "-");
    EXPECT_EQ(Gezogen(WettbewerbDfb), 8);
}

namespace {

// Hin- und Rückspiel zwischen den Vereinen x und y; x spielt zuerst auswärts.
// Gibt zurück, wer weiterkommt.
int Zweikampf(int hinY, int hinX, int rueckX, int rueckY)
{
    KurzText<12>& x = S.Mannschaft[10].UefaRunde;
    KurzText<12>& y = S.Mannschaft[20].UefaRunde;
    y = "A1B-1C0D0";
    x = "A-1B-1C0D0";
    EXPECT_EQ(RueckspielEntscheiden(y, x, 0, 10, 20, hinY, hinX), 0);
    EXPECT_EQ(CodeWert(x.text(), 'A'), "1"); // x hat jetzt Heimrecht
    EXPECT_EQ(CodeWert(y.text(), 'A'), "-1");
    return RueckspielEntscheiden(x, y, 0, 20, 10, rueckX, rueckY);
}

} // namespace

TEST(Rueckspiel, HinspielWirdVerbucht)
{
    WeltBauen(2, 6);
    KurzText<12>& y = S.Mannschaft[20].UefaRunde;
    KurzText<12>& x = S.Mannschaft[10].UefaRunde;
    y = "A7B-1C0D0";
    x = "A-7B-1C0D0";
    EXPECT_EQ(RueckspielEntscheiden(y, x, 0, 10, 20, 1, 2), 0);
    EXPECT_EQ(y.text(), "A-7B0C1D0");
    EXPECT_EQ(x.text(), "A7B3C0D2");
}

TEST(Rueckspiel, PunkteToreUndAuswaertstore)
{
    SkriptOberflaeche ui;
    WeltBauen(2, 6);
    // Punkte: 2:0 auswärts, 1:1 daheim.
    EXPECT_EQ(Zweikampf(0, 2, 1, 1), 10);
    EXPECT_EQ(S.Mannschaft[10].UefaRunde.text(), "J");
    EXPECT_TRUE(S.Mannschaft[20].UefaRunde.leer());
    // Tore: 1:0 auswärts gewonnen, 0:3 daheim verloren.
    EXPECT_EQ(Zweikampf(0, 1, 0, 3), 20);
    EXPECT_EQ(S.Mannschaft[20].UefaRunde.text(), "J");
    EXPECT_TRUE(S.Mannschaft[10].UefaRunde.leer());
    // Auswärtstore: 2:1 auswärts gewonnen, 0:1 daheim verloren; 2:2 Tore, 2 gegen 1 auswärts.
    EXPECT_EQ(Zweikampf(1, 2, 0, 1), 10);
    // Umgekehrt: 1:0 auswärts verloren, 2:1 daheim gewonnen; y traf auswärts, x nicht.
    EXPECT_EQ(Zweikampf(1, 0, 2, 1), 20);
    EXPECT_TRUE(ui.texte().empty()); // nichts gezeigt, nichts gefragt
}

TEST(Rueckspiel, ZweiEinsAuswaertsUndEinsZweiDaheim)
{
    // 2:1 auswärts gewonnen, dann 1:2 daheim verloren: je 3 Punkte, 3:3 Tore, und
    // jeder hat 2 Auswärtstore geschossen. Es entscheidet das Elfmeterschießen.
    SkriptOberflaeche ui;
    WeltBauen(2, 6);
    S.PokalZeigen = true;
    ZufallSetzen(5);
    const int weiter = Zweikampf(1, 2, 1, 2);
    EXPECT_TRUE(weiter == 10 || weiter == 20);
    const std::vector<std::string> t = ui.texte();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0], std::string("Elfmeterschießen|Verein 10 - Verein 20") + NL + "Beide Mannschaften haben gleiches" +
                        NL + "Punkt- und Torverhältnis !" + NL + "Entscheidung durch Elfmeterschießen !");
    EXPECT_EQ(t[1], "Elfmeterschießen|Verein " + std::to_string(weiter) + " hat es geschafft !");
}

TEST(Rueckspiel, ElfmeterschiessenEndetNieUnentschieden)
{
    SkriptOberflaeche ui;
    WeltBauen(2, 6);
    std::map<int, int> sieger;
    for (uint32_t saat = 1; saat <= 200; ++saat) {
        ZufallSetzen(saat);
        const int weiter = Zweikampf(0, 0, 0, 0);
        ++sieger[weiter];
        const std::string x = S.Mannschaft[10].UefaRunde.text();
        const std::string y = S.Mannschaft[20].UefaRunde.text();
        EXPECT_TRUE((x == "J" && y.empty()) || (y == "J" && x.empty()));
        EXPECT_EQ(weiter == 10, x == "J");
    }
    EXPECT_EQ(sieger.size(), 2u); // mal der eine, mal der andere
    EXPECT_TRUE(ui.texte().empty()); // ohne Zuschauer keine Meldungen
}

namespace {

// Ein DFB-Pokalfinale zwischen Manager- (daheim) und Computerverein.
void DfbFinale(int heim, int gast)
{
    S.Mannschaft[heim].DfbRunde = "1";
    S.Mannschaft[gast].DfbRunde = "-1";
    S.Spiel.Wettbewerb = WettbewerbDfb;
}

} // namespace

TEST(DfbPokaltag, FinaleMitPraemienUndRundengeld)
{
    int gewonnen = 0, verloren = 0;
    for (uint32_t saat = 1; saat <= 12; ++saat) {
        ZufallSetzen(saat);
        WeltBauen(2, 6);
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        ManagerSetzen(0, 60); // Oberliga gegen Bundesliga
        S.Mannschaft[60].Verteidigung = S.Mannschaft[60].Mittelfeld = S.Mannschaft[60].Angriff = 90;
        MannschaftenPruefen(60, 60);
        DfbFinale(60, 2);
        const float ewig2 = S.Mannschaft[2].EwigePunkte;
        const float ewig60 = S.Mannschaft[60].EwigePunkte;

        DfbPokaltag();

        const int64_t tor = ZuschauerAus(anz, 0) * 20; // daheim, ohne Dauerkarten
        const bool sieg = ToreHeim > ToreGast;
        EXPECT_NE(ToreHeim, ToreGast);
        EXPECT_TRUE(anz.enthaelt("titel:DFB-Pokalspiele"));
        EXPECT_TRUE(anz.enthaelt("kopf:DFB-Pokal|Finale"));
        EXPECT_TRUE(anz.enthaelt("zeile:0:2:Verein 60 (4)"));
        EXPECT_TRUE(anz.enthaelt("zeile:0:3:Verein 2 (1)"));
        EXPECT_TRUE(anz.enthaelt(sieg ? "grau:0:3" : "grau:0:2"));
        // Oberliga, Finale: (5 - 4) * 10 000 * 6 Rundengeld, auch für den Verlierer.
        const int64_t erwartet = 1000000 + tor + 60000 + (sieg ? 2000000 : 0);
        EXPECT_EQ(S.Manager[0].Kontostand, erwartet);
        const int sieger = sieg ? 60 : 2;
        EXPECT_EQ(S.Mannschaft[sieger].DfbRunde.text(), "Sieger");
        EXPECT_TRUE(S.Mannschaft[sieg ? 2 : 60].DfbRunde.leer());
        EXPECT_TRUE(anz.enthaelt("sieger:Verein " + std::to_string(sieger) +
                                 "|Sieger im DFB-Pokal bekommt 2.000.000 € Siegesprämie"));
        EXPECT_EQ(S.Saisonbilanz[0][1].DfbErgebnis.text(), sieg ? "Sieger" : "-");
        // Ewige Tabelle: das Spiel selbst und 10 für den Pokalsieger.
        EXPECT_GE(S.Mannschaft[sieger].EwigePunkte - (sieg ? ewig60 : ewig2), 10.0f);
        EXPECT_EQ(ui.anzahl("Klang:tataa"), sieg ? 1u : 0u);
        EXPECT_EQ(ui.anzahl("Klang:Lach"), 0u); // der Kleine lacht nicht
        // Ohne Zuschauer: keine Pause, keine Meldung, kein Warten.
        EXPECT_EQ(ui.anzahl("Warte:"), 0u);
        EXPECT_EQ(ui.anzahl("Befehl:"), 0u);
        EXPECT_FALSE(anz.enthaelt("meldung:"));
        (sieg ? gewonnen : verloren)++;
    }
    EXPECT_GT(gewonnen, 0);
    EXPECT_GT(verloren, 0);
}

TEST(DfbPokaltag, HoeherklassigerVerliertUndWirdAusgelacht)
{
    bool gelacht = false;
    for (uint32_t saat = 1; saat <= 30 && !gelacht; ++saat) {
        ZufallSetzen(saat);
        WeltBauen(2, 6);
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        ManagerSetzen(0, 3); // Bundesliga, auswärts beim Oberligisten
        S.Mannschaft[3].Verteidigung = S.Mannschaft[3].Mittelfeld = S.Mannschaft[3].Angriff = 50;
        MannschaftenPruefen(3, 3);
        DfbFinale(60, 3);
        S.PokalZeigen = true;
        S.Optionen[0][OptZeigeDfb] = 1;
        ui.antworte("Nein");
        DfbPokaltag();
        if (ToreHeim < ToreGast) {
            EXPECT_EQ(ui.anzahl("Klang:Lach"), 0u);
            continue;
        }
        gelacht = true;
        EXPECT_EQ(ui.anzahl("Klang:Lach"), 1u);
        // Rundengeld neben der Zeile: (5 - 1) * 10 000 * 6.
        EXPECT_TRUE(anz.enthaelt(std::string("meldung:0:Manager0") + NL + NL +
                                 "Das DFB-Pokalspiel brachte Ihnen zusätzlich" + NL + "240.000 € Pokaleinnahmen !"));
        // Die Frage nach dem Ausscheiden; "Nein" schaltet die DFB-Spiele ab.
        EXPECT_TRUE(ui.enthaelt(std::string("Nachricht:Pokalspiele|Verein 3 von ") + NL + "Manager Manager0" + NL +
                                "ist nicht mehr im DFB Pokal !" + NL + NL + "Pokalspiele trotzdem weiter zeigen ?"));
        EXPECT_EQ(S.Optionen[0][OptZeigeDfb], 0);
        EXPECT_TRUE(ui.enthaelt("Warte:" + std::to_string(Tempo(0) * 100 + 50)));
        EXPECT_TRUE(anz.enthaelt("weiter:Weiter"));
        EXPECT_EQ(ui.anzahl("Befehl:weiter"), 1u);
    }
    EXPECT_TRUE(gelacht);
}

TEST(DfbPokaltag, ErsteRundeBlaettertNachAchtPaarungen)
{
    ZufallSetzen(8);
    WeltBauen(2, 6);
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    ManagerSetzen(0, 70); // nicht im Pokal: niemand wird gefragt
    for (int i = 1; i <= 64; ++i) S.Mannschaft[i].DfbRunde = "J";
    PokalAuslosen(WettbewerbDfb);
    S.Spiel.Wettbewerb = WettbewerbDfb;
    S.PokalZeigen = true;
    DfbPokaltag();

    EXPECT_TRUE(anz.enthaelt("kopf:DFB-Pokal|1.Runde"));
    std::vector<std::string> knoepfe;
    for (const auto& z : anz.protokoll)
        if (z.rfind("weiter:", 0) == 0) knoepfe.push_back(z.substr(7));
    EXPECT_EQ(knoepfe, (std::vector<std::string>{"Paarung 9 - 16", "Paarung 17 - 24", "Paarung 25 - 32", "Weiter"}));
    EXPECT_EQ(anz.anzahl("leeren"), 3u);
    EXPECT_EQ(anz.anzahl("meldungenLeeren"), 3u);
    EXPECT_EQ(ui.anzahl("Warte:"), 32u);
    // 32 Sieger, frisch zur 2. Runde ausgelost.
    EXPECT_EQ(Gezogen(WettbewerbDfb), 32);
    EXPECT_EQ(Zaehle(WettbewerbDfb, "J"), 0);
}

TEST(Europapokaltag, HinspielUndRueckspielImFinale)
{
    int gewonnen = 0;
    for (uint32_t saat = 1; saat <= 10; ++saat) {
        ZufallSetzen(saat);
        WeltBauen(2, 6);
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        ManagerSetzen(0, 2); // Bundesliga
        S.Mannschaft[2].UefaRunde = "A1B-1C0D0";
        S.Mannschaft[85].UefaRunde = "A-1B-1C0D0";
        S.Spiel.Wettbewerb = WettbewerbUefa;

        UefaPokaltag();
        EXPECT_TRUE(anz.enthaelt("titel:UEFA Pokalspiele"));
        EXPECT_TRUE(anz.enthaelt("kopf:Uefa Pokal|Finale Hinspiele"));
        EXPECT_TRUE(anz.enthaelt("zeile:0:3:Verein 85 (" + S.Mannschaft[85].Nation.text() + ")"));
        const std::string hin = std::to_string(ToreHeim) + ":" + std::to_string(ToreGast);
        EXPECT_TRUE(anz.enthaelt("zeile:0:4: " + hin + " (-:-)"));
        EXPECT_FALSE(anz.enthaelt("sieger:"));
        // Finale, Uefa Pokal: (5 - 1) * 10 000 * 12 je Spiel, daheim dazu die Kasse.
        const int64_t nachHin = 1000000 + ZuschauerAus(anz, 0) * 20 + 480000;
        EXPECT_EQ(S.Manager[0].Kontostand, nachHin);
        EXPECT_EQ(CodeWert(S.Mannschaft[85].UefaRunde.text(), 'A'), "1");

        anz.leeren();
        UefaPokaltag();
        EXPECT_TRUE(anz.enthaelt("kopf:Uefa Pokal|Finale Rückspiele"));
        // Hinter dem Ergebnis das Hinspiel aus Sicht des heutigen Gastgebers.
        const std::string rueck = hin.substr(hin.find(':') + 1) + ":" + hin.substr(0, hin.find(':'));
        EXPECT_TRUE(anz.enthaelt("zeile:0:4: " + std::to_string(ToreHeim) + ":" + std::to_string(ToreGast) + " (" +
                                 rueck + ")"));
        const bool sieg = S.Mannschaft[2].UefaRunde == "Sieger";
        EXPECT_TRUE(sieg != (S.Mannschaft[85].UefaRunde == "Sieger"));
        EXPECT_EQ(Zaehle(WettbewerbUefa, "Sieger"), 1);
        EXPECT_EQ(Zaehle(WettbewerbUefa, "J"), 0);
        // Auswärts: das Rundengeld und gegebenenfalls die Siegprämie.
        const int64_t erwartet = nachHin + 480000 + (sieg ? 4444444 : 0);
        // Dazu der Gastanteil: halbe Zuschauerzahl mal Eintritt des Gastgebers (höchstens 8 * 4).
        EXPECT_GE(S.Manager[0].Kontostand, erwartet);
        EXPECT_LE(S.Manager[0].Kontostand, erwartet + ZuschauerAus(anz, 0) / 2 * 32);
        EXPECT_TRUE(anz.enthaelt(std::string("sieger:Verein ") + (sieg ? "2" : "85") +
                                 "|Sieger im Uefa Pokal bekommt 4.444.444 € Siegesprämie"));
        EXPECT_EQ(S.Saisonbilanz[0][1].UefaErgebnis.text(), sieg ? "Sieger" : "-");
        EXPECT_EQ(ui.anzahl("Klang:Lach"), 0u);
        gewonnen += sieg;
    }
    EXPECT_GT(gewonnen, 0);
}

namespace {

struct Pokaltage {
    int dfb = 0, uefa = 0, pdp = 0, chl = 0;
};

// Eine Saison der Pokale in der Reihenfolge des Kalenders, ohne Ligaspiele.
Pokaltage PokalsaisonSpielen()
{
    Pokaltage tage;
    for (int spieltag = 1; spieltag <= 34; ++spieltag) {
        S.Spiel.Spieltag = spieltag;
        const int pokal = Pokaltermine[spieltag];
        if (pokal > 0) {
            S.Spiel.Wettbewerb = pokal;
            const int vorher = Gezogen(pokal);
            if (pokal == WettbewerbDfb) {
                DfbPokaltag();
                ++tage.dfb;
                EXPECT_EQ(Gezogen(pokal), vorher / 2 == 1 ? 0 : vorher / 2) << spieltag;
            } else {
                const bool hin = [&] {
                    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i)
                        if (CodeWert(PokalFeld(S.Mannschaft[i], pokal).text(), 'B') == "-1") return true;
                    return false;
                }();
                if (pokal == WettbewerbUefa) {
                    UefaPokaltag();
                    ++tage.uefa;
                } else {
                    PdpPokaltag();
                    ++tage.pdp;
                }
                EXPECT_EQ(Gezogen(pokal), hin ? vorher : (vorher / 2 == 1 ? 0 : vorher / 2)) << spieltag;
            }
            MannschaftenPruefen(1, S.Spiel.MannschaftHoch);
        }
        if (spieltag % 2 == 0 && S.Spiel.ChlSpieltag < 15) {
            S.Spiel.Wettbewerb = WettbewerbChl;
            ++S.Spiel.ChlSpieltag;
            ChlSpieltagSpielen();
            ++tage.chl;
            MannschaftenPruefen(1, S.Spiel.MannschaftHoch);
        }
    }
    return tage;
}

} // namespace

TEST(Pokalsaison, JederPokalHatGenauEinenSieger)
{
    ZufallSetzen(2024);
    WeltBauen(16, 6);
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    ManagerSetzen(0, 4);
    PokaleVorbereiten();
    const Pokaltage tage = PokalsaisonSpielen();

    EXPECT_EQ(tage.dfb, 6);
    EXPECT_EQ(tage.uefa, 12);
    EXPECT_EQ(tage.pdp, 8);
    EXPECT_EQ(tage.chl, 15);
    for (int w = WettbewerbDfb; w <= WettbewerbPdp; ++w) {
        EXPECT_EQ(Zaehle(w, "Sieger"), 1) << w;
        EXPECT_EQ(Gezogen(w) + Zaehle(w, "J"), 0) << w;
    }
    EXPECT_EQ(anz.anzahl("sieger:"), 4u);
    // Die ChampionsLige: 15 Spieltage zu je 8 Spielen, alle Ergebnisse eingetragen.
    int punkte = 0, tore = 0, gegentore = 0;
    for (int k = 1; k <= 16; ++k) {
        punkte += S.ChlTabelle[k].ChlPunkte;
        tore += S.ChlTabelle[k].ChlTore;
        gegentore += S.ChlTabelle[k].ChlGegentore;
        if (k < 16) {
            EXPECT_GE(S.ChlTabelle[k].ChlPunkte, S.ChlTabelle[k + 1].ChlPunkte);
        }
    }
    EXPECT_EQ(tore, gegentore);
    EXPECT_GE(punkte, 120 * 2);
    EXPECT_LE(punkte, 120 * 3);
    for (int tag = 1; tag <= 15; ++tag)
        for (int p = 1; p <= 8; ++p) EXPECT_NE(S.ChlTabelle[tag].ChlErgebnisse[p].text().find(':'), std::string::npos);
    EXPECT_FALSE(ui.enthaelt("FEHLER"));
    // Der Manager (Bundesliga, Platz 4) stand im DFB- und im Uefa Pokal.
    const Saisonbilanz_& b = S.Saisonbilanz[0][1];
    EXPECT_FALSE(b.DfbErgebnis.leer());
    EXPECT_FALSE(b.UefaErgebnis.leer());
    EXPECT_EQ(b.ChlErgebnis.text(), "-");
}

TEST(Pokalsaison, GleicheSaatGleicheSaison)
{
    auto lauf = [] {
        ZufallSetzen(77);
        WeltBauen(16, 6);
        ManagerSetzen(0, 1);
        PokaleVorbereiten();
        PokalsaisonSpielen();
        std::string bild;
        for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
            const Mannschaft_& v = S.Mannschaft[i];
            bild += v.Name.text() + v.DfbRunde.text() + v.UefaRunde.text() + v.PdpRunde.text() + v.ChlRunde.text() +
                    std::to_string(v.EwigePunkte) + ";";
        }
        return bild + std::to_string(S.Manager[0].Kontostand);
    };
    SkriptOberflaeche ui;
    EXPECT_EQ(lauf(), lauf());
}
