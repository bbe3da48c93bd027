// Dauerlauf: viele Saisons mit vier automatischen Managern auf den ausgelieferten
// Grunddaten; nach jedem Tag und jedem Saisonende werden die Invarianten geprüft.
// Sind alle Manager ausgeschieden, beginnt ein neues Spiel.
// TORVANE_DAUERLAUF_SAISONS setzt die Zahl der Saisons (Vorgabe 20).
#include "core/AutoOberflaeche.h"
#include "core/Funky.h"
#include "core/Variablen.h"
#include "flow/Autoplay.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "season/Pleite.h"
#include "season/Saisonende.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

using namespace torvane;

namespace {

int Saisons()
{
    const char* e = std::getenv("TORVANE_DAUERLAUF_SAISONS");
    const int n = e ? std::atoi(e) : 0;
    return n > 0 ? n : 20;
}

// Sammelt Verstöße; ein Test soll alle auf einmal zeigen, nicht nur den ersten.
struct Pruefer {
    std::vector<std::string> fehler;
    std::string wo;

    template <class T>
    void bereich(const char* was, T wert, long von, long bis)
    {
        if (static_cast<long>(wert) < von || static_cast<long>(wert) > bis) {
            std::ostringstream s;
            s << wo << ": " << was << " = " << static_cast<long>(wert) << " nicht in " << von << ".." << bis;
            fehler.push_back(s.str());
        }
    }
    void wahr(bool b, const std::string& was)
    {
        if (!b) fehler.push_back(wo + ": " + was);
    }

    void pruefen()
    {
        const Spiel_& sp = S.Spiel;
        std::ostringstream w;
        w << "Saison " << sp.Saison << " Spieltag " << sp.Spieltag << " Wettbewerb " << sp.Wettbewerb;
        wo = w.str();

        bereich("Spieltag", sp.Spieltag, 0, 34);
        bereich("Wettbewerb", sp.Wettbewerb, 0, 4);
        bereich("ChlSpieltag", sp.ChlSpieltag, 0, 15);
        bereich("ManagerHoch", sp.ManagerHoch, 0, 3);
        bereich("AktManager", S.AktManager, 0, sp.ManagerHoch);
        bereich("Aktienkurs", sp.Aktienkurs, 100, 1000000);

        std::set<std::string> alle;
        for (int liga = 1; liga <= 4; ++liga) {
            for (int p = 1; p <= 18; ++p) {
                const int i = VereinAufPlatz(liga, p);
                const Mannschaft_& v = S.Mannschaft[i];
                alle.insert(std::string(v.Name.roh()));
                wahr(v.Liga == liga, "Verein " + std::to_string(i) + " hat Liga " + std::to_string(v.Liga));
                wahr(v.Platz == p, "Verein " + std::to_string(i) + " hat Platz " + std::to_string(v.Platz));
                bereich("Moral", v.Moral, 1, 100);
                bereich("Verteidigung", v.Verteidigung, 0, 200);
                bereich("Mittelfeld", v.Mittelfeld, 0, 200);
                bereich("Angriff", v.Angriff, 0, 200);
                if (p > 1) {
                    const Mannschaft_& davor = S.Mannschaft[i - 1];
                    wahr(davor.Punkte >= v.Punkte, "Tabellenordnung der Liga " + std::to_string(liga) + " bei Platz " +
                                                       std::to_string(p));
                }
            }
        }
        wahr(alle.size() == 72, "72 verschiedene Vereine in den Ligen 1..4, gefunden " + std::to_string(alle.size()));

        for (int m = 0; m <= sp.ManagerHoch; ++m) {
            const Manager_& mg = S.Manager[m];
            const std::string wer = "Manager " + std::to_string(m) + " ";
            bereich("Liga", mg.Liga, 1, 4);
            bereich("Platz", mg.Platz, 1, 18);
            if (mg.Liga >= 1 && mg.Liga <= 4 && mg.Platz >= 1 && mg.Platz <= 18)
                wahr(S.Mannschaft[ManagerVerein(m)].Name.roh() == mg.Vereinsname.roh(),
                     wer + "zeigt nicht auf seinen Verein");
            bereich("KaderAnzahl", mg.KaderAnzahl, 0, 23);
            bereich("Einsatz", mg.Einsatz, -100, 100);
            bereich("Aktien", mg.Aktien, 0, 20000);
            bereich("Trainingsstunden", mg.Trainingsstunden, 1, 10);
            wahr(mg.Trainer == -1 || (mg.Trainer >= 1 && mg.Trainer <= 12), wer + "Trainer");
            wahr(mg.Managerpunkte >= 1.0f && mg.Managerpunkte <= 100.0f, wer + "Managerpunkte");
            for (int i = 1; i <= mg.KaderAnzahl; ++i) {
                const Kaderspieler_& k = mg.Kader[i];
                bereich("Technik", k.Technik, 1, 120);
                bereich("Konstitution", k.Konstitution, 1, 60);
                bereich("Form", k.Form, -10, 10);
                bereich("Verletzt", k.Verletzt, 0, 10);
                bereich("VerletzungArt", k.VerletzungArt, 0, 10);
                bereich("Vertrag", k.Vertrag, 1, 7);
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

// Prüft nach jedem gespielten Tag.
struct Tagespruefung : Menueanzeige {
    Pruefer& p;
    long tage = 0;
    explicit Tagespruefung(Pruefer& pr) : p(pr) { MenueAnzeigeSetzen(this); }
    ~Tagespruefung() override { MenueAnzeigeSetzen(nullptr); }
    void tagEndet() override
    {
        ++tage;
        p.pruefen();
    }
};

bool NeuesSpiel()
{
    std::vector<std::pair<std::string, std::string>> manager;
    for (int m = 0; m < 4; ++m) manager.emplace_back(Vorgabenamen[m].Name, Vorgabenamen[m].Verein);
    const bool ok = NeuesSpielOhneBildschirm(manager);
    ZugOffen = true;
    return ok;
}

} // namespace

TEST(Dauerlauf, SaisonsMitVierManagern)
{
    AutoOberflaeche ui;
    ui.dialogAntwort = [](const std::string&, Knoepfe k) {
        return k == Knoepfe::Ok || k == Knoepfe::OkAbbrechen ? Antwort::Ok : Antwort::Nein;
    };
    struct Aufraeumen {
        std::string daten = Pfade.Daten;
        ~Aufraeumen()
        {
            Pfade.Daten = daten;
            OberflaecheSetzen(nullptr);
        }
    } aufraeumen;
    OberflaecheSetzen(&ui);
    Pfade.Daten = TORVANE_QUELLEN "/daten/";

    Pruefer pruefer;
    Tagespruefung tagespruefung(pruefer);
    S = Spielstand{};
    ZufallSetzen(2024);
    ASSERT_TRUE(NeuesSpiel());
    pruefer.pruefen();

    const int ziel = Saisons();
    int spiele = 1;
    const long start = BeendeteSaisons;
    long klicks = 0;
    try {
        while (BeendeteSaisons - start < ziel && pruefer.fehler.size() < 20) {
            if (SpielVorbei()) {
                ASSERT_TRUE(NeuesSpiel());
                ++spiele;
                pruefer.pruefen();
            }
            const long saisons = BeendeteSaisons;
            AbschlussClick();
            ++klicks;
            if (BeendeteSaisons != saisons && !SpielVorbei()) pruefer.pruefen();
            ASSERT_LT(klicks, 1000000L) << "der Ablauf kommt nicht voran";
        }
    } catch (const std::exception& e) {
        ADD_FAILURE() << "Fehler in Saison " << S.Spiel.Saison << ", Spieltag " << S.Spiel.Spieltag << ": "
                      << e.what();
    }
    for (const auto& f : pruefer.fehler) ADD_FAILURE() << f;
    EXPECT_GE(tagespruefung.tage, 75L * ziel);
    RecordProperty("Spiele", spiele);
    RecordProperty("Tage", static_cast<int>(tagespruefung.tage));
}

// --- Das Spiel ohne Bildschirm ---

namespace {
struct Ausgabe {
    int code = -1;
    std::string aus, fehler;
};

Ausgabe Lauf(const std::vector<std::string>& argumente)
{
    AutoplayOptionen o;
    std::string f;
    Ausgabe a;
    if (!AutoplayArgumente(argumente, o, f)) {
        a.fehler = f;
        return a;
    }
    const std::string vorher = Pfade.Daten;
    Pfade.Daten = TORVANE_QUELLEN "/daten/";
    std::ostringstream aus, fehler;
    a.code = Autoplay(o, aus, fehler);
    Pfade.Daten = vorher;
    a.aus = aus.str();
    a.fehler = fehler.str();
    return a;
}
long GespielteTageIn(const std::string& aus)
{
    const auto ende = aus.find(" Wettbewerbstage gespielt");
    if (ende == std::string::npos) return -1;
    const auto anfang = aus.rfind(' ', ende - 1);
    return std::atol(aus.c_str() + anfang + 1);
}
} // namespace

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
    EXPECT_NE(a.aus.find("Saison 1\n  Meister Bundesliga: "), std::string::npos) << a.aus;
    for (const char* z : {"  DFB-Pokal: ", "  Uefa Pokal: ", "  Pokal der Pokalsieger: ", "  Champions League: ",
                          "  Alfred (AC Achern): Oberliga, Platz ", "  Berta (BF Burgen): Oberliga, Platz "})
        EXPECT_NE(a.aus.find(z), std::string::npos) << z;
    EXPECT_NE(a.aus.find("Stand: Saison 2, 0. Spieltag, nächster Wettbewerb Liga, 75 Wettbewerbstage gespielt"),
              std::string::npos)
        << a.aus;
    EXPECT_EQ(Lauf({"1", "--managers", "2", "--seed", "5"}).aus, a.aus);
    EXPECT_NE(Lauf({"1", "--managers", "2", "--seed", "6"}).aus, a.aus);
}

TEST(Autoplay, TageSpeichernLadenUndKaputterSpielstand)
{
    namespace fs = std::filesystem;
    const fs::path ordner = fs::temp_directory_path() / "torvane_autoplay_test";
    fs::create_directories(ordner);
    const std::string datei = (ordner / "stand.lig").string();

    const Ausgabe a = Lauf({"1", "--managers", "3", "--seed", "8", "--days", "12", "--save", datei});
    ASSERT_EQ(a.code, 0) << a.fehler;
    // Spielfreie Züge schließen sich in einem Klick und können den Lauf um ein, zwei Tage verlängern.
    EXPECT_GE(GespielteTageIn(a.aus), 12) << a.aus;
    EXPECT_LE(GespielteTageIn(a.aus), 15) << a.aus;
    ASSERT_TRUE(fs::exists(datei));

    const Ausgabe b = Lauf({"1", "--load", datei, "--days", "3"});
    ASSERT_EQ(b.code, 0) << b.fehler;
    EXPECT_NE(b.aus.find("3 Manager"), std::string::npos) << b.aus;
    EXPECT_GE(GespielteTageIn(b.aus), 3) << b.aus;
    EXPECT_LE(GespielteTageIn(b.aus), 6) << b.aus;

    const Ausgabe c = Lauf({"1", "--load", TORVANE_QUELLEN "/tests/data/spielstand_gekuerzt.lig"});
    EXPECT_NE(c.code, 0);
    EXPECT_FALSE(c.fehler.empty());
    const Ausgabe d = Lauf({"1", "--load", (ordner / "gibtsnicht.lig").string()});
    EXPECT_NE(d.code, 0);
    EXPECT_NE(d.fehler.find("Nicht vorhanden."), std::string::npos) << d.fehler;
    fs::remove_all(ordner);
}
