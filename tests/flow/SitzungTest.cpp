// Die Sitzung: ein neues und ein geladenes Spiel beginnen von vorn, ein abgelehnter Stand
// ändert nichts, und die Prüfstellen der Tests überstehen das Zurücksetzen.
#include "Spielwelt.h"
#include "core/Fehler.h"
#include "core/Sitzung.h"
#include "core/SpielstandDatei.h"

#include <cstring>
#include <utility>

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

// Ein Laufzeitfehler in jedem Schritt des Abschlusses und am Ende des Tages: danach stehen Spielstand
// und Sitzung ganz wie vor dem Klick. Die Sitzung wird als Ganzes verglichen, so fiele auch ein
// neues Feld auf, das die Einheit vergäße; am Ende des Tages hat der Klick sie schon bewegt.
TEST(Sitzung, KlickMitFehlerLaesstAllesWieVorher)
{
    struct Stoerung : Menueanzeige {
        std::function<void()> beiTagesende;
        Stoerung() { MenueAnzeigeSetzen(this); }
        ~Stoerung() override { MenueAnzeigeSetzen(nullptr); }
        void tagEndet() override
        {
            if (beiTagesende) beiTagesende();
        }
    };
    for (int fehlerIn = 1; fehlerIn <= AbschlussSchritte + 1; ++fehlerIn) {
        Mitschrift ui;
        Stoerung st;
        EchtesSpiel(1, 5);
        AbschlussClick(); // ein Tag: die Zähler stehen nicht mehr am Anfang
        const std::string gespeichert = SpielstandSchreiben();
        const Sitzungsstand vorher = Sitzung;
        bool bewegt = false;
        const auto werfen = [&] {
            bewegt = !(Sitzung == vorher);
            throw Laufzeitfehler("Laufzeitfehler: Test");
        };
        Sitzung.AbschlussPruefstelle = [&](int schritt) {
            if (schritt == fehlerIn) werfen();
        };
        if (fehlerIn > AbschlussSchritte) st.beiTagesende = werfen;
        EXPECT_THROW(AbschlussClick(), Laufzeitfehler) << fehlerIn;
        Sitzung.AbschlussPruefstelle = nullptr;
        EXPECT_EQ(SpielstandSchreiben(), gespeichert) << fehlerIn;
        EXPECT_TRUE(Sitzung == vorher) << fehlerIn;
        if (fehlerIn > AbschlussSchritte) {
            EXPECT_TRUE(bewegt);
        }
    }
}

// Der Spielerpool wird nicht kopiert, sondern vor jeder Änderung gemerkt: einzelne Einträge,
// mehrfach geänderte, ein ganz ersetzter Pool und geschachtelte Einheiten kommen zurück.
TEST(Sitzung, EinheitStelltDenSpielerpoolWiederHer)
{
    Mitschrift ui;
    EchtesSpiel(1, 5);
    const std::string gespeichert = SpielstandSchreiben();
    const Liste<Spieler_> pool = S.Spieler;
    const auto name = [](int64_t p) { return std::string(std::as_const(S.Spieler)[p].Vorname.roh()); };
    {
        Einheit aussen;
        S.Spieler[3].Vorname.rohSetzen("Aussen");
        {
            Einheit innen;
            S.Spieler[3].Vorname.rohSetzen("Innen");
            S.Spieler[4].Vorname.rohSetzen("Innen");
        } // ohne fertig(): nur ihre Änderungen gehen zurück
        EXPECT_EQ(name(3), "Aussen");
        EXPECT_EQ(name(4), pool[4].Vorname.roh());
        {
            Einheit innen;
            S.Spieler[5].Vorname.rohSetzen("Bleibt");
            innen.fertig();
        }
        EXPECT_EQ(name(5), "Bleibt");
        Liste<Spieler_> kurz;
        kurz.laengeSetzen(8);
        S.Spieler = std::move(kurz);
        S.Spieler[7].Vorname.rohSetzen("Neu");
    }
    ASSERT_EQ(S.Spieler.laenge(), pool.laenge());
    EXPECT_EQ(std::memcmp(S.Spieler.daten(), pool.daten(), sizeof(Spieler_) * static_cast<size_t>(pool.laenge())), 0);
    EXPECT_EQ(SpielstandSchreiben(), gespeichert);
}
