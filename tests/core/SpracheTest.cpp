// Der Sprachkatalog: ein .mo, wie msgfmt es schreibt, wird ganz geprüft gelesen; Deutsch
// bleibt, wenn etwas nicht stimmt. Platzhalter lassen eine Sprache die Wörter ordnen.
#include "core/Sprache.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

// Ein Katalog im Format von msgfmt (ohne Streutabelle, die der Leser nicht braucht).
std::string MoBauen(const std::map<std::string, std::string>& texte)
{
    std::string kopf, tabellen, inhalt;
    auto wort = [](std::string& s, uint32_t w) { s.append(reinterpret_cast<const char*>(&w), 4); };
    const uint32_t n = static_cast<uint32_t>(texte.size() + 1);
    const uint32_t quellen = 28, ziele = quellen + n * 8, anfang = ziele + n * 8;
    std::vector<std::pair<uint32_t, uint32_t>> q, z;
    auto ablegen = [&](const std::string& t, std::vector<std::pair<uint32_t, uint32_t>>& wo) {
        wo.emplace_back(static_cast<uint32_t>(t.size()), anfang + static_cast<uint32_t>(inhalt.size()));
        inhalt += t + '\0';
    };
    ablegen("", q);
    for (const auto& [quelle, ziel] : texte) ablegen(quelle, q);
    ablegen("Content-Type: text/plain; charset=UTF-8\n", z);
    for (const auto& [quelle, ziel] : texte) ablegen(ziel, z);
    for (uint32_t w : {0x950412deu, 0u, n, quellen, ziele, 0u, 0u}) wort(kopf, w);
    for (const auto& [l, o] : q) wort(tabellen, l), wort(tabellen, o);
    for (const auto& [l, o] : z) wort(tabellen, l), wort(tabellen, o);
    return kopf + tabellen + inhalt;
}

struct Deutsch {
    ~Deutsch() { SpracheSetzen("de", ""); }
};

TEST(Sprache, KatalogUebersetztMitZusammenhangUndPlatzhaltern)
{
    Deutsch danach;
    EXPECT_STREQ(T("Sieger"), "Sieger"); // ohne Katalog: Deutsch
    ASSERT_TRUE(KatalogAusBytes(MoBauen({{"Sieger", "Winner"},
                                         {std::string("Bank") + '\4' + "Rate", "Instalment"},
                                         {"Dem Verein entstand ein Schaden von %1 durch %2.", "%2 cost the club %1."},
                                         {"Leer", ""}})));
    EXPECT_STREQ(T("Sieger"), "Winner");
    EXPECT_EQ(TWert("Sieger"), "Winner");
    EXPECT_STREQ(T("Rate"), "Rate"); // nur mit Zusammenhang übersetzt
    EXPECT_STREQ(TC("Bank", "Rate"), "Instalment");
    EXPECT_STREQ(T("Leer"), "Leer"); // leere Übersetzung: Deutsch
    EXPECT_STREQ(T("Unbekannt"), "Unbekannt");
    EXPECT_EQ(Tf("Dem Verein entstand ein Schaden von %1 durch %2.", {"5.000 €", "Fans"}), "Fans cost the club 5.000 €.");
    EXPECT_EQ(Tz("Zeile 1\nZeile %1\r\n", {"2"}), "Zeile 1\r\nZeile 2\r\n");
    // Ein % ohne Ziffer oder ohne Wert bleibt stehen, ein eingesetzter Wert wird nicht noch einmal gelesen.
    EXPECT_EQ(Einsetzen("5 % von %1, %3 und %%2", {"%2", "x"}), "5 % von %2, %3 und %x");

    // Jede Verfälschung eines gültigen Katalogs wird abgewiesen und lässt den geladenen stehen.
    const std::string gut = MoBauen({{"Sieger", "Winner"}});
    for (size_t stelle : {size_t{0}, size_t{8}, size_t{12}, size_t{16}, size_t{28}, size_t{32}, size_t{44}}) {
        std::string b = gut;
        b[stelle] = static_cast<char>(0xff);
        b[stelle + 3] = static_cast<char>(0x7f);
        EXPECT_FALSE(KatalogAusBytes(b)) << stelle;
    }
    EXPECT_FALSE(KatalogAusBytes(gut.substr(0, gut.size() - 1))); // die letzte 0 fehlt
    EXPECT_FALSE(KatalogAusBytes(""));
    EXPECT_STREQ(T("Sieger"), "Winner");
}

TEST(Sprache, WahlAusUmgebungUndOrdner)
{
    Deutsch danach;
    const fs::path ordner = fs::temp_directory_path() / ("torvane-sprache-" + std::to_string(::getpid()));
    fs::create_directories(ordner / "en/LC_MESSAGES");
    std::ofstream(ordner / "en/LC_MESSAGES/torvane.mo", std::ios::binary) << MoBauen({{"Sieger", "Winner"}});
    fs::create_directories(ordner / "xx/LC_MESSAGES"); // ohne Katalog: keine Sprache
    const std::string o = ordner.string();
    EXPECT_EQ(SprachenImOrdner(o), (std::vector<std::string>{"de", "en"}));

    struct Fall {
        const char *all, *lang, *language, *erwartet;
    };
    for (const Fall& f : {Fall{"", "en_GB.UTF-8", "", "en"}, Fall{"", "fr_FR.UTF-8", "", "de"},
                          Fall{"", "fr_FR.UTF-8", "fr:en", "en"}, Fall{"", "C", "en", "de"},
                          Fall{"de_DE.UTF-8", "en_US.UTF-8", "", "de"}, Fall{"", "", "", "de"},
                          Fall{"", "en", "de", "de"}, Fall{"", "xx_XX", "", "de"}}) {
        for (const auto& [name, wert] : {std::pair{"LC_ALL", f.all}, std::pair{"LANG", f.lang}, std::pair{"LANGUAGE", f.language}})
            ::setenv(name, wert, 1);
        ::unsetenv("LC_MESSAGES");
        EXPECT_EQ(SpracheAusUmgebung(o), f.erwartet) << f.all << "|" << f.lang << "|" << f.language;
    }
    for (const char* name : {"LC_ALL", "LANG", "LANGUAGE"}) ::unsetenv(name);

    EXPECT_TRUE(SpracheSetzen("en", o));
    EXPECT_EQ(Sprache(), "en");
    EXPECT_STREQ(T("Sieger"), "Winner");
    // Unbekannt oder ohne Katalog: Deutsch, und das wird gesagt.
    EXPECT_FALSE(SpracheSetzen("xx", o));
    EXPECT_EQ(Sprache(), "de");
    EXPECT_STREQ(T("Sieger"), "Sieger");
    EXPECT_FALSE(SpracheSetzen("../en", o));
    std::string fehler;
    EXPECT_TRUE(SpracheBekannt("en", o, fehler));
    EXPECT_FALSE(SpracheBekannt("fr", o, fehler));
    EXPECT_EQ(fehler, "--sprache erwartet eine dieser Sprachen: de, en");
    const char* argv[] = {"torvane", "--sprache", "en", "--zoom", "100", "--sprache"};
    EXPECT_EQ(VerlangteSprache(6, argv), "en");
    fs::remove_all(ordner);
}

} // namespace
