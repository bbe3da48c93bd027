// Gehaltsforderung, Transferliste, Trainermarkt und die Klicks auf dem Transfermarkt.
#include "KaderHilfe.h"

#include "core/Funky.h"
#include "core/SkriptOberflaeche.h"
#include "squad/Kader.h"
#include "squad/Markt.h"

#include <gtest/gtest.h>

#include <set>

using namespace torvane;
using namespace kadertest;

namespace {

// Spielerpool mit belegt besetzten und frei leeren Einträgen dahinter.
void Pool(int belegt, int frei = 0)
{
    S.Spiel.SpielerHoch = belegt + frei;
    S.Spieler.laengeSetzen(belegt + frei + 1);
    for (int p = 1; p <= belegt; ++p) {
        S.Spieler[p].Vorname = "V" + std::to_string(p);
        S.Spieler[p].Nachname = "N";
        S.Spieler[p].Position = std::string(1, "TVMS"[p % 4]);
    }
}

} // namespace

TEST(Markt, Gehaltsforderung)
{
    EXPECT_EQ(Gehaltsforderung(30, 80, 3), 6800); // 5600 + 1200
    EXPECT_EQ(Gehaltsforderung(33, 80, 3), 6730); // 6800 * 0,99 = 6732
    EXPECT_EQ(Gehaltsforderung(33, 50, 6), 4950); // glatt bleibt glatt, kein Gleitkommarest
}

TEST(Markt, NeueTransferlisteZiehtGueltigeSpieler)
{
    bool altGesehen = false;
    for (uint32_t saat = 1; saat <= 40; ++saat) {
        Grundstand();
        Pool(300);
        ZufallSetzen(saat);
        NeueTransferliste(11);
        std::set<std::string> namen;
        int vorher = -1;
        for (int z = 1; z <= 11; ++z) {
            const Kaderspieler_& s = S.Transferliste[z];
            // Trifft ein Zug einen eben geleerten Poolplatz, bleibt die Zeile leer (und sortiert sich ans Ende).
            const int rang = s.Transferstatus == 0 ? 4 : static_cast<int>(std::string("TVMS").find(s.Position.text()));
            EXPECT_LE(vorher, rang);
            vorher = rang;
            if (s.Transferstatus == 0) continue;
            EXPECT_GT(s.Technik, 0);
            EXPECT_GT(s.Konstitution, 0);
            EXPECT_LE(s.Konstitution, 60 - std::max(0, s.Alter - 30)); // über 30 je Jahr ein Punkt weniger
            if (s.Alter > 30) altGesehen = true;
            EXPECT_EQ(s.Staerke, Runden((s.Technik + s.Konstitution) / 1.5) + s.Form);
            EXPECT_GT(s.Staerke, 0);
            EXPECT_EQ(s.Wert % 1000, 0);
            EXPECT_GE(s.Wert, AbrundenAuf(int64_t{51} * s.Staerke * 100, 3));
            EXPECT_LE(s.Wert, 200 * s.Staerke * 100);
            EXPECT_EQ(s.Gehalt, Gehaltsforderung(s.Alter, s.Staerke, s.Vertrag));
            EXPECT_TRUE(namen.insert(s.Vorname.text()).second);
        }
        for (int p = 1; p <= 300; ++p) EXPECT_EQ(namen.count(S.Spieler[p].Vorname.text()), 0u);
    }
    EXPECT_TRUE(altGesehen);
}

TEST(Markt, RueckgabeZaehlerUndFreierPoolplatz)
{
    Grundstand();
    Pool(50);
    for (int z = 1; z <= 11; ++z) {
        Kaderspieler_ s = Spieler("M", 50, 25, "Alt" + std::to_string(z));
        s.Transferstatus = 1;
        s.Verhandelt = 2;
        S.Transferliste[z] = s;
    }
    for (int p = 1; p <= 5; ++p) S.Spieler[p].Vorname = ""; // fünf freie Plätze
    ZufallSetzen(4);
    NeueTransferliste(11);
    // Fünf alte Spieler finden einen Poolplatz (und können gleich wieder gezogen werden),
    // die übrigen verlieren ihren Namen, wenn ihre Zeile neu besetzt wird; keiner steht doppelt.
    std::multiset<std::string> alte;
    for (int p = 1; p <= 50; ++p) alte.insert(S.Spieler[p].Vorname.text());
    for (int z = 1; z <= 11; ++z) {
        alte.insert(S.Transferliste[z].Vorname.text());
        EXPECT_EQ(S.Transferliste[z].Verhandelt, 2);
    }
    int anzahl = 0;
    for (const auto& n : alte) {
        if (n.rfind("Alt", 0) != 0) continue;
        ++anzahl;
        EXPECT_EQ(alte.count(n), 1u) << n;
    }
    EXPECT_GE(anzahl, 5);

    // Ein gezogener freier Poolplatz lässt die Zeile unverändert, ohne den Spieler zu verdoppeln.
    Grundstand();
    Pool(0, 1000);
    Kaderspieler_ zeile = Spieler("M", 60, 25, "Bleib");
    zeile.Transferstatus = 1;
    for (int z = 1; z <= 11; ++z) S.Transferliste[z] = zeile;
    ZufallSetzen(9);
    NeueTransferliste(1);
    for (int z = 1; z <= 11; ++z) EXPECT_EQ(std::memcmp(&S.Transferliste[z], &zeile, sizeof zeile), 0);
    for (int p = 1; p <= 1000; ++p) EXPECT_TRUE(S.Spieler[p].Vorname.leer());
}

TEST(Markt, AnzahlBeiNeuanlageUndKlang)
{
    int genau = 0;
    for (uint32_t saat = 1; saat <= 20; ++saat) {
        Grundstand();
        S.Spiel.ManagerHoch = 3;
        Pool(5000);
        S.Neuanlage = true;
        S.Optionen[0][OptTransferKlang] = 1;
        SkriptOberflaeche ui;
        ZufallSetzen(saat);
        const int n = Zufall(4 + 3, 11); // vier Manager; die übergebene 12 zählt nicht
        ZufallSetzen(saat);
        NeueTransferliste(12);
        int besetzt = 0;
        for (int z = 1; z <= 11; ++z) besetzt += S.Transferliste[z].Transferstatus;
        EXPECT_LE(besetzt, n);
        EXPECT_GE(besetzt, n - 1); // selten trifft ein Zug einen eben geleerten Platz
        if (besetzt == n) ++genau;
        EXPECT_EQ(ui.anzahl("Klang:trans"), static_cast<size_t>(besetzt));
    }
    EXPECT_GE(genau, 17);
}

TEST(Markt, TrainerErneuernUndBedingungen)
{
    Grundstand();
    for (uint32_t saat = 1; saat <= 30; ++saat) {
        ZufallSetzen(saat);
        S.Trainermarkt[5].Nummer = -1; // vergeben: bleibt unberührt
        S.Trainermarkt[5].Preis = 4711;
        ErneuereTrainer(1, 12);
        EXPECT_EQ(S.Trainermarkt[5].Preis, 4711);
        for (int t : {1, 4, 12}) {
            const Trainereintrag_& e = S.Trainermarkt[t];
            EXPECT_EQ(e.Nummer, t);
            EXPECT_EQ(e.Preis % 1000, 0);
            EXPECT_LE(std::abs(e.Preis - t * 400000), 250000);
            EXPECT_LE(std::abs(e.GehaltProSpiel - t * 2000), 250);
            EXPECT_GE(e.Stufe, 1);
            EXPECT_LE(std::abs(e.Stufe - t), 3);
        }
    }
    Trainereintrag_& e = S.Trainermarkt[3];
    e.Preis = 1234567;
    e.GehaltProSpiel = 4321;
    // g = 100: Gehalt wie angegeben (auf Zehner); g = 1: fast doppelt so viel.
    EXPECT_EQ(TrainerBedingungen(3, 100).GehaltProSpiel, 4320);
    EXPECT_EQ(TrainerBedingungen(3, 100).Kostet, 2469060); // 1234567 + 100 * 12345
    EXPECT_EQ(TrainerBedingungen(3, 1).GehaltProSpiel, 8570); // 4321 + 99 * 43
    EXPECT_EQ(TrainerBedingungen(3, 1).Kostet, 1246910);
    const int erwartet[6] = {0, 12, 6, 4, 3, 3};
    for (int liga = 1; liga <= 5; ++liga) {
        S.Manager[0].Liga = static_cast<int8_t>(liga);
        EXPECT_EQ(AngeboteneTrainer(0), erwartet[liga]);
    }
}

TEST(Markt, TrainerEinstellen)
{
    Grundstand();
    Trainereintrag_& e = S.Trainermarkt[3];
    e = Trainereintrag_{3, 1234567, 4321, 4, {}};
    SkriptOberflaeche ui;
    EXPECT_TRUE(TrainerVerpflichten(0, 3, 50));
    const Manager_& mg = S.Manager[0];
    EXPECT_EQ(mg.Trainer, 3);
    EXPECT_EQ(mg.TrainerStufe, 4);
    EXPECT_EQ(mg.TrainerSpiele, 50);
    EXPECT_EQ(mg.TrainerPreis, 1851810); // 1851817 auf Zehner
    EXPECT_EQ(mg.TrainerGehalt, 6470);   // 4321 + 50 * 43
    EXPECT_EQ(mg.Baelle, 9);
    EXPECT_EQ(mg.Kontostand, 1000000 - 1851810); // das Geld wird nicht geprüft
    EXPECT_EQ(e.Nummer, -1);
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"kasse"});

    S.Trainermarkt[4].Nummer = 4;
    EXPECT_FALSE(TrainerVerpflichten(0, 4, 10));
    EXPECT_EQ(ui.texte().back(), "Sie haben schon einen Trainer, kündigen Sie diesem oder \r\n"
                                 "warten Sie bis sein Vertrag abläuft !");
    EXPECT_EQ(S.Trainermarkt[4].Nummer, 4);

    // Ein vergebener Trainer kann kein zweites Mal eingestellt werden.
    Grundstand();
    S.Trainermarkt[3].Nummer = -1;
    EXPECT_FALSE(TrainerVerpflichten(0, 3, 10));
    EXPECT_EQ(S.Manager[0].Trainer, -1);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000);
}

TEST(Markt, SpielerKaufenErsterKlickStrafeUndVollerKader)
{
    Grundstand();
    Kaderspieler_ z = Spieler("S", 80, 24, "Flo");
    z.Transferstatus = 1;
    S.Transferliste[4] = z;
    SkriptOberflaeche ui;
    EXPECT_FALSE(MarktspielerWaehlen(0, 5)); // leere Zeile
    EXPECT_TRUE(MarktspielerWaehlen(0, 4));
    EXPECT_EQ(S.Transferliste[4].Verhandelt, 1);
    EXPECT_EQ(S.Manager[0].Kader[0].Vorname.text(), "Flo");

    const std::string rest = "Flo Muster\r\nIhre Aufdringlichkeit macht dem Spieler Angst, schauen Sie demnächt "
                             "wieder rein, falls er dann noch da ist .";
    EXPECT_FALSE(MarktspielerWaehlen(0, 4));
    EXPECT_EQ(ui.texte().back(), rest);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000);
    EXPECT_FALSE(MarktspielerWaehlen(0, 4)); // der dritte Klick kostet 3 000
    EXPECT_EQ(ui.texte().back(), "Sie zahlen, 3.000 € Strafe wegen Täglicher Verfolgung.\r\n\r\n" + rest);
    EXPECT_EQ(S.Manager[0].Kontostand, 997000);

    S.Transferliste[4].Verhandelt = 0;
    for (int i = 0; i < 23; ++i) Hinzu(Spieler("M", 50));
    EXPECT_FALSE(MarktspielerWaehlen(0, 4));
    EXPECT_EQ(ui.texte().back(), "Sie haben schon 23 Spieler in Ihrem Kader, damit müßte selbst Ihnen gelingen "
                                 "eine vernünftige Mannschaft aufzustellen !");
    EXPECT_EQ(S.Transferliste[4].Verhandelt, 0);
}
