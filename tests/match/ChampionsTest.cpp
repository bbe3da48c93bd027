// ChampionsLige: Tabelle, Spieltag mit Geld, Sieger, Nachschlagen und fehlender Verein.
#include "Welt.h"

#include "core/SkriptOberflaeche.h"
#include "match/Champions.h"

using namespace matchtest;

namespace {

// 16 Nationen, die Pokale vorbereitet, heute der ChampionsLige-Tag nach tag.
void ChlWelt(uint32_t saat, int tag)
{
    ZufallSetzen(saat);
    WeltBauen(16, 6);
    PokaleVorbereiten();
    S.Spiel.Wettbewerb = Wettbewerb_::Chl;
    S.Spiel.ChlSpieltag = tag;
}

void ToreGleichGegentore()
{
    int saldo = 0;
    for (const ChlEintrag_& e : S.ChlTabelle) saldo += e.ChlTore - e.ChlGegentore;
    EXPECT_EQ(saldo, 0);
}

} // namespace

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
    const std::string meldung =
        std::string("meldung:0:Manager1") + NL + NL + "Das ChampionsLige Spiel brachte Ihnen zusätzlich 100.000 €";
    EXPECT_EQ(Mit(anz.protokoll, "meldung:"), std::vector<std::string>{meldung});
    EXPECT_EQ(ui.anzahl("Befehl:weiter"), 1u);
    // Die Ergebnisse der acht Paarungen stehen beim 1. Spieltag; 8 Spiele zu 2 oder 3 Punkten.
    ToreGleichGegentore();
    int punkte = 0;
    for (int k = 1; k <= 16; ++k) punkte += S.ChlTabelle[k].ChlPunkte;
    EXPECT_TRUE(punkte >= 16 && punkte <= 24);
    for (int p = 1; p <= 8; ++p)
        EXPECT_TRUE(!S.ChlTabelle[1].ChlErgebnisse[p].leer() && S.ChlTabelle[2].ChlErgebnisse[p].leer());
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

TEST(ChlSpieltag, NachschlagenUndFehlenderVereinSpieltMitDemLeerenHilfseintrag)
{
    ChlWelt(7, 1);
    SkriptOberflaeche ui;
    EXPECT_EQ(S.Mannschaft[ChlManschNr(7)].ChlRunde.text(), "7");
    EXPECT_EQ(ChlManschIndex(7), 7);
    EXPECT_EQ(ChlManschNr(17) + ChlManschIndex(17), 0);
    EXPECT_EQ(ui.texte(), (std::vector<std::string>{"FEHLER: Keine ChlManschNr gefunden !",
                                                    "FEHLER: Keine ChlManschIndenx gefunden !"}));
    ui.leeren();

    // Ein Slot ohne Verein: Meldung, gespielt wird mit dem Hilfseintrag 0.
    ManagerSetzen(0, 1);
    S.Mannschaft[0] = S.Mannschaft[1]; // Rest eines Tabellentauschs: Kopie des Managervereins
    S.Mannschaft[ChlManschNr(5)].ChlRunde = "";

    ChlSpieltagSpielen();

    EXPECT_EQ(ui.texte(), std::vector<std::string>{"FEHLER: Keine ChlManschNr gefunden !"});
    EXPECT_EQ(S.Manager[0].SpieleGespielt, 1); // nur das eigene Spiel gebucht
    EXPECT_TRUE(S.Mannschaft[0].Name.leer());
    ToreGleichGegentore();
}
