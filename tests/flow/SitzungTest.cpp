// Die Sitzung: ein neues und ein geladenes Spiel beginnen von vorn, ein abgelehnter Stand
// ändert nichts, und die Prüfstellen der Tests überstehen das Zurücksetzen.
#include "Spielwelt.h"
#include "core/SpielstandDatei.h"

using namespace torvane;

TEST(Sitzung, NeuesUndGeladenesSpielBeginnenVonVorn)
{
    Mitschrift ui;
    EchtesSpiel(1, 5);
    const std::string gespeichert = SpielstandSchreiben();
    struct Fall {
        const char* name;
        std::function<bool()> anfangen;
        bool vonVorn;
    } faelle[] = {
        {"neues Spiel", [] { return SpielAufGrunddaten(2); }, true},
        {"geladenes Spiel", [&] { std::string f; return SpielstandLesen(gespeichert, f); }, true},
        {"kaputter Stand", [&] { std::string f; return !SpielstandLesen(gespeichert.substr(0, 100), f); }, false},
    };
    int schritte = 0;
    for (const Fall& f : faelle) {
        Sitzung.ZugOffen = false;
        Sitzung.GespielteTage = 7;
        Sitzung.BeendeteSaisons = 2;
        Sitzung.TageGrenze = 9;
        Sitzung.UefaPaarungen = 3;
        Sitzung.Verhandlung.Offen = true;
        Sitzung.Verhandlung.Manager = 0;
        Sitzung.EreignisZaehler[4] = 5;
        Sitzung.AbschlussPruefstelle = [&schritte](int) { ++schritte; };
        Sitzung.EreignisZiehung = [](int32_t von, int32_t) { return von; };

        ASSERT_TRUE(f.anfangen()) << f.name;
        const Sitzung_ leer;
        const bool v = f.vonVorn;
        EXPECT_EQ(Sitzung.ZugOffen, v ? leer.ZugOffen : false) << f.name;
        EXPECT_EQ(Sitzung.GespielteTage, v ? 0 : 7) << f.name;
        EXPECT_EQ(Sitzung.BeendeteSaisons, v ? 0 : 2) << f.name;
        EXPECT_EQ(Sitzung.TageGrenze, v ? -1 : 9) << f.name;
        EXPECT_EQ(Sitzung.UefaPaarungen, v ? 0 : 3) << f.name;
        EXPECT_EQ(Sitzung.Verhandlung.Offen, !v) << f.name;
        EXPECT_EQ(Sitzung.Verhandlung.Manager, v ? -1 : 0) << f.name;
        EXPECT_EQ(Sitzung.EreignisZaehler[4], v ? 0 : 5) << f.name;
        // Die Prüfstellen gehören dem Test: sie bleiben und wirken weiter.
        ASSERT_TRUE(Sitzung.EreignisZiehung) << f.name;
        EXPECT_EQ(Sitzung.EreignisZiehung(3, 9), 3);
        schritte = 0;
        S.AktManager = 0;
        ASSERT_TRUE(ZugAbschliessen()) << f.name;
        EXPECT_EQ(schritte, AbschlussSchritte) << f.name;
    }
    Sitzung.AbschlussPruefstelle = nullptr;
    Sitzung.EreignisZiehung = nullptr;
    SitzungZuruecksetzen();
}
