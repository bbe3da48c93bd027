// Die Pokalübersicht aus den Feldern der Vereine: Paarungen, Hinspiele, Sieger, Hinspielstand.
#include "Welt.h"

#include "match/Pokaltafel.h"

using namespace matchtest;

namespace {

std::vector<std::tuple<int, int, int>> Gezogen(const Pokaltafel& t)
{
    std::vector<std::tuple<int, int, int>> l;
    for (const Pokalpaarung& p : t.paarungen) l.emplace_back(p.paarung, p.heim, p.gast);
    return l;
}

} // namespace

TEST(Pokaltafel, PaarungenSiegerUndHinspieleAusDenFeldern)
{
    S = Spielstand{};
    EXPECT_TRUE(PokaltafelLesen(Wettbewerb_::Dfb).paarungen.empty()); // ohne Grunddaten

    WeltBauen();
    // DFB: nur die 72 Ligavereine zählen; "J" wartet auf die Auslosung, ein kaputtes Feld zeigt nichts.
    S.Mannschaft[3].DfbRunde = "1";
    S.Mannschaft[7].DfbRunde = "-1";
    S.Mannschaft[10].DfbRunde = "2";
    S.Mannschaft[12].DfbRunde = "J";
    S.Mannschaft[20].DfbRunde = "Sieger";
    S.Mannschaft[30].DfbRunde = "x";
    S.Mannschaft[75].DfbRunde = "3";
    Pokaltafel dfb = PokaltafelLesen(Wettbewerb_::Dfb);
    EXPECT_EQ(Gezogen(dfb), (std::vector<std::tuple<int, int, int>>{{1, 3, 7}, {2, 10, 0}}));
    EXPECT_EQ(dfb.sieger, 20);
    EXPECT_FALSE(dfb.hinspiele);

    // Europapokal: die Paarung steht hinter A, ein B von -1 heißt "Hinspiel steht an".
    S.Mannschaft[5].UefaRunde = "A2B0C1D3";
    S.Mannschaft[85].UefaRunde = "A-2B3C4D0";
    Pokaltafel uefa = PokaltafelLesen(Wettbewerb_::Uefa);
    EXPECT_EQ(Gezogen(uefa), (std::vector<std::tuple<int, int, int>>{{2, 5, 85}}));
    EXPECT_FALSE(uefa.hinspiele);
    EXPECT_EQ(uefa.sieger, 0);
    S.Mannschaft[9].UefaRunde = "A-1B-1C0D0";
    uefa = PokaltafelLesen(Wettbewerb_::Uefa);
    EXPECT_EQ(Gezogen(uefa), (std::vector<std::tuple<int, int, int>>{{1, 0, 9}, {2, 5, 85}}));
    EXPECT_TRUE(uefa.hinspiele);
}

TEST(Pokaltafel, HinspielstandAusSichtDesHeutigenGastgebers)
{
    struct Fall {
        const char* heim;
        const char* gast;
        const char* stand;
    };
    const Fall faelle[] = {
        {"A1B-1C0D0", "A-1B-1C0D0", "(-:-)"},
        // Hinspiel 1:2 beim heutigen Gast: heute daheim steht es 2:1.
        {"A7B3C0D2", "A-7B0C1D0", "(2:1)"},
        {"A2B0C1D3", "A-2B3C4D0", "(3:4)"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(Hinspielstand(f.heim, f.gast), f.stand) << f.heim;
}
