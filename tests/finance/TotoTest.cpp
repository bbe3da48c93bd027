// Toto: Einsatz und Gewinne je Liga, Setzen mit leerem Konto und ohne Spieltag, die neun
// Tipps von Paarung 9 hinab, der verlorene Einsatz und die Auswertung am nächsten Spieltag.
#include "../match/Welt.h"

#include "core/SkriptOberflaeche.h"
#include "finance/Toto.h"
#include "match/Spieltag.h"

#include <gtest/gtest.h>

#include <limits>

using namespace matchtest;

TEST(Toto, EinsatzUndGewinne)
{
    EXPECT_EQ(TotoEinsatz(1), 400000);
    EXPECT_EQ(TotoEinsatz(2), 200000);
    EXPECT_EQ(TotoEinsatz(3), 133333);
    EXPECT_EQ(TotoEinsatz(4), 100000);
    // Die Tafel der Oberliga: 3 -> 40 000 ... 9 -> 2 560 000, ein Richtiger 10 000.
    const int tafel[] = {10000, 20000, 40000, 80000, 160000, 320000, 640000, 1280000, 2560000};
    for (int c = 1; c <= 9; ++c) EXPECT_EQ(TotoGewinn(4, c), tafel[c - 1]) << c;
    EXPECT_EQ(TotoGewinn(1, 9), 10240000);
}

TEST(Toto, SetzenTippenVerlassen)
{
    SkriptOberflaeche ui;
    WeltBauen();
    ManagerSetzen(0, 57);
    Manager_& mg = S.Manager[0];
    S.Spiel.Spieltag = 5;

    // Mit -1 nicht, mit genau 0 schon.
    TotoSchein schein;
    mg.Kontostand = -1;
    EXPECT_EQ(TotoSetzen(0, schein), TotoStart::KontoLeer);
    EXPECT_EQ(mg.Kontostand, -1);
    EXPECT_FALSE(schein.laeuft());
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Bist du Spielsüchtig ?\r\nDenn dein Konto ist sooooo leer !\r\n"
                                                   "Änder das und Du kannst wieder zocken."});
    mg.Kontostand = 0;
    ASSERT_EQ(TotoSetzen(0, schein), TotoStart::Gesetzt);
    EXPECT_EQ(mg.Kontostand, -100000);
    EXPECT_EQ(schein.spieltag, 6);
    EXPECT_EQ(schein.offen, 9);
    for (int p = 1; p <= 9; ++p) {
        EXPECT_EQ(schein.heim[p], SpielplanMannschaft(4, 6, p, 0));
        EXPECT_EQ(schein.gast[p], SpielplanMannschaft(4, 6, p, 1));
        EXPECT_GT(schein.heim[p], 54);
    }
    EXPECT_EQ(TotoSetzen(0, schein), TotoStart::SchonGesetzt);
    EXPECT_EQ(mg.Kontostand, -100000);

    // Acht Tipps, dann gegangen: Tipp und Einsatz sind weg.
    EXPECT_FALSE(TotoTippen(schein, 'x'));
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(TotoTippen(schein, '1'));
    EXPECT_TRUE(mg.TotoTip.leer());
    ui.leeren();
    EXPECT_TRUE(TotoVerlassen(schein));
    EXPECT_TRUE(mg.TotoTip.leer());
    EXPECT_EQ(mg.Kontostand, -100000);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"TotoTip nicht abgeschlossen.\r\nDas Geld behält die Bank. "
                                                   "(Scheffel)\r\n\r\nTja, was man Anfängt sollte man zu Ende führen."});
    EXPECT_FALSE(TotoVerlassen(schein));

    // Neun Tipps von Paarung 9 hinab: Paarung k steht an Stelle k; ein zehnter geht nicht.
    mg.Kontostand = 500000;
    ASSERT_EQ(TotoSetzen(0, schein), TotoStart::Gesetzt);
    for (char t : std::string("012012012")) EXPECT_TRUE(TotoTippen(schein, t));
    EXPECT_EQ(mg.TotoTip, "210210210");
    EXPECT_FALSE(TotoTippen(schein, '1'));
    EXPECT_FALSE(TotoVerlassen(schein));
    EXPECT_EQ(mg.TotoTip, "210210210");
    EXPECT_EQ(TotoSetzen(0, schein), TotoStart::SchonGesetzt);
    EXPECT_EQ(mg.Kontostand, 400000);

    // Nach dem 34. Spieltag gibt es nichts mehr zu tippen.
    mg.TotoTip = "";
    S.Spiel.Spieltag = 34;
    ui.leeren();
    EXPECT_EQ(TotoSetzen(0, schein), TotoStart::KeinSpieltag);
    EXPECT_EQ(mg.Kontostand, 400000);
    EXPECT_FALSE(schein.laeuft());
    EXPECT_EQ(ui.texte().size(), 1u);
}

TEST(Toto, AmSpieltag33GesetztAm34Gewertet)
{
    WeltBauen();
    ManagerSetzen(0, 57);
    Manager_& mg = S.Manager[0];
    S.Spiel.Spieltag = 33;
    const Spielstand vorher = S;
    // Die Ergebnisse des 34. Spieltags vorab ausspielen.
    Feld<uint8_t, 1, 9> ergebnis{};
    {
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        S.Spiel.Spieltag = 34;
        ZufallSetzen(8);
        ergebnis = LigaSpieltag(4);
    }
    const int32_t ohneToto = mg.Kontostand;
    S = vorher;

    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    TotoSchein schein;
    ASSERT_EQ(TotoSetzen(0, schein), TotoStart::Gesetzt);
    EXPECT_EQ(schein.spieltag, 34);
    // Paarungen 1..4 richtig, 5..9 falsch; getippt wird von 9 hinab.
    for (int k = 9; k >= 1; --k) {
        const char richtig = static_cast<char>('0' + ergebnis[k]);
        ASSERT_TRUE(TotoTippen(schein, k <= 4 ? richtig : richtig == '1' ? '2' : '1'));
    }
    EXPECT_EQ(mg.Kontostand, 1000000 - 100000);
    S.Spiel.Spieltag = 34;
    ZufallSetzen(8);
    LigaSpieltag(4);
    EXPECT_TRUE(anz.enthaelt("toto:0:Manager0:4 Richtig"));
    EXPECT_EQ(mg.Kontostand, ohneToto - 100000 + 80000);
    EXPECT_TRUE(mg.TotoTip.leer());
}

// Ein Gewinn, der nicht mehr ganz aufs Konto passt, wird bis an die Grenze gezahlt, und erst
// danach ist der Schein weg; der Spieltag läuft zu Ende.
TEST(Toto, GewinnAnDerKontogrenze)
{
    WeltBauen();
    ManagerSetzen(0, 57);
    S.Spiel.Spieltag = 3;
    const Spielstand vorher = S;
    ZufallSetzen(31);
    const auto ergebnis = LigaSpieltag(4);
    std::string tip;
    for (int k = 1; k <= 9; ++k) tip += static_cast<char>('0' + ergebnis[k]);

    S = vorher;
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    S.Manager[0].TotoTip = tip;
    S.Manager[0].Kontostand = std::numeric_limits<int32_t>::max() - 1000;
    ZufallSetzen(31);
    ASSERT_NO_THROW(LigaSpieltag(4));
    EXPECT_EQ(S.Manager[0].Kontostand, std::numeric_limits<int32_t>::max());
    EXPECT_TRUE(S.Manager[0].TotoTip.leer());
    EXPECT_TRUE(anz.enthaelt("toto:0:Manager0:9 Richtig"));
}
