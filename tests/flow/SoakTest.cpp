// Dauerlauf: viele Saisons mit vier automatischen Managern auf den ausgelieferten
// Grunddaten; nach jedem Tag und jedem Saisonende werden die Invarianten geprüft.
// Sind alle Manager ausgeschieden, beginnt ein neues Spiel.
// TORVANE_DAUERLAUF_SAISONS setzt die Zahl der Saisons (Vorgabe 20).
#include "core/AutoOberflaeche.h"
#include "core/Funky.h"
#include "core/Variablen.h"
#include "flow/Neuanlage.h"
#include "flow/Zug.h"
#include "season/Pleite.h"
#include "season/Saisonende.h"

#include <gtest/gtest.h>

#include <cstdlib>
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
