// Die Vereinsinformation: Texte und Farben aller Felder, die Warnung bei leerem Vermögen,
// und dass die Vorschau eines ruhigen Ligatags genau die Kontobewegung des Abschlusses ist.
#include "../flow/Spielwelt.h"
#include "core/Konto.h"
#include "core/SkriptOberflaeche.h"
#include "finance/Info.h"
#include "finance/Vermoegen.h"

#include <gtest/gtest.h>

using namespace torvane;

namespace {

Manager_& Oberligist(int32_t konto)
{
    S = Spielstand{};
    S.Spiel.ManagerHoch = 0;
    Manager_& mg = S.Manager[0];
    mg.Liga = 4;
    mg.KaderAnzahl = 14;
    mg.Kontostand = konto;
    mg.Eintrittspreis = 10;
    mg.Name = "Quirin";
    mg.Vereinsname = "SV Kickersdorf";
    mg.Managerpunkte = 55.9f;
    return mg;
}

} // namespace

TEST(Info, OberligistMitEinerMillion)
{
    SkriptOberflaeche ui;
    Oberligist(1000000);
    const Infotafel t = VermoegenBuchenUndInfo(0);
    EXPECT_TRUE(ui.protokoll.empty());
    EXPECT_FALSE(t.kritisch);
    EXPECT_EQ(t.Vermoegen.text, "1.000.000 €");
    EXPECT_EQ(t.Vermoegen.ton, Ton::Gut);
    EXPECT_EQ(t.Liquiditaet.text, "500.000 €");
    EXPECT_EQ(t.Werbeeinnahmen.text, "0 €");
    EXPECT_EQ(t.Werbeeinnahmen.ton, Ton::Warnung);
    EXPECT_EQ(t.Geldanlage.ton, Ton::Neutral);
    EXPECT_EQ(t.Sparbuch.ton, Ton::Neutral);
    EXPECT_EQ(t.Kontozinsen.text, "1.000 €");
    EXPECT_EQ(t.Kontozinsen.ton, Ton::Gut);
    // Zuschüsse 4 * 400 * 14; Einnahmen 1 000 + 22 400.
    EXPECT_EQ(t.Zuschuesse.text, "22.400 €");
    EXPECT_EQ(t.Einnahmen.text, "23.400 €");
    EXPECT_EQ(t.Kosten.text, "0 €");
    // Ohne Plätze und ohne Heimspiel.
    EXPECT_EQ(t.Zuschauerschnitt.text, "Kein Heimspiel");
    EXPECT_EQ(t.LetzteZuschauer.text, "Kein Heimspiel");
    EXPECT_EQ(t.Auslastung.text, "Keine Plätze");
    EXPECT_EQ(t.Kredit.text, "Kein Kredit");
    EXPECT_EQ(t.Darlehen.text, "Kein Darlehen");
    ASSERT_EQ(t.Manager.size(), 1u);
    EXPECT_EQ(t.Manager[0].Punkte, 55);
    EXPECT_EQ(t.SpielerKopf, "1 Spieler");
    EXPECT_EQ(t.SpielerText, "1. Quirin mit SV Kickersdorf\r\n");
}

TEST(Info, StadionSchuldenUndWarnung)
{
    SkriptOberflaeche ui;
    Manager_& mg = Oberligist(-100000);
    mg.KaderWert = 5000000;
    mg.Sparbuch = 1500;
    mg.Plaetze = 20000;
    mg.Eintrittspreis = 20;
    mg.KaderGehalt = 500000;
    mg.Kredit = 250000;
    mg.DarlehenRestSpiele = 4;
    mg.DarlehenRate = 12345;
    Infotafel t = VermoegenBuchenUndInfo(0);
    // Noch kein Heimspiel, aber Plätze: dreimal "Kein Heimspiel".
    EXPECT_EQ(t.Auslastung.text, "Kein Heimspiel");
    // 1 500 * 0,3 % = 4,5: zur geraden 4.
    EXPECT_EQ(t.SparZinsen, "Zinsen 4 €");
    EXPECT_EQ(t.Kontozinsen.text, "-1.500 €");
    EXPECT_EQ(t.Kontozinsen.ton, Ton::Warnung);
    EXPECT_EQ(t.Kredit.text, "250.000 €");
    EXPECT_EQ(t.Kredit.ton, Ton::Warnung);
    EXPECT_EQ(t.KreditZinsen, "Zinsen p. Spiel 3.000 €");
    EXPECT_EQ(t.Darlehen.text, "49.380 €");
    EXPECT_EQ(t.DarlehenText, "Noch 4 Spiele zu je 12.345 €");

    mg.HeimspieleSaison = 3;
    mg.ZuschauerSaison = 30000;
    mg.ZuschauerLetzte = 9000;
    t = VermoegenBuchenUndInfo(0);
    EXPECT_EQ(t.Zuschauerschnitt.text, "10.000");
    EXPECT_EQ(t.Auslastung.text, "50 %");
    EXPECT_EQ(t.Sollschnitt.text, Geldtext(static_cast<double>(Sollschnitt(0))));
    // Der Sollschnitt liegt über den letzten 9 000 Zuschauern: rot.
    EXPECT_GT(Sollschnitt(0), 9000);
    EXPECT_EQ(t.LetzteZuschauer.ton, Ton::Warnung);
    EXPECT_TRUE(ui.protokoll.empty());

    // Vermögen 0: kritisch, roter Wert, alle Felder trotzdem gefüllt.
    mg.KaderWert = 0;
    mg.Kontostand = 250000 + 4 * 12345;
    mg.Sparbuch = 0;
    mg.Plaetze = 0;
    t = VermoegenBuchenUndInfo(0);
    EXPECT_TRUE(t.kritisch);
    EXPECT_EQ(t.Vermoegen.text, "0 €");
    EXPECT_EQ(t.Vermoegen.ton, Ton::Warnung);
    EXPECT_TRUE(ui.protokoll.empty()); // die Warnung zeigt der Bildschirm über der Tafel
    EXPECT_EQ(t.Auslastung.text, "Keine Plätze");
}

TEST(Info, VorschauEinesRuhigenLigatagsIstDieKontobewegung)
{
    Mitschrift ui;
    Grundwelt();
    S.Spiel.ManagerHoch = 0;
    S.Spiel.AnzeigeLiga = 4;
    S.Spiel.Saison = 1;
    for (auto& b : S.Saisonbilanz)
        b.laengeSetzen(2);
    Manager_& mg = S.Manager[0];
    mg.Name = "Quirin";
    mg.Liga = 4;
    mg.Platz = 18;
    mg.Trainer = 3;
    mg.TrainerSpiele = 20;
    mg.TrainerGehalt = 7000;
    mg.Trainingsstunden = 4;
    mg.Eintrittspreis = 10;
    mg.KaderAnzahl = 11;
    for (int i = 1; i <= 11; ++i) {
        Kaderspieler_& sp = mg.Kader[i];
        sp.Vorname = "Spieler";
        sp.Position = i == 1 ? "T" : "M";
        sp.Technik = 50;
        sp.Konstitution = 30;
        sp.Eingesetzt = 1;
    }
    mg.Kontostand = 2000000;
    mg.KaderWert = 9000000;
    mg.Kredit = 1000000;
    mg.DarlehenRate = 30000;
    mg.DarlehenRestSpiele = 5;
    mg.KaderGehalt = 40000;
    mg.Werbeeinnahmen = 10000;
    mg.Plaetze = 10001; // Stadionkosten round(5 000,5 + 1 000) = 6 000
    mg.Komfortpunkte = 2;
    S.Statistik[0].Geldgrenze = 250;
    S.Optionen[0][OptAutoaufstellung] = 1;
    ZufallSetzen(1);

    BerechneVermoegen(0);
    EXPECT_EQ(mg.Stadionkosten, 6000);
    const int64_t vorschau = static_cast<int64_t>(mg.Einnahmen) - mg.Ausgaben;
    EXPECT_EQ(vorschau, 2000 + 10000 + 17600 - (12000 + 40000 + 30000 + 7000 + 6000));
    const int32_t vorher = mg.Kontostand;
    ASSERT_TRUE(ZugAbschliessen());
    ASSERT_TRUE(ui.texte.empty()) << ui.texte.front(); // kein Ereignis, keine Strafe
    EXPECT_EQ(mg.Kontostand - vorher, vorschau);

    // Am Pokaltag kosten Trainer und Stadion nichts.
    S.Spiel.Wettbewerb = Wettbewerb_::Dfb;
    VereinVon(0).DfbRunde = "J";
    const int32_t vorPokal = mg.Kontostand;
    ZufallSetzen(1);
    ASSERT_TRUE(ZugAbschliessen());
    if (ui.texte.empty()) {
        EXPECT_EQ(mg.Kontostand, vorPokal);
    }
}
