// Der gespeicherte Spielstand: Format, Rundreise, Abweisung kaputter Dateien,
// sicheres Speichern und die Regeln des Speicherbildschirms.
//
// Die Dateien in tests/data/ erzeugt SpielstandTestdateien.StimmenMitGenerator;
// mit TORVANE_TESTDATEN_SCHREIBEN=1 schreibt er sie neu.
#include "core/Fehler.h"
#include "core/Funky.h"
#include "core/SkriptOberflaeche.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

// Ein kleiner, aber vollständiger Spielstand; deterministisch für die Testdateien.
void StandBauen(int nc, int np, int ns, const std::string& bericht = "Training: Abwehr +2\r\nÄußerst gut.")
{
    S = Spielstand{};
    ZufallSetzen(4711);
    S.Spiel.ManagerHoch = 1;
    S.Spiel.Saison = ns;
    S.Spiel.MannschaftHoch = nc;
    S.Spiel.DeutscheHoch = std::min(nc, 90);
    S.Spiel.SpielerHoch = np;
    S.AktManager = 1;

    S.Mannschaft.laengeSetzen(nc + 1);
    for (int i = 1; i <= nc; ++i) {
        auto& v = S.Mannschaft[i];
        // Erst lang, dann kurz: die unbenutzten Bytes tragen Reste, wie im Spiel.
        v.Name = "Sportfreunde Langername";
        v.Name = "Verein " + std::to_string(i);
        v.Liga = static_cast<uint8_t>(std::min(5, (i - 1) / 18 + 1));
        v.Platz = static_cast<uint8_t>((i - 1) % 18 + 1);
        v.Moral = static_cast<int16_t>(Zufall(1, 100));
        v.EwigePunkte = static_cast<float>(i) * 1.5f;
        v.Legende = "SUVSS";
        v.Nation = i <= 90 ? "D" : "ENG";
    }
    S.Mannschaft[7].Name = "1.FC Köln";

    S.Spieler.laengeSetzen(np + 1);
    for (int j = 1; j <= np; ++j) {
        auto& p = S.Spieler[j];
        p.Vorname = j % 5 == 0 ? "" : "Jörg";
        p.Nachname = "Spieler " + std::to_string(j);
        p.Position = std::string(1, "TVMS"[j % 4]);
    }

    for (int m = 0; m <= 3; ++m) {
        S.Saisonbilanz[m].laengeSetzen(ns + 1);
        for (int k = 1; k <= ns; ++k) {
            S.Saisonbilanz[m][k].Liga = static_cast<uint8_t>(4 - m % 2);
            S.Saisonbilanz[m][k].Platz = static_cast<uint8_t>(k + m);
            S.Saisonbilanz[m][k].DfbErgebnis = "Halbfinale";
        }
    }

    auto& h = S.Manager[0];
    h.Name = "Hans";
    h.Vereinsname = "1.FC Köln";
    h.KaderAnzahl = 15;
    h.Kontostand = -1234567;
    h.Werbeanfragen = 2.5f;
    for (int i = 1; i <= 15; ++i) {
        h.Kader[i].Nachname = "Kicker " + std::to_string(i);
        h.Kader[i].Wert = Zufall(10000, 1300000);
    }
    S.Manager[1].Name = "Grete";
    S.Manager[1].Vereinsname = "Verein 60";

    for (auto& liga : S.Ergebnisse)
        for (auto& tag : liga)
            for (auto& paarung : tag) paarung = "-:-";
    S.Ergebnisse[4][1][3] = "2:1";
    S.Transferliste[3].Nachname = "Müller";
    for (int k = 1; k <= 12; ++k) S.Trainermarkt[k].Nummer = k;
    S.Statistik[0].Geldgrenze = 250;
    S.Vorwerte[1].Vermoegen = 99999;
    S.Werbevertraege[0][8].Betrag = 4000;
    S.ChlTabelle[16].ChlErgebnisse[8] = "1:0";
    S.Optionen[0][0] = 1;
    S.Trainingsbericht = bericht;
}

void I32Setzen(std::string& b, int64_t ofs, int32_t v) { std::memcpy(b.data() + ofs, &v, 4); }
int32_t I32(const std::string& b, int64_t ofs)
{
    int32_t v;
    std::memcpy(&v, b.data() + ofs, 4);
    return v;
}

std::string Datei(const fs::path& p)
{
    std::ifstream i(p, std::ios::binary);
    std::ostringstream o;
    o << i.rdbuf();
    return o.str();
}

void DateiSchreiben(const fs::path& p, const std::string& b)
{
    std::ofstream o(p, std::ios::binary | std::ios::trunc);
    o << b;
}

// Die Testdateien: eine gute und ihre kaputten Abwandlungen.
std::vector<std::pair<std::string, std::string>> Testdateien()
{
    StandBauen(100, 50, 2);
    const std::string gut = SpielstandSchreiben();
    const SpielstandLage l = LageBerechnen(100, 50, 2);
    std::string version = gut;
    I32Setzen(version, 0, 2);
    std::string vereine = gut;
    I32Setzen(vereine, 4, 2147483647);
    std::string spieler = gut;
    I32Setzen(spieler, l.A, 51);
    return {
        {"spielstand_gut.lig", gut},
        {"spielstand_gekuerzt.lig", gut.substr(0, gut.size() / 2)},
        {"spielstand_verlaengert.lig", gut + std::string(16, '\0')},
        {"spielstand_version2.lig", version},
        {"spielstand_vereinszahl.lig", vereine},
        {"spielstand_spielerzahl.lig", spieler},
    };
}

class Spielstand_ : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        ordner = fs::temp_directory_path() /
                 ("torvane_spielstand_" + std::string(info->name()) + "_" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(ordner);
        alterSave = Pfade.Save;
        Pfade.Save = ordner.string() + "/";
        LadenSperreSetzen(false);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(ordner, ec);
        Pfade.Save = alterSave;
        LadenSperreSetzen(false);
        S = Spielstand{};
    }
    std::string pfad(const std::string& name) const { return (ordner / (name + ".lig")).string(); }

    fs::path ordner;
    std::string alterSave;
};

using SpielstandFormat = Spielstand_;
using SpielstandLaden = Spielstand_;
using SpielstandSpeichern = Spielstand_;
using SpielstandDisk = Spielstand_;

} // namespace

TEST_F(SpielstandFormat, LageDesRechenbeispiels)
{
    const SpielstandLage l = LageBerechnen(147, 1500, 2);
    EXPECT_EQ(l.A, 18360);
    EXPECT_EQ(l.B, 129438);
    EXPECT_EQ(l.C, 130186);
    EXPECT_EQ(l.D, 154211);

    StandBauen(147, 1500, 2, "");
    const std::string b = SpielstandSchreiben();
    ASSERT_EQ(b.size(), 154215u);
    EXPECT_EQ(I32(b, 0), 1);
    EXPECT_EQ(I32(b, 4), 147);
    EXPECT_EQ(I32(b, 18360), 1500);
    EXPECT_EQ(I32(b, 129438), 2);
    EXPECT_EQ(0, std::memcmp(b.data() + 8 + 7 * 124, &S.Mannschaft[7], 124));
    EXPECT_EQ(0, std::memcmp(b.data() + 18364 + 1500 * 74, &S.Spieler[1500], 74));
    // Saisonbilanz: Manager 1, Eintrag 2 liegt hinter den drei Einträgen von Manager 0.
    EXPECT_EQ(0, std::memcmp(b.data() + 129442 + (3 + 2) * 62, &S.Saisonbilanz[1][2], 62));
    EXPECT_EQ(0, std::memcmp(b.data() + 130186, &S.Manager, 11280));
    EXPECT_EQ(I32(b, 130186 + 22688 + 28), 147); // Spiel.MannschaftHoch
    EXPECT_EQ(b[130186 + 23000], 1);              // AktManager
    EXPECT_EQ(0, std::memcmp(b.data() + 130186 + 23001, &S.ChlTabelle, 1024));
    // Leerer Trainingsbericht: genau 0 0 0 0 am Ende.
    EXPECT_EQ(b.substr(154211), std::string(4, '\0'));
}

TEST_F(SpielstandFormat, TexteWieImSpeicherUndBerichtIn1252)
{
    StandBauen(100, 50, 2, "Übung\r\nmacht den Meister");
    const std::string b = SpielstandSchreiben();
    // "Verein 3" nach "Sportfreunde Langername": die Reste bleiben erhalten.
    const std::string name = b.substr(8 + 3 * 124 + 28, 26);
    EXPECT_EQ(name, std::string("\x08Verein 3unde Langername\0\0", 26));
    EXPECT_EQ(b.substr(8 + 7 * 124 + 28, 10), "\x09" "1.FC K\xF6ln");
    const int64_t d = LageBerechnen(100, 50, 2).D;
    EXPECT_EQ(I32(b, d), 24);
    EXPECT_EQ(b.substr(static_cast<size_t>(d) + 4), "\xDC" "bung\r\nmacht den Meister");
}

TEST_F(SpielstandFormat, RundreiseGibtDieselbenBytes)
{
    StandBauen(147, 1500, 10);
    S.Spielname = "Bleibt";
    S.Befehl = "weiter";
    const std::string vorher = SpielstandSchreiben();
    const std::string bericht = S.Trainingsbericht;

    StandBauen(80, 20, 1, "anders");
    S.Spielname = "Bleibt";
    std::string fehler;
    ASSERT_TRUE(SpielstandLesen(vorher, fehler)) << fehler;
    EXPECT_EQ(SpielstandSchreiben(), vorher);
    EXPECT_EQ(S.Trainingsbericht, bericht);
    EXPECT_EQ(S.Mannschaft.hoch(), 147);
    EXPECT_EQ(S.Saisonbilanz[3].hoch(), 10);
    EXPECT_EQ(S.Manager[0].Vereinsname.text(), "1.FC Köln");
    // Arbeitswerte gehören nicht zum Spielstand.
    EXPECT_EQ(S.Spielname, "Bleibt");
}

TEST_F(SpielstandFormat, UngleicheBilanzlistenWerdenAufgefuellt)
{
    StandBauen(100, 50, 3);
    S.Saisonbilanz[2].laengeSetzen(2);
    const std::string b = SpielstandSchreiben();
    EXPECT_EQ(I32(b, LageBerechnen(100, 50, 0).B), 3);
    std::string fehler;
    ASSERT_TRUE(SpielstandLesen(b, fehler)) << fehler;
    for (int m = 0; m <= 3; ++m) EXPECT_EQ(S.Saisonbilanz[m].hoch(), 3);
    EXPECT_EQ(S.Saisonbilanz[2][3].Platz, 0);
    EXPECT_EQ(S.Saisonbilanz[3][3].Platz, 6);
}

TEST_F(SpielstandLaden, JedeKaputteDateiLaesstDenStandUnveraendert)
{
    StandBauen(100, 50, 2);
    const std::string gut = SpielstandSchreiben();
    const SpielstandLage l = LageBerechnen(100, 50, 2);
    StandBauen(90, 40, 4, "der laufende Stand");
    const std::string vorher = SpielstandSchreiben();

    auto mit = [&](int64_t ofs, int32_t v) {
        std::string b = gut;
        I32Setzen(b, ofs, v);
        return b;
    };
    std::string akt = gut;
    akt[static_cast<size_t>(l.C + 23000)] = 4;
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"leer", ""},
        {"drei Bytes", gut.substr(0, 3)},
        {"nur Version", gut.substr(0, 4)},
        {"ein Byte zu kurz", gut.substr(0, gut.size() - 1)},
        {"mitten im Spielerpool", gut.substr(0, static_cast<size_t>(l.A + 100))},
        {"ein Byte zu lang", gut + "x"},
        {"Vereine 0", mit(4, 0)},
        {"Vereine negativ", mit(4, -5)},
        {"Vereine riesig", mit(4, 2147483647)},
        {"Vereine einer mehr", mit(4, 101)},
        {"Spieler negativ", mit(l.A, -2)},
        {"Spieler riesig", mit(l.A, 100001)},
        {"Saisons 0", mit(l.B, 0)},
        {"Saisons riesig", mit(l.B, 10001)},
        {"Textlänge negativ", mit(l.D, -1)},
        {"Textlänge zu groß", mit(l.D, 1000)},
        {"Spielblock Vereine", mit(l.C + 22688 + 28, 99)},
        {"Spielblock Spieler", mit(l.C + 22688 + 36, 49)},
        {"Spielblock Manager", mit(l.C + 22688, 4)},
        {"aktueller Manager", akt},
    };
    for (const auto& [was, b] : faelle) {
        std::string fehler;
        EXPECT_FALSE(SpielstandLesen(b, fehler)) << was;
        EXPECT_EQ(fehler.rfind(BeschaedigtText, 0), 0u) << was << ": " << fehler;
        EXPECT_EQ(SpielstandSchreiben(), vorher) << was;
    }
}

TEST_F(SpielstandLaden, FremdeVersionMitDemVersionsdialog)
{
    StandBauen(100, 50, 2);
    const std::string vorher = SpielstandSchreiben();
    std::string b = vorher;
    I32Setzen(b, 0, 2);
    std::string fehler;
    EXPECT_FALSE(SpielstandLesen(b, fehler));
    EXPECT_EQ(fehler, "2<>1\r\nSpielstand eienr alten Torvane Version.\r\n\r\n"
                      "Dieser Spielstand kann nicht mehr eingelesen werden.");
    // Die Version wird vor allem anderen geprüft, auch bei vier Bytes.
    EXPECT_EQ(SpielstandPruefen(std::string("\0\0\0\0", 4)).ergebnis, Pruefergebnis::FremdeVersion);
    EXPECT_EQ(SpielstandSchreiben(), vorher);

    SkriptOberflaeche ui;
    DateiSchreiben(pfad("alt"), b);
    EXPECT_FALSE(SpielstandDatei("load", pfad("alt")));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{fehler});
    EXPECT_TRUE(ui.klaenge().empty());
    EXPECT_EQ(SpielstandSchreiben(), vorher);
}

TEST_F(SpielstandLaden, UeberDieDatei)
{
    StandBauen(100, 50, 2);
    const std::string gut = SpielstandSchreiben();
    DateiSchreiben(pfad("gut"), gut);
    DateiSchreiben(pfad("kaputt"), gut.substr(0, 5000));
    StandBauen(60, 10, 1);
    const std::string vorher = SpielstandSchreiben();

    SkriptOberflaeche ui;
    EXPECT_FALSE(SpielstandDatei("load", pfad("fehlt")));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{pfad("fehlt") + "\r\n\r\nNicht vorhanden."});

    ui.leeren();
    EXPECT_FALSE(SpielstandDatei("load", pfad("kaputt")));
    ASSERT_EQ(ui.texte().size(), 1u);
    EXPECT_EQ(ui.texte()[0].rfind(std::string(BeschaedigtText) + "\r\n" + pfad("kaputt"), 0), 0u);
    EXPECT_TRUE(ui.klaenge().empty());
    EXPECT_EQ(SpielstandSchreiben(), vorher);

    ui.leeren();
    EXPECT_TRUE(SpielstandDatei("LoAd", pfad("gut")));
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"speichern"});
    EXPECT_EQ(SpielstandSchreiben(), gut);

    ui.leeren();
    EXPECT_FALSE(SpielstandDatei("kopieren", pfad("gut")));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Dateioperation konnte nicht festgestellt werden."});
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"speichern"});
}

TEST_F(SpielstandSpeichern, ErsetztErstNachVollstaendigemSchreiben)
{
    SkriptOberflaeche ui;
    StandBauen(100, 50, 2);
    ASSERT_TRUE(SpielstandDatei("SAVE", pfad("spiel")));
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"speichern"});
    const std::string alt = Datei(pfad("spiel"));
    EXPECT_EQ(alt, SpielstandSchreiben());
    EXPECT_FALSE(fs::exists(pfad("spiel") + ".tmp"));

    // Die Zwischendatei lässt sich nicht anlegen: die alte Datei bleibt.
    StandBauen(100, 50, 3, "neuer");
    fs::create_directory(pfad("spiel") + ".tmp");
    ui.leeren();
    EXPECT_FALSE(SpielstandDatei("save", pfad("spiel")));
    ASSERT_EQ(ui.texte().size(), 1u);
    EXPECT_EQ(ui.texte()[0].rfind(std::string(NichtGespeichertText) + "\r\n" + pfad("spiel"), 0), 0u);
    EXPECT_TRUE(ui.klaenge().empty());
    EXPECT_EQ(Datei(pfad("spiel")), alt);
    fs::remove(pfad("spiel") + ".tmp");

    // Ein Stand, der sich nicht schreiben lässt, zerstört die alte Datei ebenso wenig.
    S.Mannschaft.laengeSetzen(0);
    ui.leeren();
    EXPECT_FALSE(SpielstandDatei("save", pfad("spiel")));
    EXPECT_EQ(Datei(pfad("spiel")), alt);
    EXPECT_FALSE(fs::exists(pfad("spiel") + ".tmp"));

    // Ordner fehlt: gemeldet, nichts angelegt.
    ui.leeren();
    EXPECT_FALSE(SpielstandDatei("save", (ordner / "fehlt" / "x.lig").string()));
    EXPECT_EQ(ui.anzahl(NichtGespeichertText), 1u);
}

TEST_F(SpielstandSpeichern, AutoSpeichernNurMitSpielname)
{
    SkriptOberflaeche ui;
    StandBauen(100, 50, 2);
    Pfade.Save = (ordner / "Save").string() + "/";
    EXPECT_FALSE(AutoSpeichern());
    EXPECT_FALSE(fs::exists(ordner / "Save"));
    S.Spielname = "Meine Liga";
    EXPECT_TRUE(AutoSpeichern());
    EXPECT_EQ(Datei(ordner / "Save" / "Meine Liga.lig"), SpielstandSchreiben());
}

TEST(SpielstandTestdateien, StimmenMitGenerator)
{
    const fs::path daten = fs::path(TORVANE_QUELLEN) / "tests" / "data";
    const bool schreiben = std::getenv("TORVANE_TESTDATEN_SCHREIBEN") != nullptr;
    for (const auto& [name, bytes] : Testdateien()) {
        if (schreiben) {
            DateiSchreiben(daten / name, bytes);
            if (name == "spielstand_gut.lig") {
                const fs::path korpus = fs::path(TORVANE_QUELLEN) / "tests" / "fuzz" / "korpus" / "spielstand_fuzz";
                fs::create_directories(korpus);
                DateiSchreiben(korpus / name, bytes);
            }
        }
        EXPECT_TRUE(Datei(daten / name) == bytes) << name << " veraltet: mit TORVANE_TESTDATEN_SCHREIBEN=1 neu erzeugen";
    }
    S = Spielstand{};
}

TEST(SpielstandTestdateien, NurDieGuteWirdGeladen)
{
    const fs::path daten = fs::path(TORVANE_QUELLEN) / "tests" / "data";
    StandBauen(70, 5, 1, "vorher");
    const std::string vorher = SpielstandSchreiben();
    for (const char* name : {"spielstand_gekuerzt.lig", "spielstand_verlaengert.lig", "spielstand_version2.lig",
                             "spielstand_vereinszahl.lig", "spielstand_spielerzahl.lig"}) {
        const std::string b = Datei(daten / name);
        ASSERT_FALSE(b.empty()) << name;
        std::string fehler;
        EXPECT_FALSE(SpielstandLesen(b, fehler)) << name;
        EXPECT_EQ(SpielstandSchreiben(), vorher) << name;
    }
    const std::string gut = Datei(daten / "spielstand_gut.lig");
    std::string fehler;
    ASSERT_TRUE(SpielstandLesen(gut, fehler)) << fehler;
    EXPECT_EQ(SpielstandSchreiben(), gut);
    EXPECT_EQ(S.Manager[0].Name.text(), "Hans");
    EXPECT_EQ(S.Trainingsbericht, "Training: Abwehr +2\r\nÄußerst gut.");
    S = Spielstand{};
}

TEST(SpielstandName, VerboteneZeichenUndVorschlag)
{
    for (const char* gut : {"Meine Liga", "Köln 2", "a-b_c (1)", ""}) EXPECT_TRUE(SpielnameErlaubt(gut)) << gut;
    for (const char* schlecht : {"a\"b", "a*b", "a.b", "a<b", "a>b", "a\\b", "a|b", "../x", "a/b", "C:x", "a\tb"})
        EXPECT_FALSE(SpielnameErlaubt(schlecht)) << schlecht;

    SkriptOberflaeche ui;
    EXPECT_EQ(SpielnameEingabe("Liga 1", "Liga"), "Liga 1");
    EXPECT_TRUE(ui.texte().empty());
    EXPECT_EQ(SpielnameEingabe("Liga/1", "Liga"), "Liga");
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Verbotene Dateinamenangabe !"});

    S = Spielstand{};
    S.Manager[0].Name = "Hans";
    S.Manager[0].Vereinsname = "1.FC Köln/Süd";
    EXPECT_EQ(SpielnameVorschlag(), "Hans mit 1_FC Köln_Süd");
    S.Spielname = "Gespeichert";
    EXPECT_EQ(SpielnameVorschlag(), "Gespeichert");
    S = Spielstand{};
}

TEST_F(SpielstandDisk, SpeichernUndListe)
{
    SkriptOberflaeche ui;
    StandBauen(100, 50, 2);
    EXPECT_EQ(SpeichernKlick(""), DiskFolge::ListeAuffrischen);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Leerer Dateiname."});
    EXPECT_EQ(SpeichernKlick("a:b"), DiskFolge::ListeAuffrischen);
    EXPECT_TRUE(SpielstandListe().empty());

    ui.leeren();
    EXPECT_EQ(SpeichernKlick("Zweite"), DiskFolge::ListeAuffrischen);
    EXPECT_EQ(S.Spielname, "Zweite");
    SpeichernKlick("erste");
    DateiSchreiben(ordner / "notiz.txt", "x");
    DateiSchreiben(ordner / "Gross.LIG", "x");
    EXPECT_EQ(SpielstandListe(), (std::vector<std::string>{"erste", "Gross", "Zweite"}));
    EXPECT_EQ(ListenName("erste.lig"), "erste");

    // Überschreiben nur mit "Ja"; bei "Abbrechen" bleiben Datei und Spielname.
    const std::string alt = Datei(pfad("Zweite"));
    S.Manager[0].Kontostand = 1;
    ui.leeren();
    ui.antworte("Abbrechen");
    SpeichernKlick("Zweite");
    EXPECT_EQ(ui.texte()[0], "Zweite\r\n\r\nDatei ist schon vorhanden.\r\nSoll die Datei überschrieben werden ?");
    EXPECT_EQ(Datei(pfad("Zweite")), alt);
    EXPECT_EQ(S.Spielname, "erste");
    ui.antworte("Ja");
    SpeichernKlick("Zweite");
    EXPECT_EQ(Datei(pfad("Zweite")), SpielstandSchreiben());
    EXPECT_EQ(S.Spielname, "Zweite");
}

TEST_F(SpielstandDisk, LadenSperrtUndLoeschen)
{
    SkriptOberflaeche ui;
    StandBauen(100, 50, 2);
    const std::string gespeichert = SpielstandSchreiben();
    DateiSchreiben(pfad("Liga"), gespeichert);
    StandBauen(60, 10, 1);
    S.Spielname = "vorher";
    const std::string laufend = SpielstandSchreiben();
    const std::string sperre =
        "Laden erst wieder beim nächsten Programmstart möglich.\r\nSpeichern erfolgt Automatisch.\r\n\r\n"
        "Der Fudellei zuliebe.";

    EXPECT_EQ(LadenKlick("fehlt"), DiskFolge::Bleiben);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"fehlt\r\n\r\nDatei nicht vorhanden !"});
    EXPECT_FALSE(LadenGesperrt());

    // "Nein": nichts geladen, aber gesperrt.
    ui.leeren();
    ui.antworte("Nein");
    EXPECT_EQ(LadenKlick("Liga"), DiskFolge::Bleiben);
    EXPECT_EQ(ui.texte(), (std::vector<std::string>{
                              pfad("Liga") + "\r\n\r\nAktuelles Spiel Spiel abbrechen und\r\nneues Spiel laden ?", sperre}));
    EXPECT_TRUE(LadenGesperrt());
    EXPECT_EQ(SpielstandSchreiben(), laufend);
    ui.leeren();
    EXPECT_EQ(LadenKlick("Liga"), DiskFolge::Bleiben); // keine Frage mehr
    EXPECT_EQ(ui.texte(), std::vector<std::string>{sperre});

    // "Ja": geladen, der Name wie eingegeben.
    LadenSperreSetzen(false);
    ui.antworte("Ja");
    EXPECT_EQ(LadenKlick("Liga"), DiskFolge::MenueNeuUndSchliessen);
    EXPECT_EQ(SpielstandSchreiben(), gespeichert);
    EXPECT_EQ(S.Spielname, "Liga");

    // Eine kaputte Datei: nichts geladen, Spielname bleibt.
    LadenSperreSetzen(false);
    DateiSchreiben(pfad("Kaputt"), gespeichert.substr(0, 100));
    ui.antworte("Ja");
    EXPECT_EQ(LadenKlick("Kaputt"), DiskFolge::Bleiben);
    EXPECT_EQ(S.Spielname, "Liga");
    EXPECT_EQ(SpielstandSchreiben(), gespeichert);

    ui.leeren();
    ui.antworte("Abbrechen");
    LoeschenKlick("Liga");
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Liga\r\n\r\nSicher Löschen ?"});
    EXPECT_TRUE(fs::exists(pfad("Liga")));
    ui.antworte("Ja");
    LoeschenKlick("Liga");
    EXPECT_FALSE(fs::exists(pfad("Liga")));
    ui.leeren();
    LoeschenKlick("../Liga"); // nie außerhalb des Save-Ordners
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Verbotene Dateinamenangabe !"});
}
