// Trainingsplan (Schwerpunkte, Bälle), Kündigung des Trainers und das Trainingslager.
#include "KaderHilfe.h"
#include "core/SkriptOberflaeche.h"
#include "core/Zufall.h"
#include "squad/Kader.h"
#include "squad/Markt.h"
#include "squad/Training.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

using namespace torvane;
using namespace kadertest;

namespace {

std::tuple<int, int, int> Plan(const Manager_& mg)
{
    return {mg.TrainingVerteidigung, mg.TrainingMittelfeld, mg.TrainingAngriff};
}

void Plan(Manager_& mg, int v, int m, int a)
{
    mg.TrainingVerteidigung = static_cast<uint8_t>(v);
    mg.TrainingMittelfeld = static_cast<uint8_t>(m);
    mg.TrainingAngriff = static_cast<uint8_t>(a);
}

// Manager 0 mit Trainer 6 (Stufe 4, 10 Spiele zu 5 000 €, Rückkaufwert 800 000 €), 9 Bällen, 5 davon verteilt.
Manager_& MitTrainer()
{
    Grundstand("T50 V50 M50 S50");
    Manager_& mg = S.Manager[0];
    mg.Trainer = 6;
    mg.TrainerStufe = 4;
    mg.TrainerSpiele = 10;
    mg.TrainerPreis = 800000;
    mg.TrainerGehalt = 5000;
    mg.Baelle = 9;
    mg.BaelleTechnik = 3;
    mg.BaelleKonstitution = 2;
    S.Trainermarkt[6] = Trainereintrag_{-1, 123, 456, 7, {}};
    return mg;
}

struct Mitschreiber : Lagerbericht {
    std::vector<std::pair<std::string, Art>> zeilen;
    void zeile(const std::string& text, Art art) override { zeilen.emplace_back(text, art); }
};

} // namespace

TEST(Training, SchwerpunkteVerschiebenSich)
{
    Grundstand();
    Manager_& mg = S.Manager[0];
    using P = std::tuple<int, int, int>;
    struct Fall {
        bool hoch;
        Linie linie;
        P danach;
    };
    // Von 30/40/30: heben nimmt vom größeren, senken gibt dem kleineren; Gleichstand zuerst die Verteidigung.
    const Fall faelle[] = {
        {true, LinieVerteidigung, {40, 30, 30}}, {true, LinieMittelfeld, {20, 50, 30}},
        {true, LinieAngriff, {30, 30, 40}},      {false, LinieVerteidigung, {20, 40, 40}},
        {false, LinieMittelfeld, {40, 30, 30}},  {false, LinieAngriff, {40, 40, 20}},
    };
    for (const Fall& f : faelle) {
        Plan(mg, 30, 40, 30);
        EXPECT_TRUE(f.hoch ? SchwerpunktHoch(0, f.linie) : SchwerpunktRunter(0, f.linie));
        EXPECT_EQ(Plan(mg), f.danach) << f.hoch << " " << f.linie;
    }
    // Gleichstand ohne Verteidigung: das Mittelfeld.
    Plan(mg, 40, 30, 30);
    EXPECT_TRUE(SchwerpunktHoch(0, LinieVerteidigung));
    EXPECT_EQ(Plan(mg), (P{50, 20, 30}));
    // An den Grenzen 0 und 100 bleibt alles.
    Plan(mg, 100, 0, 0);
    EXPECT_FALSE(SchwerpunktHoch(0, LinieVerteidigung));
    EXPECT_FALSE(SchwerpunktRunter(0, LinieAngriff));
    EXPECT_TRUE(SchwerpunktHoch(0, LinieAngriff));
    EXPECT_EQ(Plan(mg), (P{90, 0, 10}));

    StundenSetzen(0, 12);
    EXPECT_EQ(mg.Trainingsstunden, 10);
    StundenSetzen(0, 0);
    EXPECT_EQ(StundenText(mg.Trainingsstunden), "1 Stunden Training pro Tag");
}

TEST(Training, BaelleLegenUndNehmen)
{
    Grundstand();
    Manager_& mg = S.Manager[0];
    mg.BaelleTechnik = 3;
    mg.BaelleKonstitution = 2;
    EXPECT_EQ(BaelleText(0), "0 von 5 Bälle(n) zu verteilen");
    // Klick auf Platz 2 (x 40..79) der Technik nimmt einen; dann ist einer frei.
    EXPECT_TRUE(BallKlick(0, Skala::Technik, 45));
    EXPECT_EQ(mg.BaelleTechnik, 2);
    EXPECT_EQ(BaelleText(0), "1 von 5 Bälle(n) zu verteilen");
    // Klick weit rechts legt den freien Ball auf die Konstitution; ein weiterer geht nicht.
    EXPECT_TRUE(BallKlick(0, Skala::Konstitution, 400));
    EXPECT_FALSE(BallKlick(0, Skala::Konstitution, 400));
    EXPECT_EQ((std::tuple{mg.BaelleTechnik, mg.BaelleKonstitution, FreieBaelle(0)}), (std::tuple{2, 3, 0}));
    // Höchstens elf auf einer Skala (ein Klick hinter den elften Platz legt keinen zwölften).
    mg.Baelle = 20;
    mg.BaelleTechnik = 11;
    EXPECT_FALSE(BallKlick(0, Skala::Technik, 445));
    EXPECT_EQ(mg.BaelleTechnik, 11);
    // Weniger Bälle als verteilt (nach einem Fehler): frei bleibt 0, nicht negativ.
    mg.Baelle = 1;
    EXPECT_EQ(FreieBaelle(0), 0);

    S.Spiel.Spieltag = 0;
    S.Trainingsbericht = "alt";
    EXPECT_EQ(TrainingsergebnisText(), "Trainingsergebnisse gibt`s nach dem 1.Spieltag !");
    S.Spiel.Spieltag = 3;
    EXPECT_EQ(TrainingsergebnisText(), "alt");
}

TEST(Training, TrainerKuendigenKostetUndGibtIhnFrei)
{
    SkriptOberflaeche ui;
    Manager_& mg = MitTrainer();
    // 800 000 * 0,1 + 5 000 * 10 = 130 000; gutgeschrieben 800 000 - 130 000.
    EXPECT_EQ(TrainerKuendigungskosten(0), 130000);
    ui.antworte("Nein");
    EXPECT_FALSE(TrainerKuendigen(0));
    EXPECT_EQ(ui.texte().back(),
              "Ohne Trainer müssen Sie das Training neu gestalten.\r\nSicher, für 130.000 € kündigen ?");
    EXPECT_EQ((std::tuple{mg.Trainer, mg.Kontostand}), (std::tuple{int8_t{6}, 1000000}));

    ZufallSetzen(5);
    ui.antworte("Ja");
    EXPECT_TRUE(TrainerKuendigen(0));
    EXPECT_EQ(mg.Kontostand, 1000000 + 670000);
    EXPECT_EQ((std::vector<int>{mg.Trainer, mg.TrainerPreis, mg.TrainerGehalt, mg.TrainerSpiele, mg.TrainerStufe,
                                mg.Baelle, mg.BaelleTechnik, mg.BaelleKonstitution}),
              (std::vector<int>{-1, 0, 0, 0, 0, 5, 0, 0}));
    // Er steht wieder auf dem Markt, mit neuen Bedingungen für Trainer 6.
    const Trainereintrag_& e = S.Trainermarkt[6];
    EXPECT_EQ(e.Nummer, 6);
    EXPECT_GE(e.Preis, 6 * 400000 - 250000);
    EXPECT_LE(e.Preis, 6 * 400000 + 250000);
    EXPECT_GE(e.GehaltProSpiel, 12000 - 250);
    EXPECT_LE(e.GehaltProSpiel, 12000 + 250);
    EXPECT_GE(e.Stufe, 3);
    EXPECT_TRUE(TrainerVerpflichten(0, 6, 50));

    // Viele Restspiele: die Kündigung kostet mehr als der Rückkaufwert, das Konto fällt.
    MitTrainer();
    mg.TrainerSpiele = 100;
    mg.TrainerGehalt = 9999;
    mg.TrainerPreis = 55555;
    EXPECT_EQ(TrainerKuendigungskosten(0), 5555 + 999900); // 5 555,5 abgeschnitten
    ui.antworte("Ja");
    EXPECT_TRUE(TrainerKuendigen(0));
    EXPECT_EQ(mg.Kontostand, 1000000 + 55555 - 1005455);

    // Trainer 0 ist keiner: keine Frage, kein Markteintrag 0.
    mg.Trainer = 0;
    EXPECT_FALSE(HatTrainer(0));
    EXPECT_EQ(TrainerKuendigungskosten(0), 0);
    EXPECT_FALSE(TrainerKuendigen(0));
    EXPECT_TRUE(ui.antworten.empty());
}

TEST(Trainingslager, PreisUndSpannenJeLagerUndTage)
{
    struct Fall {
        int lager, tage;
        int tv, tb, kv, kb, fv, fb, gv, gb;
    };
    const Fall faelle[] = {
        {1, 1, 0, 0, 0, 0, 0, 0, -2, 0},  {1, 5, -1, 2, 0, 1, 0, 1, -1, 1},   {1, 10, -2, 5, -1, 2, -1, 2, 0, 1},
        {2, 1, 0, 1, 0, 1, 0, 0, -2, 0},  {2, 5, -2, 5, -2, 6, -1, 2, 0, 1},  {2, 10, -4, 10, -4, 11, -2, 5, 1, 2},
        {3, 1, -2, 4, 0, 1, 0, 1, -1, 0}, {3, 5, -8, 20, -2, 5, -2, 5, 1, 2}, {3, 10, -16, 41, -4, 10, -4, 10, 4, 5},
    };
    for (const Fall& f : faelle) {
        const Lagerwerte w = LagerBerechnen(20, f.lager, f.tage);
        EXPECT_EQ(w.Preis, 20LL * 10000 * f.lager * f.tage);
        EXPECT_EQ((std::vector<int>{w.Technik.von, w.Technik.bis, w.Konstitution.von, w.Konstitution.bis, w.Form.von,
                                    w.Form.bis, w.Genesung.von, w.Genesung.bis}),
                  (std::vector<int>{f.tv, f.tb, f.kv, f.kb, f.fv, f.fb, f.gv, f.gb}))
            << "Lager " << f.lager << ", " << f.tage << " Tage";
    }
    // Lager 1 ab der Oberliga, 2 ab der Regionalliga, 3 ab der 2. Liga; die Verbandsliga darf keines.
    for (int liga = 1; liga <= 5; ++liga)
        for (int lager = 1; lager <= 3; ++lager)
            EXPECT_EQ(LagerErlaubt(liga, lager), liga <= 5 - lager);
}

TEST(Trainingslager, ReiseBuchtEinmalUndErzaehlt)
{
    SkriptOberflaeche ui;
    Grundstand("T50* V50* M50* S50* M60 S40");
    Manager_& mg = S.Manager[0];
    BerechneMannschaft(0, 0);
    mg.Kader[5].Verletzt = 3;
    mg.Kader[5].VerletzungArt = 4;
    S.Optionen[0][OptTempo] = 1;

    // Ein Lager, das in der Liga nicht erlaubt ist, wird erst beim Losfahren abgewiesen.
    Mitschreiber nichts;
    EXPECT_FALSE(LagerFahren(0, 2, 5, nichts));
    EXPECT_EQ(ui.texte().back(), LagerVerbotenText);
    EXPECT_EQ(mg.Kontostand, 1000000);
    EXPECT_TRUE(nichts.zeilen.empty());

    ZufallSetzen(99);
    Mitschreiber b;
    const int vorher = mg.TeamStaerke;
    EXPECT_TRUE(LagerFahren(0, 1, 10, b));
    EXPECT_EQ(mg.Kontostand, 1000000 - 6 * 10000 * 1 * 10);
    // Je Spieler Name, Tätigkeit, Ergebnis; dann vier Schlusszeilen. Kein Wort zweimal.
    ASSERT_EQ(b.zeilen.size(), 6u * 3 + 4);
    std::set<std::string> woerter;
    for (size_t i = 0; i < 18; i += 3) {
        EXPECT_EQ(b.zeilen[i].second, Lagerbericht::Art::Name);
        EXPECT_EQ(b.zeilen[i + 1].second, Lagerbericht::Art::Taetigkeit);
        woerter.insert(b.zeilen[i + 1].first);
    }
    EXPECT_EQ(woerter.size(), 6u);
    // Der Verletzte (Genesung 0..1): kürzer oder er schläft.
    const std::string& verletzter = b.zeilen[4 * 3 + 2].first;
    EXPECT_TRUE(verletzter == "Schläft....." || verletzter == "verkürzte seine Verletzung um 1 Woche(n)") << verletzter;
    EXPECT_EQ(b.zeilen[18].first, "Feierabend");
    EXPECT_EQ(b.zeilen[19].first, "Alle gehen Heim");
    EXPECT_EQ(b.zeilen[20].first,
              "GesamtStärke von " + std::to_string(vorher) + " auf " + std::to_string(mg.TeamStaerke));
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>(6, "ding"));
    // Pausen beim Tempo 1: 400 nach dem Namen, 100 nach dem Wort, 800 nach dem Ergebnis.
    EXPECT_EQ(ui.anzahl("Warte:400"), 6u);
    EXPECT_EQ(ui.anzahl("Warte:100"), 6u);
    EXPECT_EQ(ui.anzahl("Warte:800"), 6u);
}

TEST(Trainingslager, GenesungUndSteigerung)
{
    SkriptOberflaeche ui;
    // Ein fitter Spieler kann durch eine negative Genesung ausfallen (Lager 1, 1 Tag: -2..0).
    Mitschreiber b;
    bool motiviert = false;
    for (uint32_t saat = 1; saat < 60 && !motiviert; ++saat) {
        Grundstand("M50*");
        S.Manager[0].Liga = 2;
        BerechneMannschaft(0, 0);
        ZufallSetzen(saat);
        b.zeilen.clear();
        ASSERT_TRUE(LagerFahren(0, 1, 1, b));
        const Kaderspieler_& sp = S.Manager[0].Kader[1];
        const std::string& e = b.zeilen[2].first;
        if (sp.Verletzt > 0) {
            motiviert = true;
            EXPECT_EQ(sp.VerletzungArt, 0);
            const std::string wochen = std::to_string(sp.Verletzt) + " Woche(n) ausfallen";
            EXPECT_TRUE(e == "war zu Motiviert und wird " + wochen || e == "ist Desorientiert und wird " + wochen) << e;
        } else {
            EXPECT_EQ(e, "änderte seine Stärke um 0");
        }
    }
    EXPECT_TRUE(motiviert);

    // Die Steigerung rechnet mit mindestens 1 als alter Stärke.
    Grundstand("M50*");
    S.Manager[0].Liga = 2;
    S.Manager[0].TeamStaerke = 0;
    b.zeilen.clear();
    ASSERT_TRUE(LagerFahren(0, 1, 1, b));
    const int neu = S.Manager[0].TeamStaerke;
    EXPECT_EQ(b.zeilen.back().first, "Steigerung von " + std::to_string(100 * neu - 100) + " %");
}
