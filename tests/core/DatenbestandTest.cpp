// Die ausgelieferte Spielwelt in daten/ taugt für ein ganzes Spiel.
#include "core/Daten.h"
#include "core/Variablen.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace torvane;

namespace {

// Jeder Platz spielt an jedem Tag genau einmal, jedes Paar trifft sich genau einmal,
// Heimspiele gleichmäßig verteilt.
template <class Plan>
void PlanPruefen(const Plan& plan, int tage, int paarungen, int plaetze)
{
    std::set<std::pair<int, int>> paare;
    std::map<int, int> heim;
    for (int t = 1; t <= tage; ++t) {
        std::set<int> heute;
        for (int p = 1; p <= paarungen; ++p) {
            const int h = plan[t][p][0], g = plan[t][p][1];
            ASSERT_NE(h, g);
            EXPECT_TRUE(heute.insert(h).second) << "Tag " << t;
            EXPECT_TRUE(heute.insert(g).second) << "Tag " << t;
            EXPECT_TRUE(paare.insert({std::min(h, g), std::max(h, g)}).second);
            ++heim[h];
        }
        EXPECT_EQ(static_cast<int>(heute.size()), plaetze);
    }
    EXPECT_EQ(static_cast<int>(paare.size()), plaetze * (plaetze - 1) / 2);
    for (int s = 1; s <= plaetze; ++s) {
        EXPECT_GE(heim[s], (plaetze - 1) / 2);
        EXPECT_LE(heim[s], plaetze / 2);
    }
}

} // namespace

TEST(Datenbestand, SpielweltIstVollstaendig)
{
    S = Spielstand{};
    ASSERT_TRUE(DatenLaden(TORVANE_QUELLEN "/daten/"));

    // Nationen: Deutschland zuerst, genug ausländische.
    ASSERT_GE(S.Spiel.NationAnzahl, 21);
    EXPECT_EQ(S.Nation[1].Kuerzel, "D");
    for (int n = 1; n <= S.Spiel.NationAnzahl; ++n) {
        EXPECT_GE(S.Nation[n].Bonus, -10);
        EXPECT_LE(S.Nation[n].Bonus, 10);
    }

    // Vereine: 4 x 18 deutsche in den Ligen 1..4, Liga 5, dann die ausländischen nach Nation.
    EXPECT_GE(S.Spiel.DeutscheHoch, 72 + 18);
    std::set<std::string> namen;
    std::map<std::string, int> vereineJeNation;
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
        const Mannschaft_& m = S.Mannschaft[i];
        EXPECT_FALSE(m.Name.leer());
        EXPECT_TRUE(namen.insert(m.Name.text()).second) << m.Name.text();
        if (i <= S.Spiel.DeutscheHoch) {
            EXPECT_EQ(m.Nation.text(), "D");
            EXPECT_EQ(m.Liga, i <= 72 ? (i - 1) / 18 + 1 : 5) << i;
        } else {
            EXPECT_NE(m.Nation.text(), "D");
            EXPECT_GT(NationNachKuerzel(m.Nation.text()), 0) << m.Name.text();
            ++vereineJeNation[m.Nation.text()];
        }
    }
    int nationenMitSechs = 0;
    for (const auto& [nation, anzahl] : vereineJeNation) {
        EXPECT_LE(anzahl, 8) << nation;
        nationenMitSechs += anzahl >= 6;
    }
    EXPECT_GE(vereineJeNation.size(), 20u);
    EXPECT_GE(nationenMitSechs, 15);

    // Spielerpool: genug von jeder Position, jede Nation vertreten, keine Doppelten.
    ASSERT_GE(S.Spiel.SpielerHoch, 2000);
    std::map<std::string, int> positionen;
    std::set<std::string> nationenDerSpieler, spielerNamen;
    for (int i = 1; i <= S.Spiel.SpielerHoch; ++i) {
        const Spieler_& s = S.Spieler[i];
        EXPECT_FALSE(s.Vorname.leer());
        EXPECT_FALSE(s.Nachname.leer());
        EXPECT_TRUE(spielerNamen.insert(s.Vorname.text() + " " + s.Nachname.text()).second);
        EXPECT_GT(NationNachKuerzel(s.Nation.text()), 0);
        ++positionen[s.Position.text()];
        nationenDerSpieler.insert(s.Nation.text());
    }
    EXPECT_EQ(positionen.size(), 4u);
    const double n = S.Spiel.SpielerHoch;
    EXPECT_NEAR(positionen["T"] / n, 0.10, 0.03);
    EXPECT_NEAR(positionen["V"] / n, 0.33, 0.05);
    EXPECT_NEAR(positionen["M"] / n, 0.33, 0.05);
    EXPECT_EQ(static_cast<int>(nationenDerSpieler.size()), S.Spiel.NationAnzahl);

    PlanPruefen(S.Spieltage, 17, 9, 18);
    PlanPruefen(S.ChlSpieltage, 15, 8, 16);

    // Spielsysteme 1..5: Ziffern ergeben 10, Markierungen im Bild.
    for (int s = 1; s <= 5; ++s) {
        const int code = S.SpielSysteme[1][0][s];
        EXPECT_EQ(code / 100 + code / 10 % 10 + code % 10, 10) << code;
        for (int e = 1; e <= 11; ++e) {
            EXPECT_GE(S.SpielSysteme[0][e][s], 0);
            EXPECT_GE(S.SpielSysteme[1][e][s], 0);
        }
    }
}
