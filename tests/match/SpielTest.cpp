// Die Spielberechnung: Zweikämpfe, Zuschauer, Buchführung von Liga und Managern.
#include "Welt.h"

#include "match/LiveSpiel.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <tuple>

using namespace matchtest;

// Zählt Anforderungen vom Heap, solange ein Test es will. Der Ersatz für new/delete
// geht über malloc/free; GCC hält das beim Einbetten fälschlich für ungleich.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
namespace {
std::atomic<bool> gZaehlen{false};
std::atomic<long> gAnforderungen{0};
} // namespace

void* operator new(std::size_t n)
{
    if (gZaehlen) ++gAnforderungen;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    if (gZaehlen) ++gAnforderungen;
    return std::malloc(n ? n : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

// Spielt mit wechselnden Saaten, bis bedingung(ToreHeim, ToreGast) gilt; aufbau stellt den Anfang her.
template <class Aufbau, class Bedingung>
std::optional<Spielergebnis_> SpielBis(Aufbau aufbau, Bedingung bedingung)
{
    for (uint32_t saat = 1; saat < 2000; ++saat) {
        aufbau();
        ZufallSetzen(saat);
        const Spielergebnis_ e = SpielBerechnen(1, 2, 1);
        if (bedingung(e.ToreHeim, e.ToreGast)) return e;
    }
    return std::nullopt;
}

} // namespace

TEST(Spiel, GleichstandGewinntDerVerteidigerUndBallspurPasstZuDenToren)
{
    // Minute 1 ist immer der Zweikampf im Mittelfeld (Zone 3) zwischen gleichen Wertungen 50:50.
    // Gewönne der Angreifer den Gleichstand, läge seine Quote bei 52 / 102 statt 50 / 102.
    ZweiVereine();
    const Mannschaft_ a = S.Mannschaft[1], b = S.Mannschaft[2];
    ZufallSetzen(4711);
    int vorwaerts = 0;
    const int n = 40000;
    for (int i = 0; i < n; ++i) {
        S.Mannschaft[1] = a;
        S.Mannschaft[2] = b;
        const Spielergebnis_ e = SpielBerechnen(1, 2, 1);
        vorwaerts += e.Spielverlauf[1].X != 0;
        // Jedes Tor steht in der Spur mit dem Ball auf der Torlinie.
        int heim = 0, gast = 0;
        for (int m = 1; m <= 90; ++m) {
            heim += e.Spielverlauf[m].Ereignis == -1 && e.Spielverlauf[m].X == PlatzBreite - 10;
            gast += e.Spielverlauf[m].Ereignis == 1 && e.Spielverlauf[m].X == -22;
        }
        ASSERT_EQ(heim, e.ToreHeim);
        ASSERT_EQ(gast, e.ToreGast);
    }
    EXPECT_LT(static_cast<double>(vorwaerts) / n, 0.5);
    EXPECT_GT(static_cast<double>(vorwaerts) / n, 0.47);
}

TEST(Spiel, ZweiComputervereineBuchenNichts)
{
    ZweiVereine(3, 1);
    S.Manager[0].Vereinsname = "Woanders";
    const auto manager = S.Manager;
    S.Spiel.Wettbewerb = Wettbewerb_::Uefa;
    ZufallSetzen(3);
    for (int i = 0; i < 50; ++i) {
        const Spielergebnis_ e = SpielBerechnen(1, 2, 1);
        EXPECT_EQ(e.HeimManager * 10 + e.GastManager, 44);
        // Zufallsstadion der Liga 3 (k = 2): höchstens 2 * 2500 + 2 * 15000 Plätze.
        EXPECT_TRUE(e.Zuschauer >= 0 && e.Zuschauer <= 35000);
    }
    EXPECT_EQ(std::memcmp(&manager, &S.Manager, sizeof manager), 0);
}

TEST(Spiel, ZweiManagervereineJeVonIhrerSeiteGebucht)
{
    // Uefa-Pokal: Eintritt nur für den Heimmanager, der Gästeanteil (Preis mit Zuschlag) nur für den Gast.
    ZweiVereine(2, 2);
    S.Spiel.Wettbewerb = Wettbewerb_::Uefa;
    S.Mannschaft[1].UefaRunde = "A1B-1C0D0";
    S.Mannschaft[2].UefaRunde = "A-1B-1C0D0";
    ZufallSetzen(21);
    Spielergebnis_ e = SpielBerechnen(1, 2, 1);
    ASSERT_EQ(e.HeimManager * 10 + e.GastManager, 1);
    const Manager_& h = S.Manager[0];
    const Manager_& g = S.Manager[1];
    EXPECT_EQ(h.Kontostand, 1000000 + (e.Zuschauer - 2000) * 20);
    EXPECT_EQ(g.Kontostand, 1000000 + e.Zuschauer / 2 * 22); // 20 * 1,1
    EXPECT_EQ(h.HeimSpiele + h.HeimspieleSaison + g.AuswaertsSpiele + h.SpieleGespielt + g.SpieleGespielt, 5);
    EXPECT_EQ(h.AuswaertsSpiele + g.HeimSpiele + g.ZuschauerSaison, 0);
    EXPECT_EQ(h.ZuschauerSaison, e.Zuschauer);
    // Sieg und Niederlage von der eigenen Seite, dazu für beide der Uefa-Bonus (+1,0 / +0,3).
    ASSERT_FALSE(e.Remis()) << "Saat liefert ein Remis";
    const Manager_& sieger = e.Heimsieg() ? h : g;
    const Manager_& verlierer = e.Heimsieg() ? g : h;
    EXPECT_EQ(sieger.HeimSiege + sieger.AuswaertsSiege, 1);
    EXPECT_EQ(verlierer.HeimSiege + verlierer.AuswaertsSiege, 0);
    EXPECT_FLOAT_EQ(sieger.Werbeanfragen, 5 + 0.2f + 1.0f);
    EXPECT_FLOAT_EQ(verlierer.Werbeanfragen, 5 - 0.1f + 1.0f);
    EXPECT_FLOAT_EQ(sieger.Managerpunkte, 50 + 0.1f + 0.3f);
    EXPECT_FLOAT_EQ(verlierer.Managerpunkte, 50 - 0.2f + 0.3f);

    // Ligaspiel: der Gast bekommt keinen Anteil.
    ZweiVereine(2, 2);
    ZufallSetzen(22);
    e = SpielBerechnen(1, 2, 1);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 + (e.Zuschauer - 2000) * 20);
    EXPECT_EQ(S.Manager[1].Kontostand, 1000000);
}

TEST(Spiel, MoralNachPlatzabstand)
{
    // Heimsieg gegen einen 17 Plätze schlechteren: 18 + 1 - 18 = 1; umgekehrt 18 + 18 - 1 = 35.
    // Remis (Plätze 3 und 10): jeder bekommt seinen Platz minus den des anderen.
    using Fall = std::tuple<int, int, bool, int, int>; // Plätze, Remis, Moral danach
    for (const auto& [hp, gp, remis, mh, mg] :
         {Fall{1, 18, false, 51, 49}, Fall{18, 1, false, 85, 15}, Fall{3, 10, true, 43, 57}}) {
        auto aufbau = [hp = hp, gp = gp] {
            ZweiVereine();
            S.Mannschaft[1].Platz = static_cast<uint8_t>(hp);
            S.Mannschaft[2].Platz = static_cast<uint8_t>(gp);
        };
        ASSERT_TRUE(SpielBis(aufbau, [r = remis](int h, int g) { return r ? h == g : h > g; }));
        EXPECT_EQ(S.Mannschaft[1].Moral, mh);
        EXPECT_EQ(S.Mannschaft[2].Moral, mg);
    }
}

TEST(Spiel, ZuschauerHoechstensPlaetzeOhneDauerkartenNieNegativ)
{
    ZweiVereine(1, 1);
    S.Manager[0].Plaetze = 5000;
    S.Manager[0].DauerkartenVerkauft = 1000;
    S.Manager[0].Komfortpunkte = 100;
    S.Mannschaft[1].Moral = 100;
    ZufallSetzen(1);
    EXPECT_EQ(SpielBerechnen(1, 2, 1).Zuschauer, 4000);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 + 3000 * 20);

    // Mehr Dauerkarten als Plätze: niemand zahlt, die Differenz geht vom Konto.
    ZweiVereine(1, 1);
    S.Manager[0].Plaetze = 500;
    S.Manager[0].DauerkartenVerkauft = 800;
    EXPECT_EQ(SpielBerechnen(1, 2, 1).Zuschauer, 0);
    EXPECT_EQ(S.Manager[0].Kontostand, 1000000 - 800 * 20);
}

TEST(Spiel, DfbPokalNieRemisEuropapokalSchon)
{
    ZweiVereine(2);
    S.Spiel.Wettbewerb = Wettbewerb_::Dfb;
    const Mannschaft_ a = S.Mannschaft[1], b = S.Mannschaft[2];
    ZufallSetzen(12);
    int wiederholt = 0;
    for (int i = 0; i < 300; ++i) {
        S.Mannschaft[1] = a;
        S.Mannschaft[2] = b;
        const Spielergebnis_ e = SpielBerechnen(1, 2, 1);
        EXPECT_FALSE(e.Remis());
        // Wiederholte 90 Minuten zählen ihre Tore dazu; die Spur zeigt nur den letzten Durchgang.
        int inSpur = 0;
        for (int m = 1; m <= 90; ++m) inSpur += e.Spielverlauf[m].Ereignis != 0;
        EXPECT_LE(inSpur, e.ToreHeim + e.ToreGast);
        wiederholt += inSpur < e.ToreHeim + e.ToreGast;
    }
    EXPECT_GT(wiederholt, 0);
    // Nur Ligaspiele ändern Punkte, Legende und Moral.
    EXPECT_EQ(S.Mannschaft[1].Punkte, 0);
    EXPECT_EQ(S.Mannschaft[1].Legende, "----------");
    EXPECT_EQ(S.Mannschaft[1].Moral, 50);

    // ChampionsLige (F = 6): Remis möglich, Heim + 3, Gast + 4.
    auto aufbau = [] {
        ZweiVereine();
        S.Spiel.Wettbewerb = Wettbewerb_::Chl;
    };
    ASSERT_TRUE(SpielBis(aufbau, [](int h, int g) { return h == g; }));
    EXPECT_FLOAT_EQ(S.Mannschaft[1].EwigePunkte, 3.0f);
    EXPECT_FLOAT_EQ(S.Mannschaft[2].EwigePunkte, 4.0f);
}

TEST(Spiel, LigabuchfuehrungUndErgebnistext)
{
    // Liga 4: F = 1/4; ein Remis bringt Heim 0,125 und Gast 0,25 / 1,5 = 0,1667, gespeichert 0,167.
    auto aufbau = [] {
        ZweiVereine(4);
        S.Spiel.Spieltag = 7;
    };
    auto e = SpielBis(aufbau, [](int h, int g) { return h == g; });
    ASSERT_TRUE(e);
    EXPECT_FLOAT_EQ(S.Mannschaft[1].EwigePunkte, 0.125f);
    EXPECT_FLOAT_EQ(S.Mannschaft[2].EwigePunkte, 0.167f);
    EXPECT_EQ(e->Toto(), 0);
    EXPECT_EQ(S.Mannschaft[1].Legende, "---------U");

    // 2:1 steht als " 2:1 " da, Auswärtssieg 0:3 als " 0:3 ".
    e = SpielBis(aufbau, [](int h, int g) { return h == 2 && g == 1; });
    ASSERT_TRUE(e);
    EXPECT_EQ(S.Ergebnisse[4][7][1].text(), " 2:1 ");
    EXPECT_EQ(e->Stand(), "2:1");
    EXPECT_EQ(e->Toto(), 1);
    EXPECT_EQ(S.Mannschaft[2].Legende, "---------V");
    e = SpielBis(aufbau, [](int h, int g) { return h == 0 && g == 3; });
    ASSERT_TRUE(e);
    EXPECT_EQ(S.Ergebnisse[4][7][1].text(), " 0:3 ");
    EXPECT_EQ(e->Toto(), 2);
    EXPECT_EQ(S.Mannschaft[2].Punkte, 3);
    EXPECT_FLOAT_EQ(S.Mannschaft[2].EwigePunkte, 0.375f);
}

TEST(Spiel, MannschaftenPruefenKlemmtUndRechnetGesamt)
{
    ZweiVereine();
    Mannschaft_& v = S.Mannschaft[1];
    v.Moral = 130;
    v.Verteidigung = 112;
    v.Mittelfeld = 0;
    v.Angriff = 50;
    S.Mannschaft[2].Moral = -5;
    MannschaftenPruefen(1, 2);
    EXPECT_EQ(v.Moral, 100);
    EXPECT_EQ(v.Verteidigung, 111); // die Obergrenze ist 111, nicht 100
    EXPECT_EQ(v.Mittelfeld, 1);
    EXPECT_EQ(v.Gesamt, 54); // (111 + 1 + 50) / 3
    EXPECT_EQ(S.Mannschaft[2].Moral, 1);
}

TEST(Spiel, OhneDivisionDurchNull)
{
    // Leere Elf gegen leere Elf.
    ZweiVereine(1, 2);
    for (int i = 1; i <= 2; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Verteidigung = v.Mittelfeld = v.Angriff = v.Gesamt = 0;
        v.Moral = 1;
        v.Platz = 18;
    }
    ZufallSetzen(2);
    EXPECT_NO_THROW(SpielBerechnen(1, 2, 1));
    // Ein abgestiegener Pokalsieger empfängt als Verbandsligist: kein Abbruch des Pokaltags.
    ZweiVereine(5, 0);
    S.Spiel.Wettbewerb = Wettbewerb_::Pdp;
    Spielergebnis_ e;
    ASSERT_NO_THROW(e = SpielBerechnen(1, 2, 1));
    EXPECT_GE(e.Zuschauer, 0);
    // Ein Manager, der keinen Eintritt verlangt.
    ZweiVereine(1, 1);
    S.Manager[0].Eintrittspreis = 0;
    ASSERT_NO_THROW(e = SpielBerechnen(1, 2, 1));
    EXPECT_LE(e.Zuschauer, S.Manager[0].Plaetze - S.Manager[0].DauerkartenVerkauft);
}

TEST(Spiel, KeineHeapAnforderungUndKeineVorfaelle)
{
    // Karten und Verletzungen entstehen nur in der Live-Ansicht, nie in der Spielberechnung.
    ZweiVereine(3, 2);
    for (int m = 0; m <= 1; ++m) {
        S.Manager[m].Einsatz = 100;
        S.Manager[m].KaderAnzahl = 14;
        for (int i = 1; i <= 11; ++i) S.Manager[m].Kader[i].Eingesetzt = 1;
    }
    const auto vorher = S.Manager;
    const auto gelbVorher = GelbHeute;
    ZufallSetzen(17);
    gAnforderungen = 0;
    gZaehlen = true;
    for (const Wettbewerb_ wb :
         {Wettbewerb_::Liga, Wettbewerb_::Dfb, Wettbewerb_::Uefa, Wettbewerb_::Pdp, Wettbewerb_::Chl}) {
        S.Spiel.Wettbewerb = wb;
        for (int i = 0; i < 20; ++i) {
            SpielBerechnen(1, 2, 1);
            SpielBerechnen(2, 1, 2);
            MannschaftenPruefen(1, 2);
        }
    }
    gZaehlen = false;
    EXPECT_EQ(gAnforderungen.load(), 0);
    for (int m = 0; m <= 1; ++m)
        for (int i = 1; i <= 14; ++i) {
            const Kaderspieler_& a = vorher[m].Kader[i];
            const Kaderspieler_& b = S.Manager[m].Kader[i];
            EXPECT_EQ(std::memcmp(&a.GelbNational, &b.GelbNational, 4), 0); // vier Kartenzähler
            EXPECT_EQ(b.Verletzt * 10 + b.Eingesetzt, a.Eingesetzt);
        }
    EXPECT_EQ(std::memcmp(&gelbVorher, &GelbHeute, sizeof GelbHeute), 0);
}
