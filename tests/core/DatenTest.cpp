// Der Lader der Grunddaten: Formate, Kürzungen, Fehler, die nichts verändern.
#include "core/Cp1252.h"
#include "core/Daten.h"
#include "core/Pfade.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"
#include "flow/Autoplay.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

std::string Zeilen(const std::vector<std::string>& z)
{
    std::string s;
    for (const auto& x : z) s += Utf8NachCp1252(x) + "\r\n"; // die Dateien sind Windows-1252
    return s;
}

using Eintraege = std::vector<std::vector<std::string>>;

// Die Einträge mit ihrer Anzahl davor.
std::string MitAnzahl(const Eintraege& e)
{
    std::vector<std::string> z = {std::to_string(e.size())};
    for (const auto& x : e) z.insert(z.end(), x.begin(), x.end());
    return Zeilen(z);
}

// Spieler.dat: die genannten vorn, dann je Position 20 (genug für vier Kader).
std::string SpielerDat(Eintraege e = {{"Hans", "Meier", "T", "D"}, {"Luigi", "Rossi", "S", "I"}})
{
    for (const char* pos : {"T", "V", "M", "S"})
        for (int k = 1; k <= 20; ++k) e.push_back({"Vor" + std::to_string(k), std::string("Spieler ") + pos, pos, "D"});
    return MitAnzahl(e);
}

// Mansch.dat: die genannten deutschen Vereine vorn, aufgefüllt auf 90, dann das Ausland.
std::string VereineDat(Eintraege e = {{"SV Eichenau", "1", "D"}, {"TSV Moorbach", "5", "D"}},
                       const Eintraege& ausland = {{"AC Pavona", "1", "I"}})
{
    for (size_t i = e.size() + 1; i <= 90; ++i) e.push_back({"Verein " + std::to_string(i), std::to_string(std::min<size_t>(5, (i - 1) / 18 + 1)), "D"});
    e.insert(e.end(), ausland.begin(), ausland.end());
    return MitAnzahl(e);
}

// Ein kleiner gültiger Datensatz; einzelne Dateien lassen sich ersetzen.
struct Datensatz {
    std::map<std::string, std::string> dateien;
    fs::path ordner;
    std::string grund;

    Datensatz()
    {
        ordner = fs::temp_directory_path() / ("torvane_daten_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        dateien["Spieler.dat"] = SpielerDat();
        dateien["Nationen.dat"] = Zeilen({"2", "Deutschland", "D", "3", "Italien", "I", "5"});
        dateien["Mansch.dat"] = VereineDat();
        std::vector<std::string> plan;
        // Je Tag jeder Verein einmal, von Tag zu Tag verschoben.
        for (int i = 0; i < 17 * 9; ++i) {
            plan.push_back(std::to_string((2 * (i % 9) + i / 9) % 18 + 1));
            plan.push_back(std::to_string((2 * (i % 9) + 1 + i / 9) % 18 + 1));
        }
        dateien["Sptg.dat"] = Zeilen(plan);
        std::vector<std::string> chl;
        for (int i = 0; i < 15 * 8; ++i) {
            chl.push_back(std::to_string((2 * (i % 8) + i / 8) % 16 + 1));
            chl.push_back(std::to_string((2 * (i % 8) + 1 + i / 8) % 16 + 1));
        }
        dateien["ChlSptg.dat"] = Zeilen(chl);
        std::vector<std::string> sys;
        for (int i = 0; i < 6 * 12 * 2; ++i) sys.push_back(std::to_string(i % 150));
        dateien["SpielSystem.dat"] = Zeilen(sys);
    }
    ~Datensatz() { fs::remove_all(ordner); }

    bool laden()
    {
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        for (const auto& [name, inhalt] : dateien) std::ofstream(ordner / name, std::ios::binary) << inhalt;
        grund.clear();
        return DatenLaden(ordner.string(), &grund);
    }
};

} // namespace

TEST(DatenLaden, GueltigerDatensatz)
{
    S = Spielstand{};
    Datensatz d;
    // Zahlzeile mit Worten dahinter, Leerzeilen davor; fehlendes letztes Zeilenende.
    d.dateien["Nationen.dat"] = "\r\n  \t2 Nationen\r\nDeutschland\r\nD\r\n3 Punkte\r\nItalien\r\nI\r\n5";
    ASSERT_TRUE(d.laden()) << d.grund;
    EXPECT_EQ(S.Spiel.SpielerHoch, 82);
    EXPECT_EQ(S.Spieler[2].Nachname.text(), "Rossi");
    EXPECT_TRUE(S.Spieler[2].Zusatz.leer());
    EXPECT_EQ(S.Spiel.NationAnzahl, 2);
    EXPECT_EQ(S.Nation[1].Bonus, 3);
    EXPECT_EQ(S.Nation[2].Kuerzel, "I");
    EXPECT_EQ(S.Nation[3].Kuerzel, "");
    EXPECT_EQ(S.Spiel.MannschaftHoch, 91);
    EXPECT_EQ(S.Spiel.DeutscheHoch, 90);
    EXPECT_EQ(S.Mannschaft[2].Liga, 5);
    EXPECT_EQ(S.Mannschaft[91].Nation.text(), "I");
    EXPECT_EQ(S.Spieltage[1][1][0], 1);
    EXPECT_EQ(S.Spieltage[1][1][1], 2);
    EXPECT_EQ(S.ChlSpieltage[15][8][1], (2 * 7 + 1 + 14) % 16 + 1); // Paarung 8 am Tag 15
    EXPECT_EQ(S.SpielSysteme[1][0][0], 1); // System 0, Eintrag 0, Koordinate 0 zuerst
    EXPECT_EQ(S.SpielSysteme[1][11][5], 143);
}

TEST(DatenLaden, KuerzungUmlauteUndBonus)
{
    S = Spielstand{};
    Datensatz d;
    d.dateien["Spieler.dat"] = SpielerDat({{"Maximilian-Alexander-Jo", "Müller", "Torwart", "DEUX"}});
    d.dateien["Nationen.dat"] = Zeilen({"3", "A", "D", "127", "B", "I", "-128", "C", "X", "-5"});
    d.dateien["Mansch.dat"] = VereineDat({{"Sportvereinigung Großbüttelbrunn 1899", "4", "D"}});
    ASSERT_TRUE(d.laden()) << d.grund;
    EXPECT_EQ(S.Spieler[1].Vorname.text(), "Maximilian-Alexander");
    EXPECT_EQ(S.Spieler[1].Nachname.text(), "Müller");
    EXPECT_EQ(S.Spieler[1].Position.text(), "T");
    EXPECT_EQ(S.Spieler[1].Nation.text(), "DEU");
    EXPECT_EQ(S.Mannschaft[1].Name.text(), "Sportvereinigung Großbütt");
    EXPECT_EQ(S.Nation[1].Bonus, 127);
    EXPECT_EQ(S.Nation[2].Bonus, -128);
    EXPECT_EQ(S.Nation[3].Bonus, -5);
}

TEST(DatenLaden, DeutscheHoch)
{
    // Nur deutsche Vereine: alle gehören zu den Ligen und der Verbandsliga.
    S = Spielstand{};
    Datensatz d;
    d.dateien["Mansch.dat"] = VereineDat({}, {});
    ASSERT_TRUE(d.laden()) << d.grund;
    EXPECT_EQ(S.Spiel.DeutscheHoch, 90);
    EXPECT_EQ(S.Spiel.MannschaftHoch, 90);

    // Ein wiederholtes Laden bestimmt DeutscheHoch neu und behält die übrigen Vereinsfelder.
    S.Mannschaft[5].Punkte = 42;
    d.dateien["Mansch.dat"] = VereineDat({}, {{"AC Pavona", "1", "I"}, {"FC Zug", "1", "CH"}, {"SV Spät", "5", "D"}});
    ASSERT_TRUE(d.laden()) << d.grund;
    EXPECT_EQ(S.Spiel.DeutscheHoch, 90);
    EXPECT_EQ(S.Spiel.MannschaftHoch, 93);
    EXPECT_EQ(S.Mannschaft[5].Punkte, 42);
    EXPECT_EQ(S.Mannschaft[5].Name.text(), "Verein 5");
}

// Jede Datei, die der Lader abweist, nennt ihren Grund und lässt den Spielstand, wie er war.
TEST(DatenLaden, JederFehlerBrichtAbUndAendertNichts)
{
    auto viele = [](int n, const std::string& z) { return std::vector<std::string>(static_cast<size_t>(n), z); };
    auto system = [&](size_t stelle, const std::string& wert) {
        auto z = viele(144, "0");
        z[stelle] = wert;
        return Zeilen(z);
    };
    Eintraege torhueter;
    for (int k = 0; k < 80; ++k) torhueter.push_back({"A", "B" + std::to_string(k), "T", "D"});
    const std::vector<std::tuple<std::string, std::string, std::string>> kaputt = {
        {"Spieler.dat", Zeilen({"60", "Hans", "Meier", "T", "D"}), "endet vorzeitig"},
        {"Spieler.dat", Zeilen({"zwei", "Hans", "Meier", "T", "D"}), "keine Zahl"},
        {"Spieler.dat", Zeilen({"-1"}), "außerhalb"},
        {"Spieler.dat", Zeilen({"0"}), "mindestens 56"},
        {"Spieler.dat", Zeilen({"100001"}), "mehr, als ein Spielstand halten kann"},
        {"Spieler.dat", Zeilen({"2000000000", "Hans", "Meier", "T", "D"}), "mehr, als ein Spielstand"},
        // Behauptet 100000 Spieler, hat aber nur Zeilen für knapp 100000.
        {"Spieler.dat", "100000" + std::string(4 * 100000 - 2, '\n'), "endet vorzeitig"},
        {"Spieler.dat", std::string(MaxDatenDateiGroesse + 1, '\n'), "größer als 16 MB"},
        {"Spieler.dat", MitAnzahl(torhueter), "Position V"},
        {"Spieler.dat", SpielerDat({{"Hans", "Meier", "X", "D"}}), "Position muss"},
        {"Spieler.dat", SpielerDat({{"Hans", "Meier", "", "D"}}), "Position muss"},
        {"Spieler.dat", SpielerDat({{"Hans", "Meier", "T", "D"}, {"Hans", "Meier", "S", "D"}}), "Spieler 2 steht mit Namen"},
        {"Nationen.dat", Zeilen({"48"}), "höchstens 47"},
        {"Nationen.dat", Zeilen({"0"}), "mindestens 1"}, // ein Spielstand ohne Nation ließe sich nie laden
        {"Nationen.dat", Zeilen({"1", "Deutschland", "D", "viel"}), "keine Zahl"},
        {"Nationen.dat", Zeilen({"1", "Deutschland", "D", "128"}), "-128 bis 127"},
        {"Nationen.dat", Zeilen({"1", "Deutschland", "D", "-300"}), "-128 bis 127"},
        {"Mansch.dat", Zeilen({"71"}), "mindestens 72"},
        {"Mansch.dat", Zeilen({"2001"}), "mehr, als ein Spielstand"},
        {"Mansch.dat", VereineDat({{"AC Pavona", "1", "I"}}), "Verein 1 ist nicht deutsch"},
        {"Mansch.dat", VereineDat({}, {{"A", "256", "I"}}), "0 bis 255"},
        {"Mansch.dat", VereineDat({{"Verein 90", "1", "D"}}), "Verein 90 heißt wie Verein 1"},
        {"Mansch.dat", VereineDat({{"SV Eichenau", "4 ", "D"}}), "keine Zahl"}, // Textzahl mit Rest
        {"Mansch.dat", VereineDat({{"SV Eichenau", "", "D"}}), "keine Zahl"},
        {"Sptg.dat", Zeilen({"1", "2"}), "endet vorzeitig"},
        {"Sptg.dat", std::string("19\r\n") + Zeilen(viele(305, "1")), "1 bis 18"}, // kein Platz 19
        {"Sptg.dat", Zeilen(viele(306, "1")), "spielt zweimal"},
        {"ChlSptg.dat", Zeilen(viele(240, "17")), "1 bis 16"},
        {"SpielSystem.dat", Zeilen(viele(143, "1")), "endet vorzeitig"},
        {"SpielSystem.dat", system(24 + 1, "1000"), "0 bis 999"}, // Code des ersten Systems
        {"SpielSystem.dat", system(24 + 2, "271"), "0 bis 270"},  // außerhalb des Bildes
        {"SpielSystem.dat", system(24 + 3, "191"), "0 bis 190"},
        {"SpielSystem.dat", system(5, "-1"), "0 bis 190"},
        {"SpielSystem.dat", "", "endet vorzeitig"},
    };
    for (const auto& [name, inhalt, warum] : kaputt) {
        S = Spielstand{};
        S.Spiel.MannschaftHoch = 7;
        S.Mannschaft.laengeSetzen(8);
        S.Mannschaft[1].Name = "Bleibt";
        Datensatz d;
        d.dateien[name] = inhalt;
        EXPECT_FALSE(d.laden()) << name << ": " << inhalt.substr(0, 40);
        EXPECT_NE(d.grund.find(warum), std::string::npos) << d.grund;
        EXPECT_EQ(d.grund.rfind(name, 0), 0u) << d.grund;
        EXPECT_EQ(S.Spiel.MannschaftHoch, 7);
        EXPECT_EQ(S.Mannschaft.laenge(), 8);
        EXPECT_EQ(S.Mannschaft[1].Name.text(), "Bleibt");
        EXPECT_EQ(S.Spieler.laenge(), 0);
        EXPECT_EQ(S.Spiel.NationAnzahl, 0);
    }
    // Fehlt die sechste Datei nach fünf guten, wird nichts übernommen.
    S = Spielstand{};
    Datensatz d;
    d.dateien.erase("SpielSystem.dat");
    EXPECT_FALSE(d.laden());
    EXPECT_EQ(S.Spieler.laenge(), 0);
    EXPECT_EQ(S.Spieltage[1][1][0], 0);
}

// Was der Lader an den Grenzen annimmt, trägt eine ganze Saison und lässt sich speichern:
// die ausgelieferte Welt mit extremen Boni, Codes und Plätzen, nur deutschen Ligavereinen vorn.
TEST(DatenLaden, GrenzwerteSpielenEineSaisonUndSpeichern)
{
    Datensatz d;
    for (const char* n : DatenDateien) d.dateien[n] = *DateiInhalt(std::string(TORVANE_QUELLEN "/daten/") + n);
    std::vector<std::string> nat;
    std::istringstream zeilen(d.dateien["Nationen.dat"]);
    for (std::string z; std::getline(zeilen, z);) nat.push_back(z); // "\r" bleibt am Ende
    for (size_t k = 2; 3 * k < nat.size(); ++k) nat[3 * k] = k % 2 ? "127\r" : "-128\r";
    d.dateien["Nationen.dat"].clear();
    for (const auto& z : nat) d.dateien["Nationen.dat"] += z + "\n";
    std::vector<std::string> sys(144, "0");
    for (size_t i = 24; i < 144; i += 2) sys[i] = i % 4 ? "270" : "0", sys[i + 1] = "190";
    for (int s = 1; s <= 5; ++s) sys[24 * static_cast<size_t>(s) + 1] = s == 5 ? "999" : std::to_string(s * 100 + 45);
    d.dateien["SpielSystem.dat"] = Zeilen(sys);
    ASSERT_TRUE(d.laden()) << d.grund;
    EXPECT_EQ(S.Nation[3].Bonus, 127);
    EXPECT_EQ(S.Nation[4].Bonus, -128);

    const std::string vorher = Pfade.Daten;
    Pfade.Daten = d.ordner.string() + "/";
    AutoplayOptionen o;
    o.manager = 4;
    o.speichern = (d.ordner / "grenzen.lig").string();
    std::ostringstream aus, fehler;
    const int code = Autoplay(o, aus, fehler);
    Pfade.Daten = vorher;
    ASSERT_EQ(code, 0) << fehler.str();
    EXPECT_GE(S.Spiel.Saison, 2);
    std::string f;
    EXPECT_TRUE(SpielstandLesen(*DateiInhalt(o.speichern), f)) << f;
}
