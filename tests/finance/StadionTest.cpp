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

const std::string Glueck = "Heute ist dein GLÜCKSTAG";

} // namespace

TEST(Stadion, KomfortKaufen)
{
    SkriptOberflaeche ui;
    Manager_& mg = Stadion(4, 5000000);
    // 10 Punkte ab 50 in der Oberliga: 10 * 100 000, dazu einer umsonst.
    mg.Komfortpunkte = 50;
    EXPECT_TRUE(KomfortKaufen(0, 10));
    EXPECT_EQ(mg.Komfortpunkte, 61);
    EXPECT_EQ(mg.Kontostand, 4000000);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"He, ab 10 gibt´s einen Umsonst !"});

    // Genau bis 100: erlaubt, aber ohne Zugabe; einer mehr ist zu viel.
    ui.leeren();
    mg.Komfortpunkte = 90;
    EXPECT_TRUE(KomfortKaufen(0, 10));
    EXPECT_EQ(mg.Komfortpunkte, 100);
    EXPECT_EQ(mg.Kontostand, 3000000);
    EXPECT_TRUE(ui.texte().empty());
    EXPECT_FALSE(KomfortKaufen(0, 1));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Bei 100 Komfortpunkten ist das Maximum erreicht."});

    // Zu wenig Geld: Bundesliga kostet 400 000 je Punkt; genau passend geht.
    ui.leeren();
    Stadion(1, 799999).Komfortpunkte = 5;
    EXPECT_FALSE(KomfortKaufen(0, 2));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Ne Ne mein Freund, Du hast nix auf der Tasche !"});
    EXPECT_EQ(mg.Komfortpunkte, 5);
    mg.Kontostand = 800000;
    EXPECT_TRUE(KomfortKaufen(0, 2));
    EXPECT_EQ(mg.Kontostand, 0);
    EXPECT_EQ(mg.Komfortpunkte, 7);
    // Abgebrochenes Zahlenrad (0) tut nichts, auch bei leerem Konto nicht.
    ui.leeren();
    ui.antworte("0");
    EXPECT_FALSE(KomfortKaufenFragen(0));
    EXPECT_EQ(ui.protokoll, (std::vector<std::string>{"Klang:rechner", "Zahl:Wieviele Komfortpunkte zulegen ?",
                                                      "Antwort:0"}));
}

TEST(Stadion, KomfortVerkaufen)
{
    SkriptOberflaeche ui;
    Manager_& mg = Stadion(4, 0);
    // 10 verkauft: halber Preis, einer kommt zurück.
    mg.Komfortpunkte = 30;
    Saat(false);
    EXPECT_TRUE(KomfortVerkaufen(0, 10));
    EXPECT_EQ(mg.Komfortpunkte, 21);
    EXPECT_EQ(mg.Kontostand, 500000);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"He, ab 10 gibt´s 1 Umsonst !"});

    // Glückstag: die Punkte kommen zurück, das Geld bleibt.
    ui.leeren();
    mg.Komfortpunkte = 30;
    mg.Kontostand = 0;
    Saat(true);
    EXPECT_TRUE(KomfortVerkaufen(0, 10));
    EXPECT_EQ(mg.Komfortpunkte, 30);
    EXPECT_EQ(mg.Kontostand, 500000);
    ASSERT_EQ(ui.texte().size(), 2u);
    EXPECT_EQ(ui.texte()[1], Glueck + "\r\n\r\nDer Stadionkompfort bleibt Dir erhalten.\r\n\r\nMit freundlichem Gruß");
    mg.Komfortpunkte = 6;
    Saat(true);
    EXPECT_TRUE(KomfortVerkaufen(0, 3));
    EXPECT_EQ(mg.Komfortpunkte, 6);

    // Alles verkaufen lässt genau einen Punkt und zahlt die übrigen.
    ui.leeren();
    mg.Komfortpunkte = 8;
    mg.Kontostand = 0;
    Saat(false);
    EXPECT_TRUE(KomfortVerkaufen(0, 8));
    EXPECT_EQ(mg.Komfortpunkte, 1);
    EXPECT_EQ(mg.Kontostand, 7 * 50000);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Einen sollten wir schon lassen !"});

    // Mit einem oder keinem Punkt wird nichts verkauft (und erst recht nichts gekauft).
    for (int punkte : {1, 0}) {
        ui.leeren();
        mg.Komfortpunkte = punkte;
        mg.Kontostand = 0;
        const uint32_t saat = Saat(true);
        EXPECT_FALSE(KomfortVerkaufen(0, 5));
        EXPECT_EQ(mg.Komfortpunkte, punkte);
        EXPECT_EQ(mg.Kontostand, 0);
        EXPECT_EQ(ZufallSaat(), saat);
        EXPECT_EQ(ui.texte(), std::vector<std::string>{"Einen sollten wir schon lassen !"});
    }
}

TEST(Stadion, PlaetzeKaufen)
{
    SkriptOberflaeche ui;
    // 10 000 Plätze in der Oberliga: 2 500 000, davon 250 000 zurück.
    Manager_& mg = Stadion(4, 3000000);
    mg.Plaetze = 5000;
    EXPECT_TRUE(PlaetzeKaufen(0, 10000));
    EXPECT_EQ(mg.Plaetze, 15000);
    EXPECT_EQ(mg.Kontostand, 3000000 - 2500000 + 250000);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"He, ab 10.000 gibt´s einen BONUS über\r\n250.000 €."});

    // Bis genau 100 000: erlaubt, ohne Bonus; darüber die Mexico-Meldung.
    ui.leeren();
    mg.Plaetze = 90000;
    mg.Kontostand = 2500000;
    EXPECT_TRUE(PlaetzeKaufen(0, 10000));
    EXPECT_EQ(mg.Plaetze, 100000);
    EXPECT_EQ(mg.Kontostand, 0);
    EXPECT_TRUE(ui.texte().empty());
    EXPECT_FALSE(PlaetzeKaufen(0, 1));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Wir sind hier nicht in Mexico (Ariba)\r\nund Sie haben nicht das "
                                                   "Aztekenstadion.\r\n    100.000 Plätze müßten doch reichen."});

    // Zu wenig Geld (Bundesliga 1 000 je Platz).
    ui.leeren();
    Stadion(1, 999);
    EXPECT_FALSE(PlaetzeKaufen(0, 1));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"HALT, Sie kleiner Draufgänger !\r\nKonto überprüfen !!!"});
    EXPECT_EQ(mg.Plaetze, 0);
    EXPECT_EQ(mg.Kontostand, 999);
}

TEST(Stadion, PlaetzeVerschrotten)
{
    SkriptOberflaeche ui;
    // 20 000 verschrottet: 1 000 kommen zurück; am Glückstag weitere 19 000, das Geld bleibt.
    Manager_& mg = Stadion(4, 0);
    mg.Plaetze = 50000;
    Saat(false);
    EXPECT_TRUE(PlaetzeVerschrotten(0, 20000));
    EXPECT_EQ(mg.Plaetze, 31000);
    EXPECT_EQ(mg.Kontostand, 20000 * 125);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"He, ab 10.000 gibt´s 1.000 Umsonst !"});
    mg.Plaetze = 50000;
    mg.Kontostand = 0;
    Saat(true);
    EXPECT_TRUE(PlaetzeVerschrotten(0, 20000));
    EXPECT_EQ(mg.Plaetze, 50000);
    EXPECT_EQ(mg.Kontostand, 20000 * 125);

    // Mehr als da ist: alle Plätze; Dauerkarten im Verkauf folgen den Plätzen nach unten.
    ui.leeren();
    mg.Plaetze = 3000;
    mg.DauerkartenImVerkauf = 2000;
    mg.Kontostand = 0;
    Saat(false);
    EXPECT_TRUE(PlaetzeVerschrotten(0, 5000));
    EXPECT_EQ(mg.Plaetze, 0);
    EXPECT_EQ(mg.DauerkartenImVerkauf, 0);
    EXPECT_EQ(mg.Kontostand, 3000 * 125);
    EXPECT_TRUE(ui.texte().empty());

    // Verkaufte Dauerkarten behalten ihre Plätze.
    mg.Plaetze = 10000;
    mg.DauerkartenImVerkauf = 8000;
    mg.DauerkartenVerkauft = 6000;
    mg.Kontostand = 0;
    Saat(false);
    EXPECT_TRUE(PlaetzeVerschrotten(0, 9000));
    EXPECT_EQ(mg.Plaetze, 6000);
    EXPECT_EQ(mg.DauerkartenImVerkauf, 6000);
    EXPECT_EQ(mg.Kontostand, 4000 * 125);
    ASSERT_EQ(ui.texte().size(), 1u);
    EXPECT_NE(ui.texte()[0].find("höchstens 4.000 Plätze"), std::string::npos);
    ui.leeren();
    EXPECT_FALSE(PlaetzeVerschrotten(0, 1));
    EXPECT_EQ(mg.Plaetze, 6000);
    EXPECT_EQ(mg.Kontostand, 4000 * 125);
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
