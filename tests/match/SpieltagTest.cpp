// Wettbewerbstag, Ligaspieltag, Tabelle, Spielplan, die sechs Besten und das Toto.
#include "core/Fehler.h"
#include "core/Funky.h"
#include "flow/Neuanlage.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
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

int gTage = 0; // gespielte Tage seit WeltAnlegen

// Eine kleine Welt: vier Ligen zu 18 Vereinen, vier Vereine der Liga 5, vier ausländische;
// ein Spielplan nach dem Kreisverfahren; m Manager (mindestens einer) auf Platz 3 der Liga 4
// und Platz 4 der Liga 2.
void WeltAnlegen(int manager = 1)
{
    S = Spielstand{};
    gTage = 0;
    Spiel_& sp = S.Spiel;
    sp.MannschaftHoch = 80;
    sp.DeutscheHoch = 76;
    sp.Saison = 1;
    sp.Aktienkurs = 1000;
    sp.AnzeigeLiga = 3;
    sp.ManagerHoch = manager - 1;
    S.Mannschaft.laengeSetzen(81);
    for (int i = 1; i <= 80; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Liga = static_cast<uint8_t>(i <= 72 ? (i - 1) / 18 + 1 : i <= 76 ? 5 : 1);
        v.Platz = static_cast<uint8_t>(i <= 72 ? (i - 1) % 18 + 1 : 0);
        v.SpielplanNr = v.Platz;
        v.Moral = 50;
        const int basis = 90 - 10 * v.Liga;
        v.Verteidigung = static_cast<int16_t>(basis + i % 7);
        v.Mittelfeld = static_cast<int16_t>(basis + i % 5);
        v.Angriff = static_cast<int16_t>(basis + i % 3);
        v.Gesamt = static_cast<int16_t>((v.Verteidigung + v.Mittelfeld + v.Angriff) / 3);
        v.Name = "Verein " + std::to_string(i);
        v.Legende = "----------";
        v.Nation = i <= 76 ? "D" : "X";
    }
    // Kreisverfahren: Slot 18 fest, die übrigen 17 drehen sich.
    for (int tag = 1; tag <= 17; ++tag) {
        const int r = tag - 1;
        auto slot = [](int t) { return static_cast<uint8_t>(t % 17 + 1); };
        S.Spieltage[tag][1][0] = tag % 2 ? slot(r) : 18;
        S.Spieltage[tag][1][1] = tag % 2 ? 18 : slot(r);
        for (int k = 1; k <= 8; ++k) {
            S.Spieltage[tag][k + 1][0] = slot(r + k);
            S.Spieltage[tag][k + 1][1] = slot(r + 17 - k);
        }
    }
    // ChampionsLige: die ersten 16 der Bundesliga, ebenfalls im Kreisverfahren.
    for (int k = 1; k <= 16; ++k) {
        S.Mannschaft[k].ChlRunde = std::to_string(k);
        S.ChlTabelle[k].ChlSlot = k;
    }
    for (int tag = 1; tag <= 15; ++tag) {
        const int r = tag - 1;
        auto slot = [](int t) { return static_cast<uint8_t>(t % 15 + 1); };
        S.ChlSpieltage[tag][1][0] = slot(r);
        S.ChlSpieltage[tag][1][1] = 16;
        for (int k = 1; k <= 7; ++k) {
            S.ChlSpieltage[tag][k + 1][0] = slot(r + k);
            S.ChlSpieltage[tag][k + 1][1] = slot(r + 15 - k);
        }
    }
    for (int l = 1; l <= 4; ++l)
        for (int t = 1; t <= 34; ++t)
            for (int p = 1; p <= 9; ++p) S.Ergebnisse[l][t][p] = "-:-";
    for (int m = 0; m < manager; ++m) {
        const int liga = m == 1 ? 2 : 4;
        const int platz = 3 + m;
        Manager_& mg = S.Manager[m];
        mg.Name = "Manager" + std::to_string(m + 1);
        mg.Vereinsname.rohSetzen(S.Mannschaft[VereinAufPlatz(liga, platz)].Name.roh());
        mg.Liga = static_cast<int8_t>(liga);
        mg.Platz = static_cast<int8_t>(platz);
        mg.Eintrittspreis = 15;
        mg.Plaetze = 20000;
        mg.Komfortpunkte = 10;
        mg.Pokalzuschlag = 10;
        mg.Kontostand = 500000;
        mg.Managerpunkte = 10;
        mg.SpielSystem = "343";
        mg.KaderAnzahl = 16;
        for (int i = 1; i <= 16; ++i) {
            Kaderspieler_& k = mg.Kader[i];
            k.Eingesetzt = i <= 11;
            k.Position = i == 1 || i == 12 ? "T" : i <= 4 || i == 13 ? "V" : i <= 8 || i == 14 ? "M" : "S";
            k.Alter = 25;
            k.Technik = 50;
            k.Konstitution = 40;
            k.Vorname = "Spieler";
            k.Nachname = std::to_string(i);
        }
        S.Optionen[m][OptTempo] = 2;
        S.Optionen[m][OptAutoaufstellung] = 1;
        S.Optionen[m][OptAnzeigeLiga] = static_cast<uint8_t>(liga);
    }
    for (int m = 0; m <= 3; ++m) S.Saisonbilanz[m].laengeSetzen(2);
}

// Die Tabelle jeder Liga ist in sich stimmig.
void TabellenPruefen(int spieltag)
{
    for (int liga = 1; liga <= 4; ++liga) {
        std::set<std::string> namen;
        int tore = 0, gegentore = 0;
        for (int p = 1; p <= 18; ++p) {
            const Mannschaft_& v = S.Mannschaft[VereinAufPlatz(liga, p)];
            namen.insert(v.Name.text());
            ASSERT_EQ(v.Platz, p) << "Liga " << liga;
            ASSERT_EQ(v.Liga, liga);
            ASSERT_EQ(v.Siege + v.Unentschieden + v.Niederlagen, spieltag);
            ASSERT_EQ(v.Punkte, 3 * v.Siege + v.Unentschieden);
            ASSERT_GE(v.Moral, 1);
            ASSERT_LE(v.Moral, 100);
            // Managervereine rechnet die Aufstellung nach dem Tag neu; sie kennt nur die Untergrenze 0.
            const int untergrenze = ManagerVonVerein(VereinAufPlatz(liga, p)) >= 0 ? 0 : 1;
            for (int16_t l : {v.Verteidigung, v.Mittelfeld, v.Angriff}) {
                ASSERT_GE(l, untergrenze);
                ASSERT_LE(l, 111);
            }
            tore += v.Tore;
            gegentore += v.Gegentore;
            if (p > 1) {
                const Mannschaft_& davor = S.Mannschaft[VereinAufPlatz(liga, p - 1)];
                ASSERT_GE(davor.Punkte, v.Punkte);
                if (davor.Punkte == v.Punkte) {
                    ASSERT_GE(davor.Tore - davor.Gegentore, v.Tore - v.Gegentore);
                }
            }
        }
        ASSERT_EQ(namen.size(), 18u);
        ASSERT_EQ(tore, gegentore);
    }
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        const Manager_& mg = S.Manager[m];
        ASSERT_EQ(VereinVon(m).Name.roh(), mg.Vereinsname.roh());
        ASSERT_EQ(S.Saisonbilanz[m][1].Platz, mg.Platz);
        ASSERT_EQ(S.Saisonbilanz[m][1].Liga, mg.Liga);
    }
}

// Nach Spieltag 34 ohne ausstehenden Pokal- oder ChampionsLige-Tag; ein falscher
// Kalender bricht nach einer festen Zahl Tage ab statt endlos zu laufen.
bool SaisonZuEnde()
{
    if (++gTage > 120) {
        ADD_FAILURE() << "Saison endet nicht";
        return true;
    }
    return S.Spiel.Spieltag == 34 && S.Spiel.Wettbewerb == 0;
}

// Spielt einen Tag so, wie der Zugabschluss ihn anstößt.
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
    for (int liga = 1; liga <= 4; ++liga) {
        for (int tag = 1; tag <= 17; ++tag) {
            std::set<int> vereine;
            for (int p = 1; p <= 9; ++p) {
                const int h = SpielplanMannschaft(liga, tag, p, 0);
                const int g = SpielplanMannschaft(liga, tag, p, 1);
                EXPECT_EQ(SpielplanMannschaft(liga, tag + 17, p, 0), g);
                EXPECT_EQ(SpielplanMannschaft(liga, tag + 17, p, 1), h);
                EXPECT_EQ(S.Mannschaft[h].Liga, liga);
                vereine.insert(h);
                vereine.insert(g);
            }
            EXPECT_EQ(vereine.size(), 18u);
        }
    }
    // Die Spielplannummer bleibt am Verein, auch wenn die Tabelle umsortiert wird.
    const int vorher = SpielplanMannschaft(2, 5, 3, 0);
    const std::string name = S.Mannschaft[vorher].Name.text();
    S.Mannschaft[vorher].Punkte = 30;
    TabelleSortieren(2);
    const int nachher = SpielplanMannschaft(2, 5, 3, 0);
    EXPECT_EQ(nachher, VereinAufPlatz(2, 1));
    EXPECT_EQ(S.Mannschaft[nachher].Name, name);
    // Ein Slot, den niemand trägt, ergibt 0.
    S.Spieltage[1][1][0] = 19;
    EXPECT_EQ(SpielplanMannschaft(1, 1, 1, 0), 0);
    EXPECT_EQ(SpielplanMannschaft(1, 18, 1, 1), 0);
    // Ein Spieltag mit einer solchen Paarung bricht ab, statt Verein 0 spielen zu lassen.
    S.Spiel.Spieltag = 1;
    const auto vorherLiga1 = S.Ergebnisse[1];
    EXPECT_THROW(LigaSpieltag(2), Laufzeitfehler);
    EXPECT_EQ(std::memcmp(&vorherLiga1, &S.Ergebnisse[1], sizeof vorherLiga1), 0);
}

TEST(Tabelle, SiebenKriterienBisZurEwigenTabelleUndAlterReihenfolge)
{
    WeltAnlegen(1);
    // Liga 3; jeder Verein unterscheidet sich vom Vorgänger erst im nächsten Kriterium.
    struct Zeile {
        const char* name;
        int punkte, tore, gegentore, siege, niederlagen;
        float ewige;
    };
    const std::vector<Zeile> soll = {
        {"P", 20, 10, 10, 5, 5, 0},      // 1. mehr Punkte
        {"D", 19, 12, 10, 5, 5, 0},      // 2. bessere Differenz
        {"T", 19, 11, 10, 5, 5, 0},      // 3. gleiche Differenz, mehr Tore
        {"T2", 19, 10, 9, 5, 5, 0},      //    (4. weniger Gegentore folgt dann von selbst)
        {"S", 16, 10, 10, 6, 5, 0},      // 5. mehr Siege
        {"S2", 16, 10, 10, 5, 5, 0},
        {"N", 15, 10, 10, 5, 4, 0},      // 6. weniger Niederlagen
        {"N2", 15, 10, 10, 5, 5, 0},
        {"E", 14, 10, 10, 5, 5, 9.5f},   // 7. mehr ewige Punkte
        {"E2", 14, 10, 10, 5, 5, 9.25f},
        {"A", 13, 10, 10, 5, 5, 1},      // in allem gleich: die alte Reihenfolge
        {"B", 13, 10, 10, 5, 5, 1},
        {"C", 13, 10, 10, 5, 5, 1},
        {"F1", 10, 10, 10, 5, 5, 0},
        {"F2", 9, 10, 10, 5, 5, 0},
        {"F3", 8, 10, 10, 5, 5, 0},
        {"X", 2, 1, 10, 0, 9, 0},
        {"Y", 1, 1, 12, 0, 9, 0},
    };
    // Die Besseren und die Schlechteren je verkehrt herum, A, B, C dazwischen in ihrer Reihenfolge.
    const std::vector<int> reihenfolge = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 10, 11, 12, 17, 16, 15, 14, 13};
    for (int p = 1; p <= 18; ++p) {
        const Zeile& z = soll[static_cast<size_t>(reihenfolge[static_cast<size_t>(p - 1)])];
        Mannschaft_& v = S.Mannschaft[VereinAufPlatz(3, p)];
        v.Name = z.name;
        v.Punkte = static_cast<int16_t>(z.punkte);
        v.Tore = static_cast<int16_t>(z.tore);
        v.Gegentore = static_cast<int16_t>(z.gegentore);
        v.Siege = static_cast<uint8_t>(z.siege);
        v.Niederlagen = static_cast<uint8_t>(z.niederlagen);
        v.EwigePunkte = z.ewige;
    }
    S.Manager[0].Vereinsname = "E2";
    S.Manager[0].Liga = 3;
    TabelleSortieren(3);
    for (int p = 1; p <= 18; ++p) {
        const Mannschaft_& v = S.Mannschaft[VereinAufPlatz(3, p)];
        EXPECT_EQ(v.Name, soll[static_cast<size_t>(p - 1)].name) << "Platz " << p;
        EXPECT_EQ(v.Platz, p);
    }
    EXPECT_EQ(S.Manager[0].Platz, 10);
    EXPECT_EQ(VereinVon(0).Name, "E2");
}

TEST(Wettbewerbstag, ReihenfolgeDerTageNachSpieltag3_4_6)
{
    WeltAnlegen();
    std::vector<std::pair<int, int>> tage; // (Spieltag, Wettbewerb)
    while (tage.size() < 14 && !SaisonZuEnde()) {
        const int wb = TagSpielen();
        tage.emplace_back(S.Spiel.Spieltag, wb);
    }
    const std::vector<std::pair<int, int>> soll = {
        {1, 0}, {2, 0}, {2, 4},                 // nach 2: ChampionsLige
        {3, 0}, {3, 3},                         // nach 3 (ungerade): Pokalsieger, dann 4
        {4, 0}, {4, 3}, {4, 4},                 // nach 4: Pokalsieger, ChampionsLige
        {5, 0}, {5, 1},                         // nach 5: DFB-Pokal
        {6, 0}, {6, 2}, {6, 4},                 // nach 6: Uefa, ChampionsLige, dann 7
        {7, 0},
    };
    EXPECT_EQ(tage, soll);
    EXPECT_EQ(S.Spiel.ChlSpieltag, 3);
}

TEST(Wettbewerbstag, GanzeSaisonOhneBildschirm)
{
    WeltAnlegen(2);
    S.Manager[0].Einsatz = 100; // viele Vorfälle in der Live-Ansicht
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    ZufallSetzen(2024);
    int zahl[5] = {};
    std::vector<int> folge;
    while (!SaisonZuEnde()) {
        const int wb = TagSpielen();
        ++zahl[wb];
        folge.push_back(wb);
        if (wb == 0) TabellenPruefen(S.Spiel.Spieltag);

        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(zahl[0], 34);
    EXPECT_EQ(zahl[1], 6);
    EXPECT_EQ(zahl[2], 12);
    EXPECT_EQ(zahl[3], 8);
    EXPECT_EQ(zahl[4], 15);
    EXPECT_EQ(S.Spiel.ChlSpieltag, 15);
    // Nach Spieltag 34 kommt noch der Pokalsieger-Tag, dann nichts mehr.
    EXPECT_EQ(folge.back(), 3);
    // Jedes Ligaergebnis ist eingetragen.
    for (int l = 1; l <= 4; ++l)
        for (int t = 1; t <= 34; ++t)
            for (int p = 1; p <= 9; ++p) EXPECT_NE(S.Ergebnisse[l][t][p].text(), "-:-");
    // Die Managerspiele liefen live: 34 Ligaspiele je Manager.
    EXPECT_EQ(anz.anzahl("live:"), 68u);
    EXPECT_EQ(S.Manager[0].SpieleGespielt, 34);
    EXPECT_EQ(S.Manager[1].HeimSpiele + S.Manager[1].AuswaertsSpiele, 34);
    EXPECT_EQ(anz.anzahl("tagEnde"), folge.size());

    // Gleiche Saat, gleiche Saison.
    const auto tabelle = S.Mannschaft;
    const auto manager = S.Manager;
    WeltAnlegen(2);
    S.Manager[0].Einsatz = 100;
    ZufallSetzen(2024);
    while (!SaisonZuEnde()) TagSpielen();
    EXPECT_EQ(std::memcmp(tabelle.daten(), S.Mannschaft.daten(), sizeof(Mannschaft_) * 81), 0);
    EXPECT_EQ(std::memcmp(&manager, &S.Manager, sizeof manager), 0);
}

TEST(Wettbewerbstag, AufraeumenZaehlenUndAktienkurs)
{
    WeltAnlegen(1);
    ProtokollAnzeige anz;
    GelbHeute[0][5] = 1;
    S.Spiel.Wettbewerb = 1;
    S.Optionen[0][OptZeigeDfb] = 1;
    for (int i = 1; i <= 10; ++i) S.Mannschaft[i].DfbRunde = "J";
    for (int i = 1; i <= 7; ++i) S.Mannschaft[i].PdpRunde = "J";
    S.Spiel.Aktienkurs = 50;
    S.Spiel.Spieltag = 5;
    WettbewerbstagSpielen();
    EXPECT_EQ(GelbHeute[0][5], 0);
    EXPECT_EQ(DfbPaarungen, 5);
    EXPECT_EQ(PdpPaarungen, 3);
    EXPECT_EQ(UefaPaarungen, 0);
    EXPECT_TRUE(S.PokalZeigen);
    EXPECT_GE(S.Spiel.Aktienkurs, 100);
    // Nach einem Pokaltag entscheidet nur noch die ChampionsLige-Regel: 5 ist ungerade.
    EXPECT_EQ(S.Spiel.Wettbewerb, 0);
    ASSERT_GE(anz.protokoll.size(), 4u);
    EXPECT_EQ(anz.protokoll[0], "siegerAus");
    EXPECT_EQ(anz.protokoll[1], "totoAus");
    EXPECT_EQ(anz.protokoll[2], "weiterAus");
    EXPECT_EQ(anz.protokoll[3], "meldungenLeeren");
    EXPECT_EQ(anz.protokoll.back(), "tagEnde");

    // Der Kurs strebt zu 1000 zurück.
    for (uint32_t saat = 1; saat <= 50; ++saat) {
        S.Spiel.Wettbewerb = 4;
        S.Spiel.ChlSpieltag = 0;
        S.Spiel.Aktienkurs = 5000;
        ZufallSetzen(saat);
        WettbewerbstagSpielen();
        EXPECT_GE(S.Spiel.Aktienkurs, 4890);
        EXPECT_LE(S.Spiel.Aktienkurs, 5090);
    }
    S.Optionen[0][OptZeigeChl] = 0;
    S.Spiel.Wettbewerb = 4;
    WettbewerbstagSpielen();
    EXPECT_FALSE(S.PokalZeigen);
}

TEST(Ligaspieltag, AnzeigeZeilenLiveUndTabelle)
{
    WeltAnlegen(1);
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    S.Spiel.Spieltag = 18;
    ZufallSetzen(7);
    LigaSpieltag(4);
    EXPECT_TRUE(anz.enthaelt("titel:Meisterschaft der Oberliga"));
    EXPECT_TRUE(anz.enthaelt("kopf:Oberliga|18. Spieltag der Rückrunde"));
    // Neun Zeilen zu vier Zellen; die Ergebnisse mit dem Doppelpunkt an derselben Stelle.
    EXPECT_EQ(anz.anzahl("zeile:"), 36u);
    for (int p = 1; p <= 9; ++p) {
        const std::string z = "zeile:" + std::to_string(p - 1) + ":4:";
        bool da = false;
        for (const auto& e : anz.protokoll)
            if (e.rfind(z, 0) == 0) {
                da = true;
                EXPECT_EQ(e.substr(z.size()), S.Ergebnisse[4][18][p].text());
                EXPECT_EQ(e[z.size() + 2], ':');
            }
        EXPECT_TRUE(da);
    }
    EXPECT_TRUE(anz.enthaelt("zeile:0:1:Zuschauer "));
    // Ein Managerspiel, eine Live-Ansicht.
    EXPECT_EQ(anz.anzahl("live:"), 1u);
    // Die Tabelle: erst "weiter", dann der Handschlag mit dem Tabellenbildschirm.
    std::vector<std::string> handschlag;
    for (const auto& e : ui.protokoll)
        if (e.rfind("Befehl:", 0) == 0) handschlag.push_back(e);
    EXPECT_EQ(handschlag, (std::vector<std::string>{"Befehl:weiter", "Befehl:tabelleweiter"}));
    EXPECT_TRUE(anz.enthaelt("tabelle:4"));
    EXPECT_EQ(anz.protokoll.back(), "tabelleZu");
    EXPECT_TRUE(S.Befehl.empty());

    // Verborgenes Hauptfenster: keine Tabelle, außer der erste Manager will alle Ligen sehen.
    anz.leeren();
    ui.leeren();
    anz.hauptfenster = false;
    LigaSpieltag(4);
    EXPECT_FALSE(anz.enthaelt("tabelle:"));
    EXPECT_FALSE(ui.enthaelt("Befehl:"));
    S.Optionen[0][OptAnzeigeLiga] = 0;
    LigaSpieltag(1);
    EXPECT_TRUE(anz.enthaelt("tabelle:1"));
    // Liga 3 ohne Manager und ohne Wahl: nichts zu warten.
    anz.leeren();
    S.Optionen[0][OptAnzeigeLiga] = 4;
    anz.hauptfenster = true;
    LigaSpieltag(3);
    EXPECT_FALSE(anz.enthaelt("tabelle:"));
    EXPECT_FALSE(anz.enthaelt("live:"));
}

TEST(Toto, GewinnTabelle)
{
    EXPECT_EQ(TotoGewinn(4, 1), 10000);
    EXPECT_EQ(TotoGewinn(4, 3), 40000);
    EXPECT_EQ(TotoGewinn(4, 8), 1280000);
    EXPECT_EQ(TotoGewinn(4, 9), 2560000);
    EXPECT_EQ(TotoGewinn(3, 1), 13333);
    EXPECT_EQ(TotoGewinn(1, 9), 10240000);
    EXPECT_EQ(TotoGewinn(2, 0), 0);
}

TEST(Toto, AuswertungImLigaspieltag)
{
    // Erst die Ergebnisse des Spieltags kennen, dann denselben Tag mit passendem Tipp wiederholen.
    WeltAnlegen(2);
    S.Spiel.Spieltag = 3;
    const Spielstand vorher = S;
    ZufallSetzen(31);
    LigaSpieltag(4);
    std::string alleRichtig, keinerRichtig, einerRichtig;
    for (int k = 1; k <= 9; ++k) {
        const int e = TotoErgebnis[k];
        alleRichtig += static_cast<char>('0' + e);
        keinerRichtig += e == 1 ? '2' : '1';
        einerRichtig += k == 4 ? static_cast<char>('0' + e) : (e == 1 ? '2' : '1');
    }

    for (const auto& [tip, richtige] : std::vector<std::pair<std::string, int>>{
             {alleRichtig, 9}, {einerRichtig, 1}, {keinerRichtig, 0}}) {
        S = vorher;
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        S.Manager[0].TotoTip = tip;
        S.Manager[1].TotoTip = "111111111"; // Liga 2: bleibt für den eigenen Spieltag
        const int32_t konto = S.Manager[0].Kontostand;
        ZufallSetzen(31);
        LigaSpieltag(4);
        const int32_t torgeld = S.Manager[0].Kontostand - konto;
        EXPECT_EQ(S.Manager[1].TotoTip, "111111111");
        EXPECT_TRUE(anz.enthaelt("toto:1:-"));
        EXPECT_EQ(std::count(anz.protokoll.begin(), anz.protokoll.end(), "toto"), 1);
        if (richtige == 0) {
            // Der Tipp bleibt und gilt am nächsten Spieltag weiter.
            EXPECT_EQ(S.Manager[0].TotoTip, tip);
            EXPECT_FALSE(anz.enthaelt("Richtig"));
            // Ohne Gewinn nur die Einnahmen aus dem Spiel.
            S = vorher;
            ZufallSetzen(31);
            LigaSpieltag(4);
            EXPECT_EQ(S.Manager[0].Kontostand - konto, torgeld);
        } else {
            EXPECT_TRUE(S.Manager[0].TotoTip.leer());
            EXPECT_TRUE(anz.enthaelt("toto:0:Manager1:" + std::to_string(richtige) + " Richtig"));
            Spielstand ohne = vorher;
            std::swap(S, ohne);
            ZufallSetzen(31);
            LigaSpieltag(4);
            const int32_t ohneToto = S.Manager[0].Kontostand - konto;
            std::swap(S, ohne);
            EXPECT_EQ(torgeld - ohneToto, TotoGewinn(4, richtige));
            EXPECT_EQ(ui.anzahl("Klang:tataA"), richtige == 9 ? 1u : 0u);
            EXPECT_TRUE(ui.enthaelt("Warte:1000"));
        }
    }
}

TEST(BesteSechs, PraemieUndListe)
{
    WeltAnlegen(2);
    // Manager2 führt Platz 4 der Liga 2 (Verein 22); er bekommt den besten Wert.
    for (int liga = 1; liga <= 4; ++liga)
        for (int p = 1; p <= 18; ++p) {
            Mannschaft_& v = S.Mannschaft[VereinAufPlatz(liga, p)];
            v.Punkte = static_cast<int16_t>(30 - p);
            v.Tore = 20;
            v.Gegentore = 10;
        }
    Mannschaft_& m2 = S.Mannschaft[VereinAufPlatz(2, 4)];
    m2.Punkte = 40;
    m2.Tore = 35;
    m2.Gegentore = 10;
    // Gleich viele Punkte und Tordifferenz: Liga 1 Platz 1 vor Liga 2 Platz 1 (Reihenfolge der Auswahl).
    S.Spiel.Spieltag = 17;
    const int32_t konto = S.Manager[1].Kontostand;
    SkriptOberflaeche ui;
    BesteSechs();
    EXPECT_EQ(S.Manager[1].Kontostand - konto, 600000 * 3);
    const auto texte = ui.texte();
    ASSERT_EQ(texte.size(), 1u);
    const std::string erwartet = std::string("Die 6 Besten Liga-Manschaften nach Punkten + Toren|") +
                                 "1.Verein 22................(2) Pk:40 Td:25 +1.800.000 €\r\n"
                                 "2.Verein 1.................(1) Pk:29 Td:10 +1.200.000 €\r\n"
                                 "3.Verein 19................(2) Pk:29 Td:10   +600.000 €\r\n"
                                 "4.Verein 37................(3) Pk:29 Td:10   +300.000 €\r\n"
                                 "5.Verein 55................(4) Pk:29 Td:10   +120.000 €\r\n"
                                 "6.Verein 2.................(1) Pk:28 Td:10   +400.000 €";
    EXPECT_EQ(texte[0], erwartet);

    // Nach Spieltag 34 das Doppelte.
    S.Spiel.Spieltag = 34;
    const int32_t konto2 = S.Manager[1].Kontostand;
    BesteSechs();
    EXPECT_EQ(S.Manager[1].Kontostand - konto2, 1200000 * 3);
}

TEST(Wettbewerbstag, GanzerKalenderMitAllenWettbewerben)
{
    // Die ausgelieferte Spielwelt mit zwei Managern; jeder Tag so, wie der Zugabschluss ihn anstößt.
    const std::string datenVorher = Pfade.Daten;
    const auto namenVorher = Vorgabenamen;
    Pfade.Daten = TORVANE_QUELLEN "/daten/";
    S = Spielstand{};
    ZufallSetzen(77);
    const bool angelegt = NeuesSpielOhneBildschirm(
        {{Vorgabenamen[0].Name, Vorgabenamen[0].Verein}, {Vorgabenamen[1].Name, Vorgabenamen[1].Verein}});
    Pfade.Daten = datenVorher;
    Vorgabenamen = namenVorher;
    ASSERT_TRUE(angelegt);
    for (int m = 0; m <= 1; ++m)
        for (int o : {OptZeigeDfb, OptZeigeUefa, OptZeigePdp, OptZeigeChl}) S.Optionen[m][o] = 1;

    ProtokollAnzeige anz;
    gTage = 0;
    std::vector<int> folge;
    while (!SaisonZuEnde()) {
        const int wb = TagSpielen();
        folge.push_back(wb);
        if (wb == 0) TabellenPruefen(S.Spiel.Spieltag);
        if (HasFatalFailure()) return;
    }

    // Der Kalender: nach jedem Ligaspieltag höchstens ein Pokaltag, dann die ChampionsLige.
    std::vector<int> soll;
    for (int tag = 1; tag <= 34; ++tag) {
        soll.push_back(0);
        if (Pokaltermine[tag] > 0) soll.push_back(Pokaltermine[tag]);
        if (tag % 2 == 0 && tag <= 30) soll.push_back(4);
    }
    EXPECT_EQ(folge, soll);
    EXPECT_EQ(std::count(folge.begin(), folge.end(), 1), 6);
    EXPECT_EQ(std::count(folge.begin(), folge.end(), 2), 12);
    EXPECT_EQ(std::count(folge.begin(), folge.end(), 3), 8);
    EXPECT_EQ(std::count(folge.begin(), folge.end(), 4), 15);

    // Genau ein Sieger je Pokal, niemand mehr im Wettbewerb.
    for (KurzText<12> Mannschaft_::*feld : {&Mannschaft_::DfbRunde, &Mannschaft_::UefaRunde, &Mannschaft_::PdpRunde}) {
        int sieger = 0, uebrig = 0;
        for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
            const KurzText<12>& f = S.Mannschaft[i].*feld;
            if (f == "Sieger") ++sieger;
            else if (!f.leer()) ++uebrig;
        }
        EXPECT_EQ(sieger, 1);
        EXPECT_EQ(uebrig, 0);
    }
    // ChampionsLige: 120 Spiele, je 2 oder 3 Punkte; der Sieger auf der Tafel.
    int punkte = 0, tore = 0, gegentore = 0;
    for (int k = 1; k <= 16; ++k) {
        punkte += S.ChlTabelle[k].ChlPunkte;
        tore += S.ChlTabelle[k].ChlTore;
        gegentore += S.ChlTabelle[k].ChlGegentore;
    }
    EXPECT_GE(punkte, 240);
    EXPECT_LE(punkte, 360);
    EXPECT_EQ(tore, gegentore);
    EXPECT_EQ(anz.anzahl("sieger:"), 4u);
    EXPECT_EQ(anz.anzahl("Sieger in der ChampionsLige"), 1u);
}
