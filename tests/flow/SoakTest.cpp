// Dauerlauf: viele Saisons mit vier Managern auf den ausgelieferten Grunddaten, als
// Computermanager oder ganz ohne Züge. Nach jedem Tag und jedem Saisonende werden die
// Invarianten geprüft, nach jedem Zug eines Computermanagers seine Käufe und sein Geld.
// Sind alle Manager ausgeschieden, beginnt ein neues Spiel.
// TORVANE_DAUERLAUF_SAISONS setzt die Zahl der Saisons (Vorgabe 20).
#include "Invarianten.h"
#include "Spielwelt.h"
#include "core/Konto.h"
#include "core/SpielstandDatei.h"
#include "finance/Vermoegen.h"
#include "flow/Assistent.h"
#include "core/SpielstandDatei.h"
#include "flow/Autoplay.h"
#include "season/Pleite.h"
#include "season/Saisonende.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
        // Was das Spiel selbst speichert, muss sich immer wieder laden lassen.
        if (tage % 10 == 0) {
            const SpielstandPruefung p = SpielstandGanzPruefen(SpielstandSchreiben());
            wahr(p.ergebnis == Pruefergebnis::Gut, "der eigene Spielstand wird abgewiesen: " + p.grund);
        }
    }
};

int Saisons()
{
    const char* e = std::getenv("TORVANE_DAUERLAUF_SAISONS");
    const int n = e ? std::atoi(e) : 0;
    return n > 0 ? n : 20;
}

bool AufSieg(int m)
{
    const std::string name = S.Manager[m].Name.text();
    return name == Vorgabenamen[0].Name || name == Vorgabenamen[2].Name;
}

// Wer sich nach einer gescheiterten Verlängerung selbst auf die Liste setzt (2), zählt nicht als gelistet.
int Ungelistet(const Manager_& mg)
{
    int n = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) n += mg.Kader[i].Transferstatus != 1;
    return n;
}

// Ein Zug des Computermanagers m: nicht unter 16 Ungelistete gelistet, jeder neue Spieler kam vom
// Markt und hat dort seine Zeile geräumt, Bälle im Rahmen, keine teure Überziehung; mit
// aufgefuellt auch 11 bis 23 Spieler, solange der Markt noch jemanden anbietet. Gibt die Zahl der Käufe zurück.
int ZugPruefen(int m, Invarianten& p, bool aufgefuellt)
{
    Manager_& mg = S.Manager[m];
    std::set<std::string> kader, markt;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) kader.insert(NameVon(mg.Kader[i]));
    for (int r = 1; r <= 11; ++r)
        if (S.Transferliste[r].Transferstatus != 0) markt.insert(NameVon(S.Transferliste[r]));
    const int ungelistet = Ungelistet(mg);
    AssistentZug(m, AufSieg(m) ? AssistentStufe::Neu : AssistentStufe::Alt);

    p.wo = "Zug von Manager " + std::to_string(m) + " in Saison " + std::to_string(S.Spiel.Saison);
    if (aufgefuellt) {
        // Unter elf nur, wenn er den Markt leer gekauft hat und keiner mehr zu haben ist.
        int angeboten = 0;
        for (int r = 1; r <= 11; ++r) angeboten += S.Transferliste[r].Transferstatus != 0;
        p.bereich("Kader", mg.KaderAnzahl, angeboten == 0 ? 1 : 11, 23);
    }
    p.wahr(ungelistet < AssistentMindestkader || Ungelistet(mg) >= AssistentMindestkader,
           "unter 16 Ungelistete gelistet");
    int kaeufe = 0;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const std::string name = NameVon(mg.Kader[i]);
        if (kader.count(name)) continue;
        ++kaeufe;
        p.wahr(markt.count(name) > 0, name + " kam nicht vom Markt");
        for (int r = 1; r <= 11; ++r)
            p.wahr(S.Transferliste[r].Transferstatus == 0 || NameVon(S.Transferliste[r]) != name,
                   name + " steht noch auf dem Markt");
    }
    p.wahr(mg.BaelleTechnik <= 11 && mg.BaelleKonstitution <= 11 &&
               mg.BaelleTechnik + mg.BaelleKonstitution <= mg.Baelle,
           "Bälle");
    BerechneVermoegen(m);
    p.wahr(-(mg.Vermoegen / 10) <= mg.Kontostand, "teure Überziehung");
    p.bereich("Eintrittspreis", mg.Eintrittspreis, 1, 100);
    p.wahr(mg.Sparbuch >= 0 && mg.Kredit >= 0, "Sparbuch oder Kredit negativ");
    return kaeufe;
}

// Die Saisons eines Dauerlaufs; mit zuege spielen die vier Manager als Computermanager (zwei auf
// Sieg, zwei wie früher), sonst bleiben ihre Züge leer, bis sie pleite gehen oder absteigen.
void Dauerlauf(bool zuege, uint32_t saat)
{
    Mitschrift ui;
    if (zuege) ui.frage = [](const std::string& text, Knoepfe k) { return AssistentAntwort(S.AktManager, text, k); };
    Pruefer pruefer;
    EchtesSpiel(4, saat);
    pruefer.pruefen();

    const int ziel = Saisons();
    int spiele = 1;
    long beendet = 0; // über alle Spiele; die Sitzung zählt je Spiel
    long klicks = 0;
    int kaeufe = 0;
    try {
        while (beendet < ziel && pruefer.fehler.size() < 20) {
            if (SpielVorbei()) {
                ASSERT_TRUE(SpielAufGrunddaten(4));
                ++spiele;
                pruefer.pruefen();
            }
            const long saisons = Sitzung.BeendeteSaisons;
            // Den vollen Kader nur in den ersten drei Saisons: später kauft ein Manager, dessen Geld
            // auf dem Sparbuch liegt, vom Konto allein nicht nach.
            if (zuege && Sitzung.ZugOffen && HatSpiel(S.AktManager))
                kaeufe += ZugPruefen(S.AktManager, pruefer, spiele == 1 && beendet < 3);
            AbschlussClick();
            beendet += Sitzung.BeendeteSaisons - saisons;
            if (Sitzung.BeendeteSaisons != saisons && !SpielVorbei()) pruefer.pruefen();
            // Nach drei Saisons: Käufe, keiner pleite oder aus der Oberliga gefallen, und wer auf Sieg
            // spielt, steht in der Ligenpyramide weiter oben.
            if (zuege && spiele == 1 && beendet == 3 && saisons != Sitzung.BeendeteSaisons) {
                std::array<int, 2> rang{}; // Summe der Plätze: wie früher, auf Sieg
                for (int m = 0; m <= S.Spiel.ManagerHoch; ++m)
                    rang[AufSieg(m) ? 1 : 0] += (S.Manager[m].Liga - 1) * 18 + S.Manager[m].Platz;
                EXPECT_EQ(S.Spiel.ManagerHoch, 3);
                EXPECT_LT(rang[1], rang[0]);
                EXPECT_GT(kaeufe, 8) << "vier Manager füllen ihre 14 Spieler auf";
            }
            ASSERT_LT(++klicks, 1000000L) << "der Ablauf kommt nicht voran";
        }
    } catch (const std::exception& e) {
        ADD_FAILURE() << "Fehler in Saison " << S.Spiel.Saison << ", Spieltag " << S.Spiel.Spieltag << ": "
                      << e.what();
    }
    for (const auto& f : pruefer.fehler) ADD_FAILURE() << f;
    EXPECT_GE(pruefer.tage, 75L * ziel);
    if (!zuege) {
        EXPECT_GT(spiele, 1) << "ohne Züge endet ein Spiel, und ein neues beginnt";
    }
    ::testing::Test::RecordProperty("Spiele", spiele);
    ::testing::Test::RecordProperty("Tage", static_cast<int>(pruefer.tage));
}

} // namespace

TEST(Dauerlauf, SaisonsMitVierComputermanagern) { Dauerlauf(true, 5); }

// Manager, die pleite gehen oder absteigen, verlassen das Spiel mitten in der Saison.
TEST(Dauerlauf, SaisonsOhneZuege) { Dauerlauf(false, 2024); }

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

TEST(Autoplay, SaisonBericht)
{
    // Gemischt: Berta spielt wie früher. Gleiche Saat, gleiches Spiel hält der goldene Lauf fest.
    const std::vector<std::string> argumente{"1", "--managers", "2", "--seed", "5", "--stufe", "gemischt"};
    const Ausgabe a = Lauf(argumente);
    ASSERT_EQ(a.code, 0) << a.fehler;
    for (const char* z : {"Saison 1\n  Meister Bundesliga: ", "  DFB-Pokal: ", "  Uefa Pokal: ",
                          "  Pokal der Pokalsieger: ", "  Champions League: ", "  Alfred (AC Achern): Oberliga, Platz ",
                          "  Berta (BF Burgen): Oberliga, Platz ",
                          "Stand: Saison 2, 0. Spieltag, nächster Wettbewerb Liga, 75 Wettbewerbstage gespielt"})
        EXPECT_NE(a.aus.find(z), std::string::npos) << z << "\n" << a.aus;
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

// Am Boden des Kontos mit vollem Sparbuch trägt das Konto die Kosten des Abschlusses erst, wenn
// Geld vom Sparbuch kommt: Computermanager und passive Manager holen es selbst, der Lauf geht weiter.
TEST(Autoplay, BodenDesKontosMitVollemSparbuch)
{
    namespace fs = std::filesystem;
    const fs::path ordner = fs::temp_directory_path() / "torvane_autoplay_boden";
    fs::create_directories(ordner);
    const std::string datei = (ordner / "boden.lig").string();
    ASSERT_EQ(Lauf({"1", "--managers", "2", "--seed", "4", "--days", "3", "--save", datei}).code, 0);
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) {
        S.Manager[m].Kontostand = static_cast<int32_t>(KontoMin + 1);
        S.Manager[m].Sparbuch = static_cast<int32_t>(KontoMax);
        S.Manager[m].DarlehenRestSpiele = 10;
        S.Manager[m].DarlehenRate = 100000;
    }
    std::ofstream(datei, std::ios::binary) << SpielstandSchreiben();
    for (const char* stufe : {"--passiv", "--no-restart"}) {
        const Ausgabe a = Lauf({"1", "--load", datei, "--days", "4", stufe});
        ASSERT_EQ(a.code, 0) << stufe << "\n" << a.fehler;
        EXPECT_EQ(a.tage(), 4) << a.aus;
        EXPECT_EQ(S.Spiel.ManagerHoch, 1) << stufe;
        for (int m = 0; m <= S.Spiel.ManagerHoch; ++m) EXPECT_GT(S.Manager[m].Kontostand, KontoMin / 2) << stufe;
    }
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
