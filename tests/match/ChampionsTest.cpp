// ChampionsLige: Nachschlagen, Tabelle, Spieltag, Prämien, Sieger.
#include "core/Funky.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "match/Anzeige.h"
#include "match/Champions.h"
#include "match/Pokal.h"
#include "match/Spiel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace torvane;

// Aus PokalTest.cpp.
namespace pokaltest {
void WeltBauen(int nationen, int jeNation);
void ManagerSetzen(int m, int v);
int64_t ZuschauerAus(const ProtokollAnzeige& a, int zeile);
} // namespace pokaltest

using namespace pokaltest;

namespace {

void ChlWelt(uint32_t saat)
{
    ZufallSetzen(saat);
    WeltBauen(16, 6);
    PokaleVorbereiten();
    S.Spiel.Wettbewerb = WettbewerbChl;
}

// Zeile und Seite (0 Heim, 1 Gast) der Nummer am Spieltag.
std::pair<int, int> Paarung(int tag, int nummer)
{
    for (int p = 1; p <= 8; ++p)
        for (int seite = 0; seite <= 1; ++seite)
            if (S.ChlSpieltage[tag][p][seite] == nummer) return {p - 1, seite};
    return {-1, -1};
}

} // namespace

TEST(ChlNachschlagen, FindetOderMeldetFehler)
{
    ChlWelt(1);
    SkriptOberflaeche ui;
    EXPECT_EQ(ChlManschNr(1), 1);
    EXPECT_EQ(S.Mannschaft[ChlManschNr(7)].ChlRunde.text(), "7");
    EXPECT_TRUE(ui.protokoll.empty());

    EXPECT_EQ(ChlManschNr(17), 0);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"FEHLER: Keine ChlManschNr gefunden !"});
    ui.leeren();
    EXPECT_EQ(ChlManschIndex(17), 0);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"FEHLER: Keine ChlManschIndenx gefunden !"});
}

TEST(ChlPlan, JederSpieltJedenEinmal)
{
    // Der Testplan selbst: sonst prüfen die übrigen Tests nichts Sinnvolles.
    WeltBauen(16, 6);
    std::set<std::pair<int, int>> paare;
    for (int tag = 1; tag <= 15; ++tag) {
        std::set<int> heute;
        for (int p = 1; p <= 8; ++p) {
            const int a = S.ChlSpieltage[tag][p][0], b = S.ChlSpieltage[tag][p][1];
            heute.insert(a);
            heute.insert(b);
            paare.insert({std::min(a, b), std::max(a, b)});
        }
        EXPECT_EQ(heute.size(), 16u);
    }
    EXPECT_EQ(paare.size(), 120u);
}

TEST(ChlTabelleSortieren, KriterienUndGleichstand)
{
    S = Spielstand{};
    struct Zeile {
        int punkte, tore, gegen;
    };
    // Platz: Punkte, Tore, Gegentore. 1 und 2 sind völlig gleich.
    const Zeile z[17] = {{},        {3, 2, 2}, {3, 2, 2}, {6, 1, 0}, {3, 5, 4}, {3, 4, 3}, {3, 3, 2},
                         {0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {0, 0, 4}, {0, 0, 5}, {0, 0, 6}, {0, 0, 7},
                         {0, 0, 8}, {0, 0, 9}, {0, 1, 9}};
    for (int k = 1; k <= 16; ++k) {
        ChlEintrag_& e = S.ChlTabelle[k];
        e.ChlSlot = k;
        e.ChlPunkte = static_cast<uint8_t>(z[k].punkte);
        e.ChlTore = static_cast<uint8_t>(z[k].tore);
        e.ChlGegentore = static_cast<uint8_t>(z[k].gegen);
        e.ChlErgebnisse[1] = std::to_string(k) + ":0";
    }
    ChlTabelleSortieren();
    // Punkte, dann Tordifferenz, dann Tore; Gleichstand behält die Reihenfolge.
    const int erwartet[17] = {0, 3, 4, 5, 6, 1, 2, 7, 8, 9, 10, 11, 12, 13, 16, 14, 15};
    for (int k = 1; k <= 16; ++k) {
        EXPECT_EQ(S.ChlTabelle[k].ChlSlot, erwartet[k]) << k;
        EXPECT_EQ(S.ChlTabelle[k].ChlPunkte, z[erwartet[k]].punkte);
        EXPECT_EQ(S.ChlTabelle[k].ChlGegentore, z[erwartet[k]].gegen);
        // Die Ergebnisse gehören zum Spieltag und bleiben stehen.
        EXPECT_EQ(S.ChlTabelle[k].ChlErgebnisse[1].text(), std::to_string(k) + ":0");
    }
}

TEST(ChlSpieltag, ZweiManagerNurDerGastgeberBekommtDasGeld)
{
    ChlWelt(4);
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    // Am 1. Spieltag empfängt Nummer 16 die Nummer 1.
    ASSERT_EQ(S.ChlSpieltage[1][1][0], 16);
    ASSERT_EQ(S.ChlSpieltage[1][1][1], 1);
    const int gastgeber = ChlManschNr(16);
    ManagerSetzen(0, 1);
    ManagerSetzen(1, gastgeber);
    S.PokalZeigen = true;
    S.Spiel.ChlSpieltag = 1;

    ChlSpieltagSpielen();

    const int64_t z = ZuschauerAus(anz, 0);
    // Das Ergebnis der ersten Paarung steht in Eintrag 1 (Spieltag 1), in der Zeile am Doppelpunkt ausgerichtet.
    EXPECT_TRUE(anz.enthaelt("zeile:0:4:" + ErgebnisAusrichten(S.ChlTabelle[1].ChlErgebnisse[1].text())));
    EXPECT_EQ(S.Manager[1].Kontostand, 1000000 + z * 20 + 100000);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 + z / 2 * 20); // nur der Gastanteil der Kasse
    EXPECT_TRUE(anz.enthaelt(std::string("meldung:0:Manager1") + NL + NL +
                             "Das ChampionsLige Spiel brachte Ihnen zusätzlich 100.000 €"));
    EXPECT_EQ(anz.anzahl("meldung:"), 1u);
    EXPECT_TRUE(anz.enthaelt("titel:Championligespiele"));
    EXPECT_TRUE(anz.enthaelt("kopf:ChampionsLige|1/15 . Spieltag"));
    EXPECT_TRUE(anz.enthaelt("zeile:0:3:Verein 1 (D)"));
    EXPECT_TRUE(ui.enthaelt("Warte:" + std::to_string(Tempo(0) * 100 + 50)));
    EXPECT_TRUE(anz.enthaelt("weiter:Weiter"));
    EXPECT_FALSE(anz.enthaelt("sieger:"));

    // Ergebnisse stehen beim Spieltag, Punkte und Tore in der (sortierten) Tabelle.
    int punkte = 0, tore = 0, gegen = 0;
    for (int k = 1; k <= 16; ++k) {
        punkte += S.ChlTabelle[k].ChlPunkte;
        tore += S.ChlTabelle[k].ChlTore;
        gegen += S.ChlTabelle[k].ChlGegentore;
        EXPECT_NE(S.ChlTabelle[1].ChlErgebnisse[(k + 1) / 2].text().find(':'), std::string::npos);
    }
    EXPECT_EQ(tore, gegen);
    EXPECT_GE(punkte, 16);
    EXPECT_LE(punkte, 24);
    // Die Bilanz nennt den Tabellenplatz.
    for (int m = 0; m <= 1; ++m) {
        const int nummer = std::stoi(S.Mannschaft[PokalVereinVon(m)].ChlRunde.text());
        EXPECT_EQ(S.Saisonbilanz[m][1].ChlErgebnis.text(), std::to_string(ChlManschIndex(nummer)) + ". Platz");
    }
}

TEST(ChlSpieltag, OhneZuschauerKeinePausenUndKeinWarten)
{
    ChlWelt(5);
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    ManagerSetzen(0, 1);
    S.Spiel.ChlSpieltag = 3;
    ChlSpieltagSpielen();
    EXPECT_EQ(ui.anzahl("Warte:"), 0u);
    EXPECT_EQ(ui.anzahl("Befehl:"), 0u);
    EXPECT_FALSE(anz.enthaelt("meldung:"));
    for (int p = 1; p <= 8; ++p) EXPECT_FALSE(S.ChlTabelle[3].ChlErgebnisse[p].leer());
    for (int p = 1; p <= 8; ++p) EXPECT_TRUE(S.ChlTabelle[2].ChlErgebnisse[p].leer());
}

TEST(ChlSpieltag, NachDemFuenfzehntenGewinntDerTabellenfuehrer)
{
    ChlWelt(6);
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    ManagerSetzen(0, 1);
    S.Spiel.ChlSpieltag = 15;
    // Nummer 1 führt uneinholbar; sie spielt am 15. Tag daheim.
    S.ChlTabelle[1].ChlPunkte = 42;
    const auto [zeile, seite] = Paarung(15, 1);
    ASSERT_EQ(seite, 0);
    const float ewig = S.Mannschaft[1].EwigePunkte;

    ChlSpieltagSpielen();

    EXPECT_EQ(S.ChlTabelle[1].ChlSlot, 1);
    const int64_t z = ZuschauerAus(anz, zeile);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 + z * 20 + 100000 + 5555555);
    EXPECT_GE(S.Mannschaft[1].EwigePunkte - ewig, 50.0f);
    EXPECT_EQ(S.Saisonbilanz[0][1].ChlErgebnis.text(), "Sieger");
    EXPECT_EQ(ui.anzahl("Klang:tataa"), 1u);
    EXPECT_TRUE(anz.enthaelt("sieger:Verein 1|Sieger in der ChampionsLige bekommt 5.555.555 € Siegesprämie"));
}

TEST(ChlSpieltag, FehlenderVereinSpieltMitDemHilfseintrag)
{
    ChlWelt(7);
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    ManagerSetzen(0, 1);
    // Reste eines Tabellentauschs: der Hilfseintrag ist eine Kopie des Managervereins.
    S.Mannschaft[0] = S.Mannschaft[1];
    S.Mannschaft[ChlManschNr(5)].ChlRunde = "";
    S.Spiel.ChlSpieltag = 1;

    ChlSpieltagSpielen();

    EXPECT_EQ(ui.anzahl("FEHLER: Keine ChlManschNr gefunden !"), 1u);
    EXPECT_FALSE(ui.enthaelt("ChlManschIndenx"));
    EXPECT_EQ(S.Manager[0].SpieleGespielt, 1); // nur das eigene Spiel gebucht
    EXPECT_TRUE(S.Mannschaft[0].Name.leer());
    // Der Platz der Nummer 5 hat trotzdem ein Spiel in der Tabelle.
    const ChlEintrag_& e = S.ChlTabelle[ChlManschIndex(5)];
    EXPECT_GE(e.ChlPunkte + e.ChlTore + e.ChlGegentore, 0);
    int tore = 0, gegen = 0;
    for (int k = 1; k <= 16; ++k) {
        tore += S.ChlTabelle[k].ChlTore;
        gegen += S.ChlTabelle[k].ChlGegentore;
    }
    EXPECT_EQ(tore, gegen);
}
