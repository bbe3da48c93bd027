// Der goldene Lauf: zwei feste Spiele ohne Bildschirm, ihr gespeicherter Stand als Prüfsumme.
// Ein Umbau, der das Spiel nicht ändern soll, muss hier dieselben Bytes liefern; ändert eine
// Regel das Spiel mit Absicht, werden die Summen neu eingetragen (der Test nennt die neuen).
#include "Spielwelt.h"
#include "core/Sprache.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

// FNV-1a über alle Bytes der Datei.
uint64_t Pruefsumme(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : b) h = (h ^ c) * 1099511628211ull;
    return b.empty() ? 0 : h;
}

uint64_t GoldenerLauf(std::vector<std::string> argumente, std::string* ausgabe = nullptr)
{
    // Ein Ordner je Saat: der Spielstandordner ist gesperrt, solange ein Lauf hineinspeichert,
    // und die goldenen Fälle laufen nebeneinander.
    const fs::path ordner = fs::temp_directory_path() / ("torvane_golden_" + argumente[4]);
    fs::create_directories(ordner);
    const fs::path datei = ordner / "golden.lig";
    fs::remove(datei);
    argumente.insert(argumente.end(), {"--save", datei.string()});
    const Ausgabe a = Lauf(argumente);
    EXPECT_EQ(a.code, 0) << a.fehler;
    if (ausgabe != nullptr) *ausgabe = a.aus;
    const uint64_t h = Pruefsumme(datei);
    fs::remove_all(ordner);
    return h;
}

} // namespace

TEST(Golden, ZwanzigSaisonsVierComputermanagerUndFuenfPassiveMitZwei)
{
    struct Fall {
        std::vector<std::string> argumente;
        uint64_t summe;
    } faelle[] = {
        {{"20", "--managers", "4", "--seed", "1"}, 0x9328cd42147cef15ull},
        {{"5", "--managers", "2", "--seed", "3", "--passiv"}, 0x03a8e37f061a8007ull},
    };
    for (const Fall& f : faelle) {
        const uint64_t h = GoldenerLauf(f.argumente);
        char text[32];
        std::snprintf(text, sizeof text, "0x%016llxull", static_cast<unsigned long long>(h));
        EXPECT_EQ(h, f.summe) << "Lauf --autoplay " << f.argumente[0] << " ... --seed " << f.argumente[4]
                              << " ergibt jetzt " << text;
    }
}

// Die Sprache ist nur Anzeige: auf Englisch (mit allen Meldungen) entsteht dasselbe Spiel mit
// denselben Bytes im Spielstand, den darum jede Sprache lädt.
TEST(Golden, DieSpracheAendertWederSpielNochSpielstand)
{
    const std::vector<std::string> argumente = {"3", "--managers", "4", "--seed", "5", "--meldungen"};
    std::string deutsch, englisch;
    const uint64_t h = GoldenerLauf(argumente, &deutsch);
    ASSERT_TRUE(SpracheSetzen("en", "locale/")) << "Katalog locale/en fehlt im Bauordner";
    const uint64_t e = GoldenerLauf(argumente, &englisch);
    SpracheSetzen("de", "");
    EXPECT_EQ(h, e);
    EXPECT_TRUE(deutsch != englisch) << "die Ausgabe blieb deutsch";
}
