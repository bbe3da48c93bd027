// Gehaltsforderung, Transferliste, Trainermarkt und die Gesprächsklicks im Kader und auf dem Markt.
#include "KaderHilfe.h"

#include "core/Konto.h"
#include "core/SkriptOberflaeche.h"
#include "core/Zufall.h"
#include "squad/Kader.h"
#include "squad/Markt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

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
        S.Spieler[p].Position = std::string(1, "TVMS"[p % 4]);
    }
}

} // namespace

TEST(Markt, Gehaltsforderung)
{
    EXPECT_EQ(Gehaltsforderung(30, 80, 3), 6800); // 5600 + 1200
    EXPECT_EQ(Gehaltsforderung(32, 80, 3), 6800); // bis 32 ohne Abzug
    EXPECT_EQ(Gehaltsforderung(33, 80, 3), 6730); // 6800 * 0,99 = 6732
    EXPECT_EQ(Gehaltsforderung(33, 50, 6), 4950); // glatt bleibt glatt, kein Gleitkommarest
}

TEST(Markt, NeueTransferlisteBeiNeuanlage)
{
    bool altGesehen = false;
    int genau = 0;
    for (uint32_t saat = 1; saat <= 30; ++saat) {
        Grundstand();
        S.Spiel.ManagerHoch = 3;
        S.Neuanlage = true;
        S.Optionen[0][OptTransferKlang] = 1;
        Pool(5000);
        SkriptOberflaeche ui;
        ZufallSetzen(saat);
        const size_t n = static_cast<size_t>(Zufall(4 + 3, 11)); // vier Manager; die übergebene 12 zählt nicht
        ZufallSetzen(saat);
        NeueTransferliste(12);
        std::set<std::string> namen;
        int vorher = -1;
        for (int z = 1; z <= 11; ++z) {
            const Kaderspieler_& s = S.Transferliste[z];
            // Leere Zeilen sortieren sich ans Ende.
            const int rang = s.Transferstatus == 0 ? 4 : static_cast<int>(std::string("TVMS").find(s.Position.text()));
            EXPECT_LE(vorher, rang);
            vorher = rang;
            if (s.Transferstatus == 0) continue;
            // Über 30 je Jahr ein Konstitutionspunkt weniger, und das vor der Stärke.
            EXPECT_TRUE(s.Technik > 0 && s.Konstitution > 0 && s.Konstitution <= 60 - std::max(0, s.Alter - 30));
            altGesehen |= s.Alter > 30;
            EXPECT_EQ(s.Staerke, Runden((s.Technik + s.Konstitution) / 1.5) + s.Form);
            EXPECT_TRUE(s.Staerke > 0 && s.Wert % 1000 == 0 && s.Wert <= 200 * s.Staerke * 100 &&
                        s.Wert >= AbrundenAuf(int64_t{51} * s.Staerke * 100, 3))
                << s.Staerke << " " << s.Wert;
            EXPECT_TRUE(namen.insert(s.Vorname.text()).second);
        }
        // Selten trifft ein Zug einen eben geleerten Poolplatz, dann bleibt die Zeile leer; jeder Neue klingt.
        EXPECT_TRUE(namen.size() == n || namen.size() == n - 1) << saat;
        genau += namen.size() == n;
        EXPECT_EQ(ui.anzahl("Klang:trans"), namen.size());
        for (int p = 1; p <= 5000; ++p) EXPECT_EQ(namen.count(S.Spieler[p].Vorname.text()), 0u);
    }
    EXPECT_TRUE(altGesehen);
    EXPECT_GE(genau, 27);
}

TEST(Markt, RueckgabeZaehlerUndFreierPoolplatz)
{
    Grundstand();
    Pool(50);
    for (int z = 1; z <= 11; ++z) {
        S.Transferliste[z] = Spieler("M", 50, 25, "Alt" + std::to_string(z));
        S.Transferliste[z].Transferstatus = 1;
        S.Transferliste[z].Verhandelt = 2;
    }
    for (int p = 1; p <= 5; ++p) S.Spieler[p].Vorname = ""; // fünf freie Plätze
    ZufallSetzen(4);
    NeueTransferliste(11);
    // Fünf alte Spieler finden einen Poolplatz (und können gleich wieder gezogen werden), die übrigen
    // verlieren ihren Namen; keiner steht doppelt; der Gesprächszähler bleibt an der Zeile.
    std::multiset<std::string> namen;
    for (int p = 1; p <= 50; ++p) namen.insert(S.Spieler[p].Vorname.text());
    for (int z = 1; z <= 11; ++z) {
        namen.insert(S.Transferliste[z].Vorname.text());
        EXPECT_EQ(S.Transferliste[z].Verhandelt, 2);
    }
    namen.erase("");
    EXPECT_EQ(std::set<std::string>(namen.begin(), namen.end()).size(), namen.size());
    EXPECT_GE(std::count_if(namen.begin(), namen.end(), [](const std::string& n) { return n.starts_with("Alt"); }), 5);

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

TEST(Markt, TrainerErneuernBedingungenUndEinstellen)
{
    Grundstand();
    for (uint32_t saat = 1; saat <= 30; ++saat) {
        ZufallSetzen(saat);
        S.Trainermarkt[5] = Trainereintrag_{-1, 4711, 0, 0, {}}; // vergeben: bleibt unberührt
        ErneuereTrainer(1, 12);
        EXPECT_EQ(S.Trainermarkt[5].Preis, 4711);
        for (int t : {1, 4, 12}) {
            const Trainereintrag_& e = S.Trainermarkt[t];
            EXPECT_TRUE(e.Nummer == t && e.Preis % 1000 == 0 && std::abs(e.Preis - t * 400000) <= 250000 &&
                        std::abs(e.GehaltProSpiel - t * 2000) <= 250 && e.Stufe >= 1 && std::abs(e.Stufe - t) <= 3)
                << t << ": " << e.Preis << " " << e.GehaltProSpiel << " " << int{e.Stufe};
        }
    }
    // Liga 1 sieht alle zwölf Trainer, Liga 5 nur drei.
    for (auto [liga, anzahl] : {std::pair{1, 12}, {2, 6}, {3, 4}, {4, 3}, {5, 3}}) {
        S.Manager[0].Liga = static_cast<int8_t>(liga);
        EXPECT_EQ(AngeboteneTrainer(0), anzahl) << liga;
    }

    // g = 100: Gehalt wie angegeben (auf Zehner), Preis + 100 * 12345; g = 1: Gehalt 4321 + 99 * 43.
    S.Trainermarkt[3] = Trainereintrag_{3, 1234567, 4321, 4, {}};
    const Trainerbedingungen_ lang = TrainerBedingungen(3, 100), kurz = TrainerBedingungen(3, 1);
    EXPECT_EQ((std::vector<int>{lang.GehaltProSpiel, lang.Kostet, kurz.GehaltProSpiel, kurz.Kostet}),
              (std::vector<int>{4320, 2469060, 8570, 1246910}));

    // 50 Spiele: 1851817 auf Zehner, 4321 + 50 * 43; die Stufe gibt Bälle; das Geld wird nicht geprüft.
    SkriptOberflaeche ui;
    EXPECT_TRUE(TrainerVerpflichten(0, 3, 50));
    const Manager_& mg = S.Manager[0];
    EXPECT_EQ((std::vector<int>{mg.Trainer, mg.TrainerStufe, mg.TrainerSpiele, mg.TrainerPreis, mg.TrainerGehalt,
                                mg.Baelle, mg.Kontostand, S.Trainermarkt[3].Nummer}),
              (std::vector<int>{3, 4, 50, 1851810, 6470, 9, 1000000 - 1851810, -1}));
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"kasse"});

    // Schon ein Trainer, oder der gewählte ist vergeben: nichts ändert sich.
    EXPECT_FALSE(TrainerVerpflichten(0, 4, 10));
    EXPECT_TRUE(ui.texte().back().starts_with("Sie haben schon einen Trainer"));
    EXPECT_EQ((std::vector<int>{mg.Trainer, S.Trainermarkt[4].Nummer}), (std::vector<int>{3, 4}));
    Grundstand();
    S.Trainermarkt[3].Nummer = -1;
    EXPECT_FALSE(TrainerVerpflichten(0, 3, 10));
    EXPECT_EQ((std::vector<int>{mg.Trainer, mg.Kontostand}), (std::vector<int>{-1, 1000000}));
}

// Vertragsgespräch im Kader und Kaufgespräch auf dem Markt: der erste Klick öffnet mit einer Kopie
// in Kader[0], der zweite kostet nichts, der dritte 3 000; der Zähler endet bei 100.
TEST(Markt, GespraecheErsterKlickUndStrafe)
{
    for (bool markt : {false, true}) {
        Grundstand(markt ? "" : "S80");
        Kaderspieler_& s = markt ? S.Transferliste[4] : S.Manager[0].Kader[1];
        if (markt) s = Spieler("S", 80);
        s.Transferstatus = markt; // auf dem Markt gelistet, im Kader nicht
        const auto klick = [&] { return markt ? MarktspielerWaehlen(0, 4) : NeuerVertrag(0, 1); };
        SkriptOberflaeche ui;
        EXPECT_FALSE(MarktspielerWaehlen(0, 5)); // leere Zeile
        EXPECT_TRUE(klick());
        EXPECT_EQ(S.Manager[0].Kader[0].Vorname.text() + "/" + std::to_string(s.Verhandelt), "S80/1");
        EXPECT_FALSE(klick());
        EXPECT_EQ(S.Manager[0].Kontostand, 1000000);
        EXPECT_FALSE(klick());
        EXPECT_EQ(S.Manager[0].Kontostand, 997000);
        EXPECT_TRUE(ui.texte().back().starts_with(
            markt ? "Sie zahlen, 3.000 € Strafe wegen Täglicher Verfolgung.\r\n\r\nS80 Muster\r\nIhre Aufdringlichkeit"
                  : "Sie zahlen, 3.000 Strafe wegen Aufgringlichkeit.\r\nHerr Muster ist im moment"))
            << ui.texte().back();
        s.Verhandelt = 100;
        klick();
        EXPECT_EQ(s.Verhandelt, 100);
    }

    // Kein Gespräch mit einem gelisteten Kaderspieler, kein Kauf bei 23 Spielern: nur die Meldung.
    Grundstand("S80");
    S.Manager[0].Kader[1].Transferstatus = 1;
    S.Transferliste[4] = S.Manager[0].Kader[1];
    for (int i = 1; i < 23; ++i) Hinzu(Spieler("M", 50));
    SkriptOberflaeche ui;
    EXPECT_FALSE(NeuerVertrag(0, 1));
    EXPECT_TRUE(ui.texte().back().starts_with("Herr Muster, steht zum Verkauf auf der Tranferliste. !"));
    EXPECT_FALSE(MarktspielerWaehlen(0, 4));
    EXPECT_TRUE(ui.texte().back().starts_with("Sie haben schon 23 Spieler in Ihrem Kader"));
    EXPECT_EQ((std::vector<int>{S.Manager[0].Kader[1].Verhandelt, S.Transferliste[4].Verhandelt}),
              (std::vector<int>{0, 0}));
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000);
}
