// Ligastärke, ewige Tabelle, Grafiken und Karriere auf kleiner Welt und echtem Spiel.
#include "../flow/Spielwelt.h"
#include "core/Konto.h"
#include "core/Text.h"
#include "finance/Vermoegen.h"
#include "records/EwigeTabelle.h"
#include "records/Grafik.h"
#include "records/Karriere.h"
#include "records/Ligastaerke.h"

#include <cstring>
#include <limits>

namespace torvane {
namespace {

// Ein Manager auf Platz platz der Liga liga der Grundwelt.
void ManagerIn(int liga, int platz, int32_t konto = 100000)
{
    S.Spiel.ManagerHoch = 0;
    S.AktManager = 0;
    Manager_& mg = S.Manager[0];
    mg.Liga = static_cast<int8_t>(liga);
    mg.Platz = static_cast<int8_t>(platz);
    mg.Kontostand = konto;
    mg.Name = "Quirin";
    mg.Vereinsname = S.Mannschaft[VereinAufPlatz(liga, platz)].Name.text();
}

TEST(Ligastaerke, SpionagepreisUndZweiteSeiteKosten)
{
    Mitschrift ui;
    EXPECT_EQ(SpionagePreis(95, 4), 2370); // 2 375 auf Zehner gekürzt
    EXPECT_EQ(SpionagePreis(95, 3), 3160); // 3 166,67
    EXPECT_EQ(SpionagePreis(95, 1), 9500);
    EXPECT_THROW(SpionagePreis(95, 0), Laufzeitfehler);

    Grundwelt();
    ManagerIn(4, 9, 500);
    EXPECT_EQ(AlleMannschaftenHinweis(),
              "Diese Informationen wurden durch Co. Trainer zusammengestellt und Kosten 1.000 €");
    S.Mannschaft[100].Gesamt = 95;
    EXPECT_EQ(Spionagekosten(100), 2370);

    // Ins Minus darf es gehen, nur nicht unter die Grenze des Kontofelds: dann Hinweis, nichts gebucht.
    const int32_t unten = std::numeric_limits<int32_t>::min();
    struct Fall {
        int32_t konto;
        bool spion, alle;
    };
    for (const Fall f : {Fall{500, true, true}, Fall{unten + 2370, true, true}, Fall{unten + 2369, false, true},
                         Fall{unten + 1000, false, true}, Fall{unten + 999, false, false}}) {
        ui.texte.clear();
        ui.klaenge.clear();
        S.Manager[0].Kontostand = f.konto;
        EXPECT_EQ(Spionieren(100), f.spion) << f.konto;
        EXPECT_EQ(S.Manager[0].Kontostand, f.konto - (f.spion ? 2370 : 0));
        EXPECT_EQ(ui.klaengeMit("scroll"), f.spion);
        S.Manager[0].Kontostand = f.konto;
        EXPECT_EQ(AlleMannschaftenBezahlen(), f.alle) << f.konto;
        EXPECT_EQ(S.Manager[0].Kontostand, f.konto - (f.alle ? 1000 : 0));
        EXPECT_EQ(ui.anzahl(BetragZuGrossText), size_t{!f.spion} + !f.alle) << f.konto;
        EXPECT_EQ(ui.anzahl("Co. Trainer"), size_t{f.alle});
    }
}

TEST(Ligastaerke, LigaspalteNachIndex)
{
    Grundwelt(); // 90 deutsche Vereine, dann das Ausland bis 180
    std::vector<std::string> ist;
    for (int i : {1, 18, 19, 72, 73, 90, 91, 180}) ist.push_back(LigaSpalte(i));
    EXPECT_EQ(ist, (std::vector<std::string>{"1", "1", "2", "4", "5", "5", "-", "-"}));
    EXPECT_THROW(LigaSpalte(181), Laufzeitfehler);
}

TEST(Ligastaerke, ErsteSeiteUndListe)
{
    Grundwelt();
    ManagerIn(2, 1);
    for (int p = 1; p <= 18; ++p) S.Mannschaft[VereinAufPlatz(2, p)].Gesamt = static_cast<int16_t>(40 + p);
    S.Mannschaft[VereinAufPlatz(2, 7)].Mittelfeld = 77;
    S.Mannschaft[VereinAufPlatz(2, 3)].Moral = 99;
    const LigaStaerkeSeite_ s = LigaStaerkeSeite(2);
    ASSERT_EQ(s.zeilen.size(), 18u);
    EXPECT_EQ(s.zeilen[0], " 1.  " + LinksText("Verein 36 (18)", 32) + "   58");
    EXPECT_EQ(s.zeilen[17], "18.  " + LinksText("Verein 19 (1)", 32) + "   41");
    EXPECT_EQ(LigaschnittText(s.schnitt), "Ligaschnitt: 49,5");
    EXPECT_EQ(s.beste[0].name, "Verein 19"); // alle gleich: der Tabellenerste
    EXPECT_EQ(s.beste[1].name, "Verein 25");
    EXPECT_EQ(s.beste[1].wert, 77);
    EXPECT_EQ(s.beste[3].name, "Verein 21");

    S.Mannschaft[150].Gesamt = 99;
    S.Mannschaft[151].Gesamt = 99;
    auto liste = StaerkeListe();
    ASSERT_EQ(liste.size(), 180u);
    EXPECT_EQ(liste[0].verein, 150);
    EXPECT_EQ(liste[1].verein, 151);
    EXPECT_EQ(liste[0].liga, "-");
    StaerkeSortieren(liste, Sortierung::Name);
    EXPECT_EQ(liste[0].name, "Ausland 10-1");
    StaerkeSortieren(liste, Sortierung::Nation);
    EXPECT_EQ(liste[0].nation, "D");
    EXPECT_EQ(liste.back().nation, "N9");
    EXPECT_EQ(StaerkeSuche(liste, "verein 2"), 1); // "Verein 2" steht nach "Verein 1"
    EXPECT_EQ(liste[1].name, "Verein 2");
    EXPECT_EQ(StaerkeSuche(liste, "xyz"), -1);
    EXPECT_EQ(StaerkeSuche(liste, ""), -1);
}

TEST(EwigeTabelle, FolgeGleichstandUndZeile)
{
    Grundwelt();
    ManagerIn(3, 4);
    S.Mannschaft[40].EwigePunkte = 321;
    S.Mannschaft[5].EwigePunkte = 12;
    S.Mannschaft[7].EwigePunkte = 12;
    S.Mannschaft[3].EwigePunkte = 12;
    const auto folge = EwigeReihenfolge();
    ASSERT_EQ(folge.size(), 180u);
    EXPECT_EQ((std::vector<int>(folge.begin(), folge.begin() + 5)), (std::vector<int>{40, 3, 5, 7, 1}));
    EXPECT_EQ(folge.back(), 180); // nie gespielt: 0 Punkte, ganz hinten

    EXPECT_EQ(EwigeZeile(1, 40), "   1.  Verein 40 (3)                   321");
    EXPECT_EQ(EwigeZeile(1234, 40).substr(0, 7), "1234.  ");
    EXPECT_EQ(EwigeZeile(9, 91), "   9.  Ausland 2-1 (-)                   0");
    int eigene = -2;
    const auto zeilen = EwigeTabelle(0, eigene);
    EXPECT_EQ(eigene, 0); // Verein 40 ist Platz 4 der Regionalliga
    EXPECT_EQ(zeilen[1].substr(0, 18), "   2.  Verein 3 (1");
}

TEST(Grafik, PlatzbytesVorDemErstenUndNachDemFuenftenSpieltag)
{
    Grundwelt();
    ManagerIn(4, 3);
    Statistik_& st = S.Statistik[0];
    st.Reserve2[3] = 77; // das Byte vor Spieltag 1
    S.Spiel.Spieltag = 0;
    GrafikAuffrischen(0);
    for (int d = 1; d <= 34; ++d) EXPECT_EQ(PlatzByte(st, d), 19) << d;
    EXPECT_EQ(st.Reserve2[3], 77);
    EXPECT_EQ(PlatzHinweis(0, 18, 100), "Noch nicht gespielt");
    EXPECT_EQ(PlatzHinweis(0, 255, 221), "Noch nicht gespielt");

    for (int d = 1; d <= 4; ++d) PlatzByte(st, d) = static_cast<uint8_t>(10 - d);
    S.Spiel.Spieltag = 5;
    GrafikAuffrischen(0);
    EXPECT_EQ(PlatzByte(st, 4), 6);
    EXPECT_EQ(PlatzByte(st, 5), 3);
    EXPECT_EQ(PlatzByte(st, 6), 19);
    EXPECT_EQ(PlatzByte(st, 34), 19);
    EXPECT_EQ(PlatzTitel(), "Tabellenplätze bis 5.Spieltag");
}

TEST(Grafik, HinweiseNachMauslage)
{
    Grundwelt();
    ManagerIn(4, 3);
    S.Spiel.Spieltag = 5;
    GrafikAuffrischen(0);
    // x → Spieltag: 18..24 Spieltag 1, 25 schon 2, 53 Spieltag 6, 255 Spieltag 34.
    EXPECT_EQ((std::vector<int>{HinweisSpieltag(18), HinweisSpieltag(24), HinweisSpieltag(25),
                                HinweisSpieltag(53), HinweisSpieltag(255)}),
              (std::vector<int>{1, 1, 2, 6, 34}));
    EXPECT_EQ(PlatzHinweis(0, 50, 100), "3 Platz am 5.Spieltag");
    EXPECT_EQ(PlatzHinweis(0, 53, 100), "Noch nicht gespielt");
    EXPECT_EQ(PlatzHinweis(0, 17, 100), "");
    EXPECT_EQ(PlatzHinweis(0, 50, 222), "");

    Statistik_& st = S.Statistik[0];
    StaerkeByte(st, 1) = 0;
    StaerkeByte(st, 2) = 42;
    EXPECT_EQ(StaerkeHinweis(0, 22, 100), "nicht Archiviert");
    EXPECT_EQ(StaerkeHinweis(0, 23, 28), "42 Stärke");
    EXPECT_EQ(StaerkeHinweis(0, 190, 100), "");
    EXPECT_EQ(StaerkeHinweis(0, 100, 166), "");
}

TEST(Grafik, StaerkeAufEinByteUndAchsen)
{
    Grundwelt();
    ManagerIn(4, 3);
    S.Manager[0].TeamStaerke = 300;
    GrafikAuffrischen(0);
    EXPECT_EQ(StaerkeByte(S.Statistik[0], 167), 255);
    EXPECT_EQ(StaerkeByte(S.Statistik[0], 168), 255);
    EXPECT_EQ(StaerkeTitel(0), "Stärken (Aktuell: 300)");
    S.Manager[0].TeamStaerke = -4;
    GrafikAuffrischen(0);
    EXPECT_EQ(StaerkeByte(S.Statistik[0], 168), 0);
    EXPECT_THROW(StaerkeByte(S.Statistik[0], 169), Laufzeitfehler);

    // Grenze 250: unten 0, oben 25 Millionen; Grenze 400: 15..40; unter 250 schneidet div zur Null.
    EXPECT_EQ(GeldAchse(250, 26), 0);
    EXPECT_EQ(GeldAchse(250, 1), 25);
    EXPECT_EQ(GeldAchse(400, 26), 15);
    EXPECT_EQ(GeldAchse(400, 1), 40);
    EXPECT_EQ(GeldAchse(245, 26), 0);
    EXPECT_EQ(GeldAchse(130, 26), -12);
    EXPECT_TRUE(GeldLinieAktuell(57, 22));
    EXPECT_FALSE(GeldLinieAktuell(57, 21));
}

TEST(Grafik, GeldpunktAusDemVermoegen)
{
    Mitschrift ui;
    EchtesSpiel(1, 99);
    Statistik_& st = S.Statistik[0];
    st.Geldgrenze = 300;
    // Die Grafik zeigt nur: auch über der Abgabegrenze bucht und schreibt sie am Manager nichts.
    S.Manager[0].Sparbuch = 2100000000;
    const Manager_ vorher = S.Manager[0];
    GrafikAuffrischen(0);
    EXPECT_EQ(std::memcmp(&vorher, &S.Manager[0], sizeof vorher), 0);
    EXPECT_TRUE(ui.texte.empty());
    const int64_t v = std::min(VermoegenWert(0), KontoMax) / 100000;
    EXPECT_EQ(st.Geldpunkte[147], v - 50);
    EXPECT_EQ(GeldTitel(0), "Vermögen ca. " + Geldtext(v * 100000) + " €");
    // Weit über der Grenze bleibt der Punkt am Rand seines Feldes.
    st.Geldgrenze = -32700;
    GrafikAuffrischen(0);
    EXPECT_EQ(st.Geldpunkte[147], 32767);
}

void Bilanz(int saisons)
{
    S.Spiel.Saison = saisons;
    S.Saisonbilanz[0].laengeSetzen(saisons + 1);
    for (int s = 1; s <= saisons; ++s) {
        Saisonbilanz_& b = S.Saisonbilanz[0][s];
        b.Liga = 4;
        b.Platz = static_cast<uint8_t>(s);
        b.DfbErgebnis = "Runde " + std::to_string(s);
        b.UefaErgebnis = "-";
        b.PdpErgebnis = "";
        b.ChlErgebnis = s == 2 ? "3. Platz" : "Sieger";
    }
}

TEST(Karriere, ErsteSaisonUndBildlauf)
{
    Grundwelt();
    ManagerIn(4, 1);
    Bilanz(1);
    EXPECT_EQ(KarriereMaximum(1), 0);
    auto r = KarriereRaster(0, 0);
    EXPECT_EQ(r[0], (Karrierezeile{"1", "4", "1", "Runde 1", "-", "", "Sieger"}));
    Karrierezeile leer;
    leer.fill("-");
    for (size_t z = 1; z < 10; ++z) EXPECT_EQ(r[z], leer);

    Bilanz(12);
    EXPECT_EQ(KarriereMaximum(12), 2);
    r = KarriereRaster(0, 2);
    EXPECT_EQ(r[0][0], "3");
    EXPECT_EQ(r[9][0], "12");
    r = KarriereRaster(0, 0);
    EXPECT_EQ(r[0][0], "1");
    EXPECT_EQ(r[1][6], "3. Platz");
    EXPECT_EQ(r[9][0], "10");

    Bilanz(11);
    EXPECT_EQ(KarriereMaximum(11), 1);
    r = KarriereRaster(0, KarriereMaximum(11));
    EXPECT_EQ(r[0][0], "2");
    EXPECT_EQ(r[9][0], "11");
    // Eine Stellung hinter der Bilanz liest kein fremdes Feld.
    r = KarriereRaster(0, 5);
    EXPECT_EQ(r[5][0], "11");
    EXPECT_EQ(r[6][0], "-");
}

TEST(Karriere, Quoten)
{
    Grundwelt();
    ManagerIn(4, 1);
    Manager_& mg = S.Manager[0];
    Quoten_ q = KarriereQuoten(0);
    EXPECT_EQ((std::vector<std::string>{q.spiele, q.heim, q.auswaerts, q.gewinn, q.remis, q.ohnePunkte}),
              std::vector<std::string>(6, "Kein Spiel"));

    mg.SpieleGespielt = 10;
    mg.HeimSpiele = 3;
    mg.HeimSiege = 1;
    mg.AuswaertsSpiele = 7;
    mg.AuswaertsSiege = 3;
    q = KarriereQuoten(0, ',');
    EXPECT_EQ(q.spiele, "10");
    EXPECT_EQ(q.heim, "33,3 %");
    EXPECT_EQ(KarriereQuoten(0, '.').heim, "33.3 %");
    EXPECT_EQ(q.auswaerts, "42,9 %");
    EXPECT_EQ(q.gewinn, "40 %");
    EXPECT_EQ(q.remis, "Kein Spiel");
    EXPECT_EQ(q.ohnePunkte, "In 60 % der Spiele wurde nicht Gepunktet.");

    // Jedes Spiel gepunktet: 100 - 100/11 × 11 ist in Gleitkomma knapp unter null, gezeigt wird "0".
    mg.SpieleGespielt = 11;
    mg.HeimSpiele = 11;
    mg.HeimSiege = 10;
    mg.AuswaertsSpiele = 0;
    mg.AuswaertsSiege = 0;
    mg.Remis = 1;
    q = KarriereQuoten(0);
    EXPECT_EQ(q.ohnePunkte, "In 0 % der Spiele wurde nicht Gepunktet.");
    EXPECT_EQ(q.remis, "9,1 %");
    EXPECT_EQ(q.auswaerts, "Kein Spiel");

    mg.SpieleGespielt = 1200;
    EXPECT_EQ(KarriereQuoten(0).spiele, "1.200");
    // Widersprüchliche Zähler teilen nie durch null.
    mg.SpieleGespielt = 0;
    EXPECT_EQ(KarriereQuoten(0).remis, "Kein Spiel");
    EXPECT_EQ(Prozentzahl(1, 8), "12,5");  // 12,5 bleibt
    EXPECT_EQ(Prozentzahl(1, 16), "6,2");  // 6,25: Hälfte zur geraden Zehntel
}

} // namespace
} // namespace torvane
