// Wettbewerbstag, Ligaspieltag, Tabelle, Spielplan, die sechs Besten und das Toto.
#include "core/Fehler.h"
#include "core/Funky.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "flow/Neuanlage.h"
#include "match/Anzeige.h"
#include "match/Spiel.h"
#include "match/Spieltag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

using namespace torvane;

namespace {

int gTage = 0; // gespielte Tage seit dem Anlegen der Welt

// Eine kleine Welt: vier Ligen zu 18 Vereinen ("Verein i"), ein Spielplan nach dem
// Kreisverfahren; Manager 1 auf Platz 3 der Liga 4, Manager 2 auf Platz 4 der Liga 2.
void WeltAnlegen(int manager = 1)
{
    S = Spielstand{};
    gTage = 0;
    S.Spiel.MannschaftHoch = 72;
    S.Spiel.DeutscheHoch = 72;
    S.Spiel.Saison = 1;
    S.Spiel.Aktienkurs = 1000;
    S.Spiel.ManagerHoch = manager - 1;
    S.Mannschaft.laengeSetzen(73);
    for (int i = 1; i <= 72; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Liga = static_cast<uint8_t>((i - 1) / 18 + 1);
        v.Platz = static_cast<uint8_t>((i - 1) % 18 + 1);
        v.SpielplanNr = v.Platz;
        v.Moral = 50;
        v.Verteidigung = v.Mittelfeld = v.Angriff = v.Gesamt = static_cast<int16_t>(90 - 10 * v.Liga + i % 7);
        v.Name = "Verein " + std::to_string(i);
        v.Legende = "----------";
    }
    // Slot 18 fest, die übrigen 17 drehen sich.
    auto slot = [](int t) { return static_cast<uint8_t>(t % 17 + 1); };
    for (int tag = 1; tag <= 17; ++tag) {
        S.Spieltage[tag][1][0] = slot(tag);
        S.Spieltage[tag][1][1] = 18;
        for (int k = 1; k <= 8; ++k) {
            S.Spieltage[tag][k + 1][0] = slot(tag + k);
            S.Spieltage[tag][k + 1][1] = slot(tag + 17 - k);
        }
    }
    for (int m = 0; m < manager; ++m) {
        const int liga = m == 1 ? 2 : 4;
        Manager_& mg = S.Manager[m];
        mg.Name = "Manager" + std::to_string(m + 1);
        mg.Vereinsname.rohSetzen(S.Mannschaft[VereinAufPlatz(liga, 3 + m)].Name.roh());
        mg.Liga = static_cast<int8_t>(liga);
        mg.Platz = static_cast<int8_t>(3 + m);
        mg.Eintrittspreis = 15;
        mg.Plaetze = 20000;
        mg.Kontostand = 500000;
        S.Optionen[m][OptTempo] = 2;
        S.Optionen[m][OptAnzeigeLiga] = static_cast<uint8_t>(liga);
    }
    for (int m = 0; m <= 3; ++m) S.Saisonbilanz[m].laengeSetzen(2);
}

// Die ausgelieferte Spielwelt, neues Spiel mit zwei Managern.
void EchteWelt()
{
    const std::string datenVorher = Pfade.Daten;
    const auto namenVorher = Vorgabenamen;
    Pfade.Daten = TORVANE_QUELLEN "/daten/";
    S = Spielstand{};
    gTage = 0;
    ZufallSetzen(77);
    const bool angelegt = NeuesSpielOhneBildschirm(
        {{Vorgabenamen[0].Name, Vorgabenamen[0].Verein}, {Vorgabenamen[1].Name, Vorgabenamen[1].Verein}});
    Pfade.Daten = datenVorher;
    Vorgabenamen = namenVorher;
    ASSERT_TRUE(angelegt);
}

// Jede Ligatabelle ist in sich stimmig und passt zu den Managern.
void TabellenPruefen(int spieltag)
{
    for (int liga = 1; liga <= 4; ++liga) {
        std::set<std::string> namen;
        int tore = 0, gegentore = 0;
        for (int p = 1; p <= 18; ++p) {
            const Mannschaft_& v = S.Mannschaft[VereinAufPlatz(liga, p)];
            namen.insert(v.Name.text());
            ASSERT_EQ(v.Platz, p) << "Liga " << liga;
            ASSERT_EQ(v.Siege + v.Unentschieden + v.Niederlagen, spieltag);
            ASSERT_EQ(v.Punkte, 3 * v.Siege + v.Unentschieden);
            ASSERT_TRUE(v.Moral >= 1 && v.Moral <= 100);
            tore += v.Tore;
            gegentore += v.Gegentore;
            if (p == 1) continue;
            const Mannschaft_& davor = S.Mannschaft[VereinAufPlatz(liga, p - 1)];
            ASSERT_GE(davor.Punkte, v.Punkte);
            if (davor.Punkte == v.Punkte) {
                ASSERT_GE(davor.Tore - davor.Gegentore, v.Tore - v.Gegentore);
            }
        }
        ASSERT_EQ(namen.size(), 18u);
        ASSERT_EQ(tore, gegentore);
    }
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        ASSERT_EQ(VereinVon(m).Name.roh(), S.Manager[m].Vereinsname.roh());
        ASSERT_EQ(S.Saisonbilanz[m][S.Spiel.Saison].Platz, S.Manager[m].Platz);
    }
}

// Ein falscher Kalender bricht nach einer festen Zahl Tage ab, statt endlos zu laufen.
bool SaisonZuEnde()
{
    if (++gTage > 120) {
        ADD_FAILURE() << "Saison endet nicht";
        return true;
    }
    return S.Spiel.Spieltag == 34 && S.Spiel.Wettbewerb == 0;
}

// Ein Tag, so wie der Zugabschluss ihn anstößt.
int TagSpielen()
{
    const int wb = S.Spiel.Wettbewerb;
    if (wb == 0) ++S.Spiel.Spieltag;
    WettbewerbstagSpielen();
    return wb;
}

} // namespace

TEST(Spielplan, RueckrundeSpiegeltHinrunde)
{
    WeltAnlegen();
    for (int liga = 1; liga <= 4; ++liga)
        for (int tag = 1; tag <= 17; ++tag) {
            std::set<int> vereine;
            for (int p = 1; p <= 9; ++p) {
                const int h = SpielplanMannschaft(liga, tag, p, 0);
                const int g = SpielplanMannschaft(liga, tag, p, 1);
                EXPECT_EQ(SpielplanMannschaft(liga, tag + 17, p, 0), g);
                EXPECT_EQ(SpielplanMannschaft(liga, tag + 17, p, 1), h);
                vereine.insert({h, g});
            }
            EXPECT_EQ(vereine.size(), 18u);
            EXPECT_EQ(S.Mannschaft[*vereine.begin()].Liga, liga);
        }
    // Die Spielplannummer bleibt am Verein, auch wenn die Tabelle umsortiert wird.
    const std::string name = S.Mannschaft[SpielplanMannschaft(2, 5, 3, 0)].Name.text();
    S.Mannschaft[SpielplanMannschaft(2, 5, 3, 0)].Punkte = 30;
    TabelleSortieren(2);
    EXPECT_EQ(SpielplanMannschaft(2, 5, 3, 0), VereinAufPlatz(2, 1));
    EXPECT_EQ(S.Mannschaft[VereinAufPlatz(2, 1)].Name, name);

    // Ein Slot, den niemand trägt, ergibt 0; der Spieltag bricht dann ab, statt Verein 0
    // spielen zu lassen und das Ergebnis in eine fremde Liga zu schreiben.
    S.Spieltage[1][1][0] = 19;
    EXPECT_EQ(SpielplanMannschaft(1, 1, 1, 0), 0);
    EXPECT_EQ(SpielplanMannschaft(1, 18, 1, 1), 0);
    S.Spiel.Spieltag = 1;
    const auto liga1 = S.Ergebnisse[1];
    EXPECT_THROW(LigaSpieltag(2), Laufzeitfehler);
    EXPECT_EQ(std::memcmp(&liga1, &S.Ergebnisse[1], sizeof liga1), 0);
}

TEST(Tabelle, SiebenKriterienBisZurEwigenTabelleUndAlterReihenfolge)
{
    WeltAnlegen();
    // Name, Punkte, Tore, Gegentore, Siege, Niederlagen, ewige Punkte; jeder Verein liegt vor
    // dem nächsten erst durch das in der Bemerkung genannte Kriterium.
    struct Zeile {
        const char* name;
        int p, t, g, s, n;
        float e;
    };
    const std::vector<Zeile> soll = {
        {"P", 20, 10, 10, 5, 5, 0}, {"D", 19, 12, 10, 5, 5, 0},     // Punkte, Differenz
        {"T", 19, 11, 10, 5, 5, 0}, {"T2", 19, 10, 9, 5, 5, 0},     // Tore (damit auch Gegentore)
        {"S", 16, 10, 10, 6, 5, 0}, {"S2", 16, 10, 10, 5, 5, 0},    // Siege
        {"N", 15, 10, 10, 5, 4, 0}, {"N2", 15, 10, 10, 5, 5, 0},    // Niederlagen
        {"E", 14, 10, 10, 5, 5, 9.5f}, {"E2", 14, 10, 10, 5, 5, 9.25f}, // ewige Punkte
        {"A", 13, 10, 10, 5, 5, 1}, {"B", 13, 10, 10, 5, 5, 1}, {"C", 13, 10, 10, 5, 5, 1}, // alte Reihenfolge
        {"F1", 10, 10, 10, 5, 5, 0}, {"F2", 9, 10, 10, 5, 5, 0}, {"F3", 8, 10, 10, 5, 5, 0},
        {"X", 2, 1, 10, 0, 9, 0}, {"Y", 1, 1, 12, 0, 9, 0},
    };
    // Die Besseren und die Schlechteren je verkehrt herum, A, B, C dazwischen in ihrer Reihenfolge.
    const int reihenfolge[18] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 10, 11, 12, 17, 16, 15, 14, 13};
    for (int p = 1; p <= 18; ++p) {
        const Zeile& z = soll[static_cast<size_t>(reihenfolge[p - 1])];
        Mannschaft_& v = S.Mannschaft[VereinAufPlatz(3, p)];
        v.Name = z.name;
        SETZE(v.Punkte, z.p);
        SETZE(v.Tore, z.t);
        SETZE(v.Gegentore, z.g);
        SETZE(v.Siege, z.s);
        SETZE(v.Niederlagen, z.n);
        v.EwigePunkte = z.e;
    }
    S.Manager[0].Vereinsname = "E2";
    TabelleSortieren(3);
    for (int p = 1; p <= 18; ++p) {
        EXPECT_EQ(S.Mannschaft[VereinAufPlatz(3, p)].Name, soll[static_cast<size_t>(p - 1)].name) << "Platz " << p;
        EXPECT_EQ(S.Mannschaft[VereinAufPlatz(3, p)].Platz, p);
    }
    EXPECT_EQ(S.Manager[0].Platz, 10);
}

TEST(Wettbewerbstag, ReihenfolgeDerTageNachSpieltag3_4_6)
{
    EchteWelt();
    std::vector<std::pair<int, int>> tage; // (Spieltag, Wettbewerb)
    while (tage.size() < 14 && !SaisonZuEnde()) {
        const int wb = TagSpielen();
        tage.emplace_back(S.Spiel.Spieltag, wb);
    }
    const std::vector<std::pair<int, int>> soll = {
        {1, 0}, {2, 0}, {2, 4},         // nach 2: ChampionsLige
        {3, 0}, {3, 3},                 // nach 3 (ungerade): Pokalsieger, dann 4
        {4, 0}, {4, 3}, {4, 4},         // nach 4: Pokalsieger, ChampionsLige
        {5, 0}, {5, 1},                 // nach 5: DFB-Pokal
        {6, 0}, {6, 2}, {6, 4}, {7, 0}, // nach 6: Uefa, ChampionsLige, dann 7
    };
    EXPECT_EQ(tage, soll);
    EXPECT_EQ(S.Spiel.ChlSpieltag, 3);
}

TEST(Wettbewerbstag, GanzeSaisonAllerWettbewerbeOhneBildschirm)
{
    EchteWelt();
    for (int m = 0; m <= 1; ++m)
        for (int o : {OptZeigeDfb, OptZeigeUefa, OptZeigePdp, OptZeigeChl}) S.Optionen[m][o] = 1;
    const Spielstand anfang = S;
    const uint32_t saat = ZufallSaat();
    ProtokollAnzeige anz;
    std::vector<int> folge;
    while (!SaisonZuEnde()) {
        const int wb = TagSpielen();
        folge.push_back(wb);
        if (wb == 0) TabellenPruefen(S.Spiel.Spieltag);
        if (HasFatalFailure()) return;
    }

    // 34 Liga-, 6 DFB-Pokal-, 12 Uefa-, 8 Pokalsieger- und 15 ChampionsLige-Tage in Kalenderfolge.
    std::vector<int> soll;
    for (int tag = 1; tag <= 34; ++tag) {
        soll.push_back(0);
        if (Pokaltermine[tag] > 0) soll.push_back(Pokaltermine[tag]);
        if (tag % 2 == 0 && tag <= 30) soll.push_back(4);
    }
    EXPECT_EQ(folge, soll);
    for (const auto& [wb, zahl] : std::vector<std::pair<int, long>>{{0, 34}, {1, 6}, {2, 12}, {3, 8}, {4, 15}})
        EXPECT_EQ(std::count(folge.begin(), folge.end(), wb), zahl);
    for (int l = 1; l <= 4; ++l)
        for (int t = 1; t <= 34; ++t)
            for (int p = 1; p <= 9; ++p) ASSERT_EQ(S.Ergebnisse[l][t][p].text().find('-'), std::string::npos);

    // Genau ein Sieger je Pokal, sonst niemand mehr darin; dazu der ChampionsLige-Sieger auf der Tafel.
    for (KurzText<12> Mannschaft_::*feld : {&Mannschaft_::DfbRunde, &Mannschaft_::UefaRunde, &Mannschaft_::PdpRunde}) {
        int sieger = 0, uebrig = 0;
        for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
            sieger += S.Mannschaft[i].*feld == "Sieger";
            uebrig += !(S.Mannschaft[i].*feld).leer();
        }
        EXPECT_EQ(sieger, 1);
        EXPECT_EQ(uebrig, 1);
    }
    EXPECT_EQ(anz.anzahl("sieger:"), 4u);
    EXPECT_EQ(anz.anzahl("Sieger in der ChampionsLige"), 1u);

    // Gleiche Saat, gleiche Saison.
    const Spielstand ende = S;
    S = anfang;
    ZufallSetzen(saat);
    gTage = 0;
    while (!SaisonZuEnde()) TagSpielen();
    EXPECT_EQ(std::memcmp(ende.Mannschaft.daten(), S.Mannschaft.daten(),
                          sizeof(Mannschaft_) * static_cast<size_t>(S.Mannschaft.laenge())),
              0);
    EXPECT_EQ(std::memcmp(&ende.Manager, &S.Manager, sizeof ende.Manager), 0);
}

TEST(Wettbewerbstag, AufraeumenPokalpaarungenUndAktienkurs)
{
    WeltAnlegen();
    ProtokollAnzeige anz;
    GelbHeute[0][5] = 1;
    S.Spiel.Wettbewerb = 1;
    S.Spiel.Spieltag = 5;
    S.Optionen[0][OptZeigeDfb] = 1;
    for (int i = 1; i <= 10; ++i) S.Mannschaft[i].DfbRunde = "J";
    for (int i = 1; i <= 7; ++i) S.Mannschaft[i].PdpRunde = "J";
    S.Spiel.Aktienkurs = 50;
    WettbewerbstagSpielen();
    EXPECT_EQ(GelbHeute[0][5], 0);
    EXPECT_EQ(DfbPaarungen * 100 + PdpPaarungen * 10 + UefaPaarungen, 530);
    EXPECT_TRUE(S.PokalZeigen);
    EXPECT_GE(S.Spiel.Aktienkurs, 100);
    EXPECT_EQ(S.Spiel.Wettbewerb, 0); // nach einem Pokaltag nur die ChampionsLige-Regel; 5 ist ungerade
    EXPECT_EQ(std::vector<std::string>(anz.protokoll.begin(), anz.protokoll.begin() + 4),
              (std::vector<std::string>{"siegerAus", "totoAus", "weiterAus", "meldungenLeeren"}));
    EXPECT_EQ(anz.protokoll.back(), "tagEnde");

    // Der Kurs strebt zu 1000 zurück: höchstens 100 Schwankung und 10 zurück.
    for (uint32_t saat = 1; saat <= 50; ++saat) {
        S.Spiel.Wettbewerb = 2; // ein Uefa-Tag ohne Paarungen
        S.Spiel.Aktienkurs = 5000;
        ZufallSetzen(saat);
        WettbewerbstagSpielen();
        EXPECT_TRUE(S.Spiel.Aktienkurs >= 4890 && S.Spiel.Aktienkurs <= 5090);
    }
    EXPECT_FALSE(S.PokalZeigen);
}

TEST(Ligaspieltag, ZeilenLiveUndTabellenhandschlag)
{
    WeltAnlegen();
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    S.Spiel.Spieltag = 18;
    ZufallSetzen(7);
    LigaSpieltag(4);
    EXPECT_TRUE(anz.enthaelt("titel:Meisterschaft der Oberliga"));
    EXPECT_TRUE(anz.enthaelt("kopf:Oberliga|18. Spieltag der Rückrunde"));
    EXPECT_EQ(anz.anzahl("zeile:"), 36u);
    EXPECT_TRUE(anz.enthaelt("zeile:0:1:Zuschauer "));
    EXPECT_TRUE(anz.enthaelt("zeile:8:4:" + S.Ergebnisse[4][18][9].text()));
    EXPECT_EQ(anz.anzahl("live:"), 1u); // das eine Managerspiel
    // Erst "weiter", dann der Handschlag mit dem Tabellenbildschirm.
    std::vector<std::string> befehle;
    std::copy_if(ui.protokoll.begin(), ui.protokoll.end(), std::back_inserter(befehle),
                 [](const std::string& e) { return e.rfind("Befehl:", 0) == 0; });
    EXPECT_EQ(befehle, (std::vector<std::string>{"Befehl:weiter", "Befehl:tabelleweiter"}));
    EXPECT_TRUE(anz.enthaelt("tabelle:4"));
    EXPECT_EQ(anz.protokoll.back(), "tabelleZu");
    EXPECT_TRUE(S.Befehl.empty());

    // Verborgenes Hauptfenster: keine Tabelle, außer der erste Manager will jede Liga sehen (Wahl 0).
    anz.leeren();
    anz.hauptfenster = false;
    LigaSpieltag(4);
    EXPECT_FALSE(anz.enthaelt("tabelle:"));
    S.Optionen[0][OptAnzeigeLiga] = 0;
    LigaSpieltag(1);
    EXPECT_TRUE(anz.enthaelt("tabelle:1"));
    // Eine Liga ohne Manager und nicht gewählt: keine Live-Ansicht, keine Tabelle.
    anz.leeren();
    anz.hauptfenster = true;
    S.Optionen[0][OptAnzeigeLiga] = 4;
    LigaSpieltag(3);
    EXPECT_FALSE(anz.enthaelt("tabelle:") || anz.enthaelt("live:"));
}

TEST(Toto, Gewinntafel)
{
    EXPECT_EQ(TotoGewinn(4, 1), 10000);
    EXPECT_EQ(TotoGewinn(4, 3), 40000);
    EXPECT_EQ(TotoGewinn(4, 9), 2560000);
    EXPECT_EQ(TotoGewinn(3, 1), 13333);
    EXPECT_EQ(TotoGewinn(1, 9), 10240000);
}

TEST(Toto, AuswertungImLigaspieltag)
{
    // Die Ergebnisse des Tages erst ausspielen, dann denselben Tag mit passenden Tipps wiederholen.
    WeltAnlegen(2);
    S.Spiel.Spieltag = 3;
    const Spielstand vorher = S;
    ZufallSetzen(31);
    LigaSpieltag(4);
    const int32_t ohneToto = S.Manager[0].Kontostand;
    std::string alle, einer, keiner;
    for (int k = 1; k <= 9; ++k) {
        const char richtig = static_cast<char>('0' + TotoErgebnis[k]);
        const char falsch = richtig == '1' ? '2' : '1';
        alle += richtig;
        einer += k == 4 ? richtig : falsch;
        keiner += falsch;
    }
    for (const auto& [tip, richtige] : std::vector<std::pair<std::string, int>>{{alle, 9}, {einer, 1}, {keiner, 0}}) {
        S = vorher;
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        S.Manager[0].TotoTip = tip;
        S.Manager[1].TotoTip = "111111111"; // Liga 2: wartet auf den eigenen Spieltag
        ZufallSetzen(31);
        LigaSpieltag(4);
        EXPECT_EQ(S.Manager[1].TotoTip, "111111111");
        EXPECT_TRUE(anz.enthaelt("toto:1:-"));
        EXPECT_EQ(S.Manager[0].Kontostand - ohneToto, TotoGewinn(4, richtige));
        EXPECT_EQ(ui.anzahl("Klang:tataA"), richtige == 9 ? 1u : 0u);
        if (richtige == 0) {
            // Ohne Treffer bleibt der Tipp für den nächsten Spieltag.
            EXPECT_EQ(S.Manager[0].TotoTip, tip);
            EXPECT_FALSE(anz.enthaelt("Richtig"));
        } else {
            EXPECT_TRUE(S.Manager[0].TotoTip.leer());
            EXPECT_TRUE(anz.enthaelt("toto:0:Manager1:" + std::to_string(richtige) + " Richtig"));
        }
    }
}

TEST(BesteSechs, PraemieUndListe)
{
    WeltAnlegen(2);
    for (int i = 1; i <= 72; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        SETZE(v.Punkte, 30 - v.Platz);
        v.Tore = 20;
        v.Gegentore = 10;
    }
    // Manager2 auf Platz 4 der Liga 2 (Verein 22) hat die meisten Punkte; die Gleichen mit 29
    // Punkten folgen in der Reihenfolge der Auswahl: Liga 1, 2, 3, 4.
    Mannschaft_& v22 = S.Mannschaft[22];
    v22.Punkte = 40;
    v22.Tore = 35;
    S.Spiel.Spieltag = 17;
    const int32_t konto = S.Manager[1].Kontostand;
    SkriptOberflaeche ui;
    BesteSechs();
    EXPECT_EQ(S.Manager[1].Kontostand - konto, 600000 * 3);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Die 6 Besten Liga-Manschaften nach Punkten + Toren|"
                                                   "1.Verein 22................(2) Pk:40 Td:25 +1.800.000 €\r\n"
                                                   "2.Verein 1.................(1) Pk:29 Td:10 +1.200.000 €\r\n"
                                                   "3.Verein 19................(2) Pk:29 Td:10   +600.000 €\r\n"
                                                   "4.Verein 37................(3) Pk:29 Td:10   +300.000 €\r\n"
                                                   "5.Verein 55................(4) Pk:29 Td:10   +120.000 €\r\n"
                                                   "6.Verein 2.................(1) Pk:28 Td:10   +400.000 €"});
    // Nach Spieltag 34 das Doppelte.
    S.Spiel.Spieltag = 34;
    BesteSechs();
    EXPECT_EQ(S.Manager[1].Kontostand - konto, 600000 * 3 + 1200000 * 3);
}
