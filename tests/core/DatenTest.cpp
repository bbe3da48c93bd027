// Der Lader der Grunddaten: Formate, Kürzungen, Fehler, die nichts verändern.
#include "core/Cp1252.h"
#include "core/Daten.h"
#include "core/Variablen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

std::string Zeilen(const std::vector<std::string>& z)
{
    std::string s;
    for (const auto& x : z) s += Utf8NachCp1252(x) + "\r\n"; // die Dateien sind Windows-1252
    return s;
}

// Ein kleiner gültiger Datensatz; einzelne Dateien lassen sich ersetzen.
struct Datensatz {
    std::map<std::string, std::string> dateien;
    fs::path ordner;

    Datensatz()
    {
        ordner = fs::temp_directory_path() / ("torvane_daten_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        dateien["Spieler.dat"] = Zeilen({"2", "Hans", "Meier", "T", "D", "Luigi", "Rossi", "S", "I"});
        dateien["Nationen.dat"] = Zeilen({"2", "Deutschland", "D", "3", "Italien", "I", "5"});
        dateien["Mansch.dat"] = Zeilen({"3", "SV Eichenau", "1", "D", "TSV Moorbach", "5", "D", "AC Pavona", "1", "I"});
        std::vector<std::string> plan;
        for (int i = 0; i < 17 * 9; ++i) {
            plan.push_back(std::to_string(i % 18 + 1));
            plan.push_back(std::to_string((i + 1) % 18 + 1));
        }
        dateien["Sptg.dat"] = Zeilen(plan);
        std::vector<std::string> chl;
        for (int i = 0; i < 15 * 8; ++i) {
            chl.push_back(std::to_string(i % 16 + 1));
            chl.push_back(std::to_string((i + 3) % 16 + 1));
        }
        dateien["ChlSptg.dat"] = Zeilen(chl);
        std::vector<std::string> sys;
        for (int i = 0; i < 6 * 12 * 2; ++i) sys.push_back(std::to_string(i - 10));
        dateien["SpielSystem.dat"] = Zeilen(sys);
    }
    ~Datensatz() { fs::remove_all(ordner); }

    bool laden()
    {
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        for (const auto& [name, inhalt] : dateien) std::ofstream(ordner / name, std::ios::binary) << inhalt;
        return DatenLaden(ordner.string());
    }
};

} // namespace

TEST(DatenLaden, GueltigerDatensatz)
{
    S = Spielstand{};
    Datensatz d;
    // Zahlzeile mit Worten dahinter, Leerzeilen davor; fehlendes letztes Zeilenende.
    d.dateien["Nationen.dat"] = "\r\n  \t2 Nationen\r\nDeutschland\r\nD\r\n3 Punkte\r\nItalien\r\nI\r\n5";
    ASSERT_TRUE(d.laden());
    EXPECT_EQ(S.Spiel.SpielerHoch, 2);
    EXPECT_EQ(S.Spieler[2].Nachname.text(), "Rossi");
    EXPECT_TRUE(S.Spieler[2].Zusatz.leer());
    EXPECT_EQ(S.Spiel.NationAnzahl, 2);
    EXPECT_EQ(S.Nation[1].Bonus, 3);
    EXPECT_EQ(S.Nation[2].Kuerzel, "I");
    EXPECT_EQ(S.Nation[3].Kuerzel, "");
    EXPECT_EQ(S.Spiel.MannschaftHoch, 3);
    EXPECT_EQ(S.Spiel.DeutscheHoch, 2);
    EXPECT_EQ(S.Mannschaft[2].Liga, 5);
    EXPECT_EQ(S.Mannschaft[3].Nation.text(), "I");
    EXPECT_EQ(S.Spieltage[1][1][0], 1);
    EXPECT_EQ(S.Spieltage[1][1][1], 2);
    EXPECT_EQ(S.ChlSpieltage[15][8][1], (119 + 3) % 16 + 1);
    EXPECT_EQ(S.SpielSysteme[0][0][0], -10); // System 0, Eintrag 0, Koordinate 0 zuerst
    EXPECT_EQ(S.SpielSysteme[1][0][0], -9);
    EXPECT_EQ(S.SpielSysteme[1][11][5], 143 - 10);
}

TEST(DatenLaden, KuerzungUmlauteUndBonusbyte)
{
    S = Spielstand{};
    Datensatz d;
    d.dateien["Spieler.dat"] = Zeilen({"1", "Maximilian-Alexander-Jo", "Müller", "Torwart", "DEUX"});
    d.dateien["Nationen.dat"] = Zeilen({"3", "A", "D", "300", "B", "I", "200", "C", "X", "-129"});
    d.dateien["Mansch.dat"] =
        Zeilen({"2", "Sportvereinigung Großbüttelbrunn 1899", "4", "D", "AC Pavona", "1", "I"});
    ASSERT_TRUE(d.laden());
    EXPECT_EQ(S.Spieler[1].Vorname.text(), "Maximilian-Alexander");
    EXPECT_EQ(S.Spieler[1].Nachname.text(), "Müller");
    EXPECT_EQ(S.Spieler[1].Position.text(), "T");
    EXPECT_EQ(S.Spieler[1].Nation.text(), "DEU");
    EXPECT_EQ(S.Mannschaft[1].Name.text(), "Sportvereinigung Großbütt");
    EXPECT_EQ(S.Nation[1].Bonus, 44);
    EXPECT_EQ(S.Nation[2].Bonus, -56);
    EXPECT_EQ(S.Nation[3].Bonus, 127);
}

TEST(DatenLaden, AnzahlNullUndDeutscheHoch)
{
    S = Spielstand{};
    Datensatz d;
    d.dateien["Spieler.dat"] = Zeilen({"0"});
    d.dateien["Mansch.dat"] = Zeilen({"0"});
    ASSERT_TRUE(d.laden());
    EXPECT_EQ(S.Spiel.SpielerHoch, 0);
    EXPECT_EQ(S.Spiel.MannschaftHoch, 0);
    EXPECT_EQ(S.Spieler.laenge(), 1);

    // 90 deutsche Vereine (Ligen 1..5), dann der erste ausländische als Eintrag 91.
    S = Spielstand{};
    std::vector<std::string> v = {"92"};
    for (int i = 1; i <= 90; ++i) v.insert(v.end(), {"Verein " + std::to_string(i), std::to_string(std::min(5, (i - 1) / 18 + 1)), "D"});
    v.insert(v.end(), {"AC Pavona", "1", "I", "FC Zug", "1", "CH"});
    d.dateien["Mansch.dat"] = Zeilen(v);
    ASSERT_TRUE(d.laden());
    EXPECT_EQ(S.Spiel.DeutscheHoch, 90);

    // Ein wiederholtes Laden bestimmt DeutscheHoch neu und behält die übrigen Vereinsfelder.
    S.Mannschaft[5].Punkte = 42;
    d.dateien["Mansch.dat"] = Zeilen({"6", "a", "1", "D", "b", "1", "D", "c", "1", "D", "d", "1", "D", "e", "1", "D", "f", "1", "I"});
    ASSERT_TRUE(d.laden());
    EXPECT_EQ(S.Spiel.DeutscheHoch, 5);
    EXPECT_EQ(S.Spiel.MannschaftHoch, 6);
    EXPECT_EQ(S.Mannschaft[5].Punkte, 42);
    EXPECT_EQ(S.Mannschaft[5].Name.text(), "e");
}

TEST(DatenLaden, JederFehlerBrichtAbUndAendertNichts)
{
    const std::vector<std::pair<std::string, std::string>> kaputt = {
        {"Spieler.dat", Zeilen({"3", "Hans", "Meier", "T", "D"})},                  // vorzeitiges Ende
        {"Spieler.dat", Zeilen({"zwei", "Hans", "Meier", "T", "D"})},               // keine Zahl
        {"Spieler.dat", Zeilen({"-1"})},
        {"Spieler.dat", Zeilen({"2000000000", "Hans", "Meier", "T", "D"})},         // absurde Anzahl
        {"Spieler.dat", Zeilen({"9999999", "Hans", "Meier", "T", "D"})},            // zu viel für die Datei
        {"Nationen.dat", Zeilen({"48"})},                                           // mehr als 47 Nationen
        {"Nationen.dat", Zeilen({"1", "Deutschland", "D", "viel"})},
        {"Mansch.dat", Zeilen({"1", "SV Eichenau", "256", "D"})},                   // Liga über 255
        {"Mansch.dat", Zeilen({"1", "SV Eichenau", "4 ", "D"})},                    // Textzahl mit Rest
        {"Mansch.dat", Zeilen({"1", "SV Eichenau", "", "D"})},
        {"Sptg.dat", Zeilen({"1", "2"})},
        {"Sptg.dat", std::string("19\r\n") + Zeilen(std::vector<std::string>(305, "1"))}, // kein Platz 19
        {"ChlSptg.dat", Zeilen(std::vector<std::string>(240, "17"))},
        {"SpielSystem.dat", Zeilen(std::vector<std::string>(143, "1"))},
        {"SpielSystem.dat", Zeilen(std::vector<std::string>(144, "40000"))},
        {"SpielSystem.dat", ""},
    };
    for (const auto& [name, inhalt] : kaputt) {
        S = Spielstand{};
        S.Spiel.MannschaftHoch = 7;
        S.Mannschaft.laengeSetzen(8);
        S.Mannschaft[1].Name = "Bleibt";
        Datensatz d;
        d.dateien[name] = inhalt;
        EXPECT_FALSE(d.laden()) << name << ": " << inhalt.substr(0, 40);
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
