// Stadion: Komfort und Plätze kaufen und verkaufen mit ihren Zugaben und dem Glückstag,
// die Preisräder, die Dauerkarten und die Attraktionen.
#include "core/Konto.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "finance/Stadion.h"
#include "finance/Vermoegen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <set>
#include <tuple>

using namespace torvane;

namespace {

Manager_& Stadion(int liga, int32_t konto)
{
    S = Spielstand{};
    Manager_& mg = S.Manager[0];
    mg.Liga = static_cast<int8_t>(liga);
    mg.Kontostand = konto;
    mg.Eintrittspreis = 10;
    mg.Dauerkartenpreis = 150;
    mg.Pokalzuschlag = 10;
    return mg;
}

// Eine Saat, deren erster Zufall(1, 10) den Glückstag bringt (oder gerade nicht).
uint32_t Saat(bool glueck)
{
    for (uint32_t s = 1;; ++s) {
        ZufallSetzen(s);
        if ((Zufall(1, 10) == 1) == glueck) {
            ZufallSetzen(s);
            return s;
        }
    }
}

} // namespace

// Komfort und Plätze: dieselbe Form, andere Grenzen, Preise und Zugaben.
TEST(Stadion, KaufenBisZurGrenzeMitZugabe)
{
    struct Fall {
        bool komfort;
        int liga;
        int32_t konto, bestand;
        int n;
        bool ok;
        int32_t bestandDanach, kontoDanach;
        const char* text; // "": keine Meldung
    };
    const Fall faelle[] = {
        // Oberliga: 10 Punkte zu 100 000, einer umsonst; 10 000 Plätze zu 250, ein Zehntel zurück.
        {true, 4, 5000000, 50, 10, true, 61, 4000000, "He, ab 10 gibt´s einen Umsonst !"},
        {false, 4, 3000000, 5000, 10000, true, 15000, 750000, "einen BONUS über\r\n250.000 €."},
        // Genau bis zur Grenze: ohne Zugabe; einer mehr ist zu viel.
        {true, 4, 1000000, 90, 10, true, 100, 0, ""},
        {false, 4, 2500000, 90000, 10000, true, 100000, 0, ""},
        {true, 4, 1000000, 100, 1, false, 100, 1000000, "Maximum erreicht."},
        {false, 4, 1000000, 100000, 1, false, 100000, 1000000, "nicht in Mexico"},
        // Bundesliga: 400 000 je Punkt, 1 000 je Platz; genau passend geht.
        {true, 1, 799999, 5, 2, false, 5, 799999, "Du hast nix auf der Tasche !"},
        {true, 1, 800000, 5, 2, true, 7, 0, ""},
        {false, 1, 999, 0, 1, false, 0, 999, "Konto überprüfen !!!"},
    };
    for (const Fall& f : faelle) {
        SkriptOberflaeche ui;
        Manager_& mg = Stadion(f.liga, f.konto);
        int32_t& bestand = f.komfort ? mg.Komfortpunkte : mg.Plaetze;
        bestand = f.bestand;
        EXPECT_EQ(f.komfort ? KomfortKaufen(0, f.n) : PlaetzeKaufen(0, f.n), f.ok) << f.bestand;
        EXPECT_EQ((std::tuple{bestand, mg.Kontostand}), (std::tuple{f.bestandDanach, f.kontoDanach})) << f.bestand;
        EXPECT_EQ(ui.texte().size(), *f.text ? 1u : 0u) << f.bestand;
        if (*f.text) {
            EXPECT_NE(ui.texte()[0].find(f.text), std::string::npos) << ui.texte()[0];
        }
    }

    // Abgebrochenes Zahlenrad (0) tut nichts, auch bei leerem Konto nicht.
    SkriptOberflaeche ui;
    Stadion(4, 0);
    ui.antworte("0");
    EXPECT_FALSE(KomfortKaufenFragen(0));
    EXPECT_EQ(ui.protokoll, (std::vector<std::string>{"Klang:rechner", "Zahl:Wieviele Komfortpunkte zulegen ?",
                                                      "Antwort:0"}));
}

// Verkauft wird zum halben Preis; ab 10 (10 000) kommt ein Teil zurück, am Glückstag alles, das Geld bleibt.
TEST(Stadion, VerkaufenMitZugabeUndGlueckstag)
{
    struct Fall {
        bool komfort, glueck;
        int32_t bestand, imVerkauf, verkauft;
        int n;
        bool ok;
        int32_t bestandDanach, imVerkaufDanach, kontoDanach;
        const char* text; // in der letzten Meldung; "": keine
    };
    const Fall faelle[] = {
        {true, false, 30, 0, 0, 10, true, 21, 0, 500000, "He, ab 10 gibt´s 1 Umsonst !"},
        {true, true, 30, 0, 0, 10, true, 30, 0, 500000, "Der Stadionkompfort bleibt Dir erhalten."},
        {true, true, 6, 0, 0, 3, true, 6, 0, 150000, "GLÜCKSTAG"},
        // Alles verkaufen lässt genau einen Punkt; mit einem oder keinem wird nichts verkauft.
        {true, false, 8, 0, 0, 8, true, 1, 0, 7 * 50000, "Einen sollten wir schon lassen !"},
        {true, true, 1, 0, 0, 5, false, 1, 0, 0, "Einen sollten wir schon lassen !"},
        {true, true, 0, 0, 0, 5, false, 0, 0, 0, "Einen sollten wir schon lassen !"},
        {false, false, 50000, 0, 0, 20000, true, 31000, 0, 20000 * 125, "He, ab 10.000 gibt´s 1.000 Umsonst !"},
        {false, true, 50000, 0, 0, 20000, true, 50000, 0, 20000 * 125, "GLÜCKSTAG"},
        // Mehr als da ist: alle; Dauerkarten im Verkauf folgen nach unten, verkaufte behalten ihren Platz.
        {false, false, 3000, 2000, 0, 5000, true, 0, 0, 3000 * 125, ""},
        {false, false, 10000, 8000, 6000, 9000, true, 6000, 6000, 4000 * 125, "höchstens 4.000 Plätze"},
        {false, false, 6000, 6000, 6000, 1, false, 6000, 6000, 0, "höchstens 0 Plätze"},
    };
    for (const Fall& f : faelle) {
        SkriptOberflaeche ui;
        Manager_& mg = Stadion(4, 0);
        int32_t& bestand = f.komfort ? mg.Komfortpunkte : mg.Plaetze;
        bestand = f.bestand;
        mg.DauerkartenImVerkauf = f.imVerkauf;
        mg.DauerkartenVerkauft = f.verkauft;
        const uint32_t saat = Saat(f.glueck);
        EXPECT_EQ(f.komfort ? KomfortVerkaufen(0, f.n) : PlaetzeVerschrotten(0, f.n), f.ok) << f.bestand;
        EXPECT_EQ((std::tuple{bestand, mg.DauerkartenImVerkauf, mg.Kontostand}),
                  (std::tuple{f.bestandDanach, f.imVerkaufDanach, f.kontoDanach}))
            << f.bestand << " " << f.n;
        if (!f.ok) {
            EXPECT_EQ(ZufallSaat(), saat);
        }
        if (*f.text) {
            ASSERT_FALSE(ui.texte().empty());
            EXPECT_NE(ui.texte().back().find(f.text), std::string::npos) << ui.texte().back();
        } else {
            EXPECT_TRUE(ui.texte().empty());
        }
    }
}

TEST(Stadion, PreisraederUndDauerkarten)
{
    SkriptOberflaeche ui;
    Manager_& mg = Stadion(3, 0);
    mg.Eintrittspreis = 100;
    EXPECT_FALSE(EintrittspreisAendern(0, true));
    EXPECT_TRUE(EintrittspreisAendern(0, false));
    EXPECT_EQ(mg.Eintrittspreis, 99);
    mg.Eintrittspreis = 1;
    EXPECT_FALSE(EintrittspreisAendern(0, false));
    EXPECT_EQ(mg.Eintrittspreis, 1);
    mg.Dauerkartenpreis = 995;
    EXPECT_TRUE(DauerkartenpreisAendern(0, true));
    EXPECT_EQ(mg.Dauerkartenpreis, 1000);
    EXPECT_FALSE(DauerkartenpreisAendern(0, true));
    mg.Dauerkartenpreis = 10;
    EXPECT_TRUE(DauerkartenpreisAendern(0, false));
    EXPECT_FALSE(DauerkartenpreisAendern(0, false));
    EXPECT_EQ(mg.Dauerkartenpreis, 5);
    mg.Pokalzuschlag = 2;
    EXPECT_TRUE(PokalzuschlagAendern(0, false));
    EXPECT_FALSE(PokalzuschlagAendern(0, false));
    EXPECT_EQ(mg.Pokalzuschlag, 1);
    mg.Pokalzuschlag = 100;
    EXPECT_FALSE(PokalzuschlagAendern(0, true));

    // Nie mehr Dauerkarten im Verkauf als Plätze, nie weniger als verkauft.
    mg.Plaetze = 5000;
    mg.DauerkartenImVerkauf = 1000;
    mg.DauerkartenVerkauft = 600;
    EXPECT_TRUE(DauerkartenDazu(0, 4000));
    EXPECT_FALSE(DauerkartenDazu(0, 1));
    EXPECT_EQ(mg.DauerkartenImVerkauf, 5000);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Es können nicht mehr Dauerkarten wie Plätze\r\n"
                                                   "in den Verkauf gebracht werden !"});
    ui.leeren();
    EXPECT_FALSE(DauerkartenEntnehmen(0, 4401));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Es können keine Dauerkarten aus dem Verkauf genommen werden,\r\n"
                                                   "die schon Verkauft wurden.\r\nMax. können 4400 Dauerkarten aus "
                                                   "dem Verkauf genommen werden !"});
    EXPECT_TRUE(DauerkartenEntnehmen(0, 4400));
    EXPECT_EQ(mg.DauerkartenImVerkauf, 600);
}

TEST(Stadion, KostenUndAttraktionen)
{
    SkriptOberflaeche ui;
    // Stadionkosten: halbe Plätze zur geraden Zahl gerundet, 500 je Komfortpunkt.
    Manager_& mg = Stadion(4, 0);
    mg.Plaetze = 12001;
    BerechneVermoegen(0);
    EXPECT_EQ(mg.Stadionkosten, 6000);
    mg.Plaetze = 12003;
    mg.Komfortpunkte = 3;
    BerechneVermoegen(0);
    EXPECT_EQ(mg.Stadionkosten, 6002 + 1500);

    // trunc(36 / (100 / K)).
    EXPECT_EQ(AttraktionHoechste(0), -1);
    EXPECT_EQ(AttraktionHoechste(1), 0);
    EXPECT_EQ(AttraktionHoechste(3), 1);
    EXPECT_EQ(AttraktionHoechste(10), 3);
    EXPECT_EQ(AttraktionHoechste(50), 18);
    EXPECT_EQ(AttraktionHoechste(100), 36);
    EXPECT_EQ(Attraktionen[36], std::string("Hilferufe aus dem Jenseits !?!? Hä?"));

    // Der Lauf: 0, 1, ... bis zur höchsten, dann wieder 0; sinkt der Komfort, nie darüber hinaus.
    EXPECT_EQ(AttraktionNaechste(-1, 10), 0);
    EXPECT_EQ(AttraktionNaechste(2, 10), 3);
    EXPECT_EQ(AttraktionNaechste(3, 10), 0);
    EXPECT_EQ(AttraktionNaechste(30, 10), 0);
    EXPECT_EQ(AttraktionNaechste(5, 0), -1);

    // Überblendung: jede der 32 x 32 Zellen genau einmal.
    ZufallSetzen(7);
    const auto folge = UeberblendReihenfolge();
    ASSERT_EQ(folge.size(), 1024u);
    std::set<std::pair<int, int>> zellen(folge.begin(), folge.end());
    EXPECT_EQ(zellen.size(), 1024u);
    EXPECT_EQ(*zellen.begin(), std::make_pair(0, 0));
    EXPECT_EQ(*zellen.rbegin(), std::make_pair(31, 31));
}

// Ein Erlös, den das Konto nicht mehr fasst: der Verkauf wird abgelehnt, Punkte, Plätze und Geld
// bleiben, wie sie waren; ein Euro weniger auf dem Konto, und er geht ganz durch.
TEST(Stadion, VerkaufAmKontolimitGanzOderGarNicht)
{
    SkriptOberflaeche ui;
    struct Fall {
        bool komfort;
        int32_t erloes;
    };
    for (const Fall f : {Fall{true, 10 * 50000}, Fall{false, 20000 * 125}}) {
        Manager_& mg = Stadion(4, std::numeric_limits<int32_t>::max() - f.erloes + 1);
        mg.Komfortpunkte = 30;
        mg.Plaetze = 50000;
        Saat(false);
        const bool ok = f.komfort ? KomfortVerkaufen(0, 10) : PlaetzeVerschrotten(0, 20000);
        EXPECT_FALSE(ok);
        EXPECT_EQ(ui.texte().back(), BetragZuGrossText);
        EXPECT_EQ((std::tuple{mg.Komfortpunkte, mg.Plaetze, mg.Kontostand}),
                  (std::tuple{30, 50000, std::numeric_limits<int32_t>::max() - f.erloes + 1}));

        mg.Kontostand -= 1;
        Saat(false);
        EXPECT_TRUE(f.komfort ? KomfortVerkaufen(0, 10) : PlaetzeVerschrotten(0, 20000));
        EXPECT_EQ(mg.Kontostand, std::numeric_limits<int32_t>::max());
        EXPECT_EQ(f.komfort ? mg.Komfortpunkte : mg.Plaetze, f.komfort ? 21 : 31000);
    }
}

// Die Prüfung allein ist ein Probelauf: sie zeigt nichts, zieht keinen Zufall und ändert nichts;
// ein Verkauf plant beide Ausgänge des Glückstags, eine Ablehnung trägt ihre Texte.
TEST(Stadion, PruefungIstProbelauf)
{
    SkriptOberflaeche ui;
    struct Fall {
        const char* name;
        Stadionpruefung (*pruefen)(int);
        bool plan;
        int32_t komfort, plaetze, komfortGlueck, plaetzeGlueck; // geplante Werte
        int64_t buchung;
        size_t texte;
    };
    const Fall faelle[] = {
        {"Komfort verkaufen", [](int m) { return KomfortVerkaufenPruefen(m, 10); }, true, 21, 50000, 30, 50000, 500000, 1},
        {"Plätze verschrotten", [](int m) { return PlaetzeVerschrottenPruefen(m, 20000); }, true, 30, 31000, 30, 50000,
         2500000, 1},
        {"alle Punkte verkaufen", [](int m) { return KomfortVerkaufenPruefen(m, 40); }, true, 2, 50000, 30, 50000,
         29 * 50000, 2},
        {"Komfort über 100", [](int m) { return KomfortKaufenPruefen(m, 71); }, false, 0, 0, 0, 0, 0, 1},
        {"Plätze ohne Geld", [](int m) { return PlaetzeKaufenPruefen(m, 50001); }, false, 0, 0, 0, 0, 0, 1},
        {"Preis schon oben", [](int m) { return EintrittspreisSetzenPruefen(m, 100); }, false, 0, 0, 0, 0, 0, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Manager_& mg = Stadion(4, 10000000);
        mg.Komfortpunkte = 30;
        mg.Plaetze = 50000;
        mg.Eintrittspreis = 100;
        ui.leeren();
        ZufallSetzen(5);
        const Spielstand vorher = S;
        const Stadionpruefung p = f.pruefen(0);
        const int naechster = Zufall(1, 1000000);
        ZufallSetzen(5);
        EXPECT_EQ(naechster, Zufall(1, 1000000));
        EXPECT_TRUE(ui.texte().empty());
        EXPECT_EQ(std::memcmp(&vorher.Manager[0], &S.Manager[0], sizeof(Manager_)), 0);
        EXPECT_EQ(p.texte.size(), f.texte);
        ASSERT_EQ(p.plan.has_value(), f.plan);
        if (!f.plan) continue;
        EXPECT_EQ(p.plan->Buchung, f.buchung);
        EXPECT_EQ((std::tuple{p.plan->Komfortpunkte, p.plan->Plaetze}), (std::tuple{f.komfort, f.plaetze}));
        ASSERT_TRUE(p.plan->Glueck);
        EXPECT_EQ((std::tuple{p.plan->Glueck->Komfortpunkte, p.plan->Glueck->Plaetze}),
                  (std::tuple{f.komfortGlueck, f.plaetzeGlueck}));
    }
}

// Zurück gibt es die Hälfte des Preises; was die Anzeige nennt, bucht auch der Verkauf.
TEST(Stadion, RueckpreiseJeLiga)
{
    struct Fall {
        int liga;
        int32_t platz, komfort;
    };
    // Außerhalb 1..4 gilt die nächste Liga, wie beim Kaufpreis.
    for (const Fall f : {Fall{1, 500, 200000}, Fall{2, 375, 150000}, Fall{3, 250, 100000}, Fall{4, 125, 50000},
                         Fall{0, 500, 200000}, Fall{5, 125, 50000}}) {
        EXPECT_EQ(PlatzRueckpreis(f.liga), f.platz) << f.liga;
        EXPECT_EQ(KomfortRueckpreis(f.liga), f.komfort) << f.liga;
    }
    for (int liga = 1; liga <= 4; ++liga) {
        Manager_& mg = Stadion(liga, 0);
        mg.Komfortpunkte = 50;
        mg.Plaetze = 20000;
        const auto komfort = KomfortVerkaufenPruefen(0, 3);
        const auto plaetze = PlaetzeVerschrottenPruefen(0, 7);
        ASSERT_TRUE(komfort.plan && plaetze.plan);
        EXPECT_EQ(komfort.plan->Buchung, 3 * KomfortRueckpreis(liga));
        EXPECT_EQ(plaetze.plan->Buchung, 7 * PlatzRueckpreis(liga));
    }
}
