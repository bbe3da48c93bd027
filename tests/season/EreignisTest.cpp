// Die Ereignisse einzeln, mit geplanten Ziehungen: Geld, Bälle, Stadion, Werbung, Spieler,
// Zeugnis, Aktien und der Verkauf des Vereins.
#include "EreignisHilfe.h"
#include "core/Bruch.h"
#include "core/Konto.h"
#include "core/Sitzung.h"
#include "finance/Sponsoren.h"
#include "finance/Vermoegen.h"

#include <cstring>
#include <limits>
#include <set>
#include <tuple>

using namespace torvane;

namespace {

const std::string Nichts = "\r\n\r\nRitz Ratz Rotz, Finger in die ....";

int PoolBesetzt()
{
    int n = 0;
    for (int p = 1; p <= S.Spiel.SpielerHoch; ++p) n += !S.Spieler[p].Vorname.leer();
    return n;
}

bool ImPool(const std::string& vorname)
{
    for (int p = 1; p <= S.Spiel.SpielerHoch; ++p)
        if (S.Spieler[p].Vorname == vorname) return true;
    return false;
}

// Die Meldung nennt, worauf es ankommt (Betrag, Name); den ganzen Wortlaut hält der Code.
void Nennt(const Zuschauer& ui, const std::string& teil)
{
    EXPECT_NE(ui.letzte().text.find(teil), std::string::npos) << ui.letzte().text;
}

} // namespace

// Geld herein bis an die Grenze des Kontos, und die Meldung nennt den wirklich gebuchten Betrag;
// Kosten ganz, oder das Ereignis fällt aus und sagt es. Die Aktiengebühr fällt mit vielen Aktien.
TEST(Ereignis, GeldGeschenkeUndSchaeden)
{
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    constexpr int32_t Min = std::numeric_limits<int32_t>::min();
    struct Fall {
        int n, zug;
        int64_t aenderung;
        std::string text;
        int bild = -1;
        int32_t konto = 1000000;
        int16_t aktien = 0;
        int liga = 4;
    };
    const Fall faelle[] = {
        {3, 7, 7000, "Prämie\r\nvon 7.000 €"},      {4, 100, -100000, "Schaden von 100.000 €", 3},
        {6, 2, -20000, "Schaden von 20.000 €"},       {12, 3, -15000, "entstanden  15.000 € kosten."},
        {5, 50, 50000, "50.000"},                     {7, 1, -1000, "1.000"},
        {8, 100, -100000, "100.000"},                 {11, 200, 2000000, "2.000.000"},
        {13, 500, 500000, "500.000"},                 {14, 1, -1000, "1.000"},
        {18, 0, 1000000, "1.000.000"},
        // An den Grenzen des Kontos.
        {3, 1, 500, "von 500 €", -1, Max - 500},
        {11, 1, 2, "\r\n\r\n2 € Einnahme", -1, Max - 2},
        {4, 1, 0, "Kosten von 1.000 € nicht mehr tragen", 3, Min + 500},
        {7, 1, -1000, "Polizeieinsatz 1.000 €", -1, Min + 1000},
        // Die Aktiengebühr: weniger mit mehr Aktien, in der Bundesliga mit vollem Pott nichts.
        {33, 0, -600000, "Sie zahlen 600.000 €", -1, 1000000, 400},
        {33, 0, -190000, "190.000", -1, 1000000, 1000},
        {33, 0, 0, "0 € wurden abgebucht", -1, 1000000, 20000, 1},
    };
    for (const Fall& f : faelle) {
        Ereigniswelt(f.liga);
        S.Manager[0].Kontostand = f.konto;
        S.Manager[0].Aktien = f.aktien;
        Zuschauer ui;
        if (f.zug > 0)
            Spiele(f.n, {f.zug});
        else
            Spiele(f.n);
        EXPECT_EQ(Kontostand(), f.konto + f.aenderung) << f.n;
        ASSERT_EQ(ui.anzahl(), 1u) << f.n;
        EXPECT_EQ(ui.letzte().kopf, "Quirin");
        Nennt(ui, f.text);
        EXPECT_EQ(ui.letzte().bild, f.bild) << f.n;
    }

    // Das Finanzamt: ein Vermögen unter null ergibt einen negativen Betrag.
    Ereigniswelt();
    S.Manager[0].Kontostand = -50000000;
    const int64_t v = VermoegenWert(0);
    ASSERT_LT(v, 0);
    Zuschauer ui;
    Spiele(42, {2, 3}); // durch 1000, dreifach
    const int64_t g = (3 * (v / 1000)) / 1000 * 1000;
    EXPECT_LT(g, 0);
    EXPECT_EQ(Kontostand(), -50000000 + g);
    EXPECT_NE(ui.letzte().text.find("Das Finanzamt -"), std::string::npos);
}

TEST(Ereignis, TrainingsbaelleKommenUndGehenOhneUnterlauf)
{
    Ereigniswelt();
    Manager_& mg = S.Manager[0];
    Zuschauer ui;
    auto baelle = [&] { return std::vector<int>{mg.Baelle, mg.BaelleTechnik, mg.BaelleKonstitution}; };
    Spiele(1, {1});
    EXPECT_EQ(baelle(), (std::vector<int>{6, 3, 2}));
    EXPECT_EQ(ui.letzte().kopf, "Hüpf Hüpf Roll Roll");
    // Der kaputte Ball fehlt zuerst bei der Technik, dann bei der Konstitution; ohne Bälle bleibt es bei null.
    Spiele(1, {0});
    EXPECT_EQ(baelle(), (std::vector<int>{5, 2, 2}));
    mg.BaelleTechnik = 0;
    Spiele(1, {0});
    EXPECT_EQ(baelle(), (std::vector<int>{4, 0, 1}));
    EXPECT_EQ(ui.letzte().text, "\r\n\r\n1 Trainingsball ging kaputt !");
    mg.Baelle = 0;
    mg.BaelleKonstitution = 0;
    Spiele(1, {0});
    EXPECT_EQ(baelle(), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(ui.letzte().kopf, "Knall Bumm Peng");
    EXPECT_EQ(ui.letzte().bild, BildBall);
    EXPECT_NE(ui.letzte().text.find("\r\nOh, keine Trainingbälle mehr. Schade Schade Schade !"), std::string::npos);
}

TEST(Ereignis, StadionbrandUndAbrissHaltenPlaetzeUndDauerkarten)
{
    const std::string eizelle = "vergrößert die Stadt es auf 1.000 Plätze.";
    struct Fall {
        int liga, plaetze, imVerkauf, verkauft, x, abriss;
        std::vector<int> danach; // Plätze, im Verkauf, verkauft
        std::string text;
    };
    const Fall faelle[] = {
        // 5 Plätze: Zufall(1, 0) ist 1, also x = 5 - Liga.
        {4, 5, 5, 5, 1, 0, {4, 4, 4}, "wurden 1 Plätze zerstört"},
        {1, 5, 5, 5, 1, 0, {1000, 5, 5}, eizelle},
        // 100 000 Plätze: der größte Brand der 4. Liga nimmt 10 000.
        {4, 100000, 95000, 92000, 10000, 0, {90000, 90000, 90000}, "wurden 10.000 Plätze zerstört"},
        // Abriss: 250 / 100 rundet auf 2 %, 350 / 100 auf 4 %; 400 % lassen die Stadt bauen.
        {4, 100000, 99000, 1000, 250, 1, {98000, 98000, 1000}, "mußten 2 % Ihres Stadions"},
        {4, 100000, 0, 0, 350, 1, {96000, 0, 0}, "4 %"},
        {1, 100000, 50000, 40000, 10000, 1, {1000, 1000, 1000}, eizelle},
    };
    for (const Fall& f : faelle) {
        Ereigniswelt(f.liga);
        Manager_& mg = S.Manager[0];
        mg.Plaetze = f.plaetze;
        mg.DauerkartenImVerkauf = f.imVerkauf;
        mg.DauerkartenVerkauft = f.verkauft;
        Zuschauer ui;
        Spiele(22, {f.x, f.abriss});
        EXPECT_EQ((std::vector<int>{mg.Plaetze, mg.DauerkartenImVerkauf, mg.DauerkartenVerkauft}), f.danach)
            << f.plaetze << " Plätze, x " << f.x;
        Nennt(ui, f.text);
    }
}

TEST(Ereignis, StadionkomfortStrafeNurWennSieEtwasKostet)
{
    Zuschauer ui;
    // 4. Liga, Komfort 10: (101 - 10) * 10 000.
    Ereigniswelt(4);
    Spiele(23, {3});
    EXPECT_EQ(Kontostand(), 1000000 - 910000);
    Nennt(ui, "zahlen Sie 910.000 € Strafe");
    EXPECT_EQ(ui.letzte().bild, BildKomfort);

    // 1. Liga, Komfort 30: unter 88, aber die Formel gäbe -190 000; es geschieht nichts.
    Ereigniswelt(1);
    S.Manager[0].Komfortpunkte = 30;
    Spiele(23, {4});
    EXPECT_EQ(Kontostand(), 1000000);
    EXPECT_EQ(ui.letzte().text, Nichts);
    EXPECT_EQ(ui.letzte().bild, BildNichts);

    // Genug Komfort: die Prämie.
    Ereigniswelt(4);
    S.Manager[0].Komfortpunkte = 22;
    Spiele(23, {3});
    EXPECT_EQ(Kontostand(), 2000000);
    EXPECT_EQ(ui.letzte().text, "\r\nIhr Stadionkomfort ist OPTIMAL\r\n1.000.000 € Prämie !\r\n\r\nSehr gut, Weiter so !");

    // Komfort fällt, aber nie unter 1; das schönste Stadion.
    S.Manager[0].Komfortpunkte = 2;
    Spiele(23, {1, 3});
    EXPECT_EQ(S.Manager[0].Komfortpunkte, 1);
    EXPECT_EQ(ui.letzte().text, "\r\n\r\nIhr Stadionkomfort ist um 3 Punkte gefallen !");
    Spiele(23, {5});
    EXPECT_EQ(Kontostand(), 2000000 + 1111111);
    EXPECT_EQ(ui.letzte().text,
              "\r\nSie haben das schönste Stadion im Land.\r\n1.111.111  € Prämie !\r\n\r\nWer´s wohl glaubt ?");
}

TEST(Ereignis, SponsorenVerdoppelnKuendigenUndFreieWerbung)
{
    Ereigniswelt();
    Manager_& mg = S.Manager[0];
    auto& w = S.Werbevertraege[0];
    w[2] = Werbevertrag_{40000, 10, 4, 8, {}};
    w[5] = Werbevertrag_{60000, 20, 20, 12, {}};
    w[6] = Werbevertrag_{300000, 50, 30, RisikoSponsor, {}};
    mg.Werbeeinnahmen = 100000;
    Zuschauer ui;
    Ziehungen z{2, 5, 3, 6, 2, 0};

    Ereignis(9);
    EXPECT_EQ(mg.Werbeeinnahmen, 140000);
    EXPECT_EQ(w[2].Betrag, 80000);
    EXPECT_EQ(ui.letzte().text, std::string("\r\n\r\n") + BandenSponsoren[8] +
                                    "\r\n verdoppelt die Einnahmen des Werbevertrags !");
    EXPECT_EQ(ui.letzte().bild, BildWerbung);

    // Das Fernsehen verdoppelt nie; ein freier Platz kostet einen Managerpunkt.
    Ereignis(10);
    EXPECT_EQ(ui.letzte().text, Nichts);
    EXPECT_EQ(w[5].Betrag, 60000);
    Ereignis(9);
    EXPECT_FLOAT_EQ(mg.Managerpunkte, 49.0f);
    EXPECT_EQ(ui.letzte().text,
              "\r\n\r\nSie haben noch Werbekapazitäten frei !\r\n(Das beeinträchtigt auch die Managerqualität !)");

    // Die Trikotwerbung kündigt ohne Folgen für die Einnahmen je Spiel, die Bande mit.
    Ereignis(15);
    EXPECT_EQ(w[6].SpieleGesamt, 0);
    EXPECT_EQ(w[6].Betrag, 0);
    EXPECT_EQ(mg.Werbeeinnahmen, 140000);
    EXPECT_EQ(ui.letzte().text, std::string("\r\nHola, \r\n") + TrikotSponsoren[RisikoSponsor] +
                                    "\r\nkündigt den Werbevertrag !");
    Ereignis(15);
    EXPECT_EQ(mg.Werbeeinnahmen, 60000);
    EXPECT_EQ(w[2].SpieleRest, 0);

    // Platz 0 ist immer frei; die Managerpunkte fallen nie unter 1.
    mg.Managerpunkte = 1.0f;
    Ereignis(15);
    EXPECT_FLOAT_EQ(mg.Managerpunkte, 1.0f);
    EXPECT_EQ(ui.letzte().text,
              "\r\n\r\nSie haben noch Werbekapazitäten frei !\r\n(Das beeinträchtigt u.a die Managerqualität !)");
}

TEST(Ereignis, SpielerUmsonstMitRichtigemGehaltUndAusDemPool)
{
    Ereigniswelt();
    Manager_& mg = S.Manager[0];
    for (int p = 1; p <= 4; ++p) S.Spieler[p].Vorname.rohSetzen(""); // freie Poolplätze werden übersprungen
    Zuschauer ui;
    // Erster besetzter Eintrag (Pool 5, ein Torwart); kein Star; T 90, K 60, 25 Jahre, Form 0, 3 Jahre.
    Spiele(21, {1, 1, 90, 60, 25, 0, 3});
    ASSERT_EQ(mg.KaderAnzahl, 7);
    const Kaderspieler_& neu = mg.Kader[1]; // der stärkste Torwart steht vorn
    EXPECT_EQ(neu.Vorname.text() + "|" + neu.Nachname.text() + "|" + neu.Position.text() + "|" + neu.Nation.text() +
                  "|" + neu.Zusatz.text(),
              "Vor5|Spieler T5|T|D|Z5");
    EXPECT_EQ((std::vector<int>{neu.Staerke, neu.Gehalt, neu.Vertrag, neu.Alter, neu.Verletzt, neu.GelbNational}),
              (std::vector<int>{100, 8500, 3, 25, 0, 0}));
    EXPECT_TRUE(S.Spieler[5].Vorname.leer());
    Nennt(ui, "Vor5 Spieler T5\r\n stieß zu Ihrem Kader");

    // Der Superstar: 17 Jahre, 7 Jahre Vertrag, ohne Gehalt, Stärke (120 + 60) / 1,5 + 10.
    Spiele(21, {1, 0, 5, 5, 30, -5, 1});
    ASSERT_EQ(mg.KaderAnzahl, 8);
    const Kaderspieler_& star = mg.Kader[1];
    EXPECT_EQ(star.Vorname.text(), "Vor6");
    EXPECT_EQ((std::vector<int>{star.Alter, star.Vertrag, star.Gehalt, star.Technik, star.Konstitution, star.Form,
                                star.Staerke, star.Wert}),
              (std::vector<int>{17, 7, 0, 120, 60, 10, 130, 1300000}));
    EXPECT_EQ(ui.klaenge, (std::vector<std::string>{"error", "tataa", "error"})); // Fanfare, dann die Meldung
    EXPECT_EQ(ui.letzte().bild, BildStar);
    Nennt(ui, "Vor6 Spieler T6");

    // Voller Kader: keine Ziehung, der Pool bleibt.
    while (mg.KaderAnzahl < 23) {
        ++mg.KaderAnzahl;
        mg.Kader[mg.KaderAnzahl] = Kaderspieler("Ersatz", "S", 30, 30);
    }
    const int pool = PoolBesetzt();
    const std::string verpasst = "\r\nSie haben verpaßt einen Spieler umsonst zu bekommen !\r\nEntweder ist Ihr "
                                 "Spielerkader voll oder man hat Sie verschaukelt !";
    Spiele(21);
    EXPECT_EQ(mg.KaderAnzahl, 23);
    EXPECT_EQ(PoolBesetzt(), pool);
    EXPECT_EQ(ui.letzte().text, verpasst);

    // Leerer Pool: ebenso verpasst, statt endlos zu ziehen.
    Ereigniswelt();
    for (int p = 1; p <= S.Spiel.SpielerHoch; ++p) S.Spieler[p].Vorname.rohSetzen("");
    Spiele(21);
    EXPECT_EQ(S.Manager[0].KaderAnzahl, 6);
    EXPECT_EQ(ui.letzte().text, verpasst);
}

TEST(Ereignis, SpielerGehenMitUndOhneGeld)
{
    Ereigniswelt();
    Manager_& mg = S.Manager[0];
    S.Spieler[40].Vorname.rohSetzen(""); // ein freier Poolplatz für den Gehenden
    Zuschauer ui;
    Spiele(16, {1}); // Anton, Torwart mit Stärke 60
    EXPECT_EQ(Kontostand(), 1600000);
    EXPECT_EQ(ui.letzte().text,
              "\r\nAnton Beispiel\r\n verließ den Verein für 600.000 €\r\n\r\n Naja, dies ist auch sein realer Wert.");
    EXPECT_TRUE(ImPool("Anton"));
    Spiele(17, {5}); // Kader: Berta, Carl, Dora, Emil, Fritz
    EXPECT_EQ(Kontostand(), 1600000);
    EXPECT_EQ(ui.letzte().text.rfind("Fritz Beispiel verließ den Verein.\r\n\r\nDurch eine Vertragsklausel", 0), 0u);
    EXPECT_EQ(mg.KaderAnzahl, 4);

    // Leerer Kader: nichts geschieht, der Anfangstext mit Bild 3.
    mg.KaderAnzahl = 0;
    for (int n : {16, 17}) {
        ui.leeren();
        Spiele(n);
        ASSERT_EQ(ui.anzahl(), 1u);
        EXPECT_EQ(ui.letzte().text, Nichts);
        EXPECT_EQ(ui.letzte().bild, BildNichts);
    }
}

TEST(Ereignis, AngebotFuerEinenSpieler)
{
    // Kader nach der Sortierung: Anton T 60, Berta V 73, Carl V 1, Dora M 120, Emil M 47, Fritz S 100.
    Ereigniswelt();
    Manager_& mg = S.Manager[0];
    Zuschauer ui;
    // Gerade Nummer: der Verein "wird" kaufen, für 10 % des Werts, ohne zu fragen.
    Spiele(31, {1, 2, -90});
    ASSERT_EQ(ui.anzahl(), 1u);
    EXPECT_EQ(ui.letzte().art, NachrichtArt::Ok);
    Nennt(ui, "Verein 1 wird für 73.000 €");
    EXPECT_EQ(Kontostand(), 1073000);
    EXPECT_EQ(mg.KaderAnzahl, 5);

    // Ungerade Nummer: "möchte"; nur "Ja" verkauft, zu 322 %. Käufer ist nie der eigene Verein (55).
    ui.leeren();
    ui.antworten = {"Nein", "Ja"};
    Spiele(32, {55, 1, 222}); // Nummer 55 der Käuferliste ist Verein 56
    EXPECT_EQ(mg.KaderAnzahl, 5);
    Spiele(32, {55, 1, 222});
    EXPECT_EQ(ui.letzte().art, NachrichtArt::Jein);
    Nennt(ui, "Verein 56 möchte für 1.932.000 €");
    EXPECT_EQ(Kontostand(), 1073000 + 1932000);
    EXPECT_EQ(mg.KaderAnzahl, 4);
    EXPECT_EQ(ui.anzahl(), 2u);

    // Kein Käufer (jeder Verein gehört dem Manager): der Anfangstext statt einer endlosen Suche.
    for (int c = 1; c <= S.Spiel.MannschaftHoch; ++c) S.Mannschaft[c].Name.rohSetzen(mg.Vereinsname.roh());
    ui.leeren();
    Spiele(31);
    EXPECT_EQ(ui.letzte().text, Nichts);
    EXPECT_EQ(mg.KaderAnzahl, 4);

    // Leerer Kader: gar keine Meldung.
    mg.KaderAnzahl = 0;
    ui.leeren();
    Ereignis(32);
    EXPECT_EQ(ui.anzahl(), 0u);
}

TEST(Ereignis, ManagerzeugnisSchwaechtOderStaerktUndRechnetNeu)
{
    Zuschauer ui;
    auto zeugnis = [&](int saison, float punkte) {
        Ereigniswelt();
        S.Spiel.Saison = saison;
        S.Manager[0].Managerpunkte = punkte;
        Spiele(19);
        EXPECT_EQ(ui.letzte().bild, BildZeugnis);
        return ui.letzte().text;
    };
    const std::string gefordert = "\r\nManager werden sehr gefordert, haben einen langen Tag, und müssen immer Cool "
                                  "bleiben (und kriegen FETTE Abfindungen).\r\nDaher werden Sie nach einer Skala von "
                                  "1-100 bewertet !";
    // Erste Saison: auch mit 10 Punkten keine Hilfe.
    EXPECT_EQ(zeugnis(1, 10.0f), gefordert);
    EXPECT_EQ(Kontostand(), 1000000);
    EXPECT_EQ(zeugnis(2, 18.0f), gefordert);
    EXPECT_EQ(zeugnis(2, 75.0f), gefordert);
    EXPECT_EQ(zeugnis(2, 95.0f), "\r\n\r\nIhre Managerqualitäten sind sehr gut !");
    EXPECT_EQ(zeugnis(2, 60.0f), "\r\n\r\nIhre Managerqualitäten sind befriedigend !");

    // Miserabel: zwei Punkte weniger, in den Grenzen; Stärke, Wert und Team neu.
    EXPECT_EQ(zeugnis(2, 10.0f), "\r\nIhre Managerqualitäten sind miserabel !\r\n\r\nIhre Mannschaft wird um 2 Punkte "
                                 "schwächer !(HiHiHi)\r\n\r\nAls kleine Hilfe bekommen Sie 1.000.000  €");
    EXPECT_EQ(Kontostand(), 2000000);
    const Manager_& mg = S.Manager[0];
    const Kaderspieler_& dora = mg.Kader[4];
    const Kaderspieler_& carl = mg.Kader[3];
    EXPECT_EQ((std::vector<int>{dora.Technik, dora.Konstitution, dora.Staerke, dora.Wert}),
              (std::vector<int>{118, 58, 117, 1170000}));
    EXPECT_EQ((std::vector<int>{carl.Technik, carl.Konstitution, carl.Staerke}), (std::vector<int>{1, 1, 1}));
    const int16_t team = mg.TeamStaerke;
    const int32_t kaderwert = mg.KaderWert;
    BerechneMannschaft(0, 0);
    EXPECT_EQ(mg.TeamStaerke, team);
    EXPECT_EQ(mg.KaderWert, kaderwert);

    EXPECT_NE(zeugnis(2, 30.0f).find("könnten besser sein"), std::string::npos);
    EXPECT_EQ(Kontostand(), 1500000);

    // Gut (nur 80 < MP < 81): ein Punkt mehr, aber nie über die Höchstwerte.
    EXPECT_NE(zeugnis(2, 80.5f).find("sind gut"), std::string::npos);
    EXPECT_EQ((std::vector<int>{S.Manager[0].Kader[4].Technik, S.Manager[0].Kader[4].Konstitution,
                                S.Manager[0].Kader[5].Technik}),
              (std::vector<int>{120, 60, 51}));
}

TEST(Ereignis, AktienKursUndGeschenke)
{
    Ereigniswelt();
    Manager_& mg = S.Manager[0];
    Zuschauer ui;
    S.Spiel.Aktienkurs = 150;
    Spiele(27, {500});
    EXPECT_EQ(S.Spiel.Aktienkurs, 100);
    EXPECT_EQ(ui.letzte().text, "\r\nHuch !\r\n\r\nTorvane Aktien um 500 € gefallen.\r\nAber nie unter 100 €");
    Spiele(26, {250});
    EXPECT_EQ(S.Spiel.Aktienkurs, 350);
    mg.Aktien = 19000;
    Spiele(28, {20});
    EXPECT_EQ(mg.Aktien, 20000);
    // Computerfehler: nie unter 0 Aktien, der Kurs steigt um 100.
    mg.Aktien = 500;
    Spiele(30, {20});
    EXPECT_EQ(mg.Aktien, 0);
    Spiele(30, {3});
    EXPECT_EQ(S.Spiel.Aktienkurs, 550);
    Nennt(ui, "Aktienpreis um 100 € gestiegen");
    // Bonus bis zum vollen Pott; 5 % Zuwachs rundet zur geraden Zahl.
    mg.Aktien = 19500;
    Spiele(34, {1000});
    EXPECT_EQ(mg.Aktien, 20000);
    EXPECT_EQ(ui.letzte().text, "\r\n\r\n1.000 Aktienanteile zu Ihren Gunsten.\r\nDer Pott ist voll !");
    mg.Aktien = 10;
    Ereignis(38);
    EXPECT_EQ(mg.Aktien, 10); // 0,5 rundet auf 0
    mg.Aktien = 30;
    Ereignis(38);
    EXPECT_EQ(mg.Aktien, 32); // 1,5 rundet auf 2
    Ereignis(34);
    EXPECT_EQ(ui.letzte().text, "\r\n\r\nHätten Sie mehr Aktien, dann hätten Sie aber Grund zur Freude !");

    // Lotterie: wer genug Aktien hat, bekommt einen Spieler.
    mg.Aktien = 5000;
    Spiele(29, {51});
    Nennt(ui, "100 Aktien mehr");
    Spiele(29, {50, 1, 1, 90, 60, 25, 0, 3});
    EXPECT_EQ(mg.KaderAnzahl, 7);
}

TEST(Ereignis, AktienHandelLiefertNurBisZurObergrenze)
{
    Ereigniswelt();
    Manager_& mg = S.Manager[0];
    Zuschauer ui;
    // Kauf nahe der Grenze: 1 990 angeboten, 500 geliefert und bezahlt.
    mg.Aktien = 19500;
    ui.antworten = {"Ja"};
    Spiele(40, {2, 100, 1999});
    EXPECT_EQ(ui.letzte().text, "\r\n\r\nMöchten Sie 1.990 Aktien für je 500 € kaufen ?");
    EXPECT_EQ(ui.letzte().art, NachrichtArt::Jein);
    EXPECT_EQ(mg.Aktien, 20000);
    EXPECT_EQ(Kontostand(), 1000000 - 500 * 500);
    EXPECT_EQ(ui.anzahl(), 1u);

    // Verkauf aller Aktien (über 40 zu 39) zu Kurs - 60 %.
    ui.leeren();
    ui.antworten = {"Ja"};
    Spiele(40, {1, -60});
    EXPECT_EQ(ui.letzte().text, "\r\n\r\nMöchten Sie alle Aktienanteile für 200 € das Stück verkaufen ?");
    EXPECT_EQ(mg.Aktien, 0);
    EXPECT_EQ(Kontostand(), 750000 + 20000 * 200);
    // Ohne Aktien scheitert der Verkauf und kostet einen Managerpunkt.
    ui.leeren();
    Ereignis(39);
    EXPECT_EQ(ui.letzte().art, NachrichtArt::Ok);
    EXPECT_FLOAT_EQ(mg.Managerpunkte, 49.0f);
    EXPECT_EQ(ui.anzahl(), 1u);

    // Billige Aktien: ohne Aktien kein Angebot; mit Preis 0 ebenso.
    const std::string nichtGehandelt =
        "\r\n\r\nSie hätten billig Aktien kaufen können, aber Sie handeln ja nicht mit Aktien.";
    Spiele(41, {100});
    EXPECT_EQ(ui.letzte().text, nichtGehandelt);
    mg.Aktien = 1049; // 10 % sind 105, auf Hunderter gekürzt 100
    Spiele(41, {0});
    EXPECT_EQ(ui.letzte().text, nichtGehandelt);
    ui.antworten = {"Ja"};
    Spiele(41, {-50});
    EXPECT_EQ(ui.letzte().text, "\r\n\r\nMöchten Sie 100 Aktien für je 250 € kaufen ?");
    EXPECT_EQ(mg.Aktien, 1149);
}

TEST(Ereignis, VereinskaufUndAktienangebot)
{
    Zuschauer ui;
    // Vermögen unter null: kein Verkauf, statt dessen das Aktienangebot (1 000 zu 10 % von 500 je Stück).
    Ereigniswelt();
    Manager_& mg = S.Manager[0];
    mg.Kontostand = -90000000;
    ASSERT_LT(VermoegenWert(0), 0);
    ui.antworten = {"Ja"};
    Spiele(37, {1, -10});
    EXPECT_EQ(ui.letzte().text, "\r\n\r\nMöchten Sie 1.000 Aktien für 50.000 € kaufen ?");
    EXPECT_EQ(mg.KaderAnzahl, 6);
    EXPECT_EQ(mg.Aktien, 1000);
    EXPECT_EQ(mg.Kontostand, -90050000);
    EXPECT_TRUE(ui.klaenge.empty() || ui.klaenge.back() != "userwarn!");

    // Nahe der Grenze: nur 500 geliefert, die Hälfte bezahlt.
    mg.Aktien = 19500;
    ui.antworten = {"Ja"};
    Spiele(37, {10, 20});
    EXPECT_EQ(mg.Aktien, 20000);
    EXPECT_EQ(mg.Kontostand, -90050000 - 50000);

    // Ein dahergelaufener Niemand kauft den Verein zu Vermögen * 1,25.
    Ereigniswelt();
    S.Spieler[40].Vorname.rohSetzen("");
    S.Spieler[39].Vorname.rohSetzen("");
    S.Manager[0].DauerkartenVerkauft = 500;
    const int64_t v = VermoegenWert(0);
    ASSERT_GT(v, 0);
    ui.leeren();
    Spiele(37, {1, 25, 50, 60, 70, 80, 90, 100});
    ASSERT_EQ(v % 4, 0); // sonst wäre 1,25 * v nicht ganz
    const int64_t preis = v + v / 4;
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 + preis);
    ASSERT_EQ(ui.anzahl(), 1u);
    EXPECT_EQ(ui.letzte().art, NachrichtArt::Ok);
    EXPECT_EQ(ui.letzte().bild, -1);
    EXPECT_EQ((std::vector<int>{S.Manager[0].KaderAnzahl, S.Manager[0].Plaetze, S.Manager[0].Komfortpunkte,
                                S.Manager[0].DauerkartenImVerkauf, S.Manager[0].DauerkartenVerkauft,
                                S.Manager[0].TeamStaerke}),
              (std::vector<int>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(std::count(ui.klaenge.begin(), ui.klaenge.end(), "laser"), 6);
    EXPECT_EQ(ui.klaenge.front(), "userwarn!");
    EXPECT_EQ(ui.wartezeiten, (std::vector<int>{50, 60, 70, 80, 90, 100}));
    EXPECT_TRUE(ImPool("Fritz") && ImPool("Emil")); // die letzten zwei bekamen die freien Plätze

    // Ein steinreicher Mensch: "Nein" ändert nichts.
    Ereigniswelt();
    ui.leeren();
    Spiele(37, {3, 0});
    EXPECT_EQ(ui.letzte().art, NachrichtArt::Jein);
    EXPECT_EQ(S.Manager[0].KaderAnzahl, 6);
    EXPECT_EQ(Kontostand(), 1000000);
}

TEST(Ereignis, ManagerpunkteKaufenUndVerkaufen)
{
    Ereigniswelt();
    Manager_& mg = S.Manager[0];
    Zuschauer ui;
    mg.Managerpunkte = 45.5f;
    Ereignis(36);
    Nennt(ui, "und zahlen dafür 450.000 €");
    EXPECT_FLOAT_EQ(mg.Managerpunkte, 50.5f);
    EXPECT_EQ(Kontostand(), 550000);
    mg.Managerpunkte = 60.0f;
    Ereignis(36);
    Nennt(ui, "bekommen dafür 600.000 €");
    EXPECT_FLOAT_EQ(mg.Managerpunkte, 55.0f);
    EXPECT_EQ(Kontostand(), 1150000);
}

TEST(Ereignis, ZiehungUmleitungUndSchlussmeldung)
{
    Ereigniswelt();
    Zuschauer ui;
    Spiele(0, {2});
    EXPECT_EQ(ui.letzte().kopf, "Torvane");
    EXPECT_EQ(ui.letzte().bild, BildSpielinfo);
    // Keine Nummer von 1 bis 42: nur der Anfangstext.
    Ereignis(43);
    EXPECT_EQ(ui.letzte().kopf, "Quirin");
    EXPECT_EQ(ui.letzte().text, Nichts);
    EXPECT_EQ(ui.letzte().bild, BildNichts);

    // Zahlen: nur die Frage, keine Schlussmeldung.
    ui.leeren();
    ui.antworten = {"Ja"};
    Spiele(25, {7});
    EXPECT_EQ(ui.dialoge, (std::vector<std::string>{"Quirin\r\nDrücke > Ja < und zahle 70.000 €\r\nDrücke > Nein < "
                                                    "und lass Dich Überraschen."}));
    EXPECT_TRUE(ui.meldungen.empty());
    EXPECT_EQ(Kontostand(), 930000);

    // Überraschen lassen: 1..4 ein Spieler geht, 5..7 einer kommt, 8..10 ein Sponsor.
    ui.leeren();
    Spiele(25, {1, 4, 6});
    EXPECT_EQ(S.Manager[0].KaderAnzahl, 5);
    EXPECT_EQ(ui.letzte().text.rfind("Fritz Beispiel verließ den Verein.", 0), 0u);
    Spiele(25, {1, 9, 0});
    EXPECT_NE(ui.letzte().text.find("Werbekapazitäten"), std::string::npos);
    EXPECT_EQ(ui.dialoge.size(), 2u);
    EXPECT_EQ(ui.meldungen.size(), 2u);
    EXPECT_EQ(Kontostand(), 930000);
}

// Jede Nummer hat ihren Namen; gezählt wird die gespielte Nummer, auch wenn sie erst gezogen wird.
TEST(Ereignis, TafelNamenUndZaehler)
{
    std::set<std::string> namen;
    for (int n = 1; n <= EreignisAnzahl; ++n) {
        const char* name = EreignisName(n);
        ASSERT_NE(name, nullptr) << n;
        EXPECT_GT(std::strlen(name), 3u) << n;
        namen.insert(name);
    }
    // Drei Paare teilen sich Name und Wirkung (9/10, 19/20, 31/32); sonst heißt jede anders.
    EXPECT_EQ(namen.size(), static_cast<size_t>(EreignisAnzahl - 3));
    EXPECT_STREQ(EreignisName(9), EreignisName(10));
    EXPECT_STREQ(EreignisName(19), EreignisName(20));
    EXPECT_STREQ(EreignisName(31), EreignisName(32));
    for (int n : {-1, 0, EreignisAnzahl + 1}) EXPECT_EQ(EreignisName(n), nullptr) << n;

    struct Fall {
        int n;
        std::initializer_list<int32_t> zuege;
        int gezaehlt; // 0: keiner
    };
    const Fall faelle[] = {{0, {2}, 2}, {0, {42, 1, 1}, 42}, {2, {}, 2}, {43, {}, 0}, {-3, {}, 0}};
    for (const Fall& f : faelle) {
        Ereigniswelt();
        Zuschauer ui;
        const auto vorher = Sitzung.EreignisZaehler;
        Spiele(f.n, f.zuege);
        auto erwartet = vorher;
        if (f.gezaehlt > 0) ++erwartet[static_cast<size_t>(f.gezaehlt)];
        EXPECT_EQ(Sitzung.EreignisZaehler, erwartet) << f.n;
        EXPECT_EQ(ui.meldungen.size(), 1u) << f.n;
    }
}

// Die großen und kleinen Spenden mit ihren Beträgen, an den Grenzen der Felder und des Kontos.
TEST(Ereignis, SpendenMitIhrenBetraegen)
{
    struct Fall {
        int n;
        int32_t konto, komfort, plaetze;
        int16_t aktien;
        int32_t konto2, komfort2, plaetze2;
        int16_t aktien2;
    };
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    const Fall faelle[] = {
        {24, 1000000, 10, 12000, 0, 1500000, 11, 13000, 200},
        {35, 1000000, 10, 12000, 0, 1250000, 11, 12500, 100},
        {24, 1000000, 100, 99500, 19900, 1500000, 100, 100000, 20000},
        {35, -300000, 99, 100000, 19950, -50000, 100, 100000, 20000},
        // Das Geschenk passt nicht ganz aufs Konto: gezahlt wird bis zur Grenze, der Rest kommt trotzdem.
        {24, Max - 100000, 10, 12000, 0, Max, 11, 13000, 200},
    };
    for (const Fall& f : faelle) {
        Ereigniswelt();
        Manager_& mg = S.Manager[0];
        mg.Kontostand = f.konto;
        mg.Komfortpunkte = f.komfort;
        mg.Plaetze = f.plaetze;
        mg.Aktien = f.aktien;
        Zuschauer ui;
        Spiele(f.n);
        EXPECT_EQ((std::tuple{mg.Kontostand, mg.Komfortpunkte, mg.Plaetze, mg.Aktien}),
                  (std::tuple{f.konto2, f.komfort2, f.plaetze2, f.aktien2}))
            << f.n << " bei " << f.konto;
    }
    Ereigniswelt();
    Zuschauer ui;
    Spiele(24);
    Nennt(ui, "1.000 Stadionplätze\r\n500.000 €\r\n200 Torvane");
    Spiele(35);
    Nennt(ui, "500 Stadionplätze\r\n250.000 €\r\n\r\n100 Torvane");
}

// Ein steinreicher Mensch, mit "Ja" beantwortet: der Verein geht zu 120 % des Vermögens weg.
// Hat der Preis bis zur Abgabegrenze keinen Platz, zeigt die Meldung, was wirklich gezahlt wird;
// ist es nichts, wird der Verein nicht verkauft.
TEST(Ereignis, VereinskaufMitJaUndAnDerKontogrenze)
{
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    Ereigniswelt();
    Manager_& mg = S.Manager[0];
    const int64_t v = VermoegenWert(0);
    const int64_t preis = RundenBruch(120 * v, 100);
    Zuschauer ui;
    ui.antworten = {"Ja"};
    Spiele(37, {2, 20, 50, 50, 50, 50, 50, 50});
    ASSERT_EQ(ui.meldungen.size(), 1u);
    EXPECT_EQ(ui.letzte().text, "\r\n\r\nEin steinreicher Mensch möchte gerne\r\nfür " +
                                    Geldtext(static_cast<double>(preis)) + " € Ihren Verein Kaufen ?");
    EXPECT_EQ(mg.Kontostand, 1000000 + preis);
    EXPECT_EQ((std::tuple{int{mg.KaderAnzahl}, mg.Plaetze, mg.Komfortpunkte}), (std::tuple{0, 0, 0}));

    // Gezahlt wird bis das Konto die Abgabegrenze erreicht: nur 1 000 € Platz, gezeigt und gezahlt
    // werden 1 000 €, der Verkauf gilt.
    Ereigniswelt();
    mg.Kontostand = static_cast<int32_t>(AbgabeGrenze - 1000);
    mg.Kredit = 1500000000; // Vermögen unter der Abgabegrenze
    ui.leeren();
    Spiele(37, {1, 25, 50, 50, 50, 50, 50, 50});
    EXPECT_NE(ui.letzte().text.find("Niemand legte 1.000 €"), std::string::npos) << ui.letzte().text;
    EXPECT_EQ(mg.Kontostand, AbgabeGrenze);
    EXPECT_EQ(mg.KaderAnzahl, 0);

    // Kein Euro Platz: kein Verkauf, keine Meldung, nichts geändert.
    for (const int32_t konto : {static_cast<int32_t>(AbgabeGrenze), Max}) {
        Ereigniswelt();
        mg.Kontostand = konto;
        mg.Kredit = 1500000000;
        ui.leeren();
        for (const int r : {1, 2}) {
            Spiele(37, {r, 25});
            EXPECT_TRUE(ui.meldungen.empty());
            EXPECT_EQ((std::tuple{mg.Kontostand, int{mg.KaderAnzahl}, mg.Plaetze}), (std::tuple{konto, 6, 12000}));
        }
    }
}
