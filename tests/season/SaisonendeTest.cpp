// Das Saisonende auf den ausgelieferten Grunddaten: Prämien, Punkte, Bonus, Scheck,
// Verbandsliga, Ligentausch, Alterung und auslaufende Verträge.
#include "core/AutoOberflaeche.h"
#include "core/Funky.h"
#include "core/Variablen.h"
#include "flow/Neuanlage.h"
#include "season/Pleite.h"
#include "season/Saisonende.h"
#include "squad/Kader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace torvane;

namespace {

// Nimmt jede Meldung und jeden Klang mit; antwortet wie der Automat.
struct Mitschrift : AutoOberflaeche {
    std::vector<std::string> texte;
    std::vector<std::string> klaenge;
    Mitschrift()
    {
        nachrichtAntwort = [this](const std::string& kopf, const std::string& text, NachrichtArt) {
            texte.push_back(kopf + "|" + text);
            return std::string("Weiter");
        };
        dialogAntwort = [this](const std::string& text, Knoepfe) {
            texte.push_back(text);
            return Antwort::Ok;
        };
        OberflaecheSetzen(this);
    }
    ~Mitschrift() override { OberflaecheSetzen(nullptr); }
    void klang(const std::string& name, bool) override { klaenge.push_back(name); }
    void warteAufBefehl(const std::string& erwartet) override
    {
        klaenge.push_back("warte:" + erwartet);
        AutoOberflaeche::warteAufBefehl(erwartet);
    }
    bool enthaelt(const std::string& teil) const
    {
        return std::any_of(texte.begin(), texte.end(), [&](const std::string& t) { return t.find(teil) != t.npos; });
    }
};

struct Bildschirm : Saisonendeanzeige {
    std::vector<std::string> aufrufe;
    Bildschirm() { SaisonendeAnzeigeSetzen(this); }
    ~Bildschirm() override { SaisonendeAnzeigeSetzen(nullptr); }
    void oeffnen(const std::string& t) override { aufrufe.push_back("oeffnen:" + t); }
    void tafelZeigen(const std::string& meister, const std::array<std::string, 3>& v,
                     const std::array<std::string, 3>& p) override
    {
        aufrufe.push_back("tafel:" + meister + "|" + v[0] + "|" + p[0] + "|" + p[1] + "|" + p[2]);
    }
    void wechselZeigen(const std::string& ab1, const std::array<std::string, 3>& v, bool blinken) override
    {
        aufrufe.push_back("wechsel:" + ab1 + "|" + v[0] + (blinken ? "|blinkt" : ""));
    }
    void textZeigen(const std::string& t) override { aufrufe.push_back("text:" + t); }
    void schliessen() override { aufrufe.push_back("zu"); }
};

void EchtesSpiel(int n, uint32_t saat)
{
    const std::string vorher = Pfade.Daten;
    Pfade.Daten = TORVANE_QUELLEN "/daten/";
    S = Spielstand{};
    ZufallSetzen(saat);
    std::vector<std::pair<std::string, std::string>> manager;
    for (int m = 0; m < n; ++m) manager.emplace_back(Vorgabenamen[m].Name, Vorgabenamen[m].Verein);
    const bool ok = NeuesSpielOhneBildschirm(manager);
    Pfade.Daten = vorher;
    ASSERT_TRUE(ok);
    // Verträge laufen in diesen Tests nicht aus, es sei denn, ein Test will es.
    for (int m = 0; m < n; ++m)
        for (int i = 1; i <= S.Manager[m].KaderAnzahl; ++i) S.Manager[m].Kader[i].Vertrag = 5;
}

// Setzt den Verein des Managers m auf den Index ziel (Tausch der ganzen Datensätze).
void VereinNach(int m, int ziel)
{
    std::swap(S.Mannschaft[ManagerVerein(m)], S.Mannschaft[ziel]);
    S.Manager[m].Liga = static_cast<int8_t>((ziel - 1) / 18 + 1);
    S.Manager[m].Platz = static_cast<int8_t>((ziel - 1) % 18 + 1);
}

int Index(const std::string& name) { return VereinNachName(name); }

} // namespace

TEST(Saisonende, ZweiterDerZweitenLiga)
{
    Mitschrift ui;
    EchtesSpiel(1, 21);
    Manager_& mg = S.Manager[0];
    VereinNach(0, 20);
    mg.Kontostand = 0;
    mg.Managerpunkte = 10.0f;
    ASSERT_TRUE(Saisonende());
    EXPECT_EQ(mg.Kontostand, 750000 + 1000000 + 2340000);
    EXPECT_FLOAT_EQ(mg.Managerpunkte, 14.0f);
    EXPECT_EQ(mg.Liga, 1);
    EXPECT_EQ(ManagerVerein(0), Index(mg.Vereinsname.text()));
    EXPECT_TRUE(ui.enthaelt("Alfred|\r\n\r\nWir Gratulieren zum Aufstieg in die Bundesliga. \r\n"
                            "Sie bekommen einen Aufsteigerbonus von 1.000.000 €"));
    EXPECT_TRUE(ui.enthaelt("AC Achern unter dem Management von Alfred|\r\nDer Fußballbund Gratuliert zu diesem "
                            "hervorragenden Tabellenplatz,zudem wird Ihnen ein Scheck in Höhe von 2.340.000 € "
                            "überreicht."));
}

TEST(Saisonende, MeisterDerBundesliga)
{
    Mitschrift ui;
    EchtesSpiel(1, 22);
    Manager_& mg = S.Manager[0];
    VereinNach(0, 1);
    mg.Kontostand = 0;
    mg.Managerpunkte = 10.0f;
    ASSERT_TRUE(Saisonende());
    EXPECT_EQ(mg.Kontostand, 2000000 + 2620000);
    EXPECT_FLOAT_EQ(mg.Managerpunkte, 15.0f);
    EXPECT_FALSE(ui.enthaelt("Aufsteigerbonus"));
    const auto tataa = std::find(ui.klaenge.begin(), ui.klaenge.end(), "tataa");
    ASSERT_NE(tataa, ui.klaenge.end());
    EXPECT_EQ(*(tataa + 1), "saisonende");
}

TEST(Saisonende, OberligaMeisterBekommtEinenPunkt)
{
    Mitschrift ui;
    EchtesSpiel(1, 23);
    Manager_& mg = S.Manager[0];
    VereinNach(0, 55);
    mg.Kontostand = 0;
    mg.Managerpunkte = 10.0f;
    ASSERT_TRUE(Saisonende());
    // 500 000 Prämie, 1 000 000 Bonus, 18 * 100 000 + 200 000 + 20 000 Scheck.
    EXPECT_EQ(mg.Kontostand, 500000 + 1000000 + 2020000);
    EXPECT_FLOAT_EQ(mg.Managerpunkte, 11.0f);
    EXPECT_EQ(mg.Liga, 3);
}

TEST(Saisonende, AbstiegInDieVerbandsligaBeendetDasSpiel)
{
    Mitschrift ui;
    Bildschirm b;
    EchtesSpiel(1, 24);
    VereinNach(0, 71);
    EXPECT_FALSE(Saisonende());
    EXPECT_TRUE(SpielVorbei());
    EXPECT_TRUE(ui.enthaelt(std::string("Alfred|") + VerbandsligaText));
    EXPECT_EQ(b.aufrufe.back(), "text:und Tschüß");
}

TEST(Saisonende, AbsteigerGehtDieAnderenBleiben)
{
    Mitschrift ui;
    EchtesSpiel(2, 25);
    VereinNach(0, 71);
    VereinNach(1, 30);
    const std::string absteiger = S.Manager[0].Vereinsname.text();
    const std::string aufsteiger = S.Mannschaft[74].Name.text();
    ASSERT_TRUE(Saisonende());
    EXPECT_EQ(S.Spiel.ManagerHoch, 0);
    EXPECT_EQ(S.Manager[0].Name.text(), "Berta");
    // Der Absteiger steht jetzt in der Verbandsliga, der Zweite der Verbandsliga in der Oberliga.
    EXPECT_GT(Index(absteiger), 72);
    EXPECT_LE(Index(aufsteiger), 72);
    EXPECT_GE(Index(aufsteiger), 55);
    EXPECT_EQ(S.Mannschaft[Index(absteiger)].Liga, 5);
}

TEST(Saisonende, LigentauschDreiRaufDreiRunter)
{
    EchtesSpiel(1, 26);
    std::map<int, std::string> vorher;
    for (int i = 1; i <= 72; ++i) vorher[i] = S.Mannschaft[i].Name.text();
    LigenTauschen();
    // Der 16. der Bundesliga ist Dritter der 2. Liga, der Meister der 2. Liga Letzter der Bundesliga.
    EXPECT_EQ(S.Mannschaft[21].Name.text(), vorher[16]);
    EXPECT_EQ(S.Mannschaft[18].Name.text(), vorher[19]);
    EXPECT_EQ(S.Mannschaft[17].Name.text(), vorher[20]);
    EXPECT_EQ(S.Mannschaft[19].Name.text(), vorher[18]);
    EXPECT_EQ(S.Mannschaft[54].Name.text(), vorher[55]);
    EXPECT_EQ(S.Mannschaft[55].Name.text(), vorher[54]);
    EXPECT_EQ(S.Mannschaft[15].Name.text(), vorher[15]);
    EXPECT_EQ(S.Mannschaft[22].Name.text(), vorher[22]);
    std::set<std::string> namen;
    for (int i = 1; i <= 72; ++i) namen.insert(S.Mannschaft[i].Name.text());
    EXPECT_EQ(namen.size(), 72u);
    // Der Manager zeigt weiter auf seinen Verein.
    EXPECT_EQ(S.Mannschaft[ManagerVerein(0)].Name.text(), S.Manager[0].Vereinsname.text());
}

TEST(Saisonende, EwigePunkteDerErstenDrei)
{
    Mitschrift ui;
    EchtesSpiel(1, 27);
    const std::string meister3 = S.Mannschaft[37].Name.text();
    const std::string zweiter1 = S.Mannschaft[2].Name.text();
    const std::string dritter4 = S.Mannschaft[57].Name.text();
    const std::string vierter1 = S.Mannschaft[4].Name.text();
    std::map<std::string, float> vorher;
    for (const auto& n : {meister3, zweiter1, dritter4, vierter1}) vorher[n] = S.Mannschaft[Index(n)].EwigePunkte;
    ASSERT_TRUE(Saisonende());
    EXPECT_FLOAT_EQ(S.Mannschaft[Index(meister3)].EwigePunkte - vorher[meister3], 6.0f);
    EXPECT_FLOAT_EQ(S.Mannschaft[Index(zweiter1)].EwigePunkte - vorher[zweiter1], 10.0f);
    EXPECT_FLOAT_EQ(S.Mannschaft[Index(dritter4)].EwigePunkte - vorher[dritter4], 1.0f);
    EXPECT_FLOAT_EQ(S.Mannschaft[Index(vierter1)].EwigePunkte - vorher[vierter1], 0.0f);
}

TEST(Saisonende, AblaufAmBildschirmUndNeueSaison)
{
    Mitschrift ui;
    Bildschirm b;
    EchtesSpiel(1, 28);
    S.Spiel.Spieltag = 34;
    S.Manager[0].HeimspieleSaison = 17;
    S.Manager[0].DauerkartenVerkauft = 300;
    S.ChlTabelle[3].ChlPunkte = 9;
    S.Ergebnisse[2][5][4] = "2:1";
    S.Statistik[0].Plaetze[10] = 7;
    const std::string meister = S.Mannschaft[1].Name.text();
    ASSERT_TRUE(Saisonende());

    EXPECT_EQ(b.aufrufe.front(), "oeffnen:Saison 1 ist zu Ende");
    EXPECT_EQ(b.aufrufe[1], "tafel:Fußballmeister Bundesliga|" + meister + "|bekommt 2.000.000 €|"
                                                                           "bekommt 1.000.000 €|bekommt 400.000 €");
    for (const char* liga : {"2.Liga", "Regionalliga", "Oberliga"})
        EXPECT_EQ(std::count_if(b.aufrufe.begin(), b.aufrufe.end(),
                                [&](const std::string& a) {
                                    return a.rfind(std::string("tafel:Fußballmeister ") + liga + "|", 0) == 0;
                                }),
                  1)
            << liga;
    EXPECT_EQ(std::count_if(b.aufrufe.begin(), b.aufrufe.end(),
                            [](const std::string& a) {
                                return a.rfind("wechsel:Absteiger in die Verbandsliga|", 0) == 0 &&
                                       a.find("|blinkt") != a.npos;
                            }),
              1);
    EXPECT_EQ(std::count_if(b.aufrufe.begin(), b.aufrufe.end(),
                            [](const std::string& a) { return a.rfind("wechsel:Aufstieg in die Oberliga|", 0) == 0; }),
              1);
    EXPECT_EQ(b.aufrufe[b.aufrufe.size() - 2], "text:Auf zur 2.Saison");
    EXPECT_EQ(b.aufrufe.back(), "zu");
    EXPECT_EQ(std::count(ui.klaenge.begin(), ui.klaenge.end(), "warte:weiter"), 5);

    EXPECT_EQ(S.Spiel.Saison, 2);
    EXPECT_EQ(S.Spiel.Spieltag, 0);
    EXPECT_EQ(S.AktManager, 0);
    for (int m = 0; m <= 3; ++m) EXPECT_EQ(S.Saisonbilanz[m].laenge(), 3);
    EXPECT_EQ(S.Saisonbilanz[0][2].Liga, S.Manager[0].Liga);
    EXPECT_EQ(S.ChlTabelle[3].ChlPunkte, 0);
    EXPECT_EQ(S.Ergebnisse[2][5][4].text(), "-:-");
    EXPECT_EQ(S.Statistik[0].Plaetze[10], 0);
    EXPECT_EQ(S.Optionen[0][OptAnzeigeLiga], S.Manager[0].Liga);
    EXPECT_EQ(S.Manager[0].HeimspieleSaison, 0);
    EXPECT_EQ(S.Manager[0].DauerkartenVerkauft, 0);
}

TEST(Saisonende, VertraegeLaufenAusAuchNebeneinander)
{
    Mitschrift ui;
    EchtesSpiel(1, 29);
    Manager_& mg = S.Manager[0];
    mg.Kontostand = 0;
    ASSERT_GE(mg.KaderAnzahl, 6);
    const int anzahl = mg.KaderAnzahl;
    std::map<std::string, int> vertrag;
    int64_t abloese = 0;
    for (int i = 1; i <= anzahl; ++i) {
        Kaderspieler_& sp = mg.Kader[i];
        sp.Vertrag = static_cast<int8_t>(i == 2 || i == 3 || i == anzahl ? 1 : 2 + i % 3);
        vertrag[sp.Nachname.text() + sp.Vorname.text()] = sp.Vertrag;
        if (sp.Vertrag == 1) abloese += sp.Wert / 2;
    }
    const int frei = FreierPoolplatz();
    VertraegeAuslaufen(0);
    EXPECT_EQ(mg.KaderAnzahl, anzahl - 3);
    EXPECT_EQ(mg.Kontostand, abloese);
    // Jeder Verbliebene ist genau einmal heruntergezählt.
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& sp = mg.Kader[i];
        EXPECT_EQ(sp.Vertrag, vertrag[sp.Nachname.text() + sp.Vorname.text()] - 1);
    }
    EXPECT_EQ(std::count(ui.klaenge.begin(), ui.klaenge.end(), "error"), 3);
    EXPECT_TRUE(ui.enthaelt(" ist ausgelaufen.\r\nDer Spieler verläßt den Verein für "));
    EXPECT_FALSE(S.Spieler[frei].Vorname.leer()); // der Name ist zurück im Pool
}

TEST(Saisonende, AlterungMitVertauschtenGrenzen)
{
    EchtesSpiel(1, 30);
    Manager_& mg = S.Manager[0];
    std::set<int> technik3, technik10;
    for (int runde = 0; runde < 400; ++runde) {
        for (int i = 1; i <= mg.KaderAnzahl; ++i) {
            Kaderspieler_& sp = mg.Kader[i];
            sp.Technik = 50;
            sp.Alter = 20;
            sp.Form = static_cast<int8_t>(i % 2 ? -3 : -10);
            sp.Verletzt = static_cast<int8_t>(i % 2 ? 1 : 10);
            sp.VerletzungArt = 4;
            sp.GelbNational = 3;
            sp.RotInternational = 2;
        }
        std::vector<int> form(static_cast<size_t>(mg.KaderAnzahl) + 1);
        for (int i = 1; i <= mg.KaderAnzahl; ++i) form[static_cast<size_t>(i)] = mg.Kader[i].Form;
        KaderAltern(0);
        for (int i = 1; i <= mg.KaderAnzahl; ++i) {
            const Kaderspieler_& sp = mg.Kader[i];
            (form[static_cast<size_t>(i)] == -3 ? technik3 : technik10).insert(sp.Technik - 50);
            EXPECT_EQ(sp.Alter, 21);
            EXPECT_EQ(sp.GelbNational, 0);
            EXPECT_EQ(sp.RotInternational, 0);
            EXPECT_GE(sp.Form, -10);
            EXPECT_LE(sp.Form, 10);
            if (i % 2) {
                EXPECT_EQ(sp.Verletzt, 0); // 1 - (1..5): geheilt, das Wort ist weg
                EXPECT_EQ(sp.VerletzungArt, 0);
            } else {
                EXPECT_GE(sp.Verletzt, 5);
                EXPECT_LE(sp.Verletzt, 9);
                EXPECT_EQ(sp.VerletzungArt, 4);
            }
        }
    }
    EXPECT_EQ(technik3, (std::set<int>{-2, 0}));
    EXPECT_EQ(technik10, (std::set<int>{-8, -7, -6, -5, -4, -3, -2, 0}));
}

TEST(Saisonende, ScheckBeispiele)
{
    EXPECT_EQ(Verbandsscheck(1, 1), 2620000);
    EXPECT_EQ(Verbandsscheck(4, 18), 660000);
    EXPECT_EQ(Verbandsurteil(8), "Viel Glück in der nächsten Saison wünscht der Fußballbund,");
    EXPECT_EQ(Verbandsurteil(9), "Ein Platz im Mittelfeld ist auch nicht zu verachten, meint der Fußballbund,");
    EXPECT_EQ(Verbandsurteil(14), "Der Fußballbund gibt zu verstehen das Management zu ändern,");
}
