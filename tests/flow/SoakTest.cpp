// Dauerlauf: viele Saisons mit vier automatischen Managern auf den ausgelieferten
// Grunddaten; nach jedem Tag und jedem Saisonende werden die Invarianten geprüft.
// Sind alle Manager ausgeschieden, beginnt ein neues Spiel.
// TORVANE_DAUERLAUF_SAISONS setzt die Zahl der Saisons (Vorgabe 20).
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

// Sammelt Verstöße; ein Test soll alle auf einmal zeigen, nicht nur den ersten.
struct Pruefer : Menueanzeige {
    std::vector<std::string> fehler;
    std::string wo;
    long tage = 0;

    Pruefer() { MenueAnzeigeSetzen(this); }
    ~Pruefer() override { MenueAnzeigeSetzen(nullptr); }
    void tagEndet() override
    {
        ++tage;
        pruefen();
    }

    void bereich(const std::string& was, long wert, long von, long bis)
    {
        if (wert < von || wert > bis)
            fehler.push_back(wo + ": " + was + " = " + std::to_string(wert) + " nicht in " + std::to_string(von) +
                             ".." + std::to_string(bis));
    }
    void wahr(bool b, const std::string& was)
    {
        if (!b) fehler.push_back(wo + ": " + was);
    }

    void pruefen()
    {
        const Spiel_& sp = S.Spiel;
        wo = "Saison " + std::to_string(sp.Saison) + " Spieltag " + std::to_string(sp.Spieltag) + " Wettbewerb " +
             std::to_string(sp.Wettbewerb);
        bereich("Spieltag", sp.Spieltag, 0, 34);
        bereich("Wettbewerb", sp.Wettbewerb, 0, 4);
        bereich("ChlSpieltag", sp.ChlSpieltag, 0, 15);
        bereich("ManagerHoch", sp.ManagerHoch, 0, 3);
        bereich("AktManager", S.AktManager, 0, sp.ManagerHoch);
        bereich("Aktienkurs", sp.Aktienkurs, 100, 1000000);

        std::set<std::string> alle;
        for (int liga = 1; liga <= 4; ++liga)
            for (int p = 1; p <= 18; ++p) {
                const int i = VereinAufPlatz(liga, p);
                const Mannschaft_& v = S.Mannschaft[i];
                const std::string wer = "Verein " + std::to_string(i) + " ";
                alle.insert(std::string(v.Name.roh()));
                wahr(v.Liga == liga && v.Platz == p, wer + "hat Liga " + std::to_string(v.Liga) + ", Platz " +
                                                         std::to_string(v.Platz));
                bereich(wer + "Moral", v.Moral, 1, 100);
                for (int linie : {v.Verteidigung, v.Mittelfeld, v.Angriff}) bereich(wer + "Linie", linie, 0, 200);
                if (p > 1) wahr(S.Mannschaft[i - 1].Punkte >= v.Punkte, wer + "Tabellenordnung");
            }
        wahr(alle.size() == 72, "72 verschiedene Vereine in den Ligen 1..4, gefunden " + std::to_string(alle.size()));

        for (int m = 0; m <= sp.ManagerHoch; ++m) {
            const Manager_& mg = S.Manager[m];
            const std::string wer = "Manager " + std::to_string(m) + " ";
            bereich(wer + "Liga", mg.Liga, 1, 4);
            bereich(wer + "Platz", mg.Platz, 1, 18);
            if (mg.Liga >= 1 && mg.Liga <= 4 && mg.Platz >= 1 && mg.Platz <= 18)
                wahr(S.Mannschaft[ManagerVerein(m)].Name.roh() == mg.Vereinsname.roh(),
                     wer + "zeigt nicht auf seinen Verein");
            bereich(wer + "KaderAnzahl", mg.KaderAnzahl, 0, 23);
            bereich(wer + "Einsatz", mg.Einsatz, -100, 100);
            bereich(wer + "Aktien", mg.Aktien, 0, 20000);
            bereich(wer + "Trainingsstunden", mg.Trainingsstunden, 1, 10);
            wahr(mg.Trainer == -1 || (mg.Trainer >= 1 && mg.Trainer <= 12), wer + "Trainer");
            wahr(mg.Managerpunkte >= 1.0f && mg.Managerpunkte <= 100.0f, wer + "Managerpunkte");
            for (int i = 1; i <= mg.KaderAnzahl; ++i) {
                const Kaderspieler_& k = mg.Kader[i];
                bereich(wer + "Technik", k.Technik, 1, 120);
                bereich(wer + "Konstitution", k.Konstitution, 1, 60);
                bereich(wer + "Form", k.Form, -10, 10);
                bereich(wer + "Verletzt", k.Verletzt, 0, 10);
                bereich(wer + "VerletzungArt", k.VerletzungArt, 0, 10);
                bereich(wer + "Vertrag", k.Vertrag, 1, 7);
                wahr(!k.Vorname.leer(), wer + "Spieler ohne Namen");
            }
            for (int i = mg.KaderAnzahl + 1; i <= 23; ++i)
                wahr(mg.Kader[i].Vorname.leer(), wer + "Eintrag hinter dem Kader");
        }
        const auto n = S.Saisonbilanz[0].laenge();
        for (int m = 0; m <= 3; ++m) wahr(S.Saisonbilanz[m].laenge() == n, "Saisonbilanzen gleich lang");
        wahr(n == sp.Saison + 1, "Saisonbilanz passt zur Saison");
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
    const long start = BeendeteSaisons;
    long klicks = 0;
    try {
        while (BeendeteSaisons - start < ziel && pruefer.fehler.size() < 20) {
            if (SpielVorbei()) {
                ASSERT_TRUE(SpielAufGrunddaten(4));
                ++spiele;
                pruefer.pruefen();
            }
            const long saisons = BeendeteSaisons;
            AbschlussClick();
            if (BeendeteSaisons != saisons && !SpielVorbei()) pruefer.pruefen();
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
        const long vorher = GespielteTage;
        const Ausgabe a = Lauf({"1", "--managers", f.manager, "--seed", f.saat, "--days", std::to_string(f.tage)});
        ASSERT_EQ(a.code, 0) << a.fehler;
        EXPECT_EQ(GespielteTage - vorher, f.tage) << "Saat " << f.saat << "\n" << a.aus;
        EXPECT_EQ(a.tage(), f.tage) << a.aus;
        EXPECT_EQ(TageGrenze, -1) << "die Grenze gilt nur während des Laufs";
    }
}
