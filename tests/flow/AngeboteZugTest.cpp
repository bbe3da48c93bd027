// Angebote für gelistete Spieler im Zugablauf: bei jedem Zug jedes Managers, ohne Bildschirm.
#include "Spielwelt.h"

#include "core/Variablen.h"
#include "flow/Zug.h"

#include <gtest/gtest.h>

using namespace torvane;

TEST(AngeboteImZug, JederManagerBekommtSieBeiJedemZug)
{
    Mitschrift ui;
    EchtesSpiel(2, 21);
    // Je Manager ein gelisteter Spieler, so jung, dass jeder Zug ein Angebot bringt.
    std::string namen[2];
    for (int m = 0; m < 2; ++m) {
        Kaderspieler_& s = S.Manager[m].Kader[2];
        s.Alter = 5;
        s.Transferstatus = 1;
        namen[m] = s.Vorname.text() + " " + s.Nachname.text();
    }
    // Sechs Abschlüsse: jeder Manager beginnt danach drei neue Züge.
    for (int z = 0; z < 6; ++z) AbschlussClick();
    for (int m = 0; m < 2; ++m) {
        EXPECT_EQ(ui.anzahl("Spieler Angebot !\r\n" + namen[m]), 3u) << namen[m];
    }
    // Der dritte abgelehnte: von der Liste genommen, Strafe gezahlt.
    EXPECT_EQ(ui.anzahl("Sie haben 3 Angebote für diesen Spieler abgelehnt !"), 2u);
    for (int m = 0; m < 2; ++m)
        for (int i = 1; i <= S.Manager[m].KaderAnzahl; ++i) EXPECT_EQ(S.Manager[m].Kader[i].Transferstatus, 0);
}
