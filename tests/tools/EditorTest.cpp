// Der Grunddaten-Editor: Listen, Zellprüfungen, neue Einträge, Einfügen, sicheres
// Speichern, die Prüfung eines Datenordners und die Testsaison ohne Bildschirm.
#include "../core/VollePlatte.h"
#include "core/Cp1252.h"
#include "core/Daten.h"
#include "core/Pfade.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "flow/Autoplay.h"
#include "flow/Neuanlage.h"
#include "tools/Editor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

std::string Inhalt(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// Eine Kopie der ausgelieferten Grunddaten als Datenordner; der Editor schreibt nur dort.
struct Datenkopie {
    fs::path ordner;
    std::string altDaten = Pfade.Daten;
    Datenkopie()
    {
        ordner = fs::temp_directory_path() /
                 ("torvane_editor_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        for (const char* n : DatenDateien) fs::copy_file(fs::path(TORVANE_QUELLEN "/daten") / n, ordner / n);
        DatenOrdnerSetzen(ordner.string());
        S.KlangAus = false;
    }
    ~Datenkopie()
    {
        Pfade.Daten = altDaten;
        fs::remove_all(ordner);
    }
    std::string datei(const char* n) const { return Inhalt(ordner / n); }
    std::string original(const char* n) const { return Inhalt(fs::path(TORVANE_QUELLEN "/daten") / n); }
};

struct EditorTest : ::testing::Test {
    Datenkopie d;
    SkriptOberflaeche ui;
    Editor e;
};

// Gewählt ist Zeile z, Spalte s (die Auswahl muss gelingen).
void Waehle(Editor& e, int z, int s) { ASSERT_TRUE(e.auswahl(z, s)) << z << "/" << s; }

// Zeile z, Spalte s bekommt text; danach wird die Zeile verlassen.
bool Aendern(Editor& e, int z, int s, const std::string& text, int weiter = 0)
{
    if (!e.auswahl(z, s)) return false;
    e.zelleSetzen(text);
    return e.auswahl(weiter ? weiter : (z == 1 ? 2 : 1), s);
}

} // namespace

// Die ausgelieferten Dateien: Zählungen im Status, unverändert gespeichert byte-gleich.
TEST_F(EditorTest, AusgelieferteDatenZaehlenUndByteGleichZurueck)
{
    EXPECT_EQ(e.titel(), "");
    EXPECT_FALSE(e.speichern());
    EXPECT_TRUE(ui.enthaelt("Keine Speicherdefinition"));

    struct Fall {
        EditorListe l;
        const char* datei;
        const char* titel;
        const char* status;
    };
    const Fall faelle[] = {
        {EditorListe::Mannschaften, "Mansch.dat", "Mannschaften", "262 Mannschaften"},
        {EditorListe::Spieler, "Spieler.dat", "Spieler",
         "2600 Spieler - Torwächter: 260 - Verteidiger: 867 - Mittelfeld: 867 - Stürmer: 606"},
        {EditorListe::Nationen, "Nationen.dat", "Nationen", "25 Nationenn"},
    };
    for (const Fall& f : faelle) {
        ASSERT_TRUE(e.listeWaehlen(f.l)) << f.datei;
        EXPECT_EQ(e.titel(), f.titel);
        EXPECT_EQ(e.status(), f.status);
        ui.leeren();
        ui.antworte("Ja");
        ASSERT_TRUE(e.speichern());
        EXPECT_TRUE(ui.enthaelt("Speichern und vorhandene Datei überschreiben ?"));
        EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"speichern"});
        EXPECT_EQ(d.datei(f.datei), d.original(f.datei)) << f.datei;
    }
    // Die Umlaute kommen als UTF-8 an.
    ASSERT_TRUE(e.listeWaehlen(EditorListe::Mannschaften));
    EXPECT_EQ(e.zelle(84, 1), "SV Altötting");
}

// Zellprüfung beim Vereinsnamen: 25 gegen 26 Zeichen, doppelte Namen, leere Zelle,
// gesperrte Spalten; in Zeichen gezählt, nicht in Bytes.
TEST_F(EditorTest, VereinsnamenPruefen)
{
    ASSERT_TRUE(e.listeWaehlen(EditorListe::Mannschaften));
    const std::string alt = e.zelle(3, 1);

    const std::string n25 = "ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüßÄÖÜä"; // 25 Zeichen, 50 Bytes
    ASSERT_TRUE(Aendern(e, 3, 1, n25));
    EXPECT_EQ(e.zelle(3, 1), n25);
    EXPECT_TRUE(ui.texte().empty());

    Aendern(e, 3, 1, n25 + "x");
    EXPECT_TRUE(ui.enthaelt("Ein Mannschaftsname darf nur max. 25 Zeichen haben."));
    EXPECT_EQ(e.zelle(3, 1), n25); // der vorige Name kommt zurück

    ui.leeren();
    Aendern(e, 3, 1, e.zelle(2, 1));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{e.zelle(2, 1) + "\r\nDiese Mannschaft gibt es schon in Nr.3 + 2"});
    EXPECT_EQ(e.zelle(3, 1), n25);

    // Umgebende Leerzeichen fallen weg; eine leere Zelle hält die Auswahl fest.
    ASSERT_TRUE(Aendern(e, 3, 1, "  " + alt + " "));
    EXPECT_EQ(e.zelle(3, 1), alt);
    ui.leeren();
    Waehle(e, 3, 1);
    e.zelleSetzen("   ");
    EXPECT_FALSE(e.auswahl(4, 1));
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Leereintrag in Zeile 3 gibt es nicht !"});
    EXPECT_EQ(e.zeile(), 3);
    e.zelleSetzen(alt);

    ui.leeren();
    EXPECT_FALSE(e.auswahl(5, 2));
    EXPECT_FALSE(e.auswahl(5, 3));
    EXPECT_EQ(ui.anzahl("Ändern verboten."), 2u);
    EXPECT_EQ(e.zeile(), 3);
}

// Spielernamen: 15 Zeichen, gleicher Vor- und Nachname doppelt, gleicher Nachname erlaubt.
TEST_F(EditorTest, SpielernamenPruefen)
{
    ASSERT_TRUE(e.listeWaehlen(EditorListe::Spieler));
    const std::string vor2 = e.zelle(2, 1), nach2 = e.zelle(2, 2);
    const std::string vor1 = e.zelle(1, 1), nach1 = e.zelle(1, 2);

    // Gleicher Nachname, anderer Vorname: erlaubt.
    ASSERT_TRUE(Aendern(e, 2, 2, nach1, 3));
    EXPECT_TRUE(ui.texte().empty());
    EXPECT_EQ(e.zelle(2, 2), nach1);

    // Auch der Vorname gleich: abgelehnt, beide alten Namen zurück.
    Waehle(e, 2, 1);
    e.zelleSetzen("Zorro");
    Waehle(e, 2, 2);
    e.zelleSetzen("Zorrowitz");
    Waehle(e, 2, 1);
    e.zelleSetzen(vor1);
    Waehle(e, 2, 2);
    e.zelleSetzen(nach1);
    Waehle(e, 3, 1);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{vor1 + " " + nach1 + "\r\nDiesen Spieler gibt es schon in Nr.2 + 1"});
    EXPECT_EQ(e.zelle(2, 1), vor2);
    EXPECT_EQ(e.zelle(2, 2), nach1);

    ui.leeren();
    Aendern(e, 2, 1, "Maximilianusxyz", 4); // 15: gut
    EXPECT_TRUE(ui.texte().empty());
    Aendern(e, 2, 1, "Maximilianusxyzw", 4);
    EXPECT_TRUE(ui.enthaelt("Ein Spielername darf nur max. 15 Zeichen haben."));
    EXPECT_EQ(e.zelle(2, 1), "Maximilianusxyz");

    ui.leeren();
    EXPECT_FALSE(e.auswahl(2, 3));
    EXPECT_FALSE(e.auswahl(2, 4));
    EXPECT_EQ(ui.anzahl("Ändern verboten."), 2u);
}

// "Neuer Eintrag": in Liga 4 abgelehnt, in Liga 5 mit Liga "5" und Nation "D"; der Lader
// nimmt die Datei an und ein neues Spiel beginnt damit. Zwei Einträge mit derselben
// Zeilennummer als Namen blockieren das Speichern.
TEST_F(EditorTest, NeuerVereinInLigaFuenf)
{
    S = Spielstand{};
    ASSERT_TRUE(DatenLaden()); // wie beim Programmstart, vor dem Bearbeiten
    EXPECT_EQ(S.Spiel.DeutscheHoch, 96);
    ASSERT_TRUE(e.listeWaehlen(EditorListe::Mannschaften));
    Waehle(e, 70, 1);
    EXPECT_FALSE(e.neuerEintrag());
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Neueintrag nur für Liga 5 erlaubt."});
    Waehle(e, 200, 1); // ausländischer Verein
    EXPECT_FALSE(e.neuerEintrag());
    EXPECT_EQ(e.zeilen(), 262);

    Waehle(e, 80, 1);
    const std::string vorher80 = e.zelle(80, 1);
    ASSERT_TRUE(e.neuerEintrag());
    EXPECT_EQ(e.zeilen(), 263);
    EXPECT_EQ(e.status(), "263 Mannschaften");
    EXPECT_EQ(e.zelle(80, 1), "80");
    EXPECT_EQ(e.zelle(80, 2), "5");
    EXPECT_EQ(e.zelle(80, 3), "D");
    EXPECT_EQ(e.zelle(81, 1), vorher80);
    EXPECT_TRUE(e.geaendert());

    // Ein zweiter an derselben Stelle heißt auch "80": Speichern abgelehnt, Datei unverändert.
    ASSERT_TRUE(e.neuerEintrag());
    ui.leeren();
    ui.antworte("Ja");
    EXPECT_FALSE(e.speichern());
    EXPECT_TRUE(ui.enthaelt("80\r\nDiese Mannschaft gibt es schon in Nr.80 + 81"));
    EXPECT_EQ(d.datei("Mansch.dat"), d.original("Mansch.dat"));

    ASSERT_TRUE(Aendern(e, 81, 1, "SV Neuhausen", 90));
    ASSERT_TRUE(Aendern(e, 80, 1, "TSV Neudorf", 90));
    ui.antworte("Ja");
    ASSERT_TRUE(e.speichern());

    ASSERT_TRUE(DatenLaden()); // das nächste neue Spiel im selben Programmlauf
    EXPECT_EQ(S.Spiel.MannschaftHoch, 264);
    EXPECT_EQ(S.Spiel.DeutscheHoch, 96 + 2);
    EXPECT_EQ(S.Mannschaft[80].Name.text(), "TSV Neudorf");
    EXPECT_EQ(S.Mannschaft[80].Liga, 5);
    EXPECT_EQ(S.Mannschaft[80].Nation.text(), "D");
    EXPECT_EQ(S.Mannschaft[99].Name.text(), "Deportivo Talavera"); // die Ausländer rücken nur nach
    ZufallSetzen(3);
    EXPECT_TRUE(NeuesSpielOhneBildschirm({{"Quirin", "SV Neuhausen"}}));
}

// Ein neuer Spieler übernimmt Position und Nation der gewählten Zeile.
TEST_F(EditorTest, NeuerSpielerUndNationen)
{
    ASSERT_TRUE(e.listeWaehlen(EditorListe::Spieler));
    Waehle(e, 5, 1);
    const std::string pos = e.zelle(5, 3), nat = e.zelle(5, 4);
    ASSERT_TRUE(e.neuerEintrag());
    EXPECT_EQ(e.zelle(5, 1), "5");
    EXPECT_EQ(e.zelle(5, 2), "5");
    EXPECT_EQ(e.zelle(5, 3), pos);
    EXPECT_EQ(e.zelle(5, 4), nat);
    EXPECT_EQ(e.zeilen(), 2601);

    // Wechsel mit ungespeicherter Änderung fragt erst; "Nein" verwirft sie.
    ui.antworte("Nein");
    ASSERT_TRUE(e.listeWaehlen(EditorListe::Nationen));
    EXPECT_TRUE(ui.enthaelt("Speichern und vorhandene Datei überschreiben ?"));
    EXPECT_EQ(d.datei("Spieler.dat"), d.original("Spieler.dat"));

    // Nationen: Kürzel gesperrt, Bonus nur -128..127, kein neuer Eintrag.
    ui.leeren();
    EXPECT_FALSE(e.auswahl(1, 2));
    EXPECT_TRUE(ui.enthaelt("Ändern verboten."));
    for (const char* schlecht : {"128", "-129", "abc", "1-2", "-", "99999"}) {
        ui.leeren();
        Aendern(e, 2, 3, schlecht);
        EXPECT_TRUE(ui.enthaelt("Der Bonus muss eine ganze Zahl von -128 bis 127 sein.")) << schlecht;
        EXPECT_EQ(e.zelle(2, 3), "10") << schlecht;
    }
    ASSERT_TRUE(Aendern(e, 2, 3, "-128"));
    ASSERT_TRUE(Aendern(e, 2, 1, "España"));
    Waehle(e, 3, 1);
    EXPECT_FALSE(e.neuerEintrag());
    EXPECT_EQ(e.zeilen(), 25);

    // Wechsel mit "Ja" speichert vorher.
    ui.antworte("Ja");
    ASSERT_TRUE(e.listeWaehlen(EditorListe::Spieler));
    S = Spielstand{};
    ASSERT_TRUE(DatenLaden());
    EXPECT_EQ(S.Nation[2].Bonus, -128);
    EXPECT_EQ(S.Nation[2].Name, "España");
    EXPECT_EQ(S.Nation[2].Kuerzel, "E");
}

// "Einfügen": nur in bearbeitbare Zellen, keine Zeilenumbrüche, nur Zeichen aus Windows-1252,
// dieselben Prüfungen wie beim Tippen.
TEST_F(EditorTest, EinfuegenPrueft)
{
    ASSERT_TRUE(e.listeWaehlen(EditorListe::Mannschaften));
    const std::string alt = e.zelle(4, 1);
    Waehle(e, 4, 1);
    for (const std::string& schlecht : {std::string("FC Zeile\r\nUmbruch"), std::string("FC\tTab"), std::string("FC Null\0x", 9)}) {
        ui.leeren();
        EXPECT_FALSE(e.einfuegen(schlecht));
        EXPECT_TRUE(ui.enthaelt("Zeilenumbrüche und Steuerzeichen sind nicht erlaubt."));
    }
    ui.leeren();
    EXPECT_FALSE(e.einfuegen("Łódź FC"));
    EXPECT_TRUE(ui.enthaelt("Dieses Zeichen kann in den Grunddaten nicht gespeichert werden: Ł"));
    EXPECT_FALSE(e.einfuegen(std::string("FC \xC3", 4))); // kein gültiges UTF-8
    EXPECT_FALSE(e.einfuegen(e.zelle(5, 1)));
    EXPECT_FALSE(e.einfuegen(std::string(26, 'x')));
    EXPECT_EQ(e.zelle(4, 1), alt);
    EXPECT_FALSE(e.geaendert());

    ASSERT_TRUE(e.einfuegen(" Real Béjar II € "));
    EXPECT_EQ(e.zelle(4, 1), "Real Béjar II €");
    EXPECT_TRUE(e.geaendert());

    // Getippte Zeichen außerhalb von Windows-1252 fallen beim Verlassen der Zeile auf.
    ui.leeren();
    Aendern(e, 6, 1, "Ωmega FC");
    EXPECT_TRUE(ui.enthaelt("Dieses Zeichen kann in den Grunddaten nicht gespeichert werden: Ω"));
    EXPECT_NE(e.zelle(6, 1), "Ωmega FC");
}

// Eine offene, ungültige Bearbeitung blockiert das Speichern; scheitert das Schreiben,
// bleibt die alte Datei und der Benutzer erfährt es. Schließen fragt bei Änderungen.
TEST_F(EditorTest, SpeichernSicher)
{
    ASSERT_TRUE(e.listeWaehlen(EditorListe::Mannschaften));
    const std::string alt = e.zelle(2, 1);
    Waehle(e, 2, 1);
    e.zelleSetzen(std::string(26, 'y'));
    ui.antworte("Ja");
    EXPECT_FALSE(e.speichern());
    EXPECT_TRUE(ui.enthaelt("Ein Mannschaftsname darf nur max. 25 Zeichen haben."));
    EXPECT_EQ(e.zelle(2, 1), alt);
    EXPECT_EQ(d.datei("Mansch.dat"), d.original("Mansch.dat"));

    // Die Zwischendatei lässt sich nicht ganz schreiben: die alte Datei bleibt ganz.
    e.zelleSetzen("FC Umbenannt");
    ui.leeren();
    ui.antworte("Ja");
    EXPECT_FALSE(BeiVollerPlatte([&] { return e.speichern(); }));
    EXPECT_TRUE(ui.enthaelt("Die Datei wurde nicht gespeichert, die alte bleibt erhalten:"));
    EXPECT_TRUE(ui.klaenge().empty());
    EXPECT_EQ(d.datei("Mansch.dat"), d.original("Mansch.dat"));
    EXPECT_TRUE(e.geaendert());

    // Schließen: "Abbrechen" bleibt, "Ja" speichert (hier vergeblich: bleibt offen), "Nein" verwirft.
    ui.antworte("Abbrechen");
    EXPECT_FALSE(e.schliessen());
    ui.antworte("Ja");
    EXPECT_FALSE(BeiVollerPlatte([&] { return e.schliessen(); }));
    ui.antworte("Ja");
    EXPECT_TRUE(e.schliessen());
    EXPECT_NE(d.datei("Mansch.dat").find("FC Umbenannt\r\n1\r\nD\r\n"), std::string::npos);
    EXPECT_TRUE(e.schliessen()); // nichts mehr offen: keine Frage
    EXPECT_TRUE(ui.antworten.empty());

    // Ein zu langer Name aus der Datei selbst (der Lader nimmt bis 20) blockiert das
    // Speichern der Liste, und die Meldung nennt seine Zeile.
    std::string sp = d.original("Spieler.dat");
    sp.replace(sp.find("\r\nMario\r\n"), 9, "\r\nMariomariomarios\r\n");
    std::ofstream(d.ordner / "Spieler.dat", std::ios::binary) << sp;
    ASSERT_TRUE(e.listeWaehlen(EditorListe::Spieler));
    ui.leeren();
    ui.antworte("Ja");
    EXPECT_FALSE(e.speichern());
    EXPECT_EQ(ui.texte().back(), "Zeile 2: Ein Spielername darf nur max. 15 Zeichen haben.");
}

// Die Prüfung eines Datenordners: die ausgelieferten Daten ohne Befund, kaputte Kopien
// mit Namen des Problems; der Spielstand bleibt dabei unberührt.
TEST_F(EditorTest, DatenProblemeFinden)
{
    EXPECT_EQ(DatenProbleme(d.ordner.string()), std::vector<std::string>{});

    S = Spielstand{};
    auto ersetzen = [&](const char* datei, const std::string& von, const std::string& nach) {
        std::string t = d.original(datei);
        const size_t p = t.find(Utf8NachCp1252(von));
        ASSERT_NE(p, std::string::npos) << von;
        t.replace(p, Utf8NachCp1252(von).size(), Utf8NachCp1252(nach));
        std::ofstream(d.ordner / datei, std::ios::binary) << t;
    };
    auto probleme = [&] {
        auto p = DatenProbleme(d.ordner.string());
        std::string alle;
        for (const auto& x : p) alle += x + "|";
        return alle;
    };

    ersetzen("Mansch.dat", "FC Tegernsee\r\n4\r\n", "FC Tegernsee\r\nvier\r\n");
    EXPECT_EQ(probleme(), "Der Lader weist die Datei ab: Mansch.dat, Zeile 213: keine Zahl|");
    ersetzen("Mansch.dat", "FC Tegernsee\r\n4\r\n", "FC Tegernsee\r\n5\r\n");
    EXPECT_EQ(probleme(), "Der Verein Nr.71 FC Tegernsee steht im Block der Liga 4, hat aber Liga 5.|"
                          "Die Oberliga hat 17 Vereine statt 18.|");
    ersetzen("Mansch.dat", "Real Béjar\r\n1\r\nE", "Real Béjar\r\n1\r\nXY");
    EXPECT_EQ(probleme(), "Der Verein Nr.98 Real Béjar hat keine gültige Nation (\"XY\").|");
    fs::remove(d.ordner / "Mansch.dat");
    fs::remove(d.ordner / "Sptg.dat");
    EXPECT_EQ(probleme(), "Mansch.dat: Datei fehlt|Sptg.dat: Datei fehlt|");
    EXPECT_EQ(S.Spiel.MannschaftHoch, 0);
    EXPECT_EQ(Inhalt(fs::path(TORVANE_QUELLEN "/daten/Mansch.dat")).substr(0, 5), "262\r\n");

    // Der Lader selbst nennt Datei, Zeile und Art.
    std::string grund;
    EXPECT_FALSE(DatenLaden(d.ordner.string(), &grund));
    EXPECT_EQ(grund, "Mansch.dat: Datei fehlt");
    EXPECT_FALSE(DateiPruefen("Nationen.dat", "48\r\n", &grund));
    EXPECT_EQ(grund, "Nationen.dat, Zeile 1: 48 Nationen sind mehr, als ein Spielstand halten kann (höchstens 47)");
    EXPECT_FALSE(DateiPruefen("Nationen.dat", "1\r\nDeutschland\r\nD\r\n\r\n", &grund));
    EXPECT_EQ(grund, "Nationen.dat, Zeile 5: Datei endet vorzeitig");
}

// Die Testsaison ohne Bildschirm: "--daten" liest die Grunddaten aus dem Ordner; der
// Bericht nennt Meister, Auf- und Absteiger.
TEST_F(EditorTest, TestsaisonMitDatenOrdner)
{
    ASSERT_TRUE(e.listeWaehlen(EditorListe::Mannschaften));
    ASSERT_TRUE(Aendern(e, 1, 1, "FC Probelauf", 2));
    const fs::path test = d.ordner / "test";
    ASSERT_TRUE(e.testdatenSchreiben(test.string()));
    EXPECT_EQ(d.datei("Mansch.dat"), d.original("Mansch.dat")); // der Datenordner bleibt, wie er war
    EXPECT_TRUE(e.geaendert());
    EXPECT_EQ(DatenProbleme(test.string()), std::vector<std::string>{});

    AutoplayOptionen o;
    std::string fehler;
    ASSERT_TRUE(AutoplayArgumente({"1", "--daten", test.string(), "--seed", "7"}, o, fehler)) << fehler;
    EXPECT_EQ(o.daten, test.string());
    DatenOrdnerSetzen(o.daten);
    std::ostringstream aus, err;
    ASSERT_EQ(Autoplay(o, aus, err), 0) << err.str();
    const std::string b = TestsaisonBericht({}, aus.str(), err.str(), 0);
    EXPECT_EQ(b.rfind("Keine Probleme gefunden.\n\nMeister Bundesliga: ", 0), 0u) << b;
    for (const char* zeile : {"Absteiger in die 2.Liga: ", "Aufsteiger in die Bundesliga: ",
                              "Absteiger in die Verbandsliga: ", "Aufsteiger in die Oberliga: "})
        EXPECT_NE(b.find(zeile), std::string::npos) << zeile << "\n" << b;
    EXPECT_EQ(b.find("Pokal"), std::string::npos);

    EXPECT_EQ(TestsaisonBericht({"Sptg.dat: Datei fehlt"}, "", "", -1),
              "Probleme:\n- Sptg.dat: Datei fehlt\n\nDie Saison wurde nicht gespielt.\n");
    EXPECT_EQ(TestsaisonBericht({}, "", "Bereichsfehler: Spieltag\nmehr", 1).rfind(
                  "Probleme:\n- Die Saison brach ab. Bereichsfehler: Spieltag\n", 0),
              0u);
}
