// Wo das Spiel seine Ordner findet: im Bauordner neben dem Programm, installiert
// unter <präfix>/share/torvane mit allem Schreiben im Benutzerordner.
#include "core/Pfade.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

// Jeder Fall legt die Ordner neu fest; danach gelten wieder die des Testprogramms,
// sonst schrieben spätere Tests in einen längst gelöschten Benutzerordner.
struct Wurzel {
    fs::path wurzel;
    Pfade_ alt = Pfade;
    Wurzel()
    {
        wurzel = fs::temp_directory_path() / ("torvane-pfade-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(wurzel);
        fs::create_directories(wurzel);
    }
    ~Wurzel()
    {
        Pfade = alt;
        std::error_code f;
        fs::remove_all(wurzel, f);
    }
    std::string s(const fs::path& p) const { return (wurzel / p).string(); }
};

void Datei(const fs::path& p, const std::string& inhalt)
{
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << inhalt;
}

std::string Inhalt(const fs::path& p)
{
    std::ifstream i(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(i), {}};
}

} // namespace

TEST(Pfade, BauordnerNebenDemProgramm)
{
    Wurzel o;
    Datei(o.wurzel / "build/daten/Hilfe.dat", "x");
    fs::create_directories(o.wurzel / "build/musik");
    PfadeSetzen(o.s("build"), o.s("benutzer"));
    EXPECT_FALSE(Pfade.Installiert);
    EXPECT_EQ(Pfade.Daten, o.s("build") + "/daten/");
    EXPECT_EQ(Pfade.Musik, o.s("build") + "/musik/");
    EXPECT_EQ(Pfade.Grafik, o.s("build") + "/"); // fehlt: der Programmordner selbst
    EXPECT_EQ(Pfade.Save, o.s("build") + "/Save/");
    // Schreiben braucht im Bauordner keine Kopie.
    EXPECT_TRUE(DatenBeschreibbarMachen());
    EXPECT_EQ(Pfade.Daten, o.s("build") + "/daten/");
    EXPECT_FALSE(fs::exists(o.wurzel / "benutzer/daten"));
}

TEST(Pfade, InstalliertLiestAusShareUndSchreibtInDenBenutzerordner)
{
    Wurzel o;
    Datei(o.wurzel / "usr/share/torvane/daten/Hilfe.dat", "mitgeliefert");
    Datei(o.wurzel / "usr/share/torvane/daten/Nationen.dat", "N");
    fs::create_directories(o.wurzel / "usr/share/torvane/musik");
    fs::create_directories(o.wurzel / "usr/bin");
    const std::string share = fs::weakly_canonical(o.wurzel / "usr/share/torvane").string() + "/";

    PfadeSetzen(o.s("usr/bin"), o.s("benutzer"));
    EXPECT_TRUE(Pfade.Installiert);
    EXPECT_EQ(Pfade.Daten, share + "daten/");
    EXPECT_EQ(Pfade.Musik, share + "musik/");
    // Spielstände nie in die Installation, auch wenn sie beschreibbar wäre.
    EXPECT_EQ(Pfade.Save, o.s("benutzer") + "/Save/");
    // Erst das Schreiben kopiert, nicht schon der Start.
    EXPECT_FALSE(fs::exists(o.wurzel / "benutzer/daten"));

    ASSERT_TRUE(DatenBeschreibbarMachen());
    EXPECT_EQ(Pfade.Daten, o.s("benutzer") + "/daten/");
    EXPECT_EQ(Inhalt(o.wurzel / "benutzer/daten/Nationen.dat"), "N");
    Datei(o.wurzel / "benutzer/daten/Hilfe.dat", "bearbeitet");
    EXPECT_FALSE(fs::exists(o.wurzel / "benutzer/daten.neu"));
    EXPECT_EQ(Inhalt(o.wurzel / "usr/share/torvane/daten/Hilfe.dat"), "mitgeliefert");

    // Beim nächsten Start gilt die Kopie des Benutzers.
    PfadeSetzen(o.s("usr/bin"), o.s("benutzer"));
    EXPECT_EQ(Pfade.Daten, o.s("benutzer") + "/daten/");
    EXPECT_EQ(Inhalt(Pfade.Daten + "Hilfe.dat"), "bearbeitet");
}

TEST(Pfade, MisslungeneKopieLaesstDieDatenWoSieWaren)
{
    Wurzel o;
    Datei(o.wurzel / "usr/share/torvane/daten/Hilfe.dat", "x");
    fs::create_directories(o.wurzel / "usr/bin");
    // Der Benutzerordner ist eine Datei: dort kann nichts angelegt werden.
    Datei(o.wurzel / "benutzer", "keine Ordner");
    PfadeSetzen(o.s("usr/bin"), o.s("benutzer"));
    const std::string vorher = Pfade.Daten;
    EXPECT_FALSE(DatenBeschreibbarMachen());
    EXPECT_EQ(Pfade.Daten, vorher);
}

TEST(Pfade, BenutzerordnerAusDerUmgebung)
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string alt = xdg ? xdg : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_DATA_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(BenutzerOrdnerAusUmgebung(), "/tmp/xdg/Torvane");
    ::setenv("XDG_DATA_HOME", "relativ", 1); // nur absolute Angaben gelten
    ::setenv("HOME", "/home/anna", 1);
    EXPECT_EQ(BenutzerOrdnerAusUmgebung(), "/home/anna/.local/share/Torvane");
    ::setenv("HOME", home.c_str(), 1);
    if (xdg) ::setenv("XDG_DATA_HOME", alt.c_str(), 1);
    else ::unsetenv("XDG_DATA_HOME");
}
