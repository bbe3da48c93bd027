// Ein Manager verlässt das Spiel: die Plätze rücken samt ihren Tabellen auf; der letzte beendet es.
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "season/Pleite.h"

#include <gtest/gtest.h>

using namespace torvane;

namespace {
// Drei Manager, jeder mit erkennbaren Einträgen in allen Tabellen seines Platzes.
void DreiManager()
{
    S = Spielstand{};
    S.Spiel.ManagerHoch = 2;
    for (int m = 0; m <= 3; ++m) {
        S.Manager[m].Name = "Manager " + std::to_string(m);
        S.Optionen[m][OptTempo] = static_cast<uint8_t>(m);
        S.Statistik[m].Geldgrenze = static_cast<int16_t>(100 + m);
        S.Vorwerte[m].Vermoegen = 77 * (m + 1);
        S.Werbevertraege[m][3].Betrag = 500 * (m + 1);
        S.Saisonbilanz[m].laengeSetzen(3);
        S.Saisonbilanz[m][1].Platz = static_cast<uint8_t>(10 + m);
    }
}

struct Protokollende : Pleiteanzeige {
    std::vector<std::string> aufrufe;
    Protokollende() { PleiteAnzeigeSetzen(this); }
    ~Protokollende() override { PleiteAnzeigeSetzen(nullptr); }
    void zeigen(const std::string& label2) override { aufrufe.push_back("zeigen:" + label2); }
    void warteAufTschuess() override { aufrufe.push_back("tschuess"); }
    void programmBeenden() override { aufrufe.push_back("ende"); }
};
} // namespace

TEST(ManagerEntfernen, MittlererPlatzRuecktMitAllenTabellenAufDerLetzteOhneKlang)
{
    SkriptOberflaeche ui;
    DreiManager();
    S.AktManager = 1;
    ManagerEntfernen();
    EXPECT_EQ(S.Spiel.ManagerHoch, 1);
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"axe"});
    EXPECT_TRUE(ui.enthaelt("Warte:800"));
    EXPECT_EQ(S.Manager[0].Name.text(), "Manager 0");
    EXPECT_EQ(S.Manager[1].Name.text(), "Manager 2");
    // Der Nachrücker bringt seine Geschichte mit und erbt nicht die des Entfernten; Platz 0 bleibt.
    EXPECT_EQ((std::vector<int>{S.Optionen[1][OptTempo], S.Statistik[1].Geldgrenze, S.Vorwerte[1].Vermoegen,
                                S.Werbevertraege[1][3].Betrag, S.Saisonbilanz[1][1].Platz,
                                static_cast<int>(S.Saisonbilanz[1].laenge()), S.Statistik[0].Geldgrenze}),
              (std::vector<int>{2, 102, 231, 1500, 12, 3, 100}));

    // Der letzte aktive Platz geht ohne Klang.
    ui.leeren();
    ManagerEntfernen();
    EXPECT_EQ(S.Spiel.ManagerHoch, 0);
    EXPECT_TRUE(ui.klaenge().empty());
    EXPECT_EQ(S.Manager[0].Name.text(), "Manager 0");
}

TEST(Pleite, BildschirmEntferntUndBeendetBeimLetzten)
{
    SkriptOberflaeche ui;
    Protokollende anzeige;
    DreiManager();
    S.Manager[0].Name = "Hildegard-Luise";
    S.AktManager = 0;
    EXPECT_TRUE(PleiteAbwickeln());
    EXPECT_EQ(S.Spiel.ManagerHoch, 1);
    EXPECT_EQ(anzeige.aufrufe, (std::vector<std::string>{"zeigen:Hildegard-Luise hat´s geschafft", "tschuess"}));
    EXPECT_EQ(PleiteZeile(0), "Manager 1 hat´s geschafft");

    // Der Letzte: das Spiel und das Programm enden.
    anzeige.aufrufe.clear();
    S.Spiel.ManagerHoch = 0;
    EXPECT_FALSE(PleiteAbwickeln());
    EXPECT_TRUE(SpielVorbei());
    EXPECT_EQ(anzeige.aufrufe, (std::vector<std::string>{"zeigen:Manager 1 hat´s geschafft", "tschuess", "ende"}));
}

TEST(Pleite, EndeOhneSpielnamenSpeichertNichts)
{
    SkriptOberflaeche ui;
    DreiManager();
    EXPECT_FALSE(EndeAutospeichern());
    EXPECT_TRUE(ui.protokoll.empty());
}
