// Der Zugablauf: Abschluss und Zugbeginn mit ihren Buchungen, Managerpunkte,
// Menütexte, und der Ablauf der Züge über Spieltage und Saisonende auf echten Grunddaten.
#include "Spielwelt.h"
#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Sitzung.h"
#include "core/SkriptOberflaeche.h"
#include "core/SpielstandDatei.h"
#include "finance/Vermoegen.h"
#include "season/Pleite.h"

#include <array>
#include <cstring>
#include <optional>
#include <set>
#include <tuple>

using namespace torvane;

namespace {

// Die Grundwelt mit n Managern in der Oberliga, je elf aufgestellte Spieler; Vermögen = Konto + Kaderwert.
void Kleinwelt(int n)
{
    Grundwelt();
    S.Spiel.AnzeigeLiga = 4;
    S.Spiel.Saison = 1;
    S.Spiel.ManagerHoch = n - 1;
    for (auto& b : S.Saisonbilanz) b.laengeSetzen(2);
    for (int m = 0; m < n; ++m) {
        Manager_& mg = S.Manager[m];
        mg.Name = "Manager" + std::to_string(m);
        mg.Liga = 4;
        mg.Platz = static_cast<int8_t>(18 - m);
        mg.Vereinsname.rohSetzen(S.Mannschaft[72 - m].Name.roh());
        mg.Trainer = -1;
        mg.Trainingsstunden = 4;
        mg.Dauerkartenpreis = 150;
        mg.DauerkartenImVerkauf = 1000;
        mg.SpielSystem = "343";
        mg.Werbeanfragen = 10.0f;
        mg.KaderAnzahl = 11;
        for (int i = 1; i <= 11; ++i) {
            Kaderspieler_& sp = mg.Kader[i];
            sp.Vorname = "Spieler";
            sp.Nachname = std::to_string(i);
            sp.Position = i == 1 ? "T" : i <= 4 ? "V" : i <= 8 ? "M" : "S";
            sp.Technik = 50;
            sp.Konstitution = 30;
            sp.Eingesetzt = 1;
        }
        S.Optionen[m][OptAutoaufstellung] = 1;
        S.Optionen[m][OptDauerkartenMeldung] = 1;
        S.Statistik[m].Geldgrenze = 250;
    }
    S.AktManager = 0;
    ZufallSetzen(1); // Ereignisse sollen nicht von der Reihenfolge der Tests abhängen
}

// Ein Pokaltag, an dem der Verein des Managers 0 dabei ist: keine Ligabuchungen.
void Pokaltag()
{
    S.Spiel.Wettbewerb = Wettbewerb_::Dfb;
    VereinVon(0).DfbRunde = "J";
}

} // namespace

// --- Abschluss: Überziehung, Strafe, Karten, Verletzungen ---

TEST(ZugAbschliessen, UeberziehungGebuehrUndGrenze)
{
    SkriptOberflaeche ui;
    Kleinwelt(1);
    Pokaltag();
    Manager_& mg = S.Manager[0];
    mg.Kontostand = -3000000;
    mg.KaderWert = 23000000; // Vermögen 20 000 000
    ui.antworte("Ok");
    EXPECT_TRUE(ZugAbschliessen());
    EXPECT_TRUE(ui.enthaelt("Kontoüberziehung zu hoch ! max. 10% des Vermögens.\r\n\r\n301.000 € bezahlen"));
    EXPECT_EQ(mg.Kontostand, -3301000);

    // Genau ein Zehntel ist noch erlaubt.
    ui.leeren();
    mg.Kontostand = -2000000;
    mg.KaderWert = 22000000;
    EXPECT_TRUE(ZugAbschliessen());
    EXPECT_FALSE(ui.enthaelt("Kontoüberziehung"));
    EXPECT_EQ(mg.Kontostand, -2000000);
}

TEST(ZugAbschliessen, StrafeKartenUndVerletzungen)
{
    SkriptOberflaeche ui;
    Kleinwelt(1);
    Pokaltag();
    S.Mannschaft[73].DfbRunde = "J";
    Manager_& mg = S.Manager[0];
    // In der Verbandsliga kommt die Meldung mit 0 €, bezahlt wird nichts; sieben reichen. Am Boden
    // des Kontos ginge die Strafe nicht ab: der Abschluss bleibt ganz aus, ohne Strafmeldung.
    struct Fall {
        int liga, platz, aufgestellt;
        const char* betrag;
        int32_t konto = 5000000;
    };
    for (const Fall& f : {Fall{4, 18, 6, "250.000"}, Fall{5, 1, 6, "0"}, Fall{4, 18, 7, nullptr},
                          Fall{4, 18, 6, nullptr, static_cast<int32_t>(KontoMin + 1000)}}) {
        ui.leeren();
        mg.Liga = static_cast<int8_t>(f.liga);
        mg.Platz = static_cast<int8_t>(f.platz);
        mg.Kontostand = f.konto;
        for (int i = 1; i <= 11; ++i) mg.Kader[i].Eingesetzt = i <= f.aufgestellt;
        const bool boden = f.konto != 5000000;
        EXPECT_EQ(ZugAbschliessen(), !boden);
        EXPECT_EQ(ui.enthaelt(std::string(ZuWenigSpielerText) + "\r\nund zahlen eine Strafe von " +
                              (f.betrag ? f.betrag : "") + " €"),
                  f.betrag != nullptr);
        EXPECT_EQ(ui.enthaelt(AbschlussOhneDeckungText), boden);
        EXPECT_EQ(mg.Kontostand, boden ? f.konto : f.liga == 4 && f.aufgestellt < 7 ? 4750000 : 5000000) << f.liga;
    }
    mg.Kontostand = 5000000;

    // Karten verfallen nur im eigenen Wettbewerb (Liga und DFB-Pokal oder europäisch).
    mg.Kader[1].Verletzt = 1;
    mg.Kader[1].VerletzungArt = 6;
    mg.Kader[2].Verletzt = 7;
    mg.Kader[2].VerletzungArt = 4;
    mg.Kader[3].Verletzt = 0; // nach einer Wunderheilung steht das Wort noch
    mg.Kader[3].VerletzungArt = 9;
    VereinVon(0).UefaRunde = "J";
    VereinVon(0).PdpRunde = "J";
    VereinVon(0).ChlRunde = "3";
    Kaderspieler_& sp = mg.Kader[5];
    for (const Wettbewerb_ w :
         {Wettbewerb_::Liga, Wettbewerb_::Dfb, Wettbewerb_::Uefa, Wettbewerb_::Pdp, Wettbewerb_::Chl}) {
        sp.GelbNational = sp.GelbInternational = 4;
        sp.RotNational = 2;
        sp.RotInternational = 1;
        S.Spiel.Wettbewerb = w;
        EXPECT_TRUE(ZugAbschliessen());
        EXPECT_EQ((std::vector<int>{sp.GelbNational, sp.RotNational, sp.GelbInternational, sp.RotInternational}),
                  (National(w) ? std::vector<int>{0, 1, 4, 1} : std::vector<int>{4, 2, 0, 0}))
            << WettbewerbName(w);
    }
    // Fünf Abschlüsse: eine Woche ist ausgeheilt, sieben sind es noch nicht; das Wort geht mit der Heilung.
    const auto& k = mg.Kader;
    EXPECT_EQ((std::vector<int>{k[1].Verletzt, k[1].VerletzungArt, k[2].Verletzt, k[2].VerletzungArt,
                                k[3].VerletzungArt}),
              (std::vector<int>{0, 0, 2, 4, 0}));
}

TEST(ZugAbschliessen, Ligabuchungen)
{
    SkriptOberflaeche ui;
    Kleinwelt(1);
    Manager_& mg = S.Manager[0];
    mg.Kontostand = 1000000;
    mg.DarlehenRestSpiele = 1;
    mg.DarlehenRate = 50000;
    mg.Kredit = 100000;
    mg.Sparbuch = 100000;
    mg.KaderGehalt = 20000;
    mg.Werbeeinnahmen = 5000;
    mg.AnlageWert = 1000000;
    mg.Managerpunkte = 40.0f;
    S.Werbevertraege[0][2] = {3000, 10, 1, 4, {}};
    S.Werbevertraege[0][3] = {2000, 10, 5, 5, {}};
    S.Werbevertraege[0][7] = {9000, 3, 1, 2, {}};
    EXPECT_TRUE(ZugAbschliessen());

    // Zinsen 1 000, Darlehen 50 000, Kredit 1 200, Zuschüsse 4 * 400 * 11, Gehälter, Werbung.
    EXPECT_EQ(mg.Kontostand, 1000000 + 1000 - 50000 - 1200 + 17600 - 20000 + 5000);
    EXPECT_EQ(mg.DarlehenRestSpiele, 0);
    EXPECT_EQ(mg.DarlehenRate, 0);
    EXPECT_EQ(mg.Sparbuch, 100300);
    EXPECT_EQ(mg.AnlageWert, 1005000);
    EXPECT_FLOAT_EQ(mg.Werbeanfragen, 10.0f + 0.2f + 0.02f);
    // Bandenvertrag abgelaufen: seine Einnahme fällt weg; Trikotvertrag: keine laufende Einnahme.
    EXPECT_EQ(mg.Werbeeinnahmen, 2000);
    EXPECT_EQ(S.Werbevertraege[0][2].Betrag, 0);
    EXPECT_EQ(S.Werbevertraege[0][7].Betrag, 0);
    EXPECT_EQ(S.Werbevertraege[0][3].SpieleRest, 4);

    // Überzogenes Konto: 1,5 % Zinsen; Anlage am Maximum wächst nicht mehr.
    ui.leeren();
    mg.Kontostand = -100000;
    mg.KaderWert = 50000000;
    mg.Kredit = 0;
    mg.AnlageWert = 1000000000;
    mg.KaderGehalt = 0;
    mg.Werbeeinnahmen = 0;
    EXPECT_TRUE(ZugAbschliessen());
    EXPECT_EQ(mg.Kontostand, -100000 - 1500 + 17600);
    EXPECT_EQ(mg.AnlageWert, 1000000000);
    EXPECT_TRUE(ui.enthaelt("Manager0, Sie haben das Anlagemaximum erreicht."));
}

// Ein Ligatag mit Trainer, Stadion, Darlehen und Gehältern: jeder Betrag wie gerechnet, über der
// Abgabegrenze samt Gebühr; abgebrochen oder am Boden des Kontos bleibt alles wie vorher, auch die
// Abgabe, deren Meldung schon kam, Verletzungen und Gesprächssperren der Liste. Allein gerufen und
// im Klick (dann sichert der Abschluss nur, was er bis zu den Ligabuchungen ändert).
TEST(ZugAbschliessen, KostenDesLigatagsGanzOderGarNicht)
{
    struct Fall {
        const char* name;
        int32_t konto, sparbuch, kaderwert;
        const char* antwort; // auf die Überziehungsgebühr; nullptr: sie wird nicht erfragt
        int64_t nachher;     // 0: abgelehnt
        bool abgabe, ohneDeckung;
    };
    // Vermögen, Abgabe und Gebühr in runden Beträgen (Vielfache von 256: die Summe ist genau).
    const Fall faelle[] = {
        {"normal", 1000000, 0, 0, nullptr, 1000000 + 1000 - 102400 + 17600 - 20000 - 30000 - 42240, false, false},
        {"Abgabe und Gebühr", -300000000, 2000000000, 400000000, "Ok",
         -300000000 - 210473600 - 51048000 - 8422824 - 102400 + 17600 - 20000 - 30000 - 42240, true, false},
        {"Gebühr abgebrochen", -300000000, 2000000000, 400000000, "Abbrechen", 0, true, false},
        {"Boden", static_cast<int32_t>(KontoMin + 1), static_cast<int32_t>(KontoMax), 0, nullptr, 0, false, true},
        {"Zinsen unter dem Boden", -1952000000, static_cast<int32_t>(KontoMax), 0, "Ok", 0, false, true},
    };
    for (const bool imKlick : {false, true})
    for (const Fall& f : faelle) {
        SCOPED_TRACE(imKlick ? "im Klick" : "allein");
        SkriptOberflaeche ui;
        Kleinwelt(1);
        Manager_& mg = S.Manager[0];
        mg.Kader[2].Verletzt = 3;
        for (int r = 1; r <= 11; ++r) S.Transferliste[r].Verhandelt = 1;
        mg.Kontostand = f.konto;
        mg.Sparbuch = f.sparbuch;
        mg.KaderWert = f.kaderwert;
        mg.TrainerGehalt = 30000;
        mg.Plaetze = 20480;
        mg.Komfortpunkte = 64; // Stadionkosten 10 240 + 32 000
        mg.DarlehenRestSpiele = 10;
        mg.DarlehenRate = 102400;
        mg.KaderGehalt = 20000;
        if (f.antwort) ui.antworte(f.antwort);
        const std::string vorher = SpielstandSchreiben();
        {
            std::optional<Einheit> klick;
            if (imKlick) klick.emplace();
            EXPECT_EQ(ZugAbschliessen(), f.nachher != 0) << f.name;
            if (klick) klick->fertig();
        }
        EXPECT_EQ(ui.enthaelt("Kontoüberziehung"), f.antwort != nullptr) << f.name;
        EXPECT_EQ(ui.enthaelt(Tz(AbgabeText)), f.abgabe) << f.name;
        EXPECT_EQ(ui.enthaelt(AbschlussOhneDeckungText), f.ohneDeckung) << f.name;
        EXPECT_EQ(Sitzung.AbschlussOhneDeckung, f.ohneDeckung) << f.name;
        if (f.nachher == 0) {
            EXPECT_EQ(SpielstandSchreiben(), vorher) << f.name;
            continue;
        }
        EXPECT_EQ(mg.Kontostand, f.nachher) << f.name;
        EXPECT_EQ(mg.DarlehenRestSpiele, 9) << f.name;
        EXPECT_EQ(mg.Sparbuch, f.sparbuch / 1000 * 1003) << f.name;
    }
}

TEST(ZugAbschliessen, Grafiken)
{
    SkriptOberflaeche ui;
    Kleinwelt(1);
    Pokaltag();
    Manager_& mg = S.Manager[0];
    Statistik_& st = S.Statistik[0];
    for (int i = 0; i < 148; ++i) st.Geldpunkte[i] = static_cast<int16_t>(i);
    st.Teamstaerken[164] = 33;
    mg.TeamStaerke = 44;
    mg.Platz = 7;
    S.Spiel.Spieltag = 4;
    mg.Kontostand = 30000000; // 300 Einheiten, über der Grenze 250
    EXPECT_TRUE(ZugAbschliessen());
    EXPECT_EQ(st.Teamstaerken[163], 33);
    EXPECT_EQ(st.Teamstaerken[164], 44);
    EXPECT_EQ(st.Plaetze[4], 7); // Platz vor dem 5. Spieltag
    EXPECT_EQ(st.Geldgrenze, 310);
    EXPECT_EQ(st.Geldpunkte[0], 1 - 60);
    EXPECT_EQ(st.Geldpunkte[146], 147 - 60);
    EXPECT_EQ(st.Geldpunkte[147], 300 - 60);

    // Unter das Fenster: die Grenze fällt in Zehnerschritten, die Punkte steigen mit.
    mg.Kontostand = 100000; // Vermögen -500 000: -5 Einheiten
    mg.Kredit = 600000;
    EXPECT_TRUE(ZugAbschliessen());
    EXPECT_EQ(st.Geldgrenze, 240);
    EXPECT_EQ(st.Geldpunkte[146], 300 - 60 + 70);
    EXPECT_EQ(st.Geldpunkte[147], -5 - (240 - 250));

    // Am Saisonendzug (Spieltag 34) wird kein Platz mehr eingetragen.
    S.Spiel.Spieltag = 34;
    mg.Platz = 2;
    EXPECT_TRUE(ZugAbschliessen());
    EXPECT_EQ(std::count(std::begin(st.Plaetze), std::end(st.Plaetze), 2), 0);
}

// --- Zugbeginn: Training, Dauerkarten, Trainer ---

TEST(ZugBeginnen, TrainingsverletzungNachStunden)
{
    SkriptOberflaeche ui;
    // 11 Spieler * 5 100 Züge: bei 10 Stunden 1 zu 51, bei einer Stunde 1 zu 501.
    for (const auto& [stunden, erwartet, toleranz] : {std::tuple{10, 1100, 110}, std::tuple{1, 112, 35}}) {
        Kleinwelt(1);
        ZufallSetzen(5);
        Manager_& mg = S.Manager[0];
        mg.Trainingsstunden = static_cast<uint8_t>(stunden);
        long n = 0;
        for (int r = 0; r < 5100; ++r) {
            for (int i = 1; i <= 11; ++i) {
                mg.Kader[i].Verletzt = 0;
                mg.Kader[i].Technik = 50;
                mg.Kader[i].Konstitution = 30;
            }
            TrainingAnwenden(0);
            for (int i = 1; i <= 11; ++i) n += mg.Kader[i].Verletzt > 0;
        }
        EXPECT_NEAR(n, erwartet, toleranz) << stunden << " Stunden";
    }
}

// Die Änderung je Zug: Round(Zufall(-6, Gewichtung div 10 + Bälle + Stunden) / 11), die Gewichtung
// der eigenen Linie (T und V Verteidigung, M Mittelfeld, S Angriff). Beispiel: 40 %, 3 Bälle,
// 4 Stunden geben -1, 0 oder +1. Gesucht wird über viele Züge das kleinste und größte Ergebnis.
TEST(ZugBeginnen, TrainingJeZugNachLinieBaellenUndStunden)
{
    struct Fall {
        int v, m, s, baelleT, baelleK, stunden;
        std::array<int, 4> technik, konstitution; // Höchstwert für T, V, M, S
    };
    const Fall faelle[] = {
        {40, 30, 30, 3, 3, 4, {1, 1, 1, 1}, {1, 1, 1, 1}},
        {100, 0, 0, 0, 0, 10, {2, 2, 1, 1}, {2, 2, 1, 1}},
        {0, 100, 0, 0, 0, 10, {1, 1, 2, 1}, {1, 1, 2, 1}},
        {0, 0, 100, 0, 0, 10, {1, 1, 1, 2}, {1, 1, 1, 2}},
        // 16 / 11 rundet auf 1 (durch 10 wären es 2), 22 / 11 genau 2.
        {40, 60, 0, 3, 11, 7, {1, 1, 1, 1}, {2, 2, 2, 2}},
    };
    const std::string positionen = "TVMS";
    SkriptOberflaeche ui;
    for (const Fall& f : faelle) {
        Kleinwelt(1);
        Manager_& mg = S.Manager[0];
        mg.TrainingVerteidigung = static_cast<uint8_t>(f.v);
        mg.TrainingMittelfeld = static_cast<uint8_t>(f.m);
        mg.TrainingAngriff = static_cast<uint8_t>(f.s);
        mg.BaelleTechnik = static_cast<uint8_t>(f.baelleT);
        mg.BaelleKonstitution = static_cast<uint8_t>(f.baelleK);
        mg.Trainingsstunden = static_cast<uint8_t>(f.stunden);
        std::array<std::set<int>, 4> technik, konstitution;
        for (int r = 0; r < 600; ++r) {
            for (int i = 1; i <= 11; ++i) {
                mg.Kader[i].Verletzt = 0;
                mg.Kader[i].Technik = 50;
                mg.Kader[i].Konstitution = 30;
            }
            TrainingAnwenden(0);
            for (int i = 1; i <= 11; ++i) {
                const Kaderspieler_& sp = mg.Kader[i];
                if (sp.Verletzt > 0) continue;
                const size_t p = positionen.find(sp.Position.roh());
                technik[p].insert(sp.Technik - 50);
                konstitution[p].insert(sp.Konstitution - 30);
            }
        }
        for (size_t p = 0; p < 4; ++p) {
            const std::string wo = std::to_string(f.v) + "/" + std::to_string(f.m) + "/" + std::to_string(f.s) + " " +
                                   positionen[p];
            EXPECT_EQ(*technik[p].begin(), -1) << wo;
            EXPECT_EQ(*technik[p].rbegin(), f.technik[p]) << wo;
            EXPECT_EQ(*konstitution[p].begin(), -1) << wo;
            EXPECT_EQ(*konstitution[p].rbegin(), f.konstitution[p]) << wo;
        }
        if (f.v == 40 && f.stunden == 4) {
            EXPECT_EQ(technik[1], (std::set<int>{-1, 0, 1}));
        }
    }
}

TEST(ZugBeginnen, VerletzungWunderheilungUndBericht)
{
    // Eine Saat suchen, bei der genau eine Wunderheilung und eine Verletzung geschehen.
    for (uint32_t saat = 1; saat < 100000; ++saat) {
        SkriptOberflaeche ui;
        Kleinwelt(1);
        Manager_& mg = S.Manager[0];
        mg.Trainingsstunden = 10;
        mg.Kader[2].Verletzt = 4;
        mg.Kader[2].VerletzungArt = 5;
        ZufallSetzen(saat);
        TrainingAnwenden(0);
        int v = 0, neuVerletzt = 0;
        for (int i = 1; i <= 11; ++i)
            if (i != 2 && mg.Kader[i].Verletzt > 0) {
                v = i;
                ++neuVerletzt;
            }
        if (mg.Kader[2].Verletzt != 0 || neuVerletzt != 1) continue;

        // Die Heilung lässt das Verletzungswort stehen und kostet den Konstitutionspunkt trotzdem.
        EXPECT_EQ(mg.Kader[2].VerletzungArt, 5);
        EXPECT_EQ(mg.Kader[2].Konstitution, 29);
        const int w = mg.Kader[v].Verletzt;
        EXPECT_EQ(mg.Kader[v].VerletzungArt, w);
        EXPECT_TRUE(ui.enthaelt("Spieler " + std::to_string(v) + "\r\n\r\n" + Gesundheitstexte[static_cast<size_t>(w)] +
                                "\r\n und fällt damit " + std::to_string(w) + " Wochen aus."));
        EXPECT_TRUE(ui.enthaelt("Wunder vom Training, Manager0|\r\nSpieler 2 \r\n\r\n"));
        // Bericht: neun trainierten, die Zeilen für Verletzung und Heilung.
        const std::string& b = S.Trainingsbericht;
        EXPECT_EQ(b.rfind("9 Spieler nahmen am Training Teil\r\n\r\n", 0), 0u);
        EXPECT_NE(b.find("Beim Training verletzte(n) sich 1 Spieler.\r\n1 Spieler erhielt(en) eine Wunderheilung."),
                  std::string::npos);
        return;
    }
    FAIL() << "keine passende Saat gefunden";
}

TEST(ZugBeginnen, BerichtOhneTrainierteUndKommaText)
{
    SkriptOberflaeche ui;
    Kleinwelt(1);
    S.Manager[0].KaderAnzahl = 0;
    TrainingAnwenden(0);
    EXPECT_EQ(S.Trainingsbericht, "0 Spieler nahmen am Training Teil\r\n\r\n"
                                  "Die Technik der Mannschaft veränderte sich um: 0 Punkte\r\n"
                                  "Die Konstution der Mannschaft veränderte sich um: 0 Punkte\r\n");
    EXPECT_EQ(KommaText(0.5, 2), "0,5");
    EXPECT_EQ(KommaText(-1.256, 2), "-1,26");
    EXPECT_EQ(KommaText(-0.001, 2), "0");
}

TEST(ZugBeginnen, DauerkartenNachEinemSieg)
{
    SkriptOberflaeche ui;
    Kleinwelt(1);
    Manager_& mg = S.Manager[0];
    mg.Kontostand = 0;
    mg.Plaetze = 12000;
    VereinVon(0).Legende = ".........S";
    // Saat 239: a = 500, b = Zufall(1, 0) = 1 -> es wird verkauft.
    ZufallSetzen(239);
    DauerkartenVerkaufen(0);
    // round(500 / 150 * 42) = 140, dann round(140 / 150 * 42) = 39.
    EXPECT_EQ(mg.DauerkartenVerkauft, 39);
    EXPECT_EQ(mg.Kontostand, 39 * 150);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Manager0|\r\n39 ,neue Dauerkarten verkauft .\r\n"
                                                   " Dauerkarten im Verkauf: 1.000\r\n"
                                                   "Dauerkarten nun Verkauft: 39\r\nErlös: 5.850 €"});

    // Ohne Sieg oder mit zu kleinem Stadion wird nichts verkauft.
    ui.leeren();
    VereinVon(0).Legende = "........SU";
    DauerkartenVerkaufen(0);
    mg.Plaetze = 999;
    VereinVon(0).Legende = ".........S";
    DauerkartenVerkaufen(0);
    EXPECT_EQ(mg.DauerkartenVerkauft, 39);

    // Gedeckelt auf a; Basis der Anzeigeliga 2 ist round(127,5) = 128; Kommentar ab Spieltag 31.
    mg.Plaetze = 12000;
    mg.DauerkartenVerkauft = 400;
    mg.Dauerkartenpreis = 100;
    S.Spiel.AnzeigeLiga = 2;
    S.Spiel.Spieltag = 31;
    ZufallSetzen(239); // a = 300, b = 129
    DauerkartenVerkaufen(0);
    EXPECT_EQ(mg.DauerkartenVerkauft, 700);
    ASSERT_EQ(ui.texte().size(), 1u);
    EXPECT_NE(ui.texte()[0].find("Erlös: 30.000 €\r\nDauerkarten für Todeskanidaten !"), std::string::npos);
}

TEST(ZugBeginnen, TrainervertragLaeuftAus)
{
    SkriptOberflaeche ui;
    Kleinwelt(1);
    Manager_& mg = S.Manager[0];
    mg.Kontostand = 0;
    mg.Trainer = 4;
    mg.TrainerStufe = 3;
    mg.TrainerSpiele = 2;
    mg.TrainerPreis = 100000;
    mg.TrainerGehalt = 7000;
    mg.Baelle = 8;
    mg.BaelleTechnik = 5;
    mg.BaelleKonstitution = 3;
    mg.Aktien = 25000;
    S.Trainermarkt[4].Nummer = -1;
    ZugBeginnen();
    EXPECT_EQ(mg.TrainerSpiele, 1);
    EXPECT_EQ(mg.TrainerPreis, 98000);
    EXPECT_EQ(mg.Aktien, 20000);
    EXPECT_FALSE(ui.enthaelt("Der Vertrag ist zu Ende"));

    mg.Aktien = -5;
    ZugBeginnen();
    EXPECT_EQ(mg.Aktien, 0);
    EXPECT_EQ(mg.Kontostand, 96040);
    EXPECT_TRUE(ui.enthaelt(std::string(Sondertrainer[4].Name) + "|Der Vertrag ist zu Ende"));
    // Trainer, seine Bälle und ihre Verteilung sind weg; er steht wieder auf dem Markt.
    EXPECT_EQ((std::vector<int>{mg.Trainer, mg.TrainerPreis, mg.TrainerGehalt, mg.TrainerSpiele, mg.TrainerStufe,
                                mg.Baelle, mg.BaelleTechnik, mg.BaelleKonstitution, S.Trainermarkt[4].Nummer}),
              (std::vector<int>{-1, 0, 0, 0, 0, 5, 0, 0, 4}));

    // Weniger Bälle als die Stufe: nicht unter 0.
    mg.Trainer = 2;
    mg.TrainerSpiele = 1;
    mg.TrainerStufe = 4;
    mg.Baelle = 2;
    ZugBeginnen();
    EXPECT_EQ(mg.Baelle, 0);
}

// --- Managerpunkte ---

TEST(Managerpunkte, MerkenUndAlleSchritteEinesZuges)
{
    Kleinwelt(2);
    S.Manager[1].Vermoegen = 4711;
    VereinVon(1).Moral = 77;
    S.Manager[2].Vermoegen = 999; // nicht aktiv
    ManagerpunkteMerken();
    const Vorwerte_ &v1 = S.Vorwerte[1], &v2 = S.Vorwerte[2];
    EXPECT_EQ((std::vector<int>{v1.Vermoegen, v1.Moral, v1.Platz, v2.Vermoegen}), (std::vector<int>{4711, 77, 17, 0}));

    Manager_& mg = S.Manager[0];
    Vorwerte_& v = S.Vorwerte[0];
    mg.Platz = 5;
    mg.Kontostand = 100;
    mg.Vermoegen = 2000;
    mg.TeamStaerke = 34;
    mg.HeimspieleSaison = 3;
    mg.ZuschauerLetzte = 900;
    mg.KaderWert = 500;
    mg.Ausgaben = 1000;
    mg.Einnahmen = 0;
    mg.Eintrittspreis = 5; // Sollschnitt 400
    VereinVon(0).Moral = 60;
    S.Werbevertraege[0][1].Betrag = 100;
    v = {30, 50, 7, 2, {}, 500, 0, 1000, 500};
    // Konto, Kredit, Darlehen, Vermögen, Stärke, Platz, Platzbonus, Heimspiel (Sollschnitt 400
    // unter 500 Zuschauern), Werbung (1/200 - (2 + .. + 8)/100), Moral.
    const float erwartet = 0.05f + 0.05f + 0.05f + 0.1f + 0.4f + 2.0f / 9.0f + 0.05f + 0.4f + 0.005f - 0.35f + 0.1f;
    EXPECT_NEAR(ManagerpunkteAenderung(0), erwartet, 1e-5);

    // Schulden, Darlehen, Abstieg in der Tabelle, gesunkene Stärke, Heimspiel unter dem Sollschnitt,
    // gesunkener Kaderwert, keine Werbung, Handaufstellung, Moral gefallen.
    mg.Kontostand = -1;
    mg.Kredit = 1000000;
    mg.DarlehenRestSpiele = 3;
    mg.DarlehenRate = 100000;
    mg.Vermoegen = 900;
    mg.TeamStaerke = 26;
    mg.Platz = 12;
    v.ZuschauerLetzte = 300;
    mg.KaderWert = 400;
    S.Werbevertraege[0][1].Betrag = 0;
    S.Optionen[0][OptAutoaufstellung] = 0;
    VereinVon(0).Moral = 40;
    const float schlecht = (0.5f - 1.2f) - 0.1f - 0.1f - 0.2f - 0.15f - 0.2f - 0.5f - 0.02f - 0.4f + 0.1f - 0.36f +
                           0.3f - 0.1f;
    EXPECT_NEAR(ManagerpunkteAenderung(0), schlecht, 1e-5);

    // Grenzen 1..100.
    mg.Managerpunkte = 1.5f;
    ManagerpunkteWerten();
    EXPECT_EQ(mg.Managerpunkte, 1.0f);
    mg.Managerpunkte = 99.9f;
    mg.Kontostand = 100;
    mg.Kredit = 0;
    mg.DarlehenRestSpiele = 0;
    mg.Platz = 1;
    v.Platz = 18;
    ManagerpunkteWerten();
    EXPECT_EQ(mg.Managerpunkte, 100.0f);
}

// --- Menütexte und Knöpfe ---

TEST(Menue, TexteZumTagMoralUndEinsatz)
{
    Kleinwelt(1);
    S.Spiel.Spieltag = 33;
    EXPECT_EQ(AbschlussTexte().wettbewerb, "Meisterschaft  LETZTER SPIELTAG");
    EXPECT_EQ(AbschlussTexte().tag, "zum 34.Spieltag");
    S.Spiel.Spieltag = 34;
    S.Spiel.Saison = 3;
    EXPECT_EQ(AbschlussTexte().wettbewerb, "3.Saison");
    EXPECT_EQ(AbschlussTexte().tag, "Saisonende");
    EXPECT_TRUE(HatSpiel(0)); // auch der Saisonendzug hat ein Spiel

    S.Spiel.Wettbewerb = Wettbewerb_::Chl;
    S.Spiel.ChlSpieltag = 2;
    EXPECT_EQ(AbschlussTexte().tag, "Spielfrei");
    VereinVon(0).ChlRunde = "7";
    EXPECT_EQ(AbschlussTexte().tag, "Spiel 3/15");

    S.Spiel.Wettbewerb = Wettbewerb_::Liga;
    MenueAnzeigen();
    EXPECT_EQ(S.Spiel.AnzeigeErster, 72);

    EXPECT_EQ(MoralWort(94), "Sehr Gut");
    EXPECT_EQ(MoralWort(95), "SPITZE");
    EXPECT_EQ(EinsatzText(-30), "Haltet die Füße bei euch !");
    Manager_& mg = S.Manager[0];
    mg.Einsatz = 90;
    EXPECT_TRUE(EinsatzHoch());
    EXPECT_FALSE(EinsatzHoch());
    EXPECT_EQ(mg.Einsatz, 100);
    mg.Einsatz = -90;
    EXPECT_TRUE(EinsatzRunter());
    EXPECT_FALSE(EinsatzRunter());
    EXPECT_EQ(mg.Einsatz, -100);

    // Ein Unterknopf gibt 0,01 Punkte, auch über 100 hinaus.
    mg.Managerpunkte = 100.0f;
    UnterknopfKlick();
    EXPECT_FLOAT_EQ(mg.Managerpunkte, 100.01f);
}

TEST(Menue, NeuerSpielerHoechstensVierUndNeuesSpiel)
{
    SkriptOberflaeche ui;
    Kleinwelt(4);
    EXPECT_FALSE(NeuerSpielerKlick());
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Maximal 4 Spieler erlaubt."});
    EXPECT_EQ(S.Spiel.ManagerHoch, 3);

    Kleinwelt(2);
    ui.leeren();
    ui.antworte("Abbrechen");
    EXPECT_FALSE(NeuerSpielerKlick());
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Soll ein 3 Spieler Teilnehmen ?"});
    EXPECT_EQ(S.Spiel.ManagerHoch, 1);

    // Ohne Spielnamen fragt "Neues Spiel" nur und speichert nichts.
    ui.leeren();
    ui.antworte("Ok");
    EXPECT_TRUE(NeuesSpielKlick());
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Neues Spiel, neues Glück ?"});
    ui.antworte("Abbrechen");
    EXPECT_FALSE(NeuesSpielKlick());
}

// --- Der Ablauf der Züge ---

TEST(Abschluss, AutospeichernMitEinemZuSechsBzwSieben)
{
    Kleinwelt(1);
    ZufallSetzen(99);
    for (int n : {6, 7}) {
        S.Spiel.ManagerHoch = n - 6;
        long treffer = 0;
        for (int i = 0; i < 10000 * n; ++i) treffer += AutospeichernGezogen();
        EXPECT_NEAR(treffer, 10000, 400) << "1 zu " << n;
    }
}

TEST(Abschluss, ReihenfolgeTagUndGanzeSaison)
{
    Mitschrift ui;
    EchtesSpiel(2, 11);
    AbschlussClick();
    EXPECT_EQ(S.AktManager, 1);
    EXPECT_EQ(S.Spiel.Spieltag, 0);
    EXPECT_EQ(Sitzung.GespielteTage, 0);
    AbschlussClick();
    EXPECT_EQ(S.AktManager, 0);
    EXPECT_EQ(S.Spiel.Spieltag, 1);
    EXPECT_EQ(Sitzung.GespielteTage, 1);
    EXPECT_EQ(ui.klaengeMit("Ding"), 2); // beide Züge wurden geöffnet

    // Die Saison: 34 Liga-, 6 DFB-, 12 Uefa-, 8 Pokalsieger- und 15 ChampionsLige-Tage;
    // die besten Sechs nach Spieltag 17 und 34, jeweils einmal und nicht je Manager.
    while (Sitzung.BeendeteSaisons == 0 && !SpielVorbei()) AbschlussClick();
    ASSERT_FALSE(SpielVorbei());
    EXPECT_EQ(Sitzung.GespielteTage, 34 + 6 + 12 + 8 + 15);
    EXPECT_EQ(ui.anzahl("Die 6 Besten Liga-Manschaften nach Punkten + Toren"), 2u);
    EXPECT_EQ(ui.anzahl("Leut lasst Euch sagen ...|\r\n\r\nNach der Sommerpause beginnt Saison 2\r\n"), 1u);
    EXPECT_EQ(S.Spiel.Spieltag, 0);
    EXPECT_EQ(S.Spiel.Wettbewerb, Wettbewerb_::Liga);
    EXPECT_EQ(S.AktManager, 0);
}

TEST(Abschluss, SpielfreieZuegeSchliessenSichUndKetten)
{
    Mitschrift ui;
    struct Menue : Menueanzeige {
        std::vector<std::string> spielfrei;
        std::vector<int> pausen;
        Mitschrift* ui = nullptr;
        void spielfreiZeigen(const std::string& name) override
        {
            spielfrei.push_back(name + " " + std::to_string(WettbewerbNr(S.Spiel.Wettbewerb)));
            ui->wartezeiten.clear();
        }
        void tagBeginnt() override
        {
            // Vor jedem Tag stand zuletzt die Pause des spielfreien Zuges.
            if (!spielfrei.empty()) pausen.push_back(ui->wartezeiten.empty() ? -1 : ui->wartezeiten.back());
        }
    } menue;
    menue.ui = &ui;
    MenueAnzeigeSetzen(&menue);
    EchtesSpiel(2, 12);
    while (!(S.Spiel.Spieltag == 5 && S.Spiel.Wettbewerb == Wettbewerb_::Liga && S.AktManager == 1)) AbschlussClick();
    // Nach dem 6. Spieltag: Uefa Pokal und ChampionsLige ohne die Oberligavereine.
    menue.spielfrei.clear();
    menue.pausen.clear();
    const long tage = Sitzung.GespielteTage;
    AbschlussClick();
    MenueAnzeigeSetzen(nullptr);
    EXPECT_EQ(Sitzung.GespielteTage, tage + 3);
    EXPECT_EQ(S.Spiel.Spieltag, 6);
    EXPECT_EQ(S.Spiel.Wettbewerb, Wettbewerb_::Liga);
    EXPECT_EQ(S.AktManager, 0);
    EXPECT_EQ(menue.spielfrei, (std::vector<std::string>{"Alfred 2", "Berta 2", "Alfred 4", "Berta 4"}));
    EXPECT_EQ(menue.pausen, (std::vector<int>{1000 + 500 * 2, 1000 + 500 * 2}));
    EXPECT_TRUE(Sitzung.ZugOffen);
}

// Eine Kette spielfreier Züge ohne Ende ist ein Fehler im Kalender: nach hundert spielfreien
// Zügen bricht der Klick ab, der Spielstand steht wie vorher, und der nächste Klick läuft normal.
TEST(Abschluss, EndloseSpielfreieKetteBrichtAb)
{
    Mitschrift ui;
    // Der erste Pokaltag ohne Manager kehrt nach jedem Tag wieder.
    struct Kalenderfehler : Menueanzeige {
        int tage = 0;
        std::optional<Spielstand> pokaltag;
        void tagBeginnt() override
        {
            if (++tage == 2) pokaltag = S;
        }
        void tagEndet() override
        {
            if (pokaltag) S = *pokaltag;
        }
    } kalender;
    EchtesSpiel(2, 12);
    while (!(S.Spiel.Spieltag == 5 && S.Spiel.Wettbewerb == Wettbewerb_::Liga && S.AktManager == 1)) AbschlussClick();
    const std::string vorher = SpielstandSchreiben();
    MenueAnzeigeSetzen(&kalender);
    try {
        AbschlussClick();
        ADD_FAILURE() << "die Kette endet nie, der Klick muss abbrechen";
    } catch (const Laufzeitfehler& f) {
        EXPECT_NE(std::string(f.what()).find("Spielfreie Züge ohne Ende (Wettbewerb 2"), std::string::npos)
            << f.what();
    }
    MenueAnzeigeSetzen(nullptr);
    // Zwei spielfreie Züge je Tag, der 101. bricht ab.
    EXPECT_EQ(kalender.tage, 51);
    EXPECT_EQ(SpielstandSchreiben(), vorher);
    const long tage = Sitzung.GespielteTage;
    AbschlussClick();
    EXPECT_EQ(Sitzung.GespielteTage, tage + 3);
    EXPECT_EQ(S.Spiel.Spieltag, 6);
    EXPECT_EQ(S.AktManager, 0);
}

TEST(Abschluss, UeberziehungAbgelehntUndPleiteFrage)
{
    Mitschrift ui;
    EchtesSpiel(2, 14);
    Manager_& mg = S.Manager[0];
    // Gebühr abgelehnt: der Zug bleibt offen, nichts ist gebucht.
    mg.Kontostand = -3000000;
    mg.Sparbuch = 20000000;
    ui.frage = [](const std::string&, Knoepfe) { return Antwort::Abbrechen; };
    AbschlussClick();
    EXPECT_EQ(ui.anzahl("Kontoüberziehung zu hoch !"), 1u);
    EXPECT_EQ(mg.Kontostand, -3000000);
    EXPECT_EQ(S.AktManager, 0);
    EXPECT_EQ(S.Spiel.Spieltag, 0);

    // Pleite, "Ja": zurück in den Zug.
    mg.Kontostand = -100000000;
    const std::string zweiter = S.Manager[1].Name.text();
    ui.frage = [](const std::string& text, Knoepfe) {
        return text == Tz(PleiteFrageText) ? Antwort::Ja : Antwort::Ok;
    };
    AbschlussClick();
    EXPECT_EQ(ui.anzahl(Tz(PleiteFrageText)), 1u);
    EXPECT_EQ(S.Spiel.ManagerHoch, 1);
    EXPECT_EQ(S.AktManager, 0);
    EXPECT_EQ(S.Spiel.Spieltag, 0);

    // Nein: Platz 0 geht; der Nachrücker ist sofort dran, ohne dass AktManager unter 0 fällt.
    ui.frage = [](const std::string&, Knoepfe) { return Antwort::Nein; };
    ui.klaenge.clear();
    AbschlussClick();
    EXPECT_EQ(S.Spiel.ManagerHoch, 0);
    EXPECT_EQ(S.Manager[0].Name.text(), zweiter);
    EXPECT_EQ(S.AktManager, 0);
    EXPECT_EQ(S.Spiel.Spieltag, 0);
    EXPECT_EQ(ui.klaengeMit("axe"), 1);

    // Der Letzte geht: das Spiel ist aus, weitere Klicks tun nichts.
    S.Manager[0].Kontostand = -100000000;
    AbschlussClick();
    EXPECT_TRUE(SpielVorbei());
    AbschlussClick();
    EXPECT_TRUE(SpielVorbei());
}

TEST(Abschluss, LetzterPlatzPleiteSpieltDenTag)
{
    Mitschrift ui;
    EchtesSpiel(2, 15);
    AbschlussClick();
    ASSERT_EQ(S.AktManager, 1);
    S.Manager[1].Kontostand = -100000000;
    const long tage = Sitzung.GespielteTage;
    AbschlussClick(); // Nein (Vorgabe): Platz 1 geht, der Tag wird gespielt
    EXPECT_EQ(S.Spiel.ManagerHoch, 0);
    EXPECT_EQ(Sitzung.GespielteTage, tage + 1);
    EXPECT_EQ(S.AktManager, 0);
    EXPECT_EQ(S.Spiel.Spieltag, 1);
}

// Zwei Manager mit gleichem Kader und gleichem Training ziehen in einer Runde verschiedene
// Trainingsergebnisse: die Zufallsfolge läuft über alle Züge weiter und wird nie zurückgesetzt.
TEST(ZugBeginnen, ZweiManagerZiehenVerschiedenesTraining)
{
    for (const uint32_t saat : {1u, 7u, 4711u}) {
        Mitschrift ui;
        EchtesSpiel(2, saat);
        Manager_& a = S.Manager[0];
        Manager_& b = S.Manager[1];
        b.KaderAnzahl = a.KaderAnzahl;
        b.Kader = a.Kader;
        for (Manager_* mg : {&a, &b}) {
            mg->Trainingsstunden = 10;
            mg->TrainingVerteidigung = mg->TrainingMittelfeld = mg->TrainingAngriff = 100;
        }
        const auto vorher = a.Kader;
        auto aenderung = [&](const Manager_& mg) {
            std::vector<int> d;
            for (int i = 1; i <= mg.KaderAnzahl; ++i)
                d.push_back((mg.Kader[i].Technik - vorher[i].Technik) * 1000 + mg.Kader[i].Konstitution -
                            vorher[i].Konstitution + 100 * mg.Kader[i].Verletzt);
            return d;
        };
        // A schließt, B beginnt (Training B); B schließt, der Tag läuft, A beginnt (Training A).
        AbschlussClick();
        ASSERT_EQ(S.AktManager, 1);
        const std::vector<int> trainingB = aenderung(b);
        AbschlussClick();
        ASSERT_EQ(S.AktManager, 0);
        EXPECT_NE(aenderung(a), trainingB) << "Saat " << saat;

        // Auch unmittelbar nacheinander gezogen: gleiche Kader, gleiche Saat, verschiedene Ergebnisse.
        b.Kader = a.Kader = vorher;
        ZufallSetzen(saat);
        TrainingAnwenden(0);
        TrainingAnwenden(1);
        EXPECT_NE(aenderung(a), aenderung(b)) << "Saat " << saat;
    }
}
