// Sicheres Schreiben (nie durch einen Link, nie halb) und die Sperre je Save-Ordner.
#include "VollePlatte.h"
#include "core/Datei.h"
#include "core/Pfade.h"
#include "flow/Bericht.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

using namespace torvane;
namespace fs = std::filesystem;

namespace {

// Ein leerer Ordner je Test; danach gelten wieder die Pfade des Testprogramms.
struct Ordner {
    fs::path p = fs::temp_directory_path() / ("torvane-datei-" + std::to_string(::getpid()));
    Pfade_ alt = Pfade;
    Ordner()
    {
        fs::remove_all(p);
        fs::create_directories(p);
    }
    ~Ordner()
    {
        Pfade = alt;
        std::error_code f;
        fs::permissions(p, fs::perms::owner_all, f);
        fs::remove_all(p, f);
    }
    std::string s(const char* name) const { return (p / name).string(); }
};

std::string Lesen(const fs::path& p)
{
    std::ifstream i(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(i), {}};
}

void Schreiben(const fs::path& p, const std::string& inhalt) { std::ofstream(p, std::ios::binary) << inhalt; }

std::vector<std::string> Namen(const fs::path& ordner)
{
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(ordner)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
}

} // namespace

// Ein Link, den jemand unter den Namen gelegt hat, wird ersetzt; seine Zieldatei bleibt, wie sie war.
TEST(Datei, EinLinkWirdErsetztNieBeschrieben)
{
    Ordner o;
    fs::create_directories(o.p / "prog/Save");
    const fs::path opfer = o.p / "opfer";
    Bilanzbericht bericht;
    bericht.titel = "Bericht";
    std::string grund;
    struct Fall {
        const char* was;
        std::string link;
        std::function<bool()> schreiben;
        std::string neu; // leer: es bleibt keine Datei unter dem Namen
    };
    const Fall faelle[] = {
        {"Datei", o.s("ziel"), [&] { return DateiSicherErsetzen(o.s("ziel"), "neuer Inhalt", grund); }, "neuer Inhalt"},
        {"Berichtsseite", o.s("b.html"), [&] { return bericht.schreiben(o.s("b.html"), grund); }, bericht.html()},
        {"Berichtstabelle", o.s("b.csv"), [&] { return bericht.schreiben(o.s("b.html"), grund); }, bericht.csv()},
        {"Schreibprobe des Save-Ordners", o.s("prog/Save/.schreibprobe"),
         [&] {
             PfadeSetzen(o.s("prog"), "");
             return Pfade.Save == o.s("prog") + "/Save/";
         },
         ""},
    };
    for (const Fall& f : faelle) {
        Schreiben(opfer, "geheim");
        fs::remove(f.link);
        fs::create_symlink(opfer, f.link);
        EXPECT_TRUE(f.schreiben()) << f.was << ": " << grund;
        EXPECT_EQ(Lesen(opfer), "geheim") << f.was;
        if (f.neu.empty()) continue;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(f.link))) << f.was;
        EXPECT_EQ(Lesen(f.link), f.neu) << f.was;
    }
    EXPECT_EQ(Namen(o.p), (std::vector<std::string>{"b.csv", "b.html", "opfer", "prog", "ziel"}));
    EXPECT_EQ(Namen(o.p / "prog/Save"), std::vector<std::string>{".schreibprobe"});
}

// Scheitert das Schreiben, bleibt die alte Datei ganz, keine Zwischendatei liegt herum,
// und der Grund steht da.
TEST(Datei, FehlerLaesstDasAlteStehen)
{
    Ordner o;
    const std::string ziel = o.s("ziel");
    Schreiben(ziel, "alt");
    std::string grund;
    const auto ersetzen = [&] { return DateiSicherErsetzen(ziel, std::string(100, 'n'), grund); };
    EXPECT_FALSE(BeiVollerPlatte(ersetzen));
    EXPECT_TRUE(grund.starts_with("Die Zwischendatei konnte nicht vollständig geschrieben werden")) << grund;
    EXPECT_EQ(Lesen(ziel), "alt");
    EXPECT_EQ(Namen(o.p), std::vector<std::string>{"ziel"});

    EXPECT_FALSE(DateiSicherErsetzen(o.s("fehlt/x"), "x", grund));
    EXPECT_TRUE(grund.starts_with("Die Zwischendatei konnte nicht angelegt werden")) << grund;

    if (::geteuid() == 0) GTEST_SKIP() << "root schreibt auch in schreibgeschützte Ordner";
    fs::permissions(o.p, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(ersetzen());
    EXPECT_FALSE(OrdnerBeschreibbar(o.p.string()));
    fs::permissions(o.p, fs::perms::owner_all);
    EXPECT_EQ(Lesen(ziel), "alt");
    EXPECT_EQ(Namen(o.p), std::vector<std::string>{"ziel"});
}

// Ein zweiter Prozess bekommt den Ordner nicht und erfährt, wer ihn hält; ist der fort,
// oder liegt nur eine leere oder verwaiste Sperrdatei da, wird sie übernommen.
TEST(Datei, EineSperreJeOrdner)
{
    Ordner o;
    const fs::path datei = o.p / SperrdateiName;
    const std::string ich = std::to_string(::getpid()) + "\n";
    int bereit[2], los[2];
    ASSERT_EQ(::pipe(bereit), 0);
    ASSERT_EQ(::pipe(los), 0);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        OrdnerSperre s;
        std::string g;
        const char ok = s.nehmen(o.p.string(), g) ? '1' : '0';
        char c = 0;
        if (::write(bereit[1], &ok, 1) == 1 && ::read(los[0], &c, 1) >= 0) ::_exit(0);
        ::_exit(1);
    }
    char ok = 0;
    ASSERT_EQ(::read(bereit[0], &ok, 1), 1);
    EXPECT_EQ(ok, '1');
    OrdnerSperre s;
    std::string grund;
    EXPECT_FALSE(s.nehmen(o.p.string(), grund));
    EXPECT_FALSE(s.gehalten());
    EXPECT_TRUE(s.belegt());
    EXPECT_EQ(grund, "Torvane läuft schon mit diesem Spielstandordner (Prozess " + std::to_string(kind) + ") !");
    ASSERT_EQ(::write(los[1], "x", 1), 1);
    ASSERT_EQ(::waitpid(kind, nullptr, 0), kind);
    for (int fd : {bereit[0], bereit[1], los[0], los[1]}) ::close(fd);

    for (const std::string& vorher : {std::string("von eben"), std::string(), std::to_string(kind) + "\n"}) {
        if (vorher != "von eben") Schreiben(datei, vorher);
        EXPECT_TRUE(s.nehmen(o.p.string(), grund)) << grund;
        EXPECT_EQ(Lesen(datei), ich);
        s.freigeben();
    }

    // Eine Sperrdatei, die ein Link ist, wird nicht geöffnet.
    Schreiben(o.p / "opfer", "geheim");
    fs::remove(datei);
    fs::create_symlink(o.p / "opfer", datei);
    EXPECT_FALSE(s.nehmen(o.p.string(), grund));
    EXPECT_FALSE(s.belegt());
    EXPECT_EQ(Lesen(o.p / "opfer"), "geheim");
}
