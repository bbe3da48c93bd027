// Das Menü wird gesagt, nicht gefragt: jede Aktion meldet, dass sich der Spielstand geändert hat,
// sobald sie gebucht hat; eine abgelehnte meldet nichts. Dazu die Namen der Menüpunkte und Befehle.
#include "core/Befehl.h"
#include "core/Menue.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "finance/Bank.h"
#include "finance/Stadion.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

using namespace torvane;

namespace {

// Merkt sich, welchen Kontostand das Menü zuletzt gezeichnet hätte.
struct Zaehler : Menueanzeige {
    int geaendert = 0;
    int32_t gezeigt = 0;
    Zaehler() : gezeigt(S.Manager[0].Kontostand) { MenueAnzeigeSetzen(this); }
    ~Zaehler() override { MenueAnzeigeSetzen(nullptr); }
    void spielstandGeaendert() override
    {
        ++geaendert;
        gezeigt = S.Manager[0].Kontostand;
    }
};

} // namespace

TEST(Menue, NachJederAktionZeigtDasMenueDenKontostand)
{
    struct Fall {
        const char* was;
        std::function<void(Manager_&)> lage;
        std::function<bool()> tat;
        bool gebucht;
    };
    const Fall faelle[] = {
        {"Plätze kaufen", [](Manager_& mg) { mg.Kontostand = 10000000; }, [] { return PlaetzeKaufen(0, 1000); }, true},
        {"Plätze ohne Geld", [](Manager_& mg) { mg.Kontostand = 0; }, [] { return PlaetzeKaufen(0, 1000); }, false},
        {"Darlehen", [](Manager_& mg) { mg.Kontostand = 1000000; },
         [] { return DarlehenAufnehmen(0, 100000, 10, false); }, true},
        {"Darlehen, das das Konto überliefe",
         [](Manager_& mg) {
             mg.Kontostand = 2100000000;
             mg.Kredit = 500000000;
         },
         [] { return DarlehenAufnehmen(0, 100000000, 10, false); }, false},
    };
    for (const Fall& f : faelle) {
        S = Spielstand{};
        Manager_& mg = S.Manager[0];
        mg.Liga = 4;
        mg.Eintrittspreis = 10;
        S.Spiel.Aktienkurs = 1000;
        f.lage(mg);
        const int32_t konto = mg.Kontostand;
        SkriptOberflaeche ui; // Ablehnungen zeigen nur einen Hinweis
        Zaehler menue;
        EXPECT_EQ(f.tat(), f.gebucht) << f.was;
        // Gezeichnet wird auch vor einem Hinweis; danach zeigt das Menü, was gebucht ist.
        EXPECT_EQ(menue.gezeigt, mg.Kontostand) << f.was;
        if (f.gebucht) {
            EXPECT_GE(menue.geaendert, 1) << f.was;
        }
        EXPECT_EQ(mg.Kontostand != konto, f.gebucht) << f.was;
    }
    // Ohne Bildschirm hört niemand zu, und nichts geschieht.
    SpielstandGeaendert();
}

// Gleiche Namen verwechselten Knöpfe im Menü bzw. Antworten im Testskript.
TEST(Menue, NamenDerPunkteUndBefehleSindEindeutig)
{
    std::set<std::string> texte;
    int frei = 0;
    for (const Menueeintrag& e : Menuetafel) {
        if (!e.text) {
            ++frei;
            continue;
        }
        EXPECT_TRUE(texte.insert(e.text).second) << e.text;
    }
    EXPECT_EQ(texte.size() + static_cast<size_t>(frei), Menuetafel.size());
    EXPECT_EQ(Menuetafel.size() % PunkteJeGruppe, 0u);

    std::set<std::string_view> namen;
    for (int b = 0; b <= static_cast<int>(Befehlswert::Nein); ++b) {
        const std::string_view n = BefehlName(static_cast<Befehlswert>(b));
        EXPECT_EQ(n.empty(), static_cast<Befehlswert>(b) == Befehlswert::Keiner);
        EXPECT_TRUE(namen.insert(n).second) << n;
    }
}
