// Neues Spiel, neuer Mitspieler, Saisonvorbereitung, Ligawahl und Startbildschirm.
#include "core/Daten.h"
#include "core/Fehler.h"
#include "core/Funky.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "flow/Neuanlage.h"
#include "squad/Kader.h"
#include "squad/Markt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

using Paare = std::vector<std::pair<std::string, std::string>>;

// Kleine Welt: 72 + 18 deutsche Vereine, Nation 1 "D", Nationen 2..16 mit je
// sechs Vereinen (Nation 2 mit Bonus -10), und je Position ein Pool von Spielern.
void WeltBauen(int jePosition = 60, const std::string& positionen = "TVMS")
{
    S = Spielstand{};
    S.Nation[1] = Nation_{"D", "Deutschland", 0};
    for (int n = 2; n <= 16; ++n)
        S.Nation[n] = Nation_{"N" + std::to_string(n), "Land " + std::to_string(n), static_cast<int8_t>(n == 2 ? -10 : n - 8)};
    S.Spiel.NationAnzahl = 16;

    S.Mannschaft.laengeSetzen(1 + 90 + 15 * 6);
    for (int i = 1; i <= 90; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Name = "Verein " + std::to_string(i);
        v.Liga = static_cast<uint8_t>(i <= 72 ? (i - 1) / 18 + 1 : 5);
        v.Nation = "D";
    }
    for (int n = 2; n <= 16; ++n)
        for (int k = 1; k <= 6; ++k) {
            Mannschaft_& v = S.Mannschaft[90 + (n - 2) * 6 + k];
            v.Name = "Ausland " + std::to_string(n) + "-" + std::to_string(k);
            v.Liga = 1;
            v.Nation = S.Nation[n].Kuerzel;
        }
    S.Spiel.MannschaftHoch = 180;
    S.Spiel.DeutscheHoch = 90;

    S.Spieler.laengeSetzen(1 + jePosition * static_cast<int>(positionen.size()));
    int p = 0;
    for (char pos : positionen)
        for (int k = 1; k <= jePosition; ++k) {
            Spieler_& s = S.Spieler[++p];
            s.Vorname = "Vor" + std::to_string(p);
            s.Nachname = std::string("Spieler ") + pos + std::to_string(k);
            s.Position = std::string(1, pos);
            s.Nation = "D";
            s.Zusatz = "Z" + std::to_string(p);
        }
    S.Spiel.SpielerHoch = p;
}

void NeuesSpielImSpeicher(const Paare& manager)
{
    S.Neuanlage = true;
    GrundwerteSetzen();
    S.Spiel.ManagerHoch = static_cast<int>(manager.size()) - 1;
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        S.Manager[m].Name = manager[static_cast<size_t>(m)].first;
        S.Manager[m].Vereinsname = manager[static_cast<size_t>(m)].second;
    }
    SpielAnlegenAbschliessen();
}

int LigaVon(int verein) { return (verein - 1) / 18 + 1; }

// Jede Liga 1..4: 18 verschiedene Vereine, nach Gesamt, dann Moral geordnet, Plätze 1..18.
void LigenGeordnetPruefen()
{
    for (int liga = 1; liga <= 4; ++liga) {
        std::set<std::string> namen;
        for (int p = 1; p <= 18; ++p) {
            const Mannschaft_& v = S.Mannschaft[VereinAufPlatz(liga, p)];
            EXPECT_EQ(v.Liga, liga);
            EXPECT_EQ(v.Platz, p);
            EXPECT_EQ(v.SpielplanNr, p);
            EXPECT_EQ(v.Legende.text(), "..........");
            namen.insert(v.Name.text());
            if (p == 1) continue;
            const Mannschaft_& davor = S.Mannschaft[VereinAufPlatz(liga, p - 1)];
            EXPECT_TRUE(davor.Gesamt > v.Gesamt || (davor.Gesamt == v.Gesamt && davor.Moral >= v.Moral));
        }
        EXPECT_EQ(namen.size(), 18u);
    }
}

// Vorgabenamen sind veränderlich; jeder Test hinterlässt sie wie vorgefunden.
struct VorgabenamenSichern {
    std::array<Vorgabename_, 7> kopie = Vorgabenamen;
    ~VorgabenamenSichern() { Vorgabenamen = kopie; }
};

struct DatenPfadSichern {
    std::string vorher = Pfade.Daten;
    ~DatenPfadSichern() { Pfade.Daten = vorher; }
};

} // namespace

// --- Das ganze neue Spiel ---

TEST(NeuanlageSpiel, GrundwerteSetzen)
{
    WeltBauen();
    S.Transferliste[5].Alter = 33;
    S.ChlTabelle[3].ChlSlot = 7;
    S.Saisonbilanz[0].laengeSetzen(5);
    S.Saisonbilanz[0][1].Platz = 9;
    S.Spielname = "alt";
    S.Spiel.Saison = 4;
    S.Spiel.ChlSpieltag = 6;
    S.Mannschaft[180].EwigePunkte = 12.5f;
    ZufallSetzen(3);
    GrundwerteSetzen();
    EXPECT_EQ(S.Transferliste[5].Alter, 0);
    EXPECT_EQ(S.ChlTabelle[3].ChlSlot, 0);
    EXPECT_EQ(S.Saisonbilanz[0].laenge(), 2);
    EXPECT_EQ(S.Saisonbilanz[3].laenge(), 2);
    EXPECT_EQ(S.Saisonbilanz[0][1].Platz, 9); // vorhandene Einträge bleiben
    EXPECT_TRUE(S.Spielname.empty());
    EXPECT_EQ(S.Spiel.Saison, 1);
    EXPECT_EQ(S.Spiel.ChlSpieltag, 0);
    EXPECT_EQ(S.Spiel.AnzeigeLiga, 4);
    EXPECT_EQ(S.Mannschaft[180].Gesamt, -1);
    EXPECT_EQ(S.Mannschaft[180].EwigePunkte, 0.0f);
    ZufallSetzen(3);
    EXPECT_EQ(S.Spiel.Aktienkurs, 950 + Zufall(0, 100));
}

TEST(NeuanlageSpiel, VierManagerMitDenAusgeliefertenDaten)
{
    const std::string ordner = TORVANE_QUELLEN "/daten/";
    if (!fs::exists(ordner + "Mansch.dat")) GTEST_SKIP() << "daten/ fehlt";
    SkriptOberflaeche ui;
    DatenPfadSichern sichern;
    Pfade.Daten = ordner;
    const Paare manager = {{"Anna", "Erster Klub"}, {"Bert", "Zweiter Klub"}, {"Cleo", "Dritter Klub"}, {"Dora", "Vierter Klub"}};
    S = Spielstand{};
    ZufallSetzen(42);
    ASSERT_TRUE(NeuesSpielOhneBildschirm(manager));
    EXPECT_FALSE(S.Neuanlage);
    EXPECT_EQ(S.AktManager, 0);
    EXPECT_EQ(S.Spiel.ManagerHoch, 3);
    LigenGeordnetPruefen();
    for (int m = 0; m <= 3; ++m) {
        const Manager_& mg = S.Manager[m];
        EXPECT_EQ(mg.Liga, 4);
        EXPECT_TRUE(VereinVon(m).Name.gleich(mg.Vereinsname)); // der Platz nach der Ordnung
        EXPECT_EQ(VereinVon(m).Moral, 50);
        EXPECT_EQ(mg.KaderAnzahl, 14);
        EXPECT_EQ(S.Saisonbilanz[m][1].Platz, mg.Platz);
    }
    // Gleiche Saat, gleiches Spiel.
    const Spielstand erster = S;
    S = Spielstand{};
    ZufallSetzen(42);
    ASSERT_TRUE(NeuesSpielOhneBildschirm(manager));
    EXPECT_EQ(std::memcmp(S.Mannschaft.daten(), erster.Mannschaft.daten(), sizeof(Mannschaft_) * 73), 0);
    EXPECT_EQ(std::memcmp(&S.Manager, &erster.Manager, sizeof(S.Manager)), 0);
}

TEST(NeuanlageSpiel, FehlendeDatenUndAbgelehnteAngaben)
{
    SkriptOberflaeche ui;
    DatenPfadSichern sichern;
    Pfade.Daten = "/gibt/es/nicht/";
    WeltBauen();
    S.Spiel.Saison = 7;
    EXPECT_FALSE(NeuesSpielOhneBildschirm({{"Anna", "Verein 1"}}));
    EXPECT_TRUE(ui.enthaelt(DatenFehlerText));
    EXPECT_FALSE(S.Neuanlage);
    // Abgelehnte Angaben: die Meldung des Startbildschirms, sonst ändert sich nichts.
    ui.leeren();
    EXPECT_FALSE(NeuesSpielOhneBildschirm({{"Anna", "Verein 1"}, {"Anna", "Verein 2"}}));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Name mehrfach vorhanden !"});
    EXPECT_EQ(S.Spiel.Saison, 7);
    // Verglichen wird gekürzt: nach 25 Zeichen ist es derselbe Verein.
    ui.leeren();
    EXPECT_FALSE(NeuesSpielOhneBildschirm({{"A", "Sportfreunde Kleinkleckerx"}, {"B", "Sportfreunde Kleinkleckery"}}));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Mannschaft mehrfach vorhanden !\r\nSportfreunde Kleinklecker"});
    EXPECT_THROW(NeuesSpielOhneBildschirm({}), Laufzeitfehler);
}

// --- Manager anlegen ---

TEST(NeuanlageManager, VierManagerStartenAuf72Bis69)
{
    SkriptOberflaeche ui;
    WeltBauen();
    ZufallSetzen(7);
    S.Neuanlage = true;
    GrundwerteSetzen();
    S.Spiel.ManagerHoch = 3;
    // Der eigene Platz 72, ein Bundesligist, ein unbekannter Name, ein Verbandsligist.
    const char* vereine[] = {"Verein 72", "Verein 3", "Neustadt", "Verein 80"};
    for (int m = 0; m <= 3; ++m) {
        S.Manager[m].Name = "M" + std::to_string(m);
        S.Manager[m].Vereinsname = vereine[m];
        ManagerAnlegen(m);
    }
    for (int m = 0; m <= 3; ++m) {
        EXPECT_EQ(S.Mannschaft[72 - m].Name.text(), vereine[m]);
        EXPECT_EQ(ManagerVerein(m), 72 - m);
    }
    EXPECT_EQ(S.Mannschaft[3].Name.text(), "Verein 71");  // der Bundesligist bekommt den Namen von 71
    EXPECT_EQ(S.Mannschaft[80].Name.text(), "Verein 69"); // ebenso die Verbandsliga
    EXPECT_EQ(VereinNachName("Verein 70"), -1);           // schlicht umbenannt

    SaisonVorbereiten();
    LigenGeordnetPruefen();
    for (int m = 0; m <= 3; ++m) {
        EXPECT_EQ(S.Manager[m].Liga, 4);
        EXPECT_EQ(VereinVon(m).Name.text(), vereine[m]);
    }
}

TEST(NeuanlageManager, StartwerteUndKader)
{
    SkriptOberflaeche ui;
    WeltBauen();
    const Liste<Spieler_> pool = S.Spieler;
    ZufallSetzen(11);
    NeuesSpielImSpeicher({{"Anna", "Verein 9"}});
    const Manager_& mg = S.Manager[0];
    EXPECT_EQ(mg.Trainer, -1);
    EXPECT_EQ(mg.Baelle, 5);
    EXPECT_EQ(mg.AktienkursGemerkt, S.Spiel.Aktienkurs);
    EXPECT_EQ(mg.Kontostand, 2000000);
    EXPECT_EQ(mg.SpielSystem.text(), "343");
    const std::vector<int> optionen = {1, 0, 0, 0, 0, 0, 0, 1, 4, 2};
    for (int b = 0; b <= 9; ++b)
        if (b < OptZeigeDfb || b > OptZeigeChl) {
            EXPECT_EQ(S.Optionen[0][b], optionen[static_cast<size_t>(b)]) << b;
        }
    EXPECT_EQ(S.Statistik[0].Geldgrenze, 250);

    const std::string positionen = "TVVVVMMMMMSSSS";
    for (int i = 1; i <= 14; ++i) {
        const Kaderspieler_& k = mg.Kader[i];
        EXPECT_EQ(k.Position.text()[0], positionen[static_cast<size_t>(i - 1)]);
        EXPECT_TRUE(k.Alter >= 18 && k.Alter <= 50 && k.Technik >= 1 && k.Technik <= 25 && k.Konstitution >= 1 &&
                    k.Konstitution <= 12 && k.Form >= -10 && k.Form <= 10 && k.Vertrag >= 1 && k.Vertrag <= 6);
        EXPECT_EQ(k.Gehalt, Gehaltsforderung(k.Alter, k.Staerke, k.Vertrag));
        // Vom Pool kopiert und dort nicht mehr zu haben.
        const int p = std::stoi(k.Vorname.text().substr(3));
        EXPECT_TRUE(pool[p].Nachname.gleich(k.Nachname) && pool[p].Zusatz.gleich(k.Zusatz));
        for (const Spieler_& s : S.Spieler) EXPECT_FALSE(!s.Vorname.leer() && s.Nachname.gleich(k.Nachname));
    }

    // Ein neues Spiel im selben Slot übernimmt nichts vom alten.
    Manager_& alt = S.Manager[0];
    alt.Kredit = 700000;
    alt.KaderAnzahl = 23;
    alt.Kader[20].Alter = 33;
    S.Statistik[0].Plaetze[3] = 4;
    S.Vorwerte[0].KaderWert = 99;
    S.Werbevertraege[0][2].Betrag = 5000;
    S.Saisonbilanz[0][1].DfbErgebnis = "Sieger";
    NeuesSpielImSpeicher({{"Anna", "Verein 9"}});
    EXPECT_EQ(alt.Kredit, 0);
    EXPECT_EQ(alt.Kader[20].Alter, 0);
    EXPECT_EQ(S.Statistik[0].Plaetze[3], 0);
    EXPECT_EQ(S.Vorwerte[0].KaderWert, 0);
    EXPECT_EQ(S.Werbevertraege[0][2].Betrag, 0);
    EXPECT_NE(S.Saisonbilanz[0][1].DfbErgebnis.text(), "Sieger");

    // Ohne freien Torwart im Pool: Abbruch statt endloser Ziehung.
    WeltBauen(30, "VMS");
    EXPECT_THROW(NeuesSpielImSpeicher({{"Anna", "Verein 9"}}), Laufzeitfehler);
    EXPECT_FALSE(S.Neuanlage);
}

TEST(NeuanlageManager, MitspielerMittenImSpiel)
{
    SkriptOberflaeche ui;
    WeltBauen();
    ZufallSetzen(9);
    NeuesSpielImSpeicher({{"Anna", "Verein 9"}});
    S.Manager[1].Kontostand = 123; // Reste eines früheren Managers
    S.Statistik[1].Teamstaerken[0] = 77;
    S.Saisonbilanz[1][1].PdpErgebnis = "Finale";
    S.Spiel.ManagerHoch = 1;
    const Spielstand vorher = S;

    bool platz18 = false;
    for (uint32_t saat = 1; saat <= 100; ++saat) {
        S = vorher;
        ZufallSetzen(saat);
        ManagerAnlegen(1);
        const Manager_& mg = S.Manager[1];
        bool paar = false;
        for (const auto& v : Vorgabenamen) paar = paar || (mg.Name == v.Name && mg.Vereinsname == v.Verein);
        ASSERT_TRUE(paar);
        ASSERT_EQ(mg.Liga, 4);
        // Der gezogene Verein trägt den Namen; Annas Verein bleibt ihrer.
        ASSERT_TRUE(VereinVon(1).Name.gleich(mg.Vereinsname));
        ASSERT_TRUE(VereinVon(0).Name.gleich(S.Manager[0].Vereinsname));
        ASSERT_EQ(mg.Kontostand, 2000000);
        ASSERT_EQ(S.Statistik[1].Teamstaerken[0], 0);
        ASSERT_TRUE(S.Saisonbilanz[1][1].PdpErgebnis.leer());
        platz18 = platz18 || mg.Platz == 18;
    }
    EXPECT_TRUE(platz18); // der 18. der Liga bekommt Platz 18
}

TEST(NeuanlageManager, VorgabenamenWeichenVergebenenVereinenAus)
{
    SkriptOberflaeche ui;
    VorgabenamenSichern sicher;
    WeltBauen();
    ZufallSetzen(1);
    NeuesSpielImSpeicher({{"Anna", "Verein 9"}});
    for (int k = 0; k <= 6; ++k)
        if (k != 4) S.Mannschaft[80 + k].Name = Vorgabenamen[static_cast<size_t>(k)].Verein;
    S.Spiel.ManagerHoch = 1;
    ManagerAnlegen(1);
    EXPECT_EQ(S.Manager[1].Name.text(), "Erich");
    EXPECT_EQ(S.Manager[1].Vereinsname.text(), "Erlangen");

    // Alle sieben vergeben: beim tausendsten Zug wird der Vereinsname eine Zahl.
    S.Mannschaft[84].Name = "Erlangen";
    S.Spiel.ManagerHoch = 2;
    ManagerAnlegen(2);
    const std::string verein = S.Manager[2].Vereinsname.text();
    ASSERT_FALSE(verein.empty());
    EXPECT_EQ(verein.find_first_not_of("0123456789"), std::string::npos) << verein;
    EXPECT_LE(std::stoi(verein), 1000000);
    int ersetzt = 0;
    for (const auto& v : Vorgabenamen) ersetzt += v.Verein == verein;
    EXPECT_EQ(ersetzt, 1);
    EXPECT_TRUE(VereinVon(2).Name.gleich(S.Manager[2].Vereinsname));
}

// --- Saison vorbereiten ---

TEST(NeuanlageSaison, NeuesSpielZiehtJedeLinieFrisch)
{
    SkriptOberflaeche ui;
    WeltBauen();
    ZufallSetzen(17);
    NeuesSpielImSpeicher({{"Anna", "Verein 9"}});
    const int unbekannt = VereinNachName("Ausland 16-6");
    S.Mannschaft[unbekannt].Nation = "XYZ"; // unbekannte Nation: kein Bonus, kein Absturz
    const int minimum[] = {0, 70, 45, 20, 1, 1};
    const int spanne[] = {0, 40, 35, 35, 30, 15};
    std::set<int> nation2;
    for (int runde = 0; runde < 30; ++runde) {
        // Was vorher in den Linien stand, liegt außerhalb jeder Ziehspanne.
        for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
            Mannschaft_& v = S.Mannschaft[i];
            v.Verteidigung = v.Mittelfeld = v.Angriff = 500;
            v.Gesamt = -1;
            v.Platz = 0;
        }
        S.Neuanlage = true;
        SaisonVorbereiten();
        S.Neuanlage = false;
        for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
            const Mannschaft_& v = S.Mannschaft[i];
            if (v.Name.gleich(S.Manager[0].Vereinsname)) continue;
            int lo = 65, hi = 110;
            if (i <= S.Spiel.DeutscheHoch) {
                const int liga = std::min(LigaVon(i), 5);
                lo = minimum[liga] - 5;
                hi = minimum[liga] + spanne[liga] + 5;
                ASSERT_TRUE(v.Moral >= 19 && v.Moral <= 82) << i; // Platz 0: 19..82
            } else if (v.Nation == "N2") {
                lo = 55; // Bonus -10
                hi = 100;
            } else if (i != VereinNachName("Ausland 16-6")) {
                continue;
            }
            for (int linie : {v.Verteidigung, v.Mittelfeld, v.Angriff}) {
                ASSERT_GE(linie, lo) << v.Name.text();
                ASSERT_LE(linie, hi) << v.Name.text();
                if (v.Nation == "N2") nation2.insert(linie);
            }
        }
    }
    EXPECT_EQ(*nation2.begin(), 55);
    EXPECT_EQ(*nation2.rbegin(), 100);
}

TEST(NeuanlageSaison, SaisonwechselBehaeltLinienNachMuenzwurf)
{
    SkriptOberflaeche ui;
    WeltBauen();
    ZufallSetzen(23);
    NeuesSpielImSpeicher({{"Anna", "Verein 9"}});
    // Verbandsliga zieht 1..16 (± 5): eine 100 kann nur eine behaltene Linie sein.
    for (int i = 73; i <= 90; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Verteidigung = v.Mittelfeld = v.Angriff = v.Gesamt = 100;
    }
    S.Ergebnisse[1][1][1] = "2:1";
    S.Ergebnisse[4][34][9] = "0:0";
    SaisonVorbereiten();
    int behalten = 0;
    for (int i = 73; i <= 90; ++i) {
        const Mannschaft_& v = S.Mannschaft[i];
        for (int linie : {v.Verteidigung, v.Mittelfeld, v.Angriff}) behalten += linie >= 95;
    }
    EXPECT_GT(behalten, 10);
    EXPECT_LT(behalten, 44);
    EXPECT_EQ(S.Ergebnisse[1][1][1].text(), "-:-");
    EXPECT_EQ(S.Ergebnisse[4][34][9].text(), "-:-");
}

TEST(NeuanlageSaison, TauschschleifeOrdnetLigen)
{
    WeltBauen();
    for (int i = 1; i <= 90; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Gesamt = static_cast<int16_t>(50 - (i - 1) % 18); // schon geordnet
        v.Moral = 50;
        v.Siege = 3;
        v.Platz = static_cast<uint8_t>(i);
        v.SpielplanNr = static_cast<int16_t>(i);
    }
    auto setze = [](int i, const char* name, int gesamt, int moral) {
        S.Mannschaft[i].Name = name;
        S.Mannschaft[i].Gesamt = static_cast<int16_t>(gesamt);
        S.Mannschaft[i].Moral = static_cast<int16_t>(moral);
    };
    // Liga 1: X1 und X2 gleich stark und gleich gelaunt. Die Tauschschleife ist nicht
    // stabil, X2 landet vor X1 (eine stabile Sortierung gäbe Z, X1, X2, Y).
    setze(1, "X1", 70, 50);
    setze(2, "Y", 60, 50);
    setze(3, "X2", 70, 50);
    setze(4, "Z", 80, 50);
    // Liga 2: gleiches Gesamt, höhere Moral zuerst; der Manager zieht mit.
    setze(19, "A", 60, 40);
    setze(20, "B", 60, 70);
    S.Manager[0].Vereinsname = "A";
    // Verbandsliga: nur geordnet, Platz und Spielplannummer reisen mit.
    setze(73, "V1", 60, 50);
    setze(74, "V2", 62, 50);

    LigenOrdnen();
    const char* liga1[] = {"Z", "X2", "X1", "Y", "Verein 5"};
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(S.Mannschaft[i].Name.text(), liga1[i - 1]);
    EXPECT_EQ(S.Mannschaft[19].Name.text(), "B");
    EXPECT_EQ(S.Mannschaft[20].Name.text(), "A");
    EXPECT_EQ(S.Manager[0].Liga, 2);
    EXPECT_EQ(S.Manager[0].Platz, 2);
    EXPECT_EQ(S.Mannschaft[72].Platz, 18);
    EXPECT_EQ(S.Mannschaft[72].SpielplanNr, 18);
    EXPECT_EQ(S.Mannschaft[72].Siege, 0);
    EXPECT_EQ(S.Mannschaft[73].Name.text(), "V2");
    EXPECT_EQ(S.Mannschaft[73].Platz, 74);
    EXPECT_EQ(S.Mannschaft[73].SpielplanNr, 74);
    EXPECT_EQ(S.Mannschaft[73].Siege, 3);
    EXPECT_EQ(S.Mannschaft[74].Name.text(), "V1");
    EXPECT_EQ(S.Mannschaft[75].Name.text(), "Verein 75");
}

TEST(NeuanlageSaison, ManagerNachAufstiegUndPokaloptionen)
{
    SkriptOberflaeche ui;
    WeltBauen();
    ZufallSetzen(8);
    NeuesSpielImSpeicher({{"Anna", "Verein 9"}, {"Bert", "Verein 30"}});
    // Saisonende: Annas Verein steht schon auf Index 54 (Regionalliga), ihr Slot zeigt
    // noch auf den alten Platz. Ihre Linien müssen in ihren Verein, nicht in den getauschten.
    std::swap(S.Mannschaft[ManagerVerein(0)], S.Mannschaft[54]);
    for (int m = 0; m <= 1; ++m)
        for (int b = OptZeigeDfb; b <= OptZeigeChl; ++b) S.Optionen[m][b] = 1;
    S.Spiel.Saison = 2;
    for (auto& b : S.Saisonbilanz) b.laengeSetzen(3);

    SaisonVorbereiten();
    EXPECT_EQ(S.Manager[0].Liga, 3);
    EXPECT_EQ(S.Manager[1].Liga, 4);
    for (int m = 0; m <= 1; ++m) {
        const Mannschaft_ v = VereinVon(m);
        EXPECT_TRUE(v.Name.gleich(S.Manager[m].Vereinsname));
        EXPECT_EQ(v.Moral, 50);
        EXPECT_EQ(S.Optionen[m][OptZeigeDfb], v.DfbRunde.leer() ? 0 : 1);
        EXPECT_EQ(S.Optionen[m][OptZeigeUefa], v.UefaRunde.leer() ? 0 : 1);
        EXPECT_EQ(S.Optionen[m][OptZeigePdp], v.PdpRunde.leer() ? 0 : 1);
        EXPECT_EQ(S.Optionen[m][OptZeigeChl], v.ChlRunde.leer() ? 0 : 1);
        BerechneMannschaft(m, 1);
        EXPECT_EQ(VereinVon(m).Verteidigung, v.Verteidigung);
        EXPECT_EQ(VereinVon(m).Mittelfeld, v.Mittelfeld);
        EXPECT_EQ(VereinVon(m).Angriff, v.Angriff);
    }
    EXPECT_EQ(S.Optionen[0][OptZeigeDfb], 1); // Regionalliga: im DFB-Pokal
}

// --- Ligawahl und Startbildschirm ---

TEST(NeuanlageLigawahl, OptionDialogUndOhneDialog)
{
    SkriptOberflaeche ui;
    S = Spielstand{};
    S.AktManager = 1;
    S.Optionen[1][OptAnzeigeLiga] = 2;
    int gefragt = 0;
    LigawahlDialog = [&] { ++gefragt; return 3; };
    EXPECT_EQ(LigaWaehlen(), 19);
    EXPECT_EQ(gefragt, 0);
    S.Optionen[1][OptAnzeigeLiga] = 0;
    EXPECT_EQ(LigaWaehlen(), 37);
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"klick"});
    // Ohne Wahl geschlossen: die Anzeigeliga bleibt; bei 0 ist das Ergebnis 0.
    S.Spiel.AnzeigeLiga = 0;
    LigawahlDialog = [] { return 0; };
    EXPECT_EQ(LigaWaehlen(), 0);
    LigawahlDialog = nullptr;
    EXPECT_EQ(LigaWaehlen(), 55);
}

TEST(NeuanlageStart, VorschlagUndBlaettern)
{
    WeltBauen();
    ZufallSetzen(4);
    S.Spiel.ManagerHoch = 2;
    StartVorschlag();
    EXPECT_EQ(S.Spiel.ManagerHoch, 0);
    ZufallSetzen(4);
    EXPECT_EQ(S.Manager[0].Name.text(), VorgabeVornamen[static_cast<size_t>(Zufall(0, 40))]);
    EXPECT_EQ(S.Manager[0].Vereinsname.text(), "Verein " + std::to_string(Zufall(1, 90)));
    EXPECT_EQ(StartVereinsliste().size(), 90u);

    StartSpielerAktivieren("Maximilian-Alexander", "Sportvereinigung Großbüttelbrunn");
    EXPECT_EQ(S.Manager[0].Name.text(), "Maximilian-Alex");
    EXPECT_EQ(S.Manager[0].Vereinsname.text(), "Sportvereinigung Großbütt");
    for (const char* n : {"B", "C", "D"}) StartSpielerAktivieren(n, "Verein 2"); // beim vierten ist Schluss
    EXPECT_EQ(S.Spiel.ManagerHoch, 3);
    StartZurueck("D2", "Verein 44");
    EXPECT_EQ(S.Spiel.ManagerHoch, 2);
    EXPECT_EQ(S.Manager[3].Name.text(), "D2");
    EXPECT_EQ(StartUeberschrift(2), "3. Spieler");
    EXPECT_EQ(StartAktivierenText(2), "4. Spieler Aktivieren");
}

TEST(NeuanlageStart, PruefungenBestaetigungUndFortschritt)
{
    SkriptOberflaeche ui;
    S = Spielstand{};
    auto slot = [](int m, const char* name, const char* verein) {
        S.Manager[m].Name = name;
        S.Manager[m].Vereinsname = verein;
    };
    slot(0, "Anna", "Verein 1");
    slot(1, "Bert", "");
    slot(2, "Anna", "Verein 3");
    // Slot 0 wird zuerst ganz geprüft: sein Namensgleichstand mit Slot 2 kommt vor dem leeren Slot 1.
    EXPECT_EQ(StartEingabenPruefen(2), "Name mehrfach vorhanden !");
    EXPECT_EQ(StartEingabenPruefen(1), "Keine leeren Angaben !\r\n2. Spieler");
    slot(1, "Bert", "Verein 3");
    slot(2, "Cleo", "Verein 3");
    EXPECT_EQ(StartEingabenPruefen(2), "Mannschaft mehrfach vorhanden !\r\nVerein 3");

    // "Weiter" übernimmt die Felder, meldet Fehler und fragt sonst nach.
    S.Spiel.ManagerHoch = 1;
    EXPECT_FALSE(StartWeiter("", "Verein 9"));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Keine leeren Angaben !\r\n2. Spieler"});
    ui.leeren();
    ui.antworte("Abbrechen");
    EXPECT_FALSE(StartWeiter("Bert", "Verein 9"));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"2 Spieler\r\nwurde(n) Ausgewählt !"});
    ui.antworte("Ok");
    EXPECT_TRUE(StartWeiter("Bert", "Verein 9"));

    ui.leeren();
    ZufallSetzen(99);
    StartFortschritt([&](const std::string& z) { ui.protokoll.push_back(z); });
    ZufallSetzen(99);
    std::vector<std::string> erwartet;
    for (const char* d : {".", "..", "...", "....", "....."})
        erwartet.insert(erwartet.end(), {std::string("Lade ") + d, "Warte:" + std::to_string(Zufall(300, 600))});
    for (const char* d : {".", "..", "...", "...."})
        erwartet.insert(erwartet.end(), {std::string("Initzialisiere ") + d, "Warte:" + std::to_string(Zufall(200, 500))});
    erwartet.insert(erwartet.end(), {"Fertig", "Warte:1000", "Los geht´s"});
    EXPECT_EQ(ui.protokoll, erwartet);
}
