// Ein geladener Spielstand wird auch in seiner Bedeutung geprüft: jede verbogene Zahl wird
// abgewiesen, ohne dass sich der laufende Stand ändert; was spielbar ist, spielt eine Saison.
#include "../flow/Spielwelt.h"
#include "core/SpielstandDatei.h"
#include "core/SpielstandSinn.h"
#include "season/Pleite.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <utility>
#include <stdexcept>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace torvane;
namespace fs = std::filesystem;

namespace {

// Ein echtes Spiel mit zwei Managern nach einigen Tagen.
std::string Eingespielt()
{
    Mitschrift ui;
    EchtesSpiel(2, 11);
    while (Sitzung.GespielteTage < 6) AbschlussClick();
    return SpielstandSchreiben();
}

// Spielt bis zum Ende der nächsten Saison; false bei einer Ausnahme.
bool SaisonSpielen(std::string& grund)
{
    Mitschrift ui;
    try {
        for (long k = 0; k < 100000 && Sitzung.BeendeteSaisons < 1 && !SpielVorbei(); ++k) AbschlussClick();
    } catch (const std::exception& e) {
        grund = e.what();
        return false;
    }
    return true;
}

} // namespace

TEST(SpielstandSinn, VerbogeneSpielstaendeWerdenAbgewiesen)
{
    const std::string gut = Eingespielt();
    // Leer erwartet: der Wert ist spielbar und muss eine Saison überstehen.
    struct Fall {
        const char* feld;
        std::function<void()> verbiegen;
    };
    const Fall faelle[] = {
        {"Liga", [] { S.Manager[0].Liga = 7; }},
        {"Trainer", [] { S.Manager[1].Trainer = 127; }},
        {"AnzeigeErster", [] { S.Spiel.AnzeigeErster = 2368; }},
        {"Wettbewerb", [] { S.Spiel.Wettbewerb = static_cast<Wettbewerb_>(77); }},
        {"KaderAnzahl", [] { S.Manager[0].KaderAnzahl = 255; }},
        {"SpielplanNr", [] { S.Mannschaft[3].SpielplanNr = -300; }},
        {"ChlSlot", [] { S.ChlTabelle[2].ChlSlot = -5; }},
        {"AktManager", [] { S.AktManager = 3; }},
        {"Spieltag", [] { S.Spiel.Spieltag = 2000000000; }},
        {"Saison", [] { S.Spiel.Saison = 3; }},
        {"Alter", [] { S.Manager[1].Kader[2].Alter = 32767; }},
        {"Technik", [] { S.Manager[0].Kader[1].Technik = 121; }},
        {"Stärke", [] { S.Manager[0].Kader[1].Staerke = 0; }},
        {"Vertrag", [] { S.Manager[1].Kader[1].Vertrag = -128; }},
        {"denselben Verein", [] {
             Manager_& b = S.Manager[1];
             b.Liga = S.Manager[0].Liga;
             b.Platz = S.Manager[0].Platz;
             b.Vereinsname = S.Manager[0].Vereinsname;
         }},
        {"mehr als einem Verein", [] { S.Mannschaft[80].Name = S.Manager[1].Vereinsname; }},
        {"schon in einem Kader", [] { S.Manager[1].Kader[4] = S.Manager[0].Kader[3]; }},
        {"Position nicht", [] { // im Pool; ein Nullbyte ist auch keine Position
             for (int i = 1; i <= S.Spieler.hoch(); ++i)
                 if (!std::as_const(S.Spieler)[i].Vorname.leer()) return S.Spieler[i].Position.rohSetzen(std::string_view("\0", 1));
         }},
        {"Textlänge", [] { S.Mannschaft[40].Name.laenge = 255; }},
        {"mehr Spiele als Ligaspieltage", [] { ++S.Mannschaft[44].Siege; }},
        {"GehaltProSpiel", [] { S.Trainermarkt[3].GehaltProSpiel = 2000000000; }},
        {"Wert", [] { S.Manager[0].Kader[1].Wert = 2000000000; }},
        {"Punkte", [] { S.Mannschaft[10].Punkte = static_cast<int16_t>(3 * S.Spiel.Spieltag + 1); }},
        {"DFB-Pokal: Paarung", [] { S.Mannschaft[7].DfbRunde.rohSetzen("40"); S.Mannschaft[8].DfbRunde.rohSetzen("-40"); }},
        {"Angriff", [] { S.Mannschaft[S.Spiel.MannschaftHoch].Angriff = 32767; }},
        {"Moral", [] { S.Mannschaft[S.Spiel.DeutscheHoch + 1].Moral = 0; }},
        {"EwigePunkte", [] { S.Mannschaft[100].EwigePunkte = std::numeric_limits<float>::quiet_NaN(); }},
        {"Werbeanfragen", [] { S.Manager[1].Werbeanfragen = std::numeric_limits<float>::infinity(); }},
        {"Komfortpunkte", [] { S.Manager[0].Komfortpunkte = 2000000000; }},
        {"ChlTore", [] { S.ChlTabelle[5].ChlTore = 250; }},
        {"mehr Siege und Remis als Spiele", [] { S.Manager[1].Remis = static_cast<uint16_t>(S.Manager[1].SpieleGespielt + 1); }},
        {"Gehälter des Kaders zu hoch", [] { S.Manager[1].Kader[1].Gehalt = S.Manager[1].Kader[2].Gehalt = 600000000; }},
        {"Eintrag hinter dem Kader", [] { S.Manager[0].KaderAnzahl = 2; }},
        {"", [] { // leerer Kader
             S.Manager[0].KaderAnzahl = 0;
             for (auto& k : S.Manager[0].Kader) k = Kaderspieler_{};
         }},
        {"", [] { // Spieler an den Grenzen, die das Spiel selbst erreicht
             Kaderspieler_& k = S.Manager[0].Kader[1];
             k.Alter = 40;
             k.Technik = TechnikHoch;
             k.Konstitution = 50;
             k.Staerke = StaerkeHoch;
             k.Form = 10;
             k.Vertrag = VertragHoch;
             k.Verletzt = VerletztHoch;
         }},
    };
    for (const Fall& f : faelle) {
        std::string fehler;
        ASSERT_TRUE(SpielstandLesen(gut, fehler)) << fehler;
        f.verbiegen();
        const std::string b = SpielstandSchreiben();
        ASSERT_TRUE(SpielstandLesen(gut, fehler)) << fehler;
        const bool geladen = SpielstandLesen(b, fehler);
        if (*f.feld != '\0') {
            EXPECT_FALSE(geladen) << f.feld;
            EXPECT_TRUE(fehler.starts_with(BeschaedigtText)) << fehler;
            EXPECT_NE(fehler.find(f.feld), std::string::npos) << f.feld << ": " << fehler;
            EXPECT_EQ(SpielstandSchreiben(), gut) << f.feld;
            continue;
        }
        ASSERT_TRUE(geladen) << fehler;
        EXPECT_TRUE(SaisonSpielen(fehler)) << fehler;
        EXPECT_TRUE(Sitzung.BeendeteSaisons == 1 || SpielVorbei());
        if (!SpielVorbei()) {
            EXPECT_TRUE(SpielstandLesen(SpielstandSchreiben(), fehler)) << fehler;
        }
    }
}

// Ohne Bildschirm: keine Datei, die kein Spielstand ist, keine Pipe, kein verbogener Stand und
// kein unerwarteter Fehler bricht das Programm ab.
TEST(SpielstandSinn, OhneBildschirmEineMeldungStattAbbruch)
{
    const fs::path ordner = fs::temp_directory_path() / "torvane_sinn_test";
    fs::create_directories(ordner);
    const std::string bild = (ordner / "bild.lig").string();
    std::ofstream(bild, std::ios::binary) << "\x89PNG\r\n\x1a\n" << std::string(100, '\0');
    const std::string verbogen = (ordner / "verbogen.lig").string();
    Eingespielt();
    S.Manager[1].Trainer = 127;
    std::ofstream(verbogen, std::ios::binary) << SpielstandSchreiben();

    std::vector<std::pair<std::string, std::string>> laden = {{bild, KeinSpielstandText},
                                                              {verbogen, "Trainer = 127"}};
#ifndef _WIN32
    const std::string pipe = (ordner / "pipe.lig").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    laden.emplace_back(pipe, "keine gewöhnliche Datei");
#endif
    for (const auto& [datei, meldung] : laden) {
        const Ausgabe a = Lauf({"1", "--load", datei});
        EXPECT_EQ(a.code, 2) << datei;
        EXPECT_NE(a.fehler.find(meldung), std::string::npos) << a.fehler;
        EXPECT_EQ(a.fehler.find("<>"), std::string::npos) << "kein Versionsdialog: " << a.fehler;
    }
    fs::remove_all(ordner);

    for (const auto& werfen : std::vector<std::function<void(int)>>{
             [](int) { throw std::out_of_range("Index 9"); }, [](int) { throw 42; }}) {
        Sitzung.AbschlussPruefstelle = werfen;
        const Ausgabe a = Lauf({"1", "--days", "3"});
        Sitzung.AbschlussPruefstelle = nullptr;
        EXPECT_EQ(a.code, 3);
        EXPECT_NE(a.fehler.find("Unerwarteter Fehler"), std::string::npos) << a.fehler;
    }
}
