// Die Spielberechnung: Zweikämpfe, Zuschauer, Buchführung von Liga und Managern.
#include "core/Fehler.h"
#include "core/Funky.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "match/Spiel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

using namespace torvane;

// Zählt Anforderungen vom Heap, solange ein Test es will.
namespace {
std::atomic<bool> gZaehlen{false};
std::atomic<long> gAnforderungen{0};
} // namespace

void* operator new(std::size_t n)
{
    if (gZaehlen) ++gAnforderungen;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Zwei gleich starke Vereine der Liga liga auf den Indizes 1 und 2, dazu Platz für Manager.
void ZweiVereine(int liga = 1, int manager = 0)
{
    S = Spielstand{};
    S.Spiel.MannschaftHoch = 2;
    S.Spiel.DeutscheHoch = 2;
    S.Spiel.Spieltag = 1;
    S.Spiel.ManagerHoch = manager > 0 ? manager - 1 : 0;
    S.Mannschaft.laengeSetzen(3);
    for (int i = 1; i <= 2; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Liga = static_cast<uint8_t>(liga);
        v.Platz = static_cast<uint8_t>(i);
        v.Moral = 50;
        v.Verteidigung = v.Mittelfeld = v.Angriff = v.Gesamt = 60;
        v.Name = i == 1 ? "Heimverein" : "Gastverein";
        v.Legende = "----------";
    }
    for (int m = 0; m < manager; ++m) {
        Manager_& mg = S.Manager[m];
        mg.Name = m == 0 ? "Anna" : "Bernd";
        mg.Vereinsname.rohSetzen(S.Mannschaft[m + 1].Name.roh());
        mg.Liga = static_cast<int8_t>(liga);
        mg.Platz = static_cast<int8_t>(m + 1);
        mg.Eintrittspreis = 20;
        mg.Plaetze = 30000;
        mg.Komfortpunkte = 20;
        mg.DauerkartenVerkauft = 2000;
        mg.Pokalzuschlag = 10;
        mg.Kontostand = 1000000;
        mg.Managerpunkte = 50;
        mg.Werbeanfragen = 5;
        mg.KaderAnzahl = 14;
        for (int i = 1; i <= 14; ++i) {
            Kaderspieler_& sp = mg.Kader[i];
            sp.Eingesetzt = i <= 11 ? 1 : 0;
            sp.Technik = 60;
            sp.Konstitution = 40;
            sp.Alter = 25;
        }
    }
}

} // namespace

TEST(Spiel, GleichstandGewinntDerVerteidiger)
{
    // Minute 1 ist immer der Zweikampf im Mittelfeld (Zone 3) zwischen gleichen Wertungen.
    // Gewönne der Angreifer den Gleichstand, läge seine Quote über der Hälfte.
    ZweiVereine();
    const Mannschaft_ a = S.Mannschaft[1], b = S.Mannschaft[2];
    ZufallSetzen(4711);
    int vorwaerts = 0;
    const int n = 40000;
    for (int i = 0; i < n; ++i) {
        S.Mannschaft[1] = a;
        S.Mannschaft[2] = b;
        SpielBerechnen(1, 2, 1);
        if (Spielverlauf[1].X != 0) ++vorwaerts;
    }
    const double quote = static_cast<double>(vorwaerts) / n;
    EXPECT_LT(quote, 0.5);
    EXPECT_GT(quote, 0.47); // 50 / 102 bei Wertung 50 gegen 50
}

TEST(Spiel, BallspurUndToreStimmenUeberein)
{
    ZweiVereine(2);
    ZufallSetzen(99);
    for (int runde = 0; runde < 200; ++runde) {
        SpielBerechnen(1, 2, 3);
        int heim = 0, gast = 0;
        EXPECT_EQ(Spielverlauf[0].X, 0);
        EXPECT_EQ(Spielverlauf[0].Ereignis, 0);
        for (int m = 1; m <= 90; ++m) {
            const Spielminute_& sm = Spielverlauf[m];
            EXPECT_EQ(sm.Y, PlatzHoehe / 2 - 15);
            if (sm.Ereignis == -1) {
                ++heim;
                EXPECT_EQ(sm.X, PlatzBreite - 10);
            }
            if (sm.Ereignis == 1) {
                ++gast;
                EXPECT_EQ(sm.X, -22);
            }
        }
        EXPECT_EQ(heim, ToreHeim);
        EXPECT_EQ(gast, ToreGast);
        MannschaftenPruefen(1, 2);
    }

    // Gleiche Saat, gleiches Spiel.
    ZweiVereine(2);
    ZufallSetzen(5);
    SpielBerechnen(1, 2, 1);
    const auto spur = Spielverlauf;
    const int th = ToreHeim, tg = ToreGast, z = Zuschauer;
    ZweiVereine(2);
    ZufallSetzen(5);
    SpielBerechnen(1, 2, 1);
    EXPECT_EQ(std::memcmp(&spur, &Spielverlauf, sizeof spur), 0);
    EXPECT_EQ(th, ToreHeim);
    EXPECT_EQ(tg, ToreGast);
    EXPECT_EQ(z, Zuschauer);
}

TEST(Spiel, ZweiComputervereineBuchenNichtsBeiManagern)
{
    ZweiVereine(3, 1);
    // Der Manager führt einen dritten Verein; 1 und 2 sind Computervereine.
    S.Manager[0].Vereinsname = "Woanders";
    const auto manager = S.Manager;
    S.Spiel.Wettbewerb = 2;
    ZufallSetzen(3);
    for (int i = 0; i < 50; ++i) {
        SpielBerechnen(1, 2, 1);
        EXPECT_EQ(HeimManager, 4);
        EXPECT_EQ(GastManager, 4);
        // Zufallsstadion der Liga 3 (k = 2): höchstens 2 * 2500 + 2 * 15000 Plätze.
        EXPECT_GE(Zuschauer, 0);
        EXPECT_LE(Zuschauer, 35000);
    }
    EXPECT_EQ(std::memcmp(&manager, &S.Manager, sizeof manager), 0);
}

TEST(Spiel, ZweiManagervereineWerdenJeVonIhrerSeiteGebucht)
{
    // Pokalspiel: Eintritt nur für den Heimmanager, Gästeanteil nur für den Gastmanager.
    ZweiVereine(2, 2);
    S.Spiel.Wettbewerb = 2;
    S.Mannschaft[1].UefaRunde = "A1B-1C0D0";
    S.Mannschaft[2].UefaRunde = "A-1B-1C0D0";
    ZufallSetzen(21);
    SpielBerechnen(1, 2, 1);
    ASSERT_EQ(HeimManager, 0);
    ASSERT_EQ(GastManager, 1);
    const Manager_& h = S.Manager[0];
    const Manager_& g = S.Manager[1];
    EXPECT_EQ(h.Kontostand, 1000000 + (Zuschauer - 2000) * 20);
    const int pokalpreis = 22; // 20 * 1,1
    EXPECT_EQ(g.Kontostand, 1000000 + Zuschauer / 2 * pokalpreis);
    EXPECT_EQ(h.HeimSpiele, 1);
    EXPECT_EQ(h.HeimspieleSaison, 1);
    EXPECT_EQ(h.AuswaertsSpiele, 0);
    EXPECT_EQ(h.ZuschauerSaison, Zuschauer);
    EXPECT_EQ(h.ZuschauerLetzte, Zuschauer);
    EXPECT_EQ(g.AuswaertsSpiele, 1);
    EXPECT_EQ(g.HeimSpiele, 0);
    EXPECT_EQ(g.ZuschauerSaison, 0);
    EXPECT_EQ(h.SpieleGespielt, 1);
    EXPECT_EQ(g.SpieleGespielt, 1);
    // Sieg, Remis oder Niederlage je von der eigenen Seite, dazu der Uefa-Bonus (+1,0 / +0,3).
    if (ToreHeim > ToreGast) {
        EXPECT_EQ(h.HeimSiege, 1);
        EXPECT_EQ(g.AuswaertsSiege, 0);
        EXPECT_FLOAT_EQ(h.Werbeanfragen, 5 + 0.2f + 1.0f);
        EXPECT_FLOAT_EQ(g.Werbeanfragen, 5 - 0.1f + 1.0f);
        EXPECT_FLOAT_EQ(h.Managerpunkte, 50 + 0.1f + 0.3f);
        EXPECT_FLOAT_EQ(g.Managerpunkte, 50 - 0.2f + 0.3f);
    } else if (ToreHeim < ToreGast) {
        EXPECT_EQ(g.AuswaertsSiege, 1);
        EXPECT_EQ(h.HeimSiege, 0);
        EXPECT_FLOAT_EQ(g.Werbeanfragen, 5 + 0.2f + 1.0f);
        EXPECT_FLOAT_EQ(h.Werbeanfragen, 5 - 0.1f + 1.0f);
    } else {
        EXPECT_EQ(h.Remis, 1);
        EXPECT_EQ(g.Remis, 1);
        EXPECT_FLOAT_EQ(h.Werbeanfragen, 6.0f);
    }

    // Ligaspiel: der Gast bekommt keinen Anteil.
    ZweiVereine(2, 2);
    ZufallSetzen(22);
    SpielBerechnen(1, 2, 1);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 + (Zuschauer - 2000) * 20);
    EXPECT_EQ(S.Manager[1].Kontostand, 1000000);
}

TEST(Spiel, KaderNachDemSpiel)
{
    ZweiVereine(1, 1);
    S.Manager[0].Kader[12].Verletzt = 3;
    ZufallSetzen(8);
    SpielBerechnen(1, 2, 1);
    const Manager_& mg = S.Manager[0];
    for (int i = 1; i <= 14; ++i) {
        const Kaderspieler_& sp = mg.Kader[i];
        EXPECT_GE(sp.Form, -2);
        EXPECT_LE(sp.Form, 2);
        if (i <= 11) {
            // Eingesetzt: Technik je nach Ergebnis, Konstitution sinkt eher.
            EXPECT_GE(sp.Technik, 58);
            EXPECT_LE(sp.Technik, 62);
            EXPECT_GE(sp.Konstitution, 37);
            EXPECT_LE(sp.Konstitution, 41);
        } else {
            EXPECT_EQ(sp.Technik, 60);
            if (i == 12) {
                EXPECT_EQ(sp.Konstitution, 40); // verletzt: nichts
            }
        }
    }
}

TEST(Spiel, MoralNachPlatzabstand)
{
    // Heimsieg gegen einen 17 Plätze schlechteren: 18 + 1 - 18 = 1; umgekehrt 18 + 18 - 1 = 35.
    for (int fall = 0; fall < 2; ++fall) {
        bool gesehen = false;
        for (uint32_t saat = 1; saat < 200 && !gesehen; ++saat) {
            ZweiVereine(1);
            S.Mannschaft[1].Platz = fall == 0 ? 1 : 18;
            S.Mannschaft[2].Platz = fall == 0 ? 18 : 1;
            S.Mannschaft[1].Verteidigung = S.Mannschaft[1].Mittelfeld = S.Mannschaft[1].Angriff = 100;
            ZufallSetzen(saat);
            SpielBerechnen(1, 2, 1);
            if (ToreHeim <= ToreGast) continue;
            gesehen = true;
            const int d = fall == 0 ? 1 : 35;
            EXPECT_EQ(S.Mannschaft[1].Moral, 50 + d);
            EXPECT_EQ(S.Mannschaft[2].Moral, 50 - d);
        }
        EXPECT_TRUE(gesehen);
    }
    // Remis: jeder bekommt seinen Platz minus den des anderen.
    bool remis = false;
    for (uint32_t saat = 1; saat < 500 && !remis; ++saat) {
        ZweiVereine(1);
        S.Mannschaft[1].Platz = 3;
        S.Mannschaft[2].Platz = 10;
        ZufallSetzen(saat);
        SpielBerechnen(1, 2, 1);
        if (ToreHeim != ToreGast) continue;
        remis = true;
        EXPECT_EQ(S.Mannschaft[1].Moral, 50 - 7);
        EXPECT_EQ(S.Mannschaft[2].Moral, 50 + 7);
    }
    EXPECT_TRUE(remis);
}

TEST(Spiel, ZuschauerHoechstensPlaetzeOhneDauerkartenNieNegativ)
{
    ZweiVereine(1, 1);
    Manager_& mg = S.Manager[0];
    mg.Plaetze = 5000;
    mg.DauerkartenVerkauft = 1000;
    mg.Komfortpunkte = 100;
    S.Mannschaft[1].Moral = 100;
    ZufallSetzen(1);
    SpielBerechnen(1, 2, 1);
    EXPECT_EQ(Zuschauer, 4000);
    EXPECT_EQ(mg.Kontostand, 1000000 + 3000 * 20);

    // Mehr Dauerkarten als Plätze: keine zahlenden Zuschauer, die Kasse zahlt die Differenz.
    ZweiVereine(1, 1);
    S.Manager[0].Plaetze = 500;
    S.Manager[0].DauerkartenVerkauft = 800;
    ZufallSetzen(1);
    SpielBerechnen(1, 2, 1);
    EXPECT_EQ(Zuschauer, 0);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 - 800 * 20);
}

TEST(Spiel, DfbPokalEndetNieUnentschieden)
{
    ZweiVereine(2);
    S.Spiel.Wettbewerb = 1;
    const Mannschaft_ a = S.Mannschaft[1], b = S.Mannschaft[2];
    ZufallSetzen(12);
    int verlaengert = 0;
    for (int i = 0; i < 300; ++i) {
        S.Mannschaft[1] = a;
        S.Mannschaft[2] = b;
        SpielBerechnen(1, 2, 1);
        EXPECT_NE(ToreHeim, ToreGast);
        int inSpur = 0;
        for (int m = 1; m <= 90; ++m) inSpur += Spielverlauf[m].Ereignis != 0;
        // Wiederholte 90 Minuten zählen ihre Tore dazu; die Spur zeigt nur den letzten Durchgang.
        if (inSpur < ToreHeim + ToreGast) ++verlaengert;
        EXPECT_LE(inSpur, ToreHeim + ToreGast);
    }
    EXPECT_GT(verlaengert, 0);
    // Nichts Ligamäßiges im Pokal.
    EXPECT_EQ(S.Mannschaft[1].Punkte, 0);
    EXPECT_EQ(S.Mannschaft[1].Legende, "----------");
}

TEST(Spiel, EuropapokalDarfUnentschiedenEnden)
{
    ZweiVereine(1);
    S.Spiel.Wettbewerb = 4;
    const Mannschaft_ a = S.Mannschaft[1], b = S.Mannschaft[2];
    ZufallSetzen(13);
    int remis = 0;
    for (int i = 0; i < 200; ++i) {
        S.Mannschaft[1] = a;
        S.Mannschaft[2] = b;
        SpielBerechnen(1, 2, 1);
        remis += ToreHeim == ToreGast;
        EXPECT_EQ(S.Mannschaft[1].Moral, 50);
        if (ToreHeim > ToreGast) {
            EXPECT_FLOAT_EQ(S.Mannschaft[1].EwigePunkte, 6.0f);
        } else if (ToreHeim == ToreGast) {
            EXPECT_FLOAT_EQ(S.Mannschaft[1].EwigePunkte, 3.0f);
            EXPECT_FLOAT_EQ(S.Mannschaft[2].EwigePunkte, 4.0f);
        } else {
            EXPECT_FLOAT_EQ(S.Mannschaft[2].EwigePunkte, 9.0f);
        }
    }
    EXPECT_GT(remis, 0);
}

TEST(Spiel, LigabuchfuehrungErgebnistextUndEwigePunkte)
{
    // Liga 4: F = 1/4; ein Remis bringt Heim 0,125 und Gast 0,25/1,5 = 0,1667 -> 0,167.
    bool remis = false, heimsieg = false;
    for (uint32_t saat = 1; saat < 300 && !(remis && heimsieg); ++saat) {
        ZweiVereine(4);
        S.Spiel.Spieltag = 7;
        ZufallSetzen(saat);
        SpielBerechnen(1, 2, 5);
        const Mannschaft_& h = S.Mannschaft[1];
        const Mannschaft_& g = S.Mannschaft[2];
        char erwartet[8];
        std::snprintf(erwartet, sizeof erwartet, "%2d:%-2d", ToreHeim, ToreGast);
        EXPECT_EQ(S.Ergebnisse[4][7][5].text(), erwartet);
        EXPECT_EQ(h.Tore, ToreHeim);
        EXPECT_EQ(h.Gegentore, ToreGast);
        EXPECT_EQ(g.Tore, ToreGast);
        EXPECT_EQ(g.Gegentore, ToreHeim);
        EXPECT_EQ(h.Legende.text().size(), 10u);
        if (ToreHeim == ToreGast && !remis) {
            remis = true;
            EXPECT_EQ(TotoErgebnis[5], 0);
            EXPECT_EQ(h.Legende, "---------U");
            EXPECT_EQ(g.Legende, "---------U");
            EXPECT_EQ(h.Punkte, 1);
            EXPECT_EQ(g.Unentschieden, 1);
            EXPECT_FLOAT_EQ(h.EwigePunkte, 0.125f);
            EXPECT_FLOAT_EQ(g.EwigePunkte, 0.167f);
        }
        if (ToreHeim > ToreGast && !heimsieg) {
            heimsieg = true;
            EXPECT_EQ(TotoErgebnis[5], 1);
            EXPECT_EQ(h.Legende, "---------S");
            EXPECT_EQ(g.Legende, "---------V");
            EXPECT_EQ(h.Punkte, 3);
            EXPECT_EQ(h.Siege, 1);
            EXPECT_EQ(g.Niederlagen, 1);
            EXPECT_FLOAT_EQ(h.EwigePunkte, 0.25f);
            EXPECT_FLOAT_EQ(g.EwigePunkte, 0.0f);
        }
    }
    EXPECT_TRUE(remis && heimsieg);

    // Der Ergebnistext: 2 und 1 Tore ergeben " 2:1 ".
    for (uint32_t saat = 1; saat < 3000; ++saat) {
        ZweiVereine(4);
        ZufallSetzen(saat);
        SpielBerechnen(1, 2, 1);
        if (ToreHeim == 2 && ToreGast == 1) {
            EXPECT_EQ(S.Ergebnisse[4][1][1].text(), " 2:1 ");
            return;
        }
    }
    ADD_FAILURE() << "kein 2:1 gefunden";
}

TEST(Spiel, MannschaftenPruefenKlemmtUndRechnetGesamt)
{
    ZweiVereine();
    Mannschaft_& v = S.Mannschaft[1];
    v.Moral = 130;
    v.Verteidigung = 112;
    v.Mittelfeld = 0;
    v.Angriff = 50;
    Mannschaft_& w = S.Mannschaft[2];
    w.Moral = -5;
    w.Verteidigung = 105;
    w.Mittelfeld = 106;
    w.Angriff = 107;
    MannschaftenPruefen(1, 2);
    EXPECT_EQ(v.Moral, 100);
    EXPECT_EQ(v.Verteidigung, 111); // die Obergrenze ist 111, nicht 100
    EXPECT_EQ(v.Mittelfeld, 1);
    EXPECT_EQ(v.Gesamt, 54);         // (111 + 1 + 50) / 3
    EXPECT_EQ(w.Moral, 1);
    EXPECT_EQ(w.Gesamt, 106);
}

TEST(Spiel, LeereElfGegenLeereElfStuerztNicht)
{
    // Zwei Managervereine ohne eingesetzte Spieler: alle Linien 0.
    ZweiVereine(1, 2);
    for (int i = 1; i <= 2; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Verteidigung = v.Mittelfeld = v.Angriff = v.Gesamt = 0;
        v.Moral = 1;
        v.Platz = 18;
    }
    ZufallSetzen(2);
    EXPECT_NO_THROW(SpielBerechnen(1, 2, 1));
}

TEST(Spiel, KeineHeapAnforderungJeSpiel)
{
    ZweiVereine(3, 2);
    S.Spiel.Wettbewerb = 0;
    ZufallSetzen(17);
    gAnforderungen = 0;
    gZaehlen = true;
    for (int wb = 0; wb <= 4; ++wb) {
        S.Spiel.Wettbewerb = wb;
        for (int i = 0; i < 20; ++i) {
            SpielBerechnen(1, 2, 1);
            SpielBerechnen(2, 1, 2);
            MannschaftenPruefen(1, 2);
        }
    }
    gZaehlen = false;
    EXPECT_EQ(gAnforderungen.load(), 0);
}
