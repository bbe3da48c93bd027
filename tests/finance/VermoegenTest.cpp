// Vermögen in einfacher Genauigkeit, die Abgabe über zwei Milliarden, Vorschau und Sollschnitt.
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "finance/Vermoegen.h"

#include <gtest/gtest.h>

using namespace torvane;

namespace {
Manager_& Leerer(int liga)
{
    S = Spielstand{};
    Manager_& mg = S.Manager[0];
    mg.Liga = static_cast<int8_t>(liga);
    mg.Eintrittspreis = 10;
    return mg;
}
} // namespace

TEST(Vermoegen, VorschauOberligaUndUeberzogen)
{
    SkriptOberflaeche ui;
    Manager_& mg = Leerer(4);
    mg.Kontostand = 1000000;
    mg.KaderWert = 345000;
    mg.KaderAnzahl = 14;
    mg.Werbeeinnahmen = 7000;
    EXPECT_EQ(BerechneVermoegen(0), 1345000);
    EXPECT_EQ(mg.Vermoegen, 1345000);
    EXPECT_EQ(mg.Nebeneinnahmen, 22400);
    EXPECT_EQ(mg.Einnahmen, 1000 + 7000 + 22400);
    EXPECT_EQ(mg.Ausgaben, 0);
    EXPECT_TRUE(ui.protokoll.empty());

    // Überzogen: 1,5 % Zinsen kosten, keine Kontozinsen; Stadionkosten round(6000,5 + 1000) zur geraden Zahl.
    Leerer(3);
    mg.Kontostand = -1000000;
    mg.Kredit = 500000;
    mg.KaderGehalt = 40000;
    mg.DarlehenRate = 25000;
    mg.TrainerGehalt = 3000;
    mg.Plaetze = 12001;
    mg.Komfortpunkte = 2;
    BerechneVermoegen(0);
    EXPECT_EQ(mg.Stadionkosten, 7000);
    EXPECT_EQ(mg.Ausgaben, 6000 + 15000 + 40000 + 25000 + 3000 + 7000);
    EXPECT_EQ(mg.Einnahmen, 0);
}

TEST(Vermoegen, SummandenUndHalbierungen)
{
    SkriptOberflaeche ui;
    Manager_& mg = Leerer(1);
    // 10 000 Plätze in der Bundesliga: (4 * 10 000 * 250) div 2.
    mg.Plaetze = 10000;
    EXPECT_EQ(BerechneVermoegen(0), 5000000);
    EXPECT_EQ(mg.Stadionkosten, 5000);

    Leerer(4);
    S.Spiel.Aktienkurs = 1000;
    mg.Kontostand = 500000;
    mg.Kredit = 200000;
    mg.DarlehenRate = 10000;
    mg.DarlehenRestSpiele = 20;
    mg.Sparbuch = 100000;
    mg.Aktien = 1000;
    mg.AnlageBetrag = 300000;
    mg.AnlageWert = 999999; // zählt nicht, nur der eingezahlte Betrag
    mg.Plaetze = 3;         // (1 * 3 * 250) div 2 = 375
    mg.Komfortpunkte = 1;   // (1 * 1 * 100 000) div 2
    mg.TrainerPreis = 44444;
    EXPECT_EQ(BerechneVermoegen(0), 500000 - 200000 - 200000 + 100000 + 1000000 + 300000 + 375 + 50000 + 44444);
}

TEST(Vermoegen, EinfacheGenauigkeitUndAbgabeUeberZweiMilliarden)
{
    SkriptOberflaeche ui;
    Manager_& mg = Leerer(4);
    // 16 777 217 hat in einfacher Genauigkeit keinen eigenen Wert.
    mg.Kontostand = 16777217;
    EXPECT_EQ(BerechneVermoegen(0), 16777216);
    EXPECT_EQ(VermoegenWert(0), 16777216);
    // Gerundet wird erst die Summe, nicht der Summand: 16 777 216 + 2 ist darstellbar.
    mg.Kontostand = 1;
    mg.Sparbuch = 16777217;
    EXPECT_EQ(BerechneVermoegen(0), 16777218);

    // Genau zwei Milliarden kosten nichts.
    mg.Kontostand = 1000000000;
    mg.Sparbuch = 1000000000;
    EXPECT_EQ(BerechneVermoegen(0), 2000000000);
    EXPECT_TRUE(ui.protokoll.empty());
    EXPECT_EQ(mg.Kontostand, 1000000000);

    // Über zwei Milliarden liegt in einfacher Genauigkeit als Nächstes 2 000 000 128.
    mg.Kontostand = 1000000128;
    EXPECT_EQ(BerechneVermoegen(0), 2000000128);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{Tz(AbgabeText)});
    EXPECT_EQ(Tz(AbgabeText).rfind("\"Meine Herren\" \r\n\r\ngefuscht", 0), 0u);
    EXPECT_EQ(mg.Kontostand, 1000000128 - 200000013);
    EXPECT_EQ(mg.Vermoegen, 2000000128); // bleibt der Wert vor der Abgabe
    // Die Vorschau rechnet mit dem Konto nach der Abgabe.
    EXPECT_EQ(mg.Einnahmen, 3000000 + 800000); // nicht 4 000 000
}

TEST(Sollschnitt, BeispielUndGrenzen)
{
    Manager_& mg = Leerer(4);
    mg.Ausgaben = 500000;
    mg.Einnahmen = 300000;
    mg.Eintrittspreis = 20;
    EXPECT_EQ(Sollschnitt(0), 20000);
    mg.Einnahmen = 700000;
    EXPECT_EQ(Sollschnitt(0), -20000);
    // Ohne Eintrittspreis wird nicht durch Null geteilt.
    mg.Eintrittspreis = 0;
    mg.Einnahmen = 300000;
    EXPECT_EQ(Sollschnitt(0), 400000);
}
