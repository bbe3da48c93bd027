// Das Saisonende auf den ausgelieferten Grunddaten: Prämien, Punkte, Bonus, Scheck,
// Verbandsliga, Ligentausch, Alterung und auslaufende Verträge.
#include "../flow/Spielwelt.h"
#include "season/Pleite.h"
#include "season/Saisonende.h"
#include "squad/Kader.h"

#include <map>
#include <set>

using namespace torvane;

namespace {

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
    void textZeigen(const std::string& t) override { aufrufe.push_back("text:" + t); }
    void wechselZeigen(const std::string& ab1, const std::array<std::string, 3>&, Wechsel art, bool blinken) override
    {
        aufrufe.push_back(std::string(art == Wechsel::Aufstieg ? "auf:" : "ab:") + ab1 + (blinken ? "!" : ""));
    }
};

// Ein echtes Spiel, in dem Verträge nur auslaufen, wenn ein Test es will.
void Spiel(int n, uint32_t saat)
{
    EchtesSpiel(n, saat);
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

} // namespace

TEST(Saisonende, PraemiePunkteBonusUndScheck)
{
    struct Fall {
        uint32_t saat;
        int ziel;
        int32_t konto;
        float punkte;
        int liga;
    };
    // Zweiter der 2. Liga, Meister der Bundesliga (kein Aufstiegsbonus), Oberligameister (ein Punkt):
    // Prämie, Bonus, Scheck; Managerpunkte von 10 aus; Liga danach.
    for (const Fall& f : {Fall{21, 20, 750000 + 1000000 + 2340000, 14.0f, 1}, Fall{22, 1, 2000000 + 2620000, 15.0f, 1},
                          Fall{23, 55, 500000 + 1000000 + 2020000, 11.0f, 3}}) {
        Mitschrift ui;
        Spiel(1, f.saat);
        Manager_& mg = S.Manager[0];
        VereinNach(0, f.ziel);
        mg.Kontostand = 0;
        mg.Managerpunkte = 10.0f;
        ASSERT_TRUE(Saisonende());
        EXPECT_EQ(mg.Kontostand, f.konto) << f.ziel;
        EXPECT_FLOAT_EQ(mg.Managerpunkte, f.punkte) << f.ziel;
        EXPECT_EQ(mg.Liga, f.liga) << f.ziel;
        EXPECT_EQ(ManagerVerein(0), VereinNachName(mg.Vereinsname.text())) << f.ziel;
        EXPECT_EQ(ui.enthaelt("Sie bekommen einen Aufsteigerbonus von 1.000.000 €"), f.ziel != 1) << f.ziel;
        if (f.ziel == 20) {
            EXPECT_TRUE(ui.enthaelt("AC Achern unter dem Management von Alfred|\r\nDer Fußballbund Gratuliert "
                                    "zu diesem hervorragenden Tabellenplatz,zudem wird Ihnen ein Scheck in Höhe von "
                                    "2.340.000 € überreicht."));
        }
        if (f.ziel == 1) {
            // Nach dem Tusch für den Meister läuft die Musik weiter.
            const auto tataa = std::find(ui.klaenge.begin(), ui.klaenge.end(), "tataa");
            ASSERT_NE(tataa, ui.klaenge.end());
            EXPECT_EQ(*(tataa + 1), "saisonende");
        }
    }
}

TEST(Saisonende, AbsteigerInDieVerbandsligaGehtDerLetzteBeendetDasSpiel)
{
    Mitschrift ui;
    Bildschirm b;
    Spiel(2, 25);
    VereinNach(0, 71);
    VereinNach(1, 30);
    const std::string absteiger = S.Manager[0].Vereinsname.text();
    const std::string aufsteiger = S.Mannschaft[74].Name.text();
    ASSERT_TRUE(Saisonende());
    EXPECT_TRUE(ui.enthaelt(std::string("Alfred|") + VerbandsligaText()));
    EXPECT_EQ(S.Spiel.ManagerHoch, 0);
    EXPECT_EQ(S.Manager[0].Name.text(), "Berta");
    // Der Absteiger steht jetzt in der Verbandsliga, der Zweite der Verbandsliga in der Oberliga.
    EXPECT_GT(VereinNachName(absteiger), 72);
    EXPECT_EQ(S.Mannschaft[VereinNachName(absteiger)].Liga, 5);
    const int auf = VereinNachName(aufsteiger);
    EXPECT_TRUE(auf >= 55 && auf <= 72) << auf;

    // Steigt auch der letzte Manager ab, ist das Spiel aus.
    VereinNach(0, 71);
    EXPECT_FALSE(Saisonende());
    EXPECT_TRUE(SpielVorbei());
    EXPECT_EQ(b.aufrufe.back(), "text:und Tschüß");
}

TEST(Saisonende, LigentauschDreiRaufDreiRunter)
{
    Spiel(1, 26);
    std::vector<std::string> vorher(73);
    for (int i = 1; i <= 72; ++i) vorher[static_cast<size_t>(i)] = S.Mannschaft[i].Name.text();
    LigenTauschen();
    // Der 16. der Bundesliga ist Dritter der 2. Liga, der Meister der 2. Liga Letzter der Bundesliga.
    for (const auto& [nach, von] : std::initializer_list<std::pair<int, size_t>>{
             {21, 16}, {18, 19}, {17, 20}, {19, 18}, {54, 55}, {55, 54}, {15, 15}, {22, 22}})
        EXPECT_EQ(S.Mannschaft[nach].Name.text(), vorher[von]) << nach;
    std::set<std::string> namen;
    for (int i = 1; i <= 72; ++i) namen.insert(S.Mannschaft[i].Name.text());
    EXPECT_EQ(namen.size(), 72u);
    EXPECT_EQ(S.Mannschaft[ManagerVerein(0)].Name.text(), S.Manager[0].Vereinsname.text());
}

TEST(Saisonende, EwigePunkteDerErstenDrei)
{
    Mitschrift ui;
    Spiel(1, 27);
    // Meister der Regionalliga 20 div 3, Zweiter der Bundesliga, Dritter der Oberliga 5 div 4, Vierter nichts.
    const std::map<int, float> zuwachs = {{37, 6.0f}, {2, 10.0f}, {57, 1.0f}, {4, 0.0f}};
    std::map<std::string, std::pair<float, float>> vorher;
    for (const auto& [i, z] : zuwachs) vorher[S.Mannschaft[i].Name.text()] = {S.Mannschaft[i].EwigePunkte, z};
    ASSERT_TRUE(Saisonende());
    for (const auto& [name, vz] : vorher)
        EXPECT_FLOAT_EQ(S.Mannschaft[VereinNachName(name)].EwigePunkte - vz.first, vz.second) << name;
}

TEST(Saisonende, AblaufAmBildschirmUndNeueSaison)
{
    Mitschrift ui;
    Bildschirm b;
    Spiel(1, 28);
    Manager_& mg = S.Manager[0];
    S.Spiel.Spieltag = 34;
    mg.HeimspieleSaison = 17;
    mg.DauerkartenVerkauft = 300;
    S.ChlTabelle[3].ChlPunkte = 9;
    S.Ergebnisse[2][5][4] = "2:1";
    S.Statistik[0].Plaetze[10] = 7;
    const std::string meister = S.Mannschaft[1].Name.text();
    ASSERT_TRUE(Saisonende());

    EXPECT_EQ(b.aufrufe.front(), "oeffnen:Saison 1 ist zu Ende");
    EXPECT_EQ(b.aufrufe[1], "tafel:Fußballmeister Bundesliga|" + meister +
                                "|bekommt 2.000.000 €|bekommt 1.000.000 €|bekommt 400.000 €");
    EXPECT_EQ(ui.klaengeMit("warte:weiter"), 5); // vier Ligen und der Aufstieg in die Oberliga
    EXPECT_EQ(b.aufrufe.back(), "text:Auf zur 2.Saison");
    // Die Art des Wechsels kommt als Wert mit; geblinkt wird nur beim Abstieg aus der Oberliga.
    std::vector<std::string> wechsel;
    for (const std::string& a : b.aufrufe)
        if (a.rfind("auf:", 0) == 0 || a.rfind("ab:", 0) == 0) wechsel.push_back(a);
    EXPECT_EQ(wechsel, (std::vector<std::string>{"ab:Absteiger in die 2.Liga", "ab:Absteiger in die Regionalliga",
                                                 "ab:Absteiger in die Oberliga", "ab:Absteiger in die Verbandsliga!",
                                                 "auf:Aufstieg in die Oberliga"}));

    // Saison, Spieltag, AktManager, ChL-Tabelle, Platzverlauf, Heimspiele, Dauerkarten, Anzeigeliga, Bilanz.
    EXPECT_EQ((std::vector<int>{S.Spiel.Saison, S.Spiel.Spieltag, S.AktManager, S.ChlTabelle[3].ChlPunkte,
                                S.Statistik[0].Plaetze[10], mg.HeimspieleSaison, mg.DauerkartenVerkauft,
                                S.Optionen[0][OptAnzeigeLiga], S.Saisonbilanz[0][2].Liga}),
              (std::vector<int>{2, 0, 0, 0, 0, 0, 0, mg.Liga, mg.Liga}));
    for (int m = 0; m <= 3; ++m) EXPECT_EQ(S.Saisonbilanz[m].laenge(), 3);
    EXPECT_EQ(S.Ergebnisse[2][5][4].text(), "-:-");
}

TEST(Saisonende, VertraegeLaufenAusAuchNebeneinander)
{
    Mitschrift ui;
    Spiel(1, 29);
    Manager_& mg = S.Manager[0];
    mg.Kontostand = 0;
    const int anzahl = mg.KaderAnzahl;
    ASSERT_GE(anzahl, 6);
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
    EXPECT_EQ(ui.klaengeMit("error"), 3);
    EXPECT_EQ(ui.anzahl(" ist ausgelaufen.\r\nDer Spieler verläßt den Verein für "), 3u);
    EXPECT_FALSE(S.Spieler[frei].Vorname.leer()); // der Name ist zurück im Pool
}

TEST(Saisonende, AlterungMitVertauschtenGrenzen)
{
    Spiel(1, 30);
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
        KaderAltern(0);
        for (int i = 1; i <= mg.KaderAnzahl; ++i) {
            const Kaderspieler_& sp = mg.Kader[i];
            (i % 2 ? technik3 : technik10).insert(sp.Technik - 50);
            ASSERT_EQ((std::vector<int>{sp.Alter, sp.GelbNational, sp.RotInternational}), (std::vector<int>{21, 0, 0}));
            ASSERT_TRUE(sp.Form >= -10 && sp.Form <= 10);
            // 1 - (1..5): geheilt, das Wort ist weg; 10 - (1..5): noch 5..9 Wochen.
            if (i % 2) {
                ASSERT_EQ(sp.Verletzt + sp.VerletzungArt, 0);
            } else {
                ASSERT_TRUE(sp.Verletzt >= 5 && sp.Verletzt <= 9 && sp.VerletzungArt == 4) << int{sp.Verletzt};
            }
        }
    }
    EXPECT_EQ(technik3, (std::set<int>{-2, 0}));
    EXPECT_EQ(technik10, (std::set<int>{-8, -7, -6, -5, -4, -3, -2, 0}));
}

TEST(Saisonende, ScheckDesLetztenUndUrteilsgrenzen)
{
    EXPECT_EQ(Verbandsscheck(4, 18), 660000);
    EXPECT_EQ(Verbandsurteil(8), "Viel Glück in der nächsten Saison wünscht der Fußballbund,");
    EXPECT_EQ(Verbandsurteil(9), "Ein Platz im Mittelfeld ist auch nicht zu verachten, meint der Fußballbund,");
    EXPECT_EQ(Verbandsurteil(14), "Der Fußballbund gibt zu verstehen das Management zu ändern,");
}

// Mit zwei Managern sagt der Fenstertitel jeder Vertragsmeldung, wessen Spieler geht; der Text
// bleibt, wie er war, und danach tragen die Dialoge wieder keinen Titel.
TEST(Saisonende, VertragsendeNenntManagerUndVerein)
{
    struct Titelschrift : Mitschrift {
        std::vector<std::string> titel;
        Antwort dialog(DialogArt a, const std::string& text, Knoepfe k) override
        {
            titel.push_back(MeldungsTitel::aktuell());
            return Mitschrift::dialog(a, text, k);
        }
    } ui;
    Spiel(2, 31);
    for (int m = 0; m < 2; ++m) {
        Manager_& mg = S.Manager[m];
        for (int i = 1; i <= mg.KaderAnzahl; ++i) mg.Kader[i].Vertrag = static_cast<int8_t>(i == 2 ? 1 : 3);
    }
    const std::string erwartet[] = {S.Manager[0].Name.text() + " – " + S.Manager[0].Vereinsname.text(),
                                    S.Manager[1].Name.text() + " – " + S.Manager[1].Vereinsname.text()};
    VertraegeAuslaufen(0);
    VertraegeAuslaufen(1);
    ASSERT_EQ(ui.titel.size(), 2u);
    EXPECT_EQ(ui.titel[0], erwartet[0]);
    EXPECT_EQ(ui.titel[1], erwartet[1]);
    EXPECT_EQ(ui.texte[0].rfind("Der Vertrag von ", 0), 0u) << ui.texte[0];
    EXPECT_EQ(MeldungsTitel::aktuell(), "");
}
