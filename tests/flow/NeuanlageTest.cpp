// Neues Spiel, neuer Mitspieler, Saisonvorbereitung, Ligawahl und Startbildschirm.
#include "Spielwelt.h"
#include "core/Daten.h"
#include "core/Fehler.h"
#include "core/SkriptOberflaeche.h"
#include "squad/Kader.h"
#include "squad/Markt.h"

#include <set>

using namespace torvane;

namespace {

using Paare = std::vector<std::pair<std::string, std::string>>;

void NeuesSpielImSpeicher(uint32_t saat, const Paare& manager = {{"Anna", "Verein 9"}})
{
    ZufallSetzen(saat);
    S.Neuanlage = true;
    GrundwerteSetzen();
    S.Spiel.ManagerHoch = static_cast<int>(manager.size()) - 1;
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        S.Manager[m].Name = manager[static_cast<size_t>(m)].first;
        S.Manager[m].Vereinsname = manager[static_cast<size_t>(m)].second;
    }
    SpielAnlegenAbschliessen();
}

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

} // namespace

// --- Das ganze neue Spiel ---

TEST(NeuanlageSpiel, FehlendeDatenUndAbgelehnteAngaben)
{
    SkriptOberflaeche ui;
    const std::string pfad = Pfade.Daten;
    Pfade.Daten = "/gibt/es/nicht/";
    Grundwelt();
    S.Spiel.Saison = 7;
    EXPECT_FALSE(NeuesSpielOhneBildschirm({{"Anna", "Verein 1"}}));
    Pfade.Daten = pfad;
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
    Grundwelt();
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

TEST(NeuanlageManager, KaderAusDemPoolUndNichtsVomAltenSpiel)
{
    SkriptOberflaeche ui;
    Grundwelt();
    const Liste<Spieler_> pool = S.Spieler;
    NeuesSpielImSpeicher(11);
    const Manager_& mg = S.Manager[0];
    EXPECT_FALSE(S.Neuanlage);
    EXPECT_EQ(S.Saisonbilanz[0][1].Platz, mg.Platz); // die erste Bilanz nach der Ordnung der Ligen
    const std::string positionen = "TVVVVMMMMMSSSS";
    for (int i = 1; i <= 14; ++i) {
        const Kaderspieler_& k = mg.Kader[i];
        EXPECT_EQ(k.Position.text()[0], positionen[static_cast<size_t>(i - 1)]);
        EXPECT_EQ(k.Gehalt, Gehaltsforderung(k.Alter, k.Staerke, k.Vertrag));
        // Vom Pool kopiert und dort nicht mehr zu haben (der Markt legt seine Namen in freie Plätze).
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
    S.Saisonbilanz[0].laengeSetzen(5);
    S.Spielname = "alt";
    S.Spiel.Saison = 4;
    S.Mannschaft[180].EwigePunkte = 12.5f;
    NeuesSpielImSpeicher(12);
    EXPECT_EQ((std::vector<int>{alt.Kredit, alt.Kader[20].Alter, S.Statistik[0].Plaetze[3], S.Vorwerte[0].KaderWert,
                                S.Werbevertraege[0][2].Betrag, S.Spiel.Saison}),
              (std::vector<int>{0, 0, 0, 0, 0, 1}));
    EXPECT_NE(S.Saisonbilanz[0][1].DfbErgebnis.text(), "Sieger");
    EXPECT_EQ(S.Saisonbilanz[0].laenge(), 2);
    EXPECT_TRUE(S.Spielname.empty());
    EXPECT_EQ(S.Mannschaft[180].EwigePunkte, 0.0f);

    // Ohne freien Torwart im Pool: Abbruch statt endloser Ziehung.
    Grundwelt(30, "VMS");
    EXPECT_THROW(NeuesSpielImSpeicher(13), Laufzeitfehler);
    EXPECT_FALSE(S.Neuanlage);
}

TEST(NeuanlageManager, MitspielerMittenImSpiel)
{
    SkriptOberflaeche ui;
    Grundwelt();
    NeuesSpielImSpeicher(9);
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
    Grundwelt();
    NeuesSpielImSpeicher(1);
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
    Grundwelt();
    NeuesSpielImSpeicher(17);
    // Unbekannte Nation: kein Bonus, kein Absturz. Für die Pokale werden die Auslandsvereine umgeordnet.
    S.Mannschaft[VereinNachName("Ausland 16-6")].Nation = "XYZ";
    const int minimum[] = {0, 70, 45, 20, 1, 1};
    const int spanne[] = {0, 40, 35, 35, 30, 15};
    std::set<int> nation2;
    for (int runde = 0; runde < 30; ++runde) {
        // Was vorher in den Linien stand, liegt außerhalb jeder Ziehspanne; die Grundwerte markieren
        // jeden Verein als neu, gleich wie die Münzen fallen.
        for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
            Mannschaft_& v = S.Mannschaft[i];
            v.Verteidigung = v.Mittelfeld = v.Angriff = v.Gesamt = 500;
            v.Platz = 0;
        }
        S.Neuanlage = true;
        GrundwerteSetzen();
        SaisonVorbereiten();
        S.Neuanlage = false;
        for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
            const Mannschaft_& v = S.Mannschaft[i];
            if (v.Name.gleich(S.Manager[0].Vereinsname)) continue;
            int lo = 65, hi = 110;
            if (i <= S.Spiel.DeutscheHoch) {
                const int liga = std::min((i - 1) / 18 + 1, 5);
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
    Grundwelt();
    NeuesSpielImSpeicher(23);
    // Verbandsliga zieht 1..16 (± 5): eine 100 kann nur eine behaltene Linie sein.
    for (int i = 73; i <= 90; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Verteidigung = v.Mittelfeld = v.Angriff = v.Gesamt = 100;
    }
    S.Ergebnisse[4][34][9] = "0:0";
    SaisonVorbereiten();
    int behalten = 0;
    for (int i = 73; i <= 90; ++i) {
        const Mannschaft_& v = S.Mannschaft[i];
        for (int linie : {v.Verteidigung, v.Mittelfeld, v.Angriff}) behalten += linie >= 95;
    }
    EXPECT_GT(behalten, 10);
    EXPECT_LT(behalten, 44);
    EXPECT_EQ(S.Ergebnisse[4][34][9].text(), "-:-");
}

TEST(NeuanlageSaison, TauschschleifeOrdnetLigen)
{
    Grundwelt();
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
    // Verbandsliga: nur geordnet, die Spielplannummer reist mit.
    setze(73, "V1", 60, 50);
    setze(74, "V2", 62, 50);

    LigenOrdnen();
    std::string reihe;
    for (int i : {1, 2, 3, 4, 19, 20}) reihe += S.Mannschaft[i].Name.text() + " ";
    EXPECT_EQ(reihe, "Z X2 X1 Y B A ");
    EXPECT_EQ(S.Manager[0].Platz, 2);
    EXPECT_EQ(S.Mannschaft[72].Siege, 0);
    EXPECT_EQ(S.Mannschaft[73].Name.text() + S.Mannschaft[74].Name.text(), "V2V1");
    EXPECT_EQ(S.Mannschaft[73].SpielplanNr, 74);
}

TEST(NeuanlageSaison, ManagerNachAufstiegUndPokaloptionen)
{
    SkriptOberflaeche ui;
    Grundwelt();
    NeuesSpielImSpeicher(8, {{"Anna", "Verein 9"}, {"Bert", "Verein 30"}});
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
        const std::vector<int> optionen(&S.Optionen[m][OptZeigeDfb], &S.Optionen[m][OptZeigeChl] + 1);
        EXPECT_EQ(optionen, (std::vector<int>{!v.DfbRunde.leer(), !v.UefaRunde.leer(), !v.PdpRunde.leer(),
                                              !v.ChlRunde.leer()}));
        BerechneMannschaft(m, 1);
        EXPECT_EQ(VereinVon(m).Verteidigung, v.Verteidigung);
        EXPECT_EQ(VereinVon(m).Angriff, v.Angriff);
    }
    EXPECT_EQ(S.Optionen[0][OptZeigeDfb], 1); // Regionalliga: im DFB-Pokal
}

// --- Ligawahl und Startbildschirm ---

TEST(NeuanlageLigawahl, OptionStattDialogUndOhneWahl)
{
    SkriptOberflaeche ui;
    S = Spielstand{};
    S.AktManager = 1;
    S.Optionen[1][OptAnzeigeLiga] = 2;
    LigawahlDialog = [] { return 0; }; // geschlossen ohne Wahl
    EXPECT_EQ(LigaWaehlen(), 19);
    S.Optionen[1][OptAnzeigeLiga] = 0;
    S.Spiel.AnzeigeLiga = 0;
    EXPECT_EQ(LigaWaehlen(), 0);
    LigawahlDialog = nullptr;
}

TEST(NeuanlageStart, VorschlagKuerzenUndBlaettern)
{
    Grundwelt();
    ZufallSetzen(4);
    S.Spiel.ManagerHoch = 2;
    StartVorschlag();
    EXPECT_EQ(S.Spiel.ManagerHoch, 0);
    EXPECT_EQ(StartVereinsliste().size(), 90u);
    StartSpielerAktivieren("Maximilian-Alexander", "Sportvereinigung Großbüttelbrunn");
    EXPECT_EQ(S.Manager[0].Name.text(), "Maximilian-Alex");
    EXPECT_EQ(S.Manager[0].Vereinsname.text(), "Sportvereinigung Großbütt");
    for (const char* n : {"B", "C", "D"}) StartSpielerAktivieren(n, "Verein 2"); // beim vierten ist Schluss
    EXPECT_EQ(S.Spiel.ManagerHoch, 3);
    StartZurueck("D2", "Verein 44");
    EXPECT_EQ(S.Spiel.ManagerHoch, 2);
    EXPECT_EQ(S.Manager[3].Name.text(), "D2");
    EXPECT_EQ(StartAktivierenText(2), "4. Spieler Aktivieren");
}

TEST(NeuanlageStart, PruefungenUndBestaetigung)
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
}

TEST(NeuanlageStart, RandLeerzeichenZaehlenNicht)
{
    SkriptOberflaeche ui;
    S = Spielstand{};
    S.Manager[0].Name = "Anna";
    S.Manager[0].Vereinsname = "Verein 1";
    S.Spiel.ManagerHoch = 1;
    EXPECT_FALSE(StartWeiter("   ", "Verein 2"));
    EXPECT_FALSE(StartWeiter("Anna ", "Verein 2"));
    EXPECT_FALSE(StartWeiter("Bert", "\tVerein 1  "));
    EXPECT_EQ(ui.texte(), (std::vector<std::string>{"Keine leeren Angaben !\r\n2. Spieler", "Name mehrfach vorhanden !",
                                                    "Mannschaft mehrfach vorhanden !\r\nVerein 1"}));
    // Gespeichert wird ohne Rand, auch wenn erst das Kürzen auf 15 Zeichen ihn freilegt.
    StartSpielerAktivieren("Maximilian Ale x", " Verein 2 ");
    EXPECT_EQ(S.Manager[1].Name.text(), "Maximilian Ale");
    EXPECT_EQ(S.Manager[1].Vereinsname.text(), "Verein 2");

    // Ohne Bildschirm gilt dasselbe.
    ui.leeren();
    EXPECT_FALSE(NeuesSpielOhneBildschirm({{"Anna", "Verein 1"}, {" Anna", "Verein 2"}}));
    EXPECT_FALSE(NeuesSpielOhneBildschirm({{"  ", "Verein 1"}}));
    EXPECT_EQ(ui.texte(), (std::vector<std::string>{"Name mehrfach vorhanden !", "Keine leeren Angaben !\r\n1. Spieler"}));
}
