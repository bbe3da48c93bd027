// Die Live-Ansicht: Ballspur, Spielanteile, Tore, Pausen und die Vorfälle.
#include "core/Funky.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "match/Anzeige.h"
#include "match/LiveSpiel.h"
#include "match/Spiel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace torvane;

namespace {

// Heimverein 1 gehört Manager 0 (14 Spieler, 11 eingesetzt), Gastverein 2 Manager 1.
void LiveWelt(int kader = 14)
{
    S = Spielstand{};
    S.Spiel.MannschaftHoch = 2;
    S.Spiel.ManagerHoch = 1;
    S.Spiel.Spieltag = 1;
    S.Mannschaft.laengeSetzen(3);
    S.Mannschaft[1].Name = "Heimverein";
    S.Mannschaft[2].Name = "Gastverein";
    for (int m = 0; m <= 1; ++m) {
        Manager_& mg = S.Manager[m];
        mg.Vereinsname.rohSetzen(S.Mannschaft[m + 1].Name.roh());
        mg.KaderAnzahl = static_cast<uint8_t>(kader);
        for (int i = 1; i <= kader; ++i) {
            Kaderspieler_& sp = mg.Kader[i];
            sp.Eingesetzt = i <= 11 ? 1 : 0;
            sp.Vorname = "Vor" + std::to_string(i);
            sp.Nachname = "Nach" + std::to_string(i);
        }
        S.Optionen[m][OptTempo] = 2;
    }
    GelbHeute = {};
    Spielverlauf = {};
    Zuschauer = 12345;
    HeimManager = 0;
    GastManager = 1;
}

// Die erste Zahl nach der Saat: Aktion zieht sie zuerst (1..79 Gelb, 80..89 Rot, 90 nichts, 91..100 verletzt).
int ErsterWurf(uint32_t saat)
{
    ZufallSetzen(saat);
    return Zufall(1, 100);
}

uint32_t SaatFuer(int von, int bis)
{
    for (uint32_t saat = 1;; ++saat) {
        const int r = ErsterWurf(saat);
        if (r >= von && r <= bis) return saat;
    }
}

size_t Genau(const std::vector<std::string>& p, const std::string& eintrag)
{
    return static_cast<size_t>(std::count(p.begin(), p.end(), eintrag));
}

std::vector<std::string> Mit(const std::vector<std::string>& p, const std::string& anfang)
{
    std::vector<std::string> aus;
    for (const auto& e : p)
        if (e.rfind(anfang, 0) == 0) aus.push_back(e);
    return aus;
}

} // namespace

TEST(LiveSpiel, BallspurToreUndSpielanteile)
{
    LiveWelt(0); // ohne Kader keine Vorfälle
    Spielverlauf[1].X = 240; // 3 Schritte nach rechts: H = 1 + 1 + (1 + 2)
    Spielverlauf[2].X = 230; // 5 Schritte nach links: G = 5 + 2 (Schritt 6) + 2 (Ankunft)
    Spielverlauf[5].X = PlatzBreite - 10;
    Spielverlauf[5].Ereignis = -1;
    Spielverlauf[10].X = -22;
    Spielverlauf[10].Ereignis = 1;
    for (int m = 1; m <= 90; ++m) Spielverlauf[m].Y = 135;

    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    LiveSpiel(1, 2);

    EXPECT_EQ(anz.protokoll.front(), "live:Heimverein|Gastverein|zahlende Zuschauer 12.345");
    EXPECT_EQ(Mit(anz.protokoll, "stand:"), (std::vector<std::string>{"stand:0:0", "stand:1:0", "stand:1:1"}));
    const auto minuten = Mit(anz.protokoll, "minute:");
    ASSERT_EQ(minuten.size(), 92u); // "0 min." zu Beginn, dann 0..90
    EXPECT_EQ(minuten[1], "minute:0 min.");
    EXPECT_EQ(minuten.back(), "minute:90 min.");
    const auto anteile = Mit(anz.protokoll, "anteil:");
    ASSERT_GE(anteile.size(), 3u);
    EXPECT_EQ(anteile[0], "anteil:HomeComputer");          // Minute 0 bewegt nichts
    EXPECT_EQ(anteile[1], "anteil:Spielanteile: 100 % : 0 %");
    EXPECT_EQ(anteile[2], "anteil:Spielanteile: 36 % : 64 %"); // 5 : 9
    EXPECT_EQ(ui.klaenge(), (std::vector<std::string>{"Pfiff1", "ToorH", "ToorG", "Pfiff1"}));
    EXPECT_EQ(anz.protokoll.back(), "liveEnde");
    // Der Ball zieht in Zweierschritten bis an die Torlinie; nach dem Tor zurück zur Mitte.
    EXPECT_GT(anz.baelle, 60);
    EXPECT_EQ(anz.letzterBallX, 234);
    // Pausen mit Tempo 2: Bewegung 40, Minute 100 + 100, Tor 200 + 1200, Schlusspfiff 3000.
    EXPECT_GT(Genau(ui.protokoll, "Warte:40"), 60u);
    EXPECT_EQ(Genau(ui.protokoll, "Warte:200"), 2u);
    EXPECT_EQ(Genau(ui.protokoll, "Warte:1200"), 2u);
    EXPECT_EQ(ui.protokoll.back(), "Warte:3000");
}

TEST(LiveSpiel, HansDampfNimmtNurDieBewegungspausen)
{
    LiveWelt(0);
    Spielverlauf[3].X = 300;
    Spielverlauf[7].X = PlatzBreite - 10;
    Spielverlauf[7].Ereignis = -1;
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    anz.hansDampfAn = true;
    LiveSpiel(1, 2);
    EXPECT_EQ(Genau(ui.protokoll, "Warte:40"), 0u);
    EXPECT_EQ(Genau(ui.protokoll, "Warte:20"), 91u); // Tempo * 10 statt * 50 je Minute
    EXPECT_EQ(Genau(ui.protokoll, "Warte:100"), 91u);
    EXPECT_EQ(Genau(ui.protokoll, "Warte:200"), 1u); // Torpausen bleiben
    EXPECT_EQ(Genau(ui.protokoll, "Warte:1200"), 1u);
    EXPECT_EQ(Mit(anz.protokoll, "stand:").back(), "stand:1:0");
}

TEST(LiveSpiel, VorfallChanceHaengtAmEinsatz)
{
    // 1 zu (111 - Einsatz) je Minute: bei 100 etwa 91/11 = 8,3 Vorfälle je Spiel, bei -100 etwa 0,43.
    for (const int einsatz : {100, -100}) {
        LiveWelt();
        S.Manager[0].Einsatz = static_cast<int8_t>(einsatz);
        GastManager = 4;
        const Manager_ kader = S.Manager[0];
        ZufallSetzen(static_cast<uint32_t>(einsatz + 1000));
        long vorfaelle = 0;
        const int spiele = 200;
        for (int i = 0; i < spiele; ++i) {
            SkriptOberflaeche ui;
            S.Manager[0] = kader;
            GelbHeute = {};
            LiveSpiel(1, 2);
            vorfaelle += static_cast<long>(ui.anzahl("Klang:Pfiff2"));
        }
        const double schnitt = static_cast<double>(vorfaelle) / spiele;
        if (einsatz == 100) {
            EXPECT_GT(schnitt, 6.5);
            EXPECT_LT(schnitt, 10.0);
        } else {
            EXPECT_GT(schnitt, 0.2);
            EXPECT_LT(schnitt, 0.7);
        }
    }
}

TEST(Aktion, GelbRotVerletzungUndPfiff)
{
    int zahl[4] = {};
    for (uint32_t saat = 1; saat <= 600; ++saat) {
        LiveWelt();
        const int r = ErsterWurf(saat);
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        ZufallSetzen(saat);
        Aktion(0, 1);
        EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"Pfiff2"});
        EXPECT_EQ(ui.protokoll[1], "Warte:100");
        EXPECT_EQ(ui.protokoll.back(), "Warte:2000");
        EXPECT_EQ(anz.protokoll.back(), "aktionAus:1");

        // Getroffen wird ein eingesetzter Spieler; sein Name steht auf der Tafel, die anderen bleiben.
        const auto tafel = Mit(anz.protokoll, "aktion:1:");
        ASSERT_EQ(tafel.size(), 1u);
        int betroffen = 0;
        for (int i = 1; i <= 14; ++i)
            if (tafel[0] == "aktion:1:Vor" + std::to_string(i) + " Nach" + std::to_string(i)) betroffen = i;
        ASSERT_GE(betroffen, 1);
        ASSERT_LE(betroffen, 11);
        for (int i = 1; i <= 14; ++i) {
            if (i == betroffen) continue;
            const Kaderspieler_& k = S.Manager[0].Kader[i];
            EXPECT_EQ(k.GelbNational + k.RotNational + k.Verletzt + GelbHeute[0][i], 0);
            EXPECT_EQ(k.Eingesetzt, i <= 11 ? 1 : 0);
        }
        const Kaderspieler_& sp = S.Manager[0].Kader[betroffen];
        EXPECT_EQ(sp.GelbInternational + sp.RotInternational, 0); // Ligatag: nur national
        if (r < 80) {
            ++zahl[0];
            EXPECT_EQ(sp.GelbNational, 1);
            EXPECT_EQ(GelbHeute[0][betroffen], 1);
            EXPECT_EQ(sp.Eingesetzt, 1);
            EXPECT_EQ(Mit(anz.protokoll, "symbol:"), std::vector<std::string>{"symbol:0:110:8"});
        } else if (r < 90) {
            ++zahl[1];
            EXPECT_GE(sp.RotNational, 2);
            EXPECT_LE(sp.RotNational, 6);
            EXPECT_EQ(sp.Eingesetzt, 0);
            EXPECT_EQ(Mit(anz.protokoll, "symbol:"), std::vector<std::string>{"symbol:1:110:8"});
        } else if (r == 90) {
            ++zahl[2];
            EXPECT_EQ(sp.Eingesetzt, 1);
            EXPECT_TRUE(Mit(anz.protokoll, "symbol:").empty());
        } else {
            ++zahl[3];
            EXPECT_GE(sp.Verletzt, 1);
            EXPECT_LE(sp.Verletzt, 10);
            EXPECT_EQ(sp.VerletzungArt, sp.Verletzt);
            EXPECT_EQ(sp.Eingesetzt, 0);
            EXPECT_EQ(Mit(anz.protokoll, "symbol:"), std::vector<std::string>{"symbol:2:110:8"});
        }
    }
    EXPECT_GT(zahl[0], 420);
    EXPECT_GT(zahl[1], 30);
    EXPECT_GT(zahl[3], 30);
}

TEST(Aktion, ZweiteGelbeDesTagesUndVierteDerSaison)
{
    // Zweite Gelbe am selben Tag: vom Platz, obwohl die Saisonzahl unter 4 bleibt; Rot 32 Pixel daneben.
    LiveWelt();
    for (int i = 1; i <= 14; ++i) GelbHeute[0][i] = 1;
    const uint32_t gelb = SaatFuer(1, 79);
    {
        ProtokollAnzeige anz;
        ZufallSetzen(gelb);
        Aktion(0, 2);
        int vomPlatz = 0;
        for (int i = 1; i <= 11; ++i)
            if (S.Manager[0].Kader[i].Eingesetzt == 0) {
                ++vomPlatz;
                EXPECT_EQ(S.Manager[0].Kader[i].GelbNational, 1);
                EXPECT_EQ(GelbHeute[0][i], 2);
            }
        EXPECT_EQ(vomPlatz, 1);
        EXPECT_EQ(Mit(anz.protokoll, "symbol:"), (std::vector<std::string>{"symbol:1:392:8", "symbol:0:360:8"}));
    }

    // Die vierte Gelbe sperrt; mehr als 4 wird es nicht.
    for (const int vorher : {3, 4}) {
        LiveWelt();
        for (int i = 1; i <= 14; ++i) S.Manager[0].Kader[i].GelbNational = static_cast<uint8_t>(vorher);
        ZufallSetzen(gelb);
        Aktion(0, 1);
        int gesperrt = 0, vier = 0;
        for (int i = 1; i <= 11; ++i) {
            const Kaderspieler_& sp = S.Manager[0].Kader[i];
            vier += sp.GelbNational == 4;
            if (sp.Eingesetzt == 0) ++gesperrt;
        }
        EXPECT_EQ(vier, vorher == 3 ? 1 : 11);
        EXPECT_EQ(gesperrt, vorher == 3 ? 1 : 0);
    }
}

TEST(Aktion, SperreNichtVerlaengertUndInternational)
{
    // Wer schon nach Rot gesperrt ist, bekommt keine neue Sperre.
    const uint32_t rot = SaatFuer(80, 89);
    LiveWelt();
    for (int i = 1; i <= 14; ++i) S.Manager[0].Kader[i].RotNational = 3;
    ZufallSetzen(rot);
    Aktion(0, 1);
    for (int i = 1; i <= 14; ++i) {
        EXPECT_EQ(S.Manager[0].Kader[i].RotNational, 3);
        EXPECT_EQ(S.Manager[0].Kader[i].Eingesetzt, i <= 11 ? 1 : 0);
    }

    // Europapokaltage zählen international.
    for (const int wb : {2, 3, 4}) {
        LiveWelt();
        S.Spiel.Wettbewerb = wb;
        ZufallSetzen(rot);
        Aktion(0, 1);
        ZufallSetzen(SaatFuer(1, 79));
        Aktion(0, 1);
        int gelb = 0, rotGesamt = 0;
        for (int i = 1; i <= 14; ++i) {
            const Kaderspieler_& sp = S.Manager[0].Kader[i];
            EXPECT_EQ(sp.GelbNational + sp.RotNational, 0);
            gelb += sp.GelbInternational;
            rotGesamt += sp.RotInternational > 0;
        }
        EXPECT_EQ(gelb, 1);
        EXPECT_EQ(rotGesamt, 1);
    }
    // Der DFB-Pokal zählt national.
    LiveWelt();
    S.Spiel.Wettbewerb = 1;
    ZufallSetzen(rot);
    Aktion(0, 1);
    int rotNational = 0;
    for (int i = 1; i <= 14; ++i) rotNational += S.Manager[0].Kader[i].RotNational > 0;
    EXPECT_EQ(rotNational, 1);
}

TEST(Aktion, OhneEingesetzteSpielerNichts)
{
    for (const int kader : {0, 14}) {
        LiveWelt(kader);
        for (int i = 1; i <= kader; ++i) S.Manager[0].Kader[i].Eingesetzt = 0;
        const Manager_ vorher = S.Manager[0];
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        for (uint32_t saat = 1; saat <= 50; ++saat) {
            ZufallSetzen(saat);
            Aktion(0, 1);
        }
        EXPECT_TRUE(ui.protokoll.empty());
        EXPECT_TRUE(anz.protokoll.empty());
        EXPECT_EQ(std::memcmp(&vorher, &S.Manager[0], sizeof vorher), 0);
    }
}

TEST(LiveSpiel, OhneWiedergabeKeineVorfaelle)
{
    // Karten und Verletzungen entstehen nur in der Live-Ansicht, nie in der Spielberechnung.
    LiveWelt();
    for (int m = 0; m <= 1; ++m) {
        S.Manager[m].Einsatz = 100;
        Mannschaft_& v = S.Mannschaft[m + 1];
        v.Liga = 1;
        v.Platz = static_cast<uint8_t>(m + 1);
        v.Moral = 50;
        v.Verteidigung = v.Mittelfeld = v.Angriff = v.Gesamt = 50;
        v.Legende = "----------";
        S.Manager[m].Eintrittspreis = 10;
        S.Manager[m].Plaetze = 10000;
    }
    ZufallSetzen(3);
    for (int wb = 0; wb <= 4; ++wb) {
        S.Spiel.Wettbewerb = wb;
        for (int i = 0; i < 40; ++i) SpielBerechnen(1 + i % 2, 2 - i % 2, 1);
    }
    for (int m = 0; m <= 1; ++m)
        for (int i = 1; i <= 14; ++i) {
            const Kaderspieler_& sp = S.Manager[m].Kader[i];
            EXPECT_EQ(sp.GelbNational + sp.RotNational + sp.GelbInternational + sp.RotInternational, 0);
            EXPECT_EQ(sp.Verletzt, 0);
            EXPECT_EQ(sp.Eingesetzt, i <= 11 ? 1 : 0);
            EXPECT_EQ(GelbHeute[m][i], 0);
        }
}
