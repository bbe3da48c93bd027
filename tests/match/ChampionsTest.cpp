// ChampionsLige: Nachschlagen, Tabelle, Spieltag mit Geld, Sieger, fehlender Verein.
#include "core/Funky.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "match/Anzeige.h"
#include "match/Champions.h"
#include "match/Spiel.h"

#include <gtest/gtest.h>

using namespace torvane;

// Aus PokalTest.cpp.
namespace pokaltest {
void WeltBauen(int nationen, int jeNation);
void ManagerSetzen(int m, int v);
int64_t ZuschauerAus(const ProtokollAnzeige& a, int zeile);
} // namespace pokaltest

using namespace pokaltest;

namespace {

void ChlWelt(uint32_t saat, int tag)
{
    ZufallSetzen(saat);
    WeltBauen(16, 6);
    PokaleVorbereiten();
    S.Spiel.Wettbewerb = WettbewerbChl;
    S.Spiel.ChlSpieltag = tag;
}

int SummeTore(bool gegen)
{
    int n = 0;
    for (const ChlEintrag_& e : S.ChlTabelle) n += gegen ? e.ChlGegentore : e.ChlTore;
    return n;
}

} // namespace

TEST(ChlNachschlagen, FindetOderMeldetFehler)
{
    ChlWelt(1, 0);
    SkriptOberflaeche ui;
    EXPECT_EQ(ChlManschNr(1), 1);
    EXPECT_EQ(S.Mannschaft[ChlManschNr(7)].ChlRunde.text(), "7");
    EXPECT_EQ(ChlManschIndex(7), 7);
    EXPECT_TRUE(ui.protokoll.empty());
    EXPECT_EQ(ChlManschNr(17), 0);
    EXPECT_EQ(ChlManschIndex(17), 0);
    EXPECT_EQ(ui.texte(), (std::vector<std::string>{"FEHLER: Keine ChlManschNr gefunden !",
                                                    "FEHLER: Keine ChlManschIndenx gefunden !"}));
}

TEST(ChlTabelleSortieren, KriterienUndGleichstandBehaeltDiePlaetze)
{
    S = Spielstand{};
    // Punkte, Tore, Gegentore je Platz; 1 und 2 sind völlig gleich.
    const int z[17][3] = {{},        {3, 2, 2}, {3, 2, 2}, {6, 1, 0}, {3, 5, 4}, {3, 4, 3}, {3, 3, 2},
                          {0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {0, 0, 4}, {0, 0, 5}, {0, 0, 6}, {0, 0, 7},
                          {0, 0, 8}, {0, 0, 9}, {0, 1, 9}};
    for (int k = 1; k <= 16; ++k) {
        ChlEintrag_& e = S.ChlTabelle[k];
        e.ChlSlot = k;
        e.ChlPunkte = static_cast<uint8_t>(z[k][0]);
        e.ChlTore = static_cast<uint8_t>(z[k][1]);
        e.ChlGegentore = static_cast<uint8_t>(z[k][2]);
        e.ChlErgebnisse[1] = std::to_string(k) + ":0";
    }
    ChlTabelleSortieren();
    const int erwartet[17] = {0, 3, 4, 5, 6, 1, 2, 7, 8, 9, 10, 11, 12, 13, 16, 14, 15};
    for (int k = 1; k <= 16; ++k) {
        EXPECT_EQ(S.ChlTabelle[k].ChlSlot, erwartet[k]) << k;
        EXPECT_EQ(S.ChlTabelle[k].ChlTore, z[erwartet[k]][1]);
        // Die Ergebnisse gehören zum Spieltag und wandern nicht mit.
        EXPECT_EQ(S.ChlTabelle[k].ChlErgebnisse[1].text(), std::to_string(k) + ":0");
    }
}

TEST(ChlSpieltag, ZweiManagerNurDerGastgeberBekommtDasGeld)
{
    ChlWelt(4, 1);
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    // Am 1. Spieltag empfängt Nummer 16 die Nummer 1.
    ASSERT_EQ(S.ChlSpieltage[1][1][0] * 100 + S.ChlSpieltage[1][1][1], 1601);
    ManagerSetzen(0, 1);
    ManagerSetzen(1, ChlManschNr(16));
    S.PokalZeigen = true;

    ChlSpieltagSpielen();

    const int64_t z = ZuschauerAus(anz, 0);
    EXPECT_EQ(S.Manager[1].Kontostand, 1000000 + z * 20 + 100000);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 + z / 2 * 20); // nur der Gastanteil der Kasse
    EXPECT_TRUE(anz.enthaelt(std::string("meldung:0:Manager1") + NL + NL +
                             "Das ChampionsLige Spiel brachte Ihnen zusätzlich 100.000 €"));
    EXPECT_EQ(anz.anzahl("meldung:"), 1u);
    EXPECT_TRUE(anz.enthaelt("titel:Championligespiele"));
    EXPECT_TRUE(anz.enthaelt("kopf:ChampionsLige|1/15 . Spieltag"));
    EXPECT_TRUE(anz.enthaelt("zeile:0:3:Verein 1 (D)"));
    // Das Ergebnis steht bei Spieltag 1, in der Zeile am Doppelpunkt ausgerichtet.
    EXPECT_TRUE(anz.enthaelt("zeile:0:4:" + ErgebnisAusrichten(S.ChlTabelle[1].ChlErgebnisse[1].text())));
    EXPECT_TRUE(ui.enthaelt("Warte:" + std::to_string(Tempo(0) * 100 + 50)));
    EXPECT_EQ(ui.anzahl("Befehl:weiter"), 1u);
    EXPECT_EQ(SummeTore(false), SummeTore(true));
    int punkte = 0;
    for (int k = 1; k <= 16; ++k) {
        punkte += S.ChlTabelle[k].ChlPunkte;
        EXPECT_FALSE(S.ChlTabelle[1].ChlErgebnisse[(k + 1) / 2].leer());
        EXPECT_TRUE(S.ChlTabelle[2].ChlErgebnisse[(k + 1) / 2].leer());
    }
    EXPECT_GE(punkte, 16);
    EXPECT_LE(punkte, 24);
    // Die Saisonbilanz nennt den Tabellenplatz.
    EXPECT_EQ(S.Saisonbilanz[0][1].ChlErgebnis.text(), std::to_string(ChlManschIndex(1)) + ". Platz");
    EXPECT_FALSE(anz.enthaelt("sieger:"));
}

TEST(ChlSpieltag, NachDemFuenfzehntenGewinntDerTabellenfuehrer)
{
    ChlWelt(6, 15);
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    ManagerSetzen(0, 1);
    S.ChlTabelle[1].ChlPunkte = 42; // uneinholbar; Nummer 1 spielt am 15. Tag daheim in Zeile 1
    ASSERT_EQ(S.ChlSpieltage[15][2][0], 1);
    const float ewig = S.Mannschaft[1].EwigePunkte;

    ChlSpieltagSpielen();

    EXPECT_EQ(S.ChlTabelle[1].ChlSlot, 1);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 + ZuschauerAus(anz, 1) * 20 + 100000 + 5555555);
    EXPECT_GE(S.Mannschaft[1].EwigePunkte - ewig, 50.0f);
    EXPECT_EQ(S.Saisonbilanz[0][1].ChlErgebnis.text(), "Sieger");
    EXPECT_EQ(ui.anzahl("Klang:tataa"), 1u);
    EXPECT_TRUE(anz.enthaelt("sieger:Verein 1|Sieger in der ChampionsLige bekommt 5.555.555 € Siegesprämie"));
    EXPECT_EQ(ui.anzahl("Warte:") + ui.anzahl("Befehl:"), 0u); // niemand sieht zu
}

TEST(ChlSpieltag, FehlenderVereinSpieltMitDemLeerenHilfseintrag)
{
    ChlWelt(7, 1);
    SkriptOberflaeche ui;
    ManagerSetzen(0, 1);
    S.Mannschaft[0] = S.Mannschaft[1]; // Rest eines Tabellentauschs: Kopie des Managervereins
    S.Mannschaft[ChlManschNr(5)].ChlRunde = "";

    ChlSpieltagSpielen();

    EXPECT_EQ(ui.texte(), std::vector<std::string>{"FEHLER: Keine ChlManschNr gefunden !"});
    EXPECT_EQ(S.Manager[0].SpieleGespielt, 1); // nur das eigene Spiel gebucht
    EXPECT_TRUE(S.Mannschaft[0].Name.leer());
    EXPECT_EQ(SummeTore(false), SummeTore(true));
}
