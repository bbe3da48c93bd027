// Die Bank: Darlehen mit Angebot und Ablösung, Flinker Kredit mit Grenze, Sparbuch,
// Geldanlage und Aktien; jede Ablehnung lässt alles, wie es war.
#include "core/AutoOberflaeche.h"
#include "core/Bruch.h"
#include "core/Konto.h"
#include "core/SkriptOberflaeche.h"
#include "core/Variablen.h"
#include "finance/Bank.h"
#include "finance/Vermoegen.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace torvane;

namespace {

// Ein Manager in der Oberliga, dessen Vermögen genau Konto + Kaderwert ist.
Manager_& Kunde(int32_t konto, int32_t kaderWert = 0)
{
    S = Spielstand{};
    Manager_& mg = S.Manager[0];
    mg.Liga = 4;
    mg.Kontostand = konto;
    mg.KaderWert = kaderWert;
    mg.Eintrittspreis = 10;
    S.Spiel.Aktienkurs = 1000;
    return mg;
}

auto Bankstand(const Manager_& mg)
{
    return std::make_tuple(mg.Kontostand, mg.Kredit, mg.Sparbuch, mg.DarlehenRate, mg.DarlehenRestSpiele,
                           mg.AnlageBetrag, mg.AnlageWert, mg.Aktien);
}

} // namespace

TEST(Bank, DarlehensangebotNachDenBeispielen)
{
    const Darlehensangebot a = DarlehenBerechnen(10000000, 100);
    EXPECT_EQ(a.Rate, 157500);
    EXPECT_EQ(a.Gesamt, 15750000);
    EXPECT_DOUBLE_EQ(a.ZinsenProSpiel, 57500.0);
    EXPECT_EQ(DarlehenBerechnen(1000000, 1).Rate, 1055250);
    // Höchstbetrag und längste Laufzeit: die Summe bleibt ein Kontowert.
    const Darlehensangebot gross = DarlehenBerechnen(100000000, DarlehenLaufzeitMax);
    EXPECT_EQ(gross.Rate, 1050000);
    EXPECT_EQ(gross.Gesamt, 210000000);
    // Eine echte Hälfte: A = 1 Mio., T = 32 gibt 1,16 * 1 050 000 / 32 = 38 062,5, zur geraden Zahl.
    EXPECT_EQ(DarlehenBerechnen(1000000, 32).Rate, 38062);
    EXPECT_EQ(RundenBruch(5, 2), 2);
    EXPECT_EQ(RundenBruch(7, 2), 4);
    EXPECT_EQ(RundenBruch(-5, 2), -2);
    EXPECT_EQ(GeldMitEuro(21916.666, 2), "21.916,67 €");
}

TEST(Bank, DarlehenAufnehmenGrenzeUndAbloesen)
{
    SkriptOberflaeche ui;
    Manager_& mg = Kunde(1000000, 19000000); // Vermögen 20 Mio., Grenze 10 Mio.

    // Ein Euro über der Hälfte: abgelehnt, ohne zu fragen.
    EXPECT_FALSE(DarlehenAufnehmen(0, 10000001, 100));
    EXPECT_EQ(ui.texte().back(), Tz(DarlehenZuHochText));
    EXPECT_EQ(mg.Kontostand, 1000000);

    // Nein ändert nichts; genau die Hälfte mit Ja wird gewährt.
    ui.antworte("Nein");
    EXPECT_FALSE(DarlehenAufnehmen(0, 10000000, 100));
    EXPECT_EQ(mg.DarlehenRestSpiele, 0);
    ui.antworte("Ja");
    EXPECT_TRUE(DarlehenAufnehmen(0, 10000000, 100));
    EXPECT_EQ(ui.texte().back(), "Darlehen so Aufnehmen ?");
    EXPECT_EQ(ui.klaenge().back(), "Rechner");
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.DarlehenRate, mg.DarlehenRestSpiele}),
              (std::tuple{11000000, 157500, int16_t{100}}));

    // Ein zweites läuft nicht neben dem ersten.
    EXPECT_FALSE(DarlehenAufnehmen(0, 1000000, 10));
    EXPECT_EQ(ui.texte().back(), "Erst mal Schulden bezahlen !");

    // Ablösen: Restschuld 100 * 157 500 = 15 750 000 ist mehr als das Konto.
    EXPECT_FALSE(DarlehenAbloesen(0));
    EXPECT_EQ(ui.texte().back(), "Mit diesem Kontostand nicht möglich ! Schade");

    // Restschuld 1 000 000 kostet 960 000.
    mg.DarlehenRestSpiele = 10;
    mg.DarlehenRate = 100000;
    mg.Kontostand = 1000000;
    ui.antworte("Ja");
    EXPECT_TRUE(DarlehenAbloesen(0));
    EXPECT_EQ(ui.texte().back(), "Sicher Auflösen für 950.000 € ?\r\n+ Gebühr: 10.000 €");
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.DarlehenRate, mg.DarlehenRestSpiele}), (std::tuple{40000, 0, int16_t{0}}));
    EXPECT_FALSE(DarlehenAbloesen(0)); // nichts mehr zu lösen

    // Die Grenze rechnet mit dem frischen Vermögen, nicht mit einem alten Wert im Datensatz.
    Kunde(0, 2000000);
    S.Manager[0].Vermoegen = 999999999;
    EXPECT_FALSE(DarlehenAufnehmen(0, 2000000, 10, false));
    EXPECT_EQ(S.Manager[0].Vermoegen, 999999999); // abgelehnt: nichts geändert
    EXPECT_TRUE(DarlehenAufnehmen(0, 1000000, 10, false));
}

TEST(Bank, KreditGrenzeSamtBestehenderSchuld)
{
    SkriptOberflaeche ui;
    Manager_& mg = Kunde(0, 2000000); // Grenze 1 000 000

    EXPECT_TRUE(KreditAufnehmen(0, 600000));
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.Kredit}), (std::tuple{600000, 600000}));
    // Das Vermögen bleibt gleich (Konto und Kredit wachsen zusammen): nur noch 400 000 sind frei.
    EXPECT_FALSE(KreditAufnehmen(0, 400001));
    EXPECT_EQ(ui.texte().back(), "Sorgen Sie für mehr Liquidität,dann sorgen wir für Ihr Geld !");
    EXPECT_EQ(mg.Kredit, 600000);
    EXPECT_TRUE(KreditAufnehmen(0, 400000));
    // Schuld an der Grenze: schon der Knopf weist ab, ohne das Zahlenrad.
    EXPECT_FALSE(KreditAufnehmenKlick(0));
    EXPECT_EQ(ui.texte().back(), Tz(KreditZuHochText));
    EXPECT_EQ(ui.anzahl("Zahl:"), 0u);

    // Tilgen: Teilbetrag, dann mehr als geschuldet (Ja: alles weg, der Überschuss ist verloren).
    EXPECT_TRUE(KreditTilgen(0, 300000));
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.Kredit}), (std::tuple{700000, 700000}));
    ui.antworte("Nein");
    EXPECT_FALSE(KreditTilgen(0, 800000));
    EXPECT_EQ(mg.Kredit, 700000);
    ui.antworte("Ja");
    EXPECT_TRUE(KreditTilgen(0, 800000));
    EXPECT_EQ(ui.texte().back(), "Möchten Sie wirklich der Bank Geld Schenken ?");
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.Kredit}), (std::tuple{-100000, 0}));

    // Ohne positives halbes Vermögen geschieht gar nichts.
    ui.leeren();
    Kunde(-5000000, 1000000);
    EXPECT_FALSE(KreditAufnehmenKlick(0));
    EXPECT_TRUE(ui.protokoll.empty());
}

TEST(Bank, ZahlenradVorschlaegeUndAbbruch)
{
    AutoOberflaeche ui;
    OberflaecheSetzen(&ui);
    std::vector<std::pair<std::string, int>> fragen;
    int antwort = 0;
    ui.zahlAntwort = [&](int anfang, const std::string& frage) {
        fragen.emplace_back(frage, anfang);
        return antwort;
    };
    Manager_& mg = Kunde(300000, 5000000);
    mg.Kredit = 500000;
    mg.Sparbuch = 200000;

    // Kredit über einem positiven Konto: das Konto wird vorgeschlagen; 0 (abgebrochen) ändert nichts.
    EXPECT_FALSE(KreditTilgenKlick(0));
    EXPECT_TRUE(SparbuchKlick(0));
    EXPECT_EQ(fragen.at(0), (std::pair<std::string, int>{"Ich möcht was Tilgen !", 300000}));
    EXPECT_EQ(fragen.at(1), (std::pair<std::string, int>{"Auf dem Sparbuch !", 500000}));
    // Das Sparbuch auf 0 heißt: alles aufs Konto.
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.Sparbuch, mg.Kredit}), (std::tuple{500000, 0, 500000}));

    mg.Kontostand = -700000;
    mg.Sparbuch = 100000;
    antwort = 50000;
    EXPECT_TRUE(SparbuchKlick(0));
    EXPECT_EQ(fragen.back(), (std::pair<std::string, int>{"Auf dem Sparbuch !", 0}));
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.Sparbuch}), (std::tuple{-650000, 50000}));
    EXPECT_TRUE(KreditTilgenKlick(0));
    EXPECT_EQ(fragen.back().second, 500000);
    EXPECT_EQ(mg.Kredit, 450000);
    OberflaecheSetzen(nullptr);
}

TEST(Bank, AnlageUndAktien)
{
    SkriptOberflaeche ui;
    Manager_& mg = Kunde(5000000);

    EXPECT_FALSE(AnlageEroeffnen(0, 999));
    EXPECT_EQ(ui.texte().back(), "Nicht unter 1.000 € Kumpel.");
    EXPECT_FALSE(AnlageEroeffnen(0, 10000001));
    EXPECT_EQ(ui.texte().back(), "Nicht über 10.000.000 € GroßKotz !");
    EXPECT_FALSE(AnlageEroeffnen(0, 0));
    EXPECT_EQ(mg.Kontostand, 5000000);
    EXPECT_TRUE(AnlageEroeffnen(0, 1000));
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.AnlageBetrag, mg.AnlageWert}), (std::tuple{4998950, 1000, 1000}));
    // Gebühr genau: 1,05 * 1 010 = 1 060,5 rundet zur geraden 1 060.
    mg.AnlageBetrag = 0;
    mg.Kontostand = 5000000;
    EXPECT_TRUE(AnlageEroeffnen(0, 1010));
    EXPECT_EQ(mg.Kontostand, 5000000 - 1060);

    // Kündigen einer Anlage im Wert von 2 000 000 bringt 1 800 000; Nein ändert nichts.
    mg.AnlageWert = 2000000;
    mg.Kontostand = 0;
    ui.antworte("Nein");
    EXPECT_FALSE(AnlageKlick(0));
    EXPECT_EQ(ui.texte().back(), "Anlage kündigen für 1.800.000 €");
    ui.antworte("Ja");
    EXPECT_TRUE(AnlageKlick(0));
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.AnlageBetrag, mg.AnlageWert}), (std::tuple{1800000, 0, 0}));

    // 100 Aktien zu 12 000 verkauft bringen 1 200 000; teurer zurückgekauft geht das Konto ins Minus.
    S.Spiel.Aktienkurs = 12000;
    mg.Aktien = 100;
    mg.Kontostand = 0;
    EXPECT_TRUE(AktienSetzen(0, 0));
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.Aktien}), (std::tuple{1200000, int16_t{0}}));
    S.Spiel.Aktienkurs = 13000;
    EXPECT_TRUE(AktienSetzen(0, 100));
    EXPECT_EQ(mg.Kontostand, -100000);
    // Dieselbe Stückzahl noch einmal (der Balken wird nur hingestellt) bucht nichts.
    EXPECT_FALSE(AktienSetzen(0, 100));
    EXPECT_EQ(mg.Kontostand, -100000);
    EXPECT_TRUE(AktienSetzen(0, 99999));
    EXPECT_EQ(mg.Aktien, AktienMax);

    AktienkursMerken(0);
    EXPECT_EQ(mg.AktienkursGemerkt, 13000);
    EXPECT_EQ(ui.klaenge().back(), "ding");
}

TEST(Bank, UeberlaufWirdVorJederAenderungAbgewiesen)
{
    SkriptOberflaeche ui;
    Manager_& mg = Kunde(2100000000);
    mg.Sparbuch = 900000000;
    const auto vorher = Bankstand(mg);
    // Das Sparbuch aufs Konto: 3 Mrd. passen nicht.
    EXPECT_FALSE(SparbuchSetzen(0, 0));
    // Anlage kündigen und Aktien verkaufen: ebenso.
    mg.AnlageBetrag = mg.AnlageWert = 200000000;
    EXPECT_FALSE(AnlageKuendigen(0, false));
    mg.AnlageBetrag = mg.AnlageWert = 0;
    mg.Aktien = 20000;
    S.Spiel.Aktienkurs = 10000;
    EXPECT_FALSE(AktienSetzen(0, 0));
    mg.Aktien = 0;
    EXPECT_EQ(Bankstand(mg), vorher);

    // Ein Darlehen, das die Grenze erlaubt (Vermögen 1,6 Mrd.), aber das Konto überliefe.
    mg.Sparbuch = 0;
    mg.Kredit = 500000000;
    EXPECT_FALSE(DarlehenAufnehmen(0, 100000000, 10, false));
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.DarlehenRestSpiele, mg.DarlehenRate}),
              (std::tuple{2100000000, int16_t{0}, 0}));
    EXPECT_EQ(ui.anzahl(BetragZuGrossText), 4u);
    EXPECT_EQ(ui.texte().size(), 4u);
}

// Über zwei Milliarden Vermögen: "+" rechnet die Grenze einmal, die Abgabe fällt einmal an, und
// nur, wenn der Kredit wirklich gewährt wird. Ein Probelauf der Prüfung ändert nichts.
TEST(Bank, KreditKnopfNimmtDieAbgabeEinmalUndNurBeiZusage)
{
    SkriptOberflaeche ui;
    Manager_& mg = Kunde(1000000000, 1500000000); // Vermögen 2,5 Mrd., Abgabe 250 Mio., Grenze 2^31 div 4
    const auto vorher = Bankstand(mg);

    ASSERT_TRUE(KreditAufnehmenPruefen(0, 100000000).plan);
    ui.antworte("2000000000"); // mehr als die halbe Grenze
    EXPECT_FALSE(KreditAufnehmenKlick(0));
    EXPECT_EQ(ui.texte().back(), "Sorgen Sie für mehr Liquidität,dann sorgen wir für Ihr Geld !");
    EXPECT_EQ(ui.anzahl(Tz(AbgabeText)), 0u);
    EXPECT_EQ(Bankstand(mg), vorher);
    EXPECT_EQ(mg.Vermoegen, 0);

    ui.antworte("100000000");
    EXPECT_TRUE(KreditAufnehmenKlick(0));
    EXPECT_EQ(ui.anzahl(Tz(AbgabeText)), 1u);
    EXPECT_EQ((std::tuple{mg.Kontostand, mg.Kredit}), (std::tuple{1000000000 - 250000000 + 100000000, 100000000}));

    // Die Grenze gilt vor der Abgabe; passt der Betrag erst nach der Abgabe aufs Konto, wird er gewährt.
    Kunde(2100000000, 400000000);
    ui.leeren();
    EXPECT_TRUE(KreditAufnehmen(0, 100000000));
    EXPECT_EQ(S.Manager[0].Kontostand, 2100000000 - 250000000 + 100000000);
    EXPECT_EQ(ui.anzahl(Tz(AbgabeText)), 1u);
}

// Was die Bank beim Kündigen der Anlage nennt, zeigt und bucht, ist ein und dieselbe Zahl:
// 90 % des Werts, Hälften zur geraden Zahl.
TEST(Bank, AnlageBeiKuendigungNeunZehntel)
{
    struct Fall {
        int32_t wert;
        int64_t erloes;
    };
    const Fall faelle[] = {
        {0, 0},
        {5, 4},   // 4,5 -> 4
        {15, 14}, // 13,5 -> 14
        {512563, 461307},
        {2000000, 1800000},
        {2147483647, 1932735282}, // 1 932 735 282,3: ohne 64 Bit liefe 9 * Wert über
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(AnlageBeiKuendigung(f.wert), f.erloes) << f.wert;
        Manager_& mg = Kunde(0);
        mg.AnlageBetrag = 1000;
        mg.AnlageWert = f.wert;
        const Bankpruefung p = AnlageKuendigenPruefen(0);
        ASSERT_TRUE(p.plan) << f.wert;
        EXPECT_EQ(p.plan->Buchung, f.erloes) << f.wert;
    }
}
