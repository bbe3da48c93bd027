// Der gespeicherte Spielstand: Format, Rundreise, Abweisung kaputter Dateien,
// sicheres Speichern und die Regeln des Speicherbildschirms.
//
// Die Dateien in tests/data/ erzeugt SpielstandFormat.TestdateienUndJedeKaputteDatei;
// mit TORVANE_TESTDATEN_SCHREIBEN=1 schreibt er sie neu.
#include "VollePlatte.h"
#include "core/Pfade.h"
#include "core/SkriptOberflaeche.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "core/Zufall.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

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
    S.Spiel.Aktienkurs = 250;
    S.Spiel.NationAnzahl = 2;

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
        if (i <= 72) v.SpielplanNr = v.Platz;
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
        auto& k = h.Kader[i];
        k.Vorname = "Jörg";
        k.Nachname = "Kicker " + std::to_string(i);
        k.Position = "M";
        k.Wert = Zufall(10000, 1300000);
        k.Alter = 24;
        k.Technik = k.Konstitution = k.Staerke = 20;
        k.Vertrag = 3;
    }
    S.Manager[1].Name = "Grete";
    S.Manager[1].Vereinsname = "Verein 60";
    // Jeder Manager steht auf dem Platz seines Vereins (7 ist "1.FC Köln").
    for (const auto& [m, liga, platz] : {std::tuple{0, 1, 7}, {1, 4, 6}}) {
        S.Manager[m].Liga = static_cast<int8_t>(liga);
        S.Manager[m].Platz = static_cast<int8_t>(platz);
        S.Manager[m].Trainer = -1;
        S.Manager[m].Trainingsstunden = 5;
        S.Manager[m].Managerpunkte = 50;
    }

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

// b mit dem Zähler v an der Stelle ofs.
std::string Mit(std::string b, int64_t ofs, int32_t v)
{
    std::memcpy(b.data() + ofs, &v, 4);
    return b;
}

std::string Datei(const fs::path& p)
{
    std::ifstream i(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(i), {}};
}

void DateiSchreiben(const fs::path& p, const std::string& b) { std::ofstream(p, std::ios::binary) << b; }

// Jeder Test mit eigenem Save-Ordner und frischem Spielstand.
class SpielstandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(ordner);
        Pfade.Save = ordner.string() + "/";
        S = Spielstand{};
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

    const std::string alterSave = Pfade.Save;
    const fs::path ordner = fs::temp_directory_path() /
                            ("torvane_spielstand_" +
                             std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
};

using SpielstandFormat = SpielstandTest;
using SpielstandDateien = SpielstandTest;
using SpielstandDisk = SpielstandTest;

} // namespace

TEST_F(SpielstandFormat, RundreiseGibtDieselbenBytes)
{
    StandBauen(147, 1500, 10);
    S.Saisonbilanz[2].laengeSetzen(5); // eine kürzere Liste wird leer aufgefüllt
    const std::string vorher = SpielstandSchreiben();
    // Der Bericht steht mit seiner Länge in Windows-1252 am Ende.
    EXPECT_EQ(vorher.substr(static_cast<size_t>(LageBerechnen(147, 1500, 10).D)),
              std::string("\x21\0\0\0", 4) + "Training: Abwehr +2\r\n\xC4u\xDF" "erst gut.");

    StandBauen(80, 20, 1, "anders");
    S.Spielname = "Bleibt";
    std::string fehler;
    ASSERT_TRUE(SpielstandLesen(vorher, fehler)) << fehler;
    EXPECT_EQ(SpielstandSchreiben(), vorher);
    EXPECT_EQ(S.Trainingsbericht, "Training: Abwehr +2\r\nÄußerst gut.");
    for (int m = 0; m <= 3; ++m) EXPECT_EQ(S.Saisonbilanz[m].hoch(), 10);
    EXPECT_EQ(S.Spielname, "Bleibt"); // Arbeitswerte gehören nicht zum Spielstand
}

TEST_F(SpielstandFormat, TestdateienUndJedeKaputteDatei)
{
    // Die eingecheckten Dateien: eine gute und ihre kaputten Abwandlungen.
    StandBauen(100, 50, 2);
    const std::string gut = SpielstandSchreiben();
    const SpielstandLage l = LageBerechnen(100, 50, 2);
    std::vector<std::pair<std::string, std::string>> faelle = {
        {"spielstand_gekuerzt.lig", gut.substr(0, gut.size() / 2)},
        {"spielstand_verlaengert.lig", gut + std::string(16, '\0')}, {"spielstand_version2.lig", Mit(gut, 0, 2)},
        {"spielstand_vereinszahl.lig", Mit(gut, 4, 2147483647)}, {"spielstand_spielerzahl.lig", Mit(gut, l.A, 51)},
        {"spielstand_gut.lig", gut}};
    const fs::path daten = fs::path(TORVANE_QUELLEN) / "tests" / "data";
    const fs::path korpus = fs::path(TORVANE_QUELLEN) / "tests" / "fuzz" / "korpus" / "spielstand_fuzz";
    for (const auto& [name, bytes] : faelle) {
        if (std::getenv("TORVANE_TESTDATEN_SCHREIBEN") != nullptr) {
            DateiSchreiben(daten / name, bytes);
            if (name == "spielstand_gut.lig") {
                fs::create_directories(korpus);
                DateiSchreiben(korpus / name, bytes);
            }
        }
        EXPECT_TRUE(Datei(daten / name) == bytes) << name << " veraltet: mit TORVANE_TESTDATEN_SCHREIBEN=1 neu erzeugen";
    }
    faelle.pop_back(); // die gute

    // Dazu Zähler und Längen, die nicht zusammenpassen: nichts wird geladen.
    std::string akt = gut;
    akt[static_cast<size_t>(l.C + 23000)] = 4;
    faelle.insert(faelle.end(), {
        {"leer", ""}, {"drei Bytes", gut.substr(0, 3)}, {"nur Version", gut.substr(0, 4)},
        {"ein Byte zu kurz", gut.substr(0, gut.size() - 1)},
        {"mitten im Spielerpool", gut.substr(0, static_cast<size_t>(l.A + 100))}, {"ein Byte zu lang", gut + "x"},
        {"Vereine 0", Mit(gut, 4, 0)}, {"Vereine negativ", Mit(gut, 4, -5)}, {"Vereine einer mehr", Mit(gut, 4, 101)},
        {"Spieler negativ", Mit(gut, l.A, -2)}, {"Spieler riesig", Mit(gut, l.A, 100001)},
        {"Saisons 0", Mit(gut, l.B, 0)}, {"Saisons riesig", Mit(gut, l.B, 10001)},
        {"Textlänge negativ", Mit(gut, l.D, -1)}, {"Textlänge zu groß", Mit(gut, l.D, 1000)},
        {"Spielblock Vereine", Mit(gut, l.C + 22688 + 28, 99)}, {"Spielblock Spieler", Mit(gut, l.C + 22688 + 36, 49)},
        {"Spielblock Manager", Mit(gut, l.C + 22688, 4)}, {"aktueller Manager", akt}});
    StandBauen(90, 40, 4, "der laufende Stand");
    const std::string vorher = SpielstandSchreiben();
    for (const auto& [was, b] : faelle) {
        std::string fehler;
        EXPECT_FALSE(SpielstandLesen(b, fehler)) << was;
        const bool version = was == "spielstand_version2.lig";
        EXPECT_TRUE(fehler.starts_with(version ? "2<>1\r\n" : BeschaedigtText)) << was << ": " << fehler;
        EXPECT_EQ(SpielstandSchreiben(), vorher) << was;
    }
    // Ein Stand, dessen nächster Spieltag nicht mehr in die Felder passte (255 Siege):
    // abgewiesen, statt nach dem Laden beim ersten Abschluss zu scheitern.
    S.Mannschaft[1].Siege = 255;
    const std::string voll = SpielstandSchreiben();
    StandBauen(90, 40, 4, "der laufende Stand");
    std::string fehler;
    EXPECT_FALSE(SpielstandLesen(voll, fehler));
    EXPECT_EQ(SpielstandSchreiben(), vorher);
    ASSERT_TRUE(SpielstandLesen(gut, fehler)) << fehler;
    EXPECT_EQ(SpielstandSchreiben(), gut);
}

TEST_F(SpielstandDateien, LadenUeberDieDatei)
{
    StandBauen(100, 50, 2);
    const std::string gut = SpielstandSchreiben();
    DateiSchreiben(pfad("gut"), gut);
    DateiSchreiben(pfad("kaputt"), gut.substr(0, 5000));
    DateiSchreiben(pfad("alt"), Mit(gut, 0, 2));
    StandBauen(60, 10, 1);
    const std::string vorher = SpielstandSchreiben();

    // Fehlend, beschädigt, fremde Version: eine Meldung, kein Klang, der Stand bleibt.
    for (const auto& [name, meldung] :
         {std::pair<std::string, std::string>{"fehlt", pfad("fehlt") + "\r\n\r\nNicht vorhanden."},
          {"kaputt", std::string(BeschaedigtText) + "\r\n" + pfad("kaputt")},
          {"alt", "2<>1\r\nSpielstand eienr alten Torvane Version.\r\n\r\n"
                  "Dieser Spielstand kann nicht mehr eingelesen werden."}}) {
        SkriptOberflaeche ui;
        EXPECT_FALSE(SpielstandDatei("load", pfad(name)));
        ASSERT_EQ(ui.protokoll.size(), 1u) << name;
        EXPECT_TRUE(ui.texte()[0].starts_with(meldung)) << ui.texte()[0];
        EXPECT_EQ(SpielstandSchreiben(), vorher) << name;
    }
    // Die Version wird vor allem anderen geprüft, auch bei vier Bytes.
    EXPECT_EQ(SpielstandPruefen(std::string("\0\0\0\0", 4)).ergebnis, Pruefergebnis::KeinSpielstand);

    SkriptOberflaeche ui;
    EXPECT_TRUE(SpielstandDatei("LoAd", pfad("gut")));
    EXPECT_EQ(SpielstandSchreiben(), gut);
    EXPECT_FALSE(SpielstandDatei("kopieren", pfad("gut")));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Dateioperation konnte nicht festgestellt werden."});
    EXPECT_EQ(ui.klaenge(), (std::vector<std::string>{"speichern", "speichern"}));
}

TEST_F(SpielstandDateien, SpeichernErsetztErstNachVollstaendigemSchreiben)
{
    SkriptOberflaeche ui;
    StandBauen(100, 50, 2);
    const std::string datei = pfad("spiel");
    // Wie jede Datei über DateiSicherErsetzen (nie durch einen Link, nie halb: DateiTest).
    ASSERT_TRUE(SpielstandDatei("SAVE", datei));
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"speichern"});
    const std::string alt = Datei(datei);
    EXPECT_EQ(alt, SpielstandSchreiben());
    const std::vector<fs::path> nurSpiel{datei};
    const auto dateien = [&] { return std::vector<fs::path>(fs::directory_iterator(ordner), fs::directory_iterator()); };

    // Die Zwischendatei lässt sich nicht ganz schreiben: gemeldet, ohne Klang, die alte Datei bleibt.
    StandBauen(100, 50, 3, "neuer");
    ui.leeren();
    EXPECT_FALSE(BeiVollerPlatte([&] { return SpielstandDatei("save", datei); }));
    ASSERT_EQ(ui.protokoll.size(), 1u);
    EXPECT_TRUE(ui.texte()[0].starts_with(std::string(NichtGespeichertText) + "\r\n" + datei));
    EXPECT_EQ(Datei(datei), alt);
    EXPECT_EQ(dateien(), nurSpiel);

    // Ein Stand, der sich nicht schreiben lässt, zerstört die alte Datei ebenso wenig.
    S.Mannschaft.laengeSetzen(0);
    EXPECT_FALSE(SpielstandDatei("save", datei));
    EXPECT_EQ(Datei(datei), alt);
    EXPECT_EQ(dateien(), nurSpiel);

    // Ordner fehlt: gemeldet.
    ui.leeren();
    EXPECT_FALSE(SpielstandDatei("save", (ordner / "fehlt" / "x.lig").string()));
    EXPECT_EQ(ui.anzahl(NichtGespeichertText), 1u);

    // Automatisch nur mit Spielnamen, dann auch in einen neuen Save-Ordner.
    StandBauen(100, 50, 2);
    Pfade.Save = (ordner / "Save").string() + "/";
    EXPECT_FALSE(AutoSpeichern());
    EXPECT_FALSE(fs::exists(ordner / "Save"));
    S.Spielname = "Meine Liga";
    EXPECT_TRUE(AutoSpeichern());
    EXPECT_EQ(Datei(ordner / "Save" / "Meine Liga.lig"), SpielstandSchreiben());
}

TEST_F(SpielstandDisk, NameUndSpeichern)
{
    for (const char* gut : {"Meine Liga", "Köln 2", "a-b_c (1)", ""}) EXPECT_TRUE(SpielnameErlaubt(gut)) << gut;
    for (const char* schlecht : {"a\"b", "a*b", "a.b", "a<b", "a>b", "a\\b", "a|b", "../x", "a/b", "C:x", "a\tb"})
        EXPECT_FALSE(SpielnameErlaubt(schlecht)) << schlecht;
    StandBauen(100, 50, 2);
    S.Manager[0].Vereinsname = "1.FC Köln/Süd";
    EXPECT_EQ(SpielnameVorschlag(), "Hans mit 1_FC Köln_Süd");

    // Leer oder verboten: nur die Meldung.
    SkriptOberflaeche ui;
    SpeichernKlick("");
    SpeichernKlick("a:b");
    EXPECT_EQ(ui.texte(), (std::vector<std::string>{"Leerer Dateiname.", VerbotenText}));
    EXPECT_TRUE(SpielstandListe().empty());

    // Die Liste: nur ".lig" in jeder Schreibweise, sortiert ohne Rücksicht auf Groß und Klein.
    for (const char* name : {"Zweite", "erste"}) SpeichernKlick(name);
    EXPECT_EQ(S.Spielname, "erste");
    DateiSchreiben(ordner / "notiz.txt", "x");
    DateiSchreiben(ordner / "Gross.LIG", "x");
    EXPECT_EQ(SpielstandListe(), (std::vector<std::string>{"erste", "Gross", "Zweite"}));

    // Überschreiben nur mit "Ja"; bei "Abbrechen" bleiben Datei und Spielname.
    const std::string alt = Datei(pfad("Zweite"));
    S.Manager[0].Kontostand = 1;
    ui.antworte("Abbrechen");
    SpeichernKlick("Zweite");
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
    DateiSchreiben(pfad("Kaputt"), gespeichert.substr(0, 100));
    StandBauen(60, 10, 1);
    const std::string laufend = SpielstandSchreiben();

    EXPECT_EQ(LadenKlick("fehlt"), DiskFolge::Bleiben);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"fehlt\r\n\r\nDatei nicht vorhanden !"});
    EXPECT_FALSE(LadenGesperrt());

    // "Nein" und eine kaputte Datei laden nichts und sperren nichts.
    for (auto [name, antwort] : {std::pair{"Liga", "Nein"}, {"Kaputt", "Ja"}}) {
        ui.antworte(antwort);
        EXPECT_EQ(LadenKlick(name), DiskFolge::Bleiben) << name;
        EXPECT_FALSE(LadenGesperrt()) << name;
        EXPECT_EQ(SpielstandSchreiben(), laufend);
    }
    // "Ja": geladen, der Name wie eingegeben, und gesperrt; danach nur noch die Meldung, ohne Frage.
    ui.antworte("Ja");
    EXPECT_EQ(LadenKlick("Liga"), DiskFolge::MenueNeuUndSchliessen);
    EXPECT_EQ(S.Spielname, "Liga");
    EXPECT_EQ(SpielstandSchreiben(), gespeichert);
    EXPECT_TRUE(LadenGesperrt());
    EXPECT_TRUE(ui.texte().back().starts_with("Laden erst wieder beim nächsten Programmstart möglich."));
    ui.leeren();
    EXPECT_EQ(LadenKlick("Liga"), DiskFolge::Bleiben);
    EXPECT_EQ(ui.texte().size(), 1u);
    LadenSperreSetzen(false);

    // Löschen: "Abbrechen" lässt die Datei; nie außerhalb des Save-Ordners.
    ui.antworte("Abbrechen");
    LoeschenKlick("Liga");
    EXPECT_TRUE(fs::exists(pfad("Liga")));
    ui.leeren();
    LoeschenKlick("../Liga");
    EXPECT_EQ(ui.texte(), std::vector<std::string>{VerbotenText});
}

TEST_F(SpielstandDisk, NamenOhneRandUndNichtZuLang)
{
    SkriptOberflaeche ui;
    StandBauen(100, 50, 2);

    // Nur Leerzeichen ist leer; mit Rand gespeichert heißt die Datei wie ohne.
    SpeichernKlick("   ");
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Leerer Dateiname."});
    SpeichernKlick(" Liga\t");
    EXPECT_EQ(SpielstandListe(), std::vector<std::string>{"Liga"});
    EXPECT_EQ(S.Spielname, "Liga");
    ui.leeren();
    ui.antworte("Abbrechen");
    SpeichernKlick("Liga ");
    EXPECT_EQ(ui.texte().size(), 1u);
    EXPECT_TRUE(ui.enthaelt("Datei ist schon vorhanden."));

    // Laden mit Rand findet "Liga"; eine alte Datei mit Rand bleibt erreichbar.
    ui.antworte("Ja");
    EXPECT_EQ(LadenKlick("  Liga "), DiskFolge::MenueNeuUndSchliessen);
    EXPECT_EQ(S.Spielname, "Liga");
    DateiSchreiben(pfad("Alt "), "x");
    ui.antworte("Ja");
    LoeschenKlick("Alt ");
    EXPECT_FALSE(fs::exists(pfad("Alt ")));

    // Höchstens 100 Zeichen, und nicht mehr Bytes, als ein Dateiname fasst.
    ui.leeren();
    std::string umlaute;
    for (int i = 0; i < 100; ++i) umlaute += "ä";
    std::string vieleBytes;
    for (int i = 0; i < 81; ++i) vieleBytes += "語"; // 81 Zeichen, 243 Bytes
    for (const std::string& zuLang : {std::string(101, 'x'), vieleBytes}) {
        EXPECT_TRUE(SpielnameZuLang(zuLang));
        SpeichernKlick(zuLang);
    }
    EXPECT_EQ(ui.texte(), (std::vector<std::string>{ZuLangText, ZuLangText}));
    ui.leeren();
    for (const std::string& passt : {std::string(100, 'x'), umlaute}) {
        SpeichernKlick(passt);
        EXPECT_TRUE(fs::exists(pfad(passt)));
    }
    EXPECT_TRUE(ui.texte().empty());
    EXPECT_EQ(SpielstandListe().size(), 3u);
}
