// Dauerlauf: viele Saisons mit vier automatischen Managern auf den ausgelieferten
// Grunddaten; nach jedem Tag und jedem Saisonende werden die Invarianten geprüft.
// Sind alle Manager ausgeschieden, beginnt ein neues Spiel.
// TORVANE_DAUERLAUF_SAISONS setzt die Zahl der Saisons (Vorgabe 20).
#include "Invarianten.h"
#include "Spielwelt.h"
#include "flow/Autoplay.h"
#include "season/Pleite.h"
#include "season/Saisonende.h"

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

using namespace torvane;

namespace {

struct Pruefer : Menueanzeige, Invarianten {
    long tage = 0;

    Pruefer() { MenueAnzeigeSetzen(this); }
    ~Pruefer() override { MenueAnzeigeSetzen(nullptr); }
    void tagEndet() override
    {
        ++tage;
        pruefen();
    }
};

int Saisons()
{
    const char* e = std::getenv("TORVANE_DAUERLAUF_SAISONS");
    const int n = e ? std::atoi(e) : 0;
    return n > 0 ? n : 20;
}

} // namespace

TEST(Dauerlauf, SaisonsMitVierManagern)
{
    Mitschrift ui;
    Pruefer pruefer;
    S = Spielstand{};
    ZufallSetzen(2024);
    ASSERT_TRUE(SpielAufGrunddaten(4));
    pruefer.pruefen();

    const int ziel = Saisons();
    int spiele = 1;
    long beendet = 0; // über alle Spiele; die Sitzung zählt je Spiel
    long klicks = 0;
    try {
        while (beendet < ziel && pruefer.fehler.size() < 20) {
            if (SpielVorbei()) {
                ASSERT_TRUE(SpielAufGrunddaten(4));
                ++spiele;
                pruefer.pruefen();
            }
            const long saisons = Sitzung.BeendeteSaisons;
            AbschlussClick();
            beendet += Sitzung.BeendeteSaisons - saisons;
            if (Sitzung.BeendeteSaisons != saisons && !SpielVorbei()) pruefer.pruefen();
            ASSERT_LT(++klicks, 1000000L) << "der Ablauf kommt nicht voran";
        }
    } catch (const std::exception& e) {
        ADD_FAILURE() << "Fehler in Saison " << S.Spiel.Saison << ", Spieltag " << S.Spiel.Spieltag << ": "
                      << e.what();
    }
    for (const auto& f : pruefer.fehler) ADD_FAILURE() << f;
    EXPECT_GE(pruefer.tage, 75L * ziel);
    RecordProperty("Spiele", spiele);
    RecordProperty("Tage", static_cast<int>(pruefer.tage));
}

// --- Das Spiel ohne Bildschirm ---


TEST(Autoplay, Argumente)
{
    AutoplayOptionen o;
    std::string f;
    ASSERT_TRUE(AutoplayArgumente({"10", "--managers", "4", "--seed", "1", "--days", "7", "--load", "a.lig", "--save",
                                   "b.lig", "--no-restart"},
                                  o, f));
    EXPECT_EQ(o.saisons, 10);
    EXPECT_EQ(o.manager, 4);
    EXPECT_EQ(o.saat, 1u);
    EXPECT_EQ(o.tage, 7);
    EXPECT_EQ(o.laden, "a.lig");
    EXPECT_EQ(o.speichern, "b.lig");
    EXPECT_FALSE(o.neustart);
    for (const auto& falsch :
         std::vector<std::vector<std::string>>{{}, {"zehn"}, {"3", "--managers", "5"}, {"3", "--managers"}})
        EXPECT_FALSE(AutoplayArgumente(falsch, o, f)) << (falsch.empty() ? "" : falsch.back());
}

TEST(Autoplay, SaisonBerichtUndGleicherLaufBeiGleicherSaat)
{
    const Ausgabe a = Lauf({"1", "--managers", "2", "--seed", "5"});
    ASSERT_EQ(a.code, 0) << a.fehler;
    for (const char* z : {"Saison 1\n  Meister Bundesliga: ", "  DFB-Pokal: ", "  Uefa Pokal: ",
                          "  Pokal der Pokalsieger: ", "  Champions League: ", "  Alfred (AC Achern): Oberliga, Platz ",
                          "  Berta (BF Burgen): Oberliga, Platz ",
                          "Stand: Saison 2, 0. Spieltag, nächster Wettbewerb Liga, 75 Wettbewerbstage gespielt"})
        EXPECT_NE(a.aus.find(z), std::string::npos) << z << "\n" << a.aus;
    EXPECT_EQ(Lauf({"1", "--managers", "2", "--seed", "5"}).aus, a.aus);
    EXPECT_NE(Lauf({"1", "--managers", "2", "--seed", "6"}).aus, a.aus);
}

TEST(Autoplay, TageSpeichernLadenUndKaputterSpielstand)
{
    namespace fs = std::filesystem;
    const fs::path ordner = fs::temp_directory_path() / "torvane_autoplay_test";
    fs::create_directories(ordner);
    const std::string datei = (ordner / "stand.lig").string();

    // Auch ein Halt mitten in einer Kette spielfreier Züge zählt genau.
    const Ausgabe a = Lauf({"1", "--managers", "3", "--seed", "8", "--days", "12", "--save", datei});
    ASSERT_EQ(a.code, 0) << a.fehler;
    EXPECT_EQ(a.tage(), 12) << a.aus;
    const Ausgabe b = Lauf({"1", "--load", datei, "--days", "3"});
    ASSERT_EQ(b.code, 0) << b.fehler;
    EXPECT_NE(b.aus.find("3 Manager"), std::string::npos) << b.aus;
    EXPECT_EQ(b.tage(), 3) << b.aus;

    const Ausgabe c = Lauf({"1", "--load", TORVANE_QUELLEN "/tests/data/spielstand_gekuerzt.lig"});
    EXPECT_NE(c.code, 0);
    EXPECT_FALSE(c.fehler.empty());
    const Ausgabe d = Lauf({"1", "--load", (ordner / "gibtsnicht.lig").string()});
    EXPECT_NE(d.code, 0);
    EXPECT_NE(d.fehler.find("Nicht vorhanden."), std::string::npos) << d.fehler;
    fs::remove_all(ordner);
}

// Scheiden alle Manager aus, beginnt ein neues Spiel; das Ziel gilt für den ganzen Lauf, nicht je Spiel.
TEST(Autoplay, ZielZaehltUeberDenNeustart)
{
    const Ausgabe s = Lauf({"5", "--managers", "2", "--seed", "3", "--passiv"});
    ASSERT_EQ(s.code, 0) << s.fehler;
    EXPECT_NE(s.aus.find("Neues Spiel mit 2 Manager(n)."), std::string::npos) << s.aus;
    size_t berichte = 0;
    for (size_t p = s.aus.find("\nSaison "); p != std::string::npos; p = s.aus.find("\nSaison ", p + 1)) ++berichte;
    EXPECT_EQ(berichte, 5u) << s.aus;

    const Ausgabe t = Lauf({"0", "--managers", "2", "--seed", "3", "--passiv", "--days", "300"});
    ASSERT_EQ(t.code, 0) << t.fehler;
    EXPECT_NE(t.aus.find("Neues Spiel mit 2 Manager(n)."), std::string::npos) << t.aus;
    EXPECT_EQ(t.tage(), 300) << t.aus;
    EXPECT_LT(Sitzung.GespielteTage, 300) << "das neue Spiel zählt von vorn";
    EXPECT_EQ(Sitzung.TageGrenze, -1);
}

// --days N hält nach genau N Wettbewerbstagen an, auch wenn der letzte Zug vor dem Halt spielfrei
// war (ein Pokaltag ohne Manager spielte früher gleich den nächsten Tag mit).
TEST(Autoplay, TageGenau)
{
    struct Fall {
        const char* saat;
        const char* manager;
        long tage;
    };
    for (const Fall f : {Fall{"1", "2", 32}, Fall{"2", "2", 32}, Fall{"3", "1", 17}, Fall{"4", "4", 9}, Fall{"5", "2", 1},
                         Fall{"6", "2", 0}}) {
        const Ausgabe a = Lauf({"1", "--managers", f.manager, "--seed", f.saat, "--days", std::to_string(f.tage)});
        ASSERT_EQ(a.code, 0) << a.fehler;
        EXPECT_EQ(Sitzung.GespielteTage, f.tage) << "Saat " << f.saat << "\n" << a.aus;
        EXPECT_EQ(a.tage(), f.tage) << a.aus;
        EXPECT_EQ(Sitzung.TageGrenze, -1) << "die Grenze gilt nur während des Laufs";
    }
}
