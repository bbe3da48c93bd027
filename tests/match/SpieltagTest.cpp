// Wettbewerbstag, Ligaspieltag, Tabelle, Spielplan, die sechs Besten und das Toto.
#include "Welt.h"

#include "core/Fehler.h"
#include "core/SkriptOberflaeche.h"
#include "match/Champions.h"
#include "match/LiveSpiel.h"
#include "match/Spieltag.h"

#include <array>
#include <cstring>
#include <set>

using namespace matchtest;

namespace {

// Was der Dauerlauf nicht schon prüft: Spiele, Punkte, Tordifferenz und Torsumme je Liga, Saisonbilanz.
void TabellenPruefen(int spieltag)
{
    for (int liga = 1; liga <= 4; ++liga) {
        int saldo = 0;
        for (int p = 1; p <= 18; ++p) {
            const Mannschaft_& v = S.Mannschaft[VereinAufPlatz(liga, p)];
            ASSERT_EQ(v.Siege + v.Unentschieden + v.Niederlagen, spieltag) << v.Name.text();
            ASSERT_EQ(v.Punkte, 3 * v.Siege + v.Unentschieden);
            saldo += v.Tore - v.Gegentore;
            const Mannschaft_& davor = S.Mannschaft[VereinAufPlatz(liga, std::max(p - 1, 1))];
            ASSERT_TRUE(davor.Punkte > v.Punkte ||
                        (davor.Punkte == v.Punkte && davor.Tore - davor.Gegentore >= v.Tore - v.Gegentore));
        }
        ASSERT_EQ(saldo, 0) << "Liga " << liga;
    }
    for (int m = 0; m <= S.Spiel.ManagerHoch; ++m)
        ASSERT_EQ(S.Saisonbilanz[m][S.Spiel.Saison].Platz, S.Manager[m].Platz);
}

// Eine Saison Tag für Tag, wie der Zugabschluss sie anstößt; höchstens so viele Tage, wie der
// Kalender hat, damit ein Fehler scheitert statt hängt. Liefert (Spieltag, Wettbewerb) je Tag.
std::vector<std::pair<int, Wettbewerb_>> SaisonSpielen()
{
    std::vector<std::pair<int, Wettbewerb_>> tage;
    while (tage.size() < 75 && !(S.Spiel.Spieltag == 34 && S.Spiel.Wettbewerb == Wettbewerb_::Liga)) {
        const Wettbewerb_ wb = S.Spiel.Wettbewerb;
        if (wb == Wettbewerb_::Liga) ++S.Spiel.Spieltag;
        WettbewerbstagSpielen();
        tage.emplace_back(S.Spiel.Spieltag, wb);
        if (wb == Wettbewerb_::Liga) TabellenPruefen(S.Spiel.Spieltag);
        if (::testing::Test::HasFatalFailure()) break;
    }
    return tage;
}

} // namespace

TEST(Spielplan, RueckrundeSpiegeltHinrunde)
{
    WeltBauen();
    for (int liga = 1; liga <= 4; ++liga)
        for (int tag = 1; tag <= 17; ++tag) {
            std::set<int> vereine;
            for (int p = 1; p <= 9; ++p) {
                const int h = SpielplanMannschaft(liga, tag, p, 0);
                const int g = SpielplanMannschaft(liga, tag, p, 1);
                EXPECT_EQ(SpielplanMannschaft(liga, tag + 17, p, 0), g);
                EXPECT_EQ(SpielplanMannschaft(liga, tag + 17, p, 1), h);
                vereine.insert({h, g});
            }
            EXPECT_EQ(vereine.size(), 18u);
            EXPECT_EQ(S.Mannschaft[*vereine.begin()].Liga, liga);
        }
    // Die Spielplannummer bleibt am Verein, auch wenn die Tabelle umsortiert wird.
    Mannschaft_& verein = S.Mannschaft[SpielplanMannschaft(2, 5, 3, 0)];
    const std::string name = verein.Name.text();
    verein.Punkte = 30;
    TabelleSortieren(2);
    EXPECT_EQ(SpielplanMannschaft(2, 5, 3, 0), VereinAufPlatz(2, 1));
    EXPECT_EQ(S.Mannschaft[VereinAufPlatz(2, 1)].Name, name);

    // Ein Slot, den niemand trägt, ergibt 0; der Spieltag bricht dann ab, statt Verein 0
    // spielen zu lassen und das Ergebnis in eine fremde Liga zu schreiben.
    S.Spieltage[1][1][0] = 19;
    EXPECT_EQ(SpielplanMannschaft(1, 1, 1, 0), 0);
    EXPECT_EQ(SpielplanMannschaft(1, 18, 1, 1), 0);
    S.Spiel.Spieltag = 1;
    const auto liga1 = S.Ergebnisse[1];
    EXPECT_THROW(LigaSpieltag(2), Laufzeitfehler);
    EXPECT_EQ(std::memcmp(&liga1, &S.Ergebnisse[1], sizeof liga1), 0);
}

TEST(Tabelle, SiebenKriterienBisZurEwigenTabelleUndAlterReihenfolge)
{
    WeltBauen();
    // Name, Punkte, Tore, Gegentore, Siege, Niederlagen, ewige Punkte; jeder Verein liegt vor
    // dem nächsten erst durch das in der Bemerkung genannte Kriterium.
    struct Zeile {
        const char* name;
        int p, t, g, s, n;
        float e;
    };
    const std::vector<Zeile> soll = {
        {"P", 20, 10, 10, 5, 5, 0}, {"D", 19, 12, 10, 5, 5, 0},     // Punkte, Differenz
        {"T", 19, 11, 10, 5, 5, 0}, {"T2", 19, 10, 9, 5, 5, 0},     // Tore (damit auch Gegentore)
        {"S", 16, 10, 10, 6, 5, 0}, {"S2", 16, 10, 10, 5, 5, 0},    // Siege
        {"N", 15, 10, 10, 5, 4, 0}, {"N2", 15, 10, 10, 5, 5, 0},    // Niederlagen
        {"E", 14, 10, 10, 5, 5, 9.5f}, {"E2", 14, 10, 10, 5, 5, 9.25f}, // ewige Punkte
        {"A", 13, 10, 10, 5, 5, 1}, {"B", 13, 10, 10, 5, 5, 1}, {"C", 13, 10, 10, 5, 5, 1}, // alte Reihenfolge
        {"F1", 10, 10, 10, 5, 5, 0}, {"F2", 9, 10, 10, 5, 5, 0}, {"F3", 8, 10, 10, 5, 5, 0},
        {"X", 2, 1, 10, 0, 9, 0}, {"Y", 1, 1, 12, 0, 9, 0},
    };
    // Die Besseren und die Schlechteren je verkehrt herum, A, B, C dazwischen in ihrer Reihenfolge.
    const int reihenfolge[18] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 10, 11, 12, 17, 16, 15, 14, 13};
    for (int p = 1; p <= 18; ++p) {
        const Zeile& z = soll[static_cast<size_t>(reihenfolge[p - 1])];
        Mannschaft_& v = S.Mannschaft[VereinAufPlatz(3, p)];
        v.Name = z.name;
        SETZE(v.Punkte, z.p);
        SETZE(v.Tore, z.t);
        SETZE(v.Gegentore, z.g);
        SETZE(v.Siege, z.s);
        SETZE(v.Niederlagen, z.n);
        v.EwigePunkte = z.e;
    }
    S.Manager[0].Vereinsname = "E2";
    TabelleSortieren(3);
    for (int p = 1; p <= 18; ++p) {
        EXPECT_EQ(S.Mannschaft[VereinAufPlatz(3, p)].Name, soll[static_cast<size_t>(p - 1)].name) << "Platz " << p;
        EXPECT_EQ(S.Mannschaft[VereinAufPlatz(3, p)].Platz, p);
    }
    EXPECT_EQ(S.Manager[0].Platz, 10);
    // Eintrag 0 ist die Tauschablage: er hält den zuletzt verdrängten Verein.
    EXPECT_EQ(S.Mannschaft[0].Name, "Y");
}

TEST(Wettbewerbstag, GanzeSaisonAllerWettbewerbeAufDerEchtenWelt)
{
    EchteWelt(77);
    SkriptOberflaeche ui;
    for (int i = 0; i < 20; ++i) ui.antworte("Ja"); // weiter zusehen, wenn ein Managerverein ausscheidet
    for (int m = 0; m <= 1; ++m)
        for (int o : {OptZeigeDfb, OptZeigeUefa, OptZeigePdp, OptZeigeChl}) S.Optionen[m][o] = 1;
    ProtokollAnzeige anz;
    const auto tage = SaisonSpielen();
    if (HasFatalFailure()) return;

    ASSERT_GE(tage.size(), 14u);
    constexpr auto L = Wettbewerb_::Liga, D = Wettbewerb_::Dfb, U = Wettbewerb_::Uefa, P = Wettbewerb_::Pdp,
                   C = Wettbewerb_::Chl;
    const std::vector<std::pair<int, Wettbewerb_>> anfangSoll = {
        {1, L}, {2, L}, {2, C},         // nach 2: ChampionsLige
        {3, L}, {3, P},                 // nach 3 (ungerade): Pokalsieger, dann 4
        {4, L}, {4, P}, {4, C},         // nach 4: Pokalsieger, ChampionsLige
        {5, L}, {5, D},                 // nach 5: DFB-Pokal
        {6, L}, {6, U}, {6, C}, {7, L}, // nach 6: Uefa, ChampionsLige, dann 7
    };
    EXPECT_EQ(std::vector(tage.begin(), tage.begin() + 14), anfangSoll);
    std::array<int, 5> zahl{};
    for (const auto& [tag, wb] : tage) ++zahl[static_cast<size_t>(WettbewerbNr(wb))];
    EXPECT_EQ(zahl, (std::array<int, 5>{34, 6, 12, 8, 15}));
    EXPECT_EQ(S.Spiel.ChlSpieltag, 15);
    for (int l = 1; l <= 4; ++l)
        for (int t = 1; t <= 34; ++t)
            for (int p = 1; p <= 9; ++p) ASSERT_EQ(S.Ergebnisse[l][t][p].text().find('-'), std::string::npos);

    // Genau ein Sieger je Pokal, sonst niemand mehr darin; dazu der ChampionsLige-Sieger auf der Tafel.
    for (const Wettbewerb_ w : Pokalwettbewerbe) {
        EXPECT_EQ(Zaehle(w, "Sieger"), 1) << WettbewerbName(w);
        EXPECT_EQ(Zaehle(w, ""), S.Spiel.MannschaftHoch - 1) << WettbewerbName(w);
    }
    EXPECT_EQ(anz.anzahl("sieger:"), 4u);
    EXPECT_EQ(anz.anzahl("Sieger in der ChampionsLige"), 1u);
    EXPECT_FALSE(ui.enthaelt("FEHLER")); // jeder Slot der ChampionsLige hat seinen Verein
}

// Griffe halten ihren Verein über Ligaspieltage, an denen die Tabelle umsortiert; ein gemerkter
// Index tut das nicht (sonst prüfte der Test nichts).
TEST(Wettbewerbstag, VereinsgriffeUeberdauernDieTabelle)
{
    EchteWelt(5);
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    std::vector<std::pair<Vereinsgriff, std::string>> griffe;
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) griffe.emplace_back(GriffAuf(i), S.Mannschaft[i].Name.text());
    int verschoben = 0;
    for (int tag = 1; tag <= 3; ++tag) {
        S.Spiel.Wettbewerb = Wettbewerb_::Liga;
        S.Spiel.Spieltag = tag;
        WettbewerbstagSpielen();
        for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
            const auto& [griff, name] = griffe[static_cast<size_t>(i - 1)];
            EXPECT_EQ(S.Mannschaft[VereinZu(griff)].Name.text(), name) << i;
            EXPECT_EQ(GriffAuf(VereinZu(griff)), griff) << i;
            if (S.Mannschaft[i].Name.text() != name) ++verschoben;
        }
    }
    EXPECT_GT(verschoben, 0);
    EXPECT_EQ(VereinZu({1, 99}), 0);
}

TEST(Wettbewerbstag, AufraeumenPokalpaarungenUndAktienkurs)
{
    WeltBauen();
    ManagerSetzen(0, 57);
    ProtokollAnzeige anz;
    GelbHeute[0][5] = 1;
    S.Spiel.Wettbewerb = Wettbewerb_::Dfb;
    S.Spiel.Spieltag = 5;
    S.Optionen[0][OptZeigeDfb] = 1;
    for (int i = 1; i <= 10; ++i) S.Mannschaft[i].DfbRunde = "J";
    for (int i = 1; i <= 7; ++i) S.Mannschaft[i].PdpRunde = "J";
    WettbewerbstagSpielen();
    EXPECT_EQ(GelbHeute[0][5], 0);
    EXPECT_EQ(Sitzung.DfbPaarungen * 100 + Sitzung.PdpPaarungen * 10 + Sitzung.UefaPaarungen, 530);
    EXPECT_TRUE(S.PokalZeigen);

    // Der Kurs strebt zu 1000 zurück: höchstens 100 Schwankung und 10 zurück.
    for (uint32_t saat = 1; saat <= 50; ++saat) {
        S.Spiel.Wettbewerb = Wettbewerb_::Uefa; // ohne Paarungen
        S.Spiel.Aktienkurs = 5000;
        ZufallSetzen(saat);
        WettbewerbstagSpielen();
        EXPECT_TRUE(S.Spiel.Aktienkurs >= 4890 && S.Spiel.Aktienkurs <= 5090);
    }
    EXPECT_FALSE(S.PokalZeigen);
}

TEST(Ligaspieltag, TabelleNurFuerGewaehlteLigaUndSichtbaresHauptfenster)
{
    WeltBauen();
    ManagerSetzen(0, 57); // Oberliga, Platz 3
    SkriptOberflaeche ui;
    ProtokollAnzeige anz;
    S.Spiel.Spieltag = 18;
    ZufallSetzen(7);
    LigaSpieltag(4);
    EXPECT_TRUE(anz.enthaelt("kopf:Oberliga|18. Spieltag der Rückrunde"));
    EXPECT_EQ(anz.anzahl("live:"), 1u); // das eine Managerspiel
    EXPECT_TRUE(anz.enthaelt("tabelle:4"));

    // Verborgenes Hauptfenster: keine Tabelle, außer der erste Manager will jede Liga sehen (Wahl 0).
    anz.leeren();
    anz.hauptfenster = false;
    LigaSpieltag(4);
    EXPECT_FALSE(anz.enthaelt("tabelle:"));
    S.Optionen[0][OptAnzeigeLiga] = 0;
    LigaSpieltag(1);
    EXPECT_TRUE(anz.enthaelt("tabelle:1"));
    // Eine Liga ohne Manager und nicht gewählt: keine Live-Ansicht, keine Tabelle.
    anz.leeren();
    anz.hauptfenster = true;
    S.Optionen[0][OptAnzeigeLiga] = 4;
    LigaSpieltag(3);
    EXPECT_FALSE(anz.enthaelt("tabelle:") || anz.enthaelt("live:"));
}

TEST(Toto, AuswertungImLigaspieltag)
{
    EXPECT_EQ(TotoGewinn(3, 1), 13333);
    // Die Ergebnisse des Tages erst ausspielen, dann denselben Tag mit passenden Tipps wiederholen.
    WeltBauen();
    ManagerSetzen(0, 57); // Oberliga
    ManagerSetzen(1, 22); // 2. Liga
    S.Spiel.Spieltag = 3;
    const Spielstand vorher = S;
    ZufallSetzen(31);
    const auto ergebnis = LigaSpieltag(4);
    const int32_t ohneToto = S.Manager[0].Kontostand;
    for (const auto& [richtige, gewinn] : {std::pair{9, 2560000}, std::pair{1, 10000}, std::pair{0, 0}}) {
        std::string tip; // die ersten `richtige` Paarungen getroffen
        for (int k = 1; k <= 9; ++k)
            tip += k <= richtige ? static_cast<char>('0' + ergebnis[k]) : ergebnis[k] == 1 ? '2' : '1';
        S = vorher;
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        S.Manager[0].TotoTip = tip;
        S.Manager[1].TotoTip = "111111111"; // wartet auf den Spieltag der eigenen Liga
        ZufallSetzen(31);
        LigaSpieltag(4);
        EXPECT_EQ(S.Manager[1].TotoTip, "111111111");
        EXPECT_TRUE(anz.enthaelt("toto:1:-"));
        EXPECT_EQ(S.Manager[0].Kontostand - ohneToto, gewinn);
        EXPECT_EQ(ui.anzahl("Klang:tataA"), richtige == 9 ? 1u : 0u);
        // Ohne Treffer bleibt der Tipp für den nächsten Spieltag.
        EXPECT_EQ(S.Manager[0].TotoTip.leer(), richtige > 0);
        const std::string zeile = "toto:0:Manager0:" + std::to_string(richtige) + " Richtig";
        EXPECT_EQ(anz.enthaelt(richtige > 0 ? zeile : "Richtig"), richtige > 0);
    }
}

TEST(BesteSechs, PraemieUndListe)
{
    WeltBauen();
    ManagerSetzen(1, 22);
    for (int i = 1; i <= 72; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        SETZE(v.Punkte, 30 - v.Platz);
        v.Tore = 20;
        v.Gegentore = 10;
    }
    // Manager1 auf Platz 4 der Liga 2 (Verein 22) hat die meisten Punkte; die Gleichen mit 29
    // Punkten folgen in der Reihenfolge der Auswahl: Liga 1, 2, 3, 4.
    S.Mannschaft[22].Punkte = 40;
    S.Mannschaft[22].Tore = 35;
    S.Spiel.Spieltag = 17;
    SkriptOberflaeche ui;
    BesteSechs();
    EXPECT_EQ(S.Manager[1].Kontostand, 1000000 + 600000 * 3);
    EXPECT_EQ(ui.texte(), std::vector<std::string>{"Die 6 Besten Liga-Manschaften nach Punkten + Toren|"
                                                   "1.Verein 22................(2) Pk:40 Td:25 +1.800.000 €\r\n"
                                                   "2.Verein 1.................(1) Pk:29 Td:10 +1.200.000 €\r\n"
                                                   "3.Verein 19................(2) Pk:29 Td:10   +600.000 €\r\n"
                                                   "4.Verein 37................(3) Pk:29 Td:10   +300.000 €\r\n"
                                                   "5.Verein 55................(4) Pk:29 Td:10   +120.000 €\r\n"
                                                   "6.Verein 2.................(1) Pk:28 Td:10   +400.000 €"});
    // Nach Spieltag 34 das Doppelte.
    S.Spiel.Spieltag = 34;
    BesteSechs();
    EXPECT_EQ(S.Manager[1].Kontostand, 1000000 + 600000 * 3 + 1200000 * 3);
}
