// Werbung: Zugkraft, Angebote aus den Ziehungen, Unterschreiben, Kündigen und die
// Werbeeinnahmen als Summe der laufenden Banden-, Allgemein- und Fernsehverträge.
#include "../match/Welt.h"

#include "core/AutoOberflaeche.h"
#include "core/Konto.h"
#include "core/SkriptOberflaeche.h"
#include "finance/Sponsoren.h"
#include "finance/Werbung.h"
#include "flow/Zug.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace matchtest;

namespace {

struct Automat : AutoOberflaeche {
    Automat() { OberflaecheSetzen(this); }
    ~Automat() override { OberflaecheSetzen(nullptr); }
};

// Manager 0 führt Verein 55 (Oberliga, Platz 1), Moral 57, 20 Spieler: Zugkraft 5 + 20 + 18 = 43.
Manager_& Werbewelt(int liga = 4)
{
    WeltBauen();
    const int verein = VereinAufPlatz(liga, 1);
    ManagerSetzen(0, verein);
    S.Mannschaft[verein].Moral = 57;
    Manager_& mg = S.Manager[0];
    mg.KaderAnzahl = 20;
    mg.Werbeanfragen = 3.0f;
    return mg;
}

int64_t Summe(int m)
{
    int64_t s = 0;
    for (int k = 1; k <= 5; ++k)
        if (S.Werbevertraege[m][k].SpieleRest > 0) s += S.Werbevertraege[m][k].Betrag;
    return s;
}

// Eine Saat, mit der die ersten Ziehungen eines Trikotangebots den Risiko-Sponsor und den Fall k bringen.
uint32_t RisikoSaat(int k, int zusatz = -1)
{
    for (uint32_t s = 1;; ++s) {
        ZufallSetzen(s);
        if (Zufall(0, 23) != RisikoSponsor) continue;
        Zufall(1, 100);
        if (Zufall(1, 6) != k) continue;
        if (zusatz >= 0 && Zufall(0, 1) != zusatz) continue;
        ZufallSetzen(s);
        return s;
    }
}

} // namespace

TEST(Werbung, ZugkraftUndBetraege)
{
    Werbewelt();
    EXPECT_EQ(Zugkraft(0), 43);
    S.Mannschaft[ManagerVerein(0)].Platz = 18;
    S.Mannschaft[ManagerVerein(0)].Moral = -15;
    EXPECT_EQ(Zugkraft(0), -1 + 20 + 1);

    // Bande: AbrundenAuf(trunc((100 000 / L) / 624 240 * x * n * f * t) + 100, 2).
    EXPECT_EQ(Bandenbetrag(4, 1, 10, 30, 40), 500);      // 480,6 + 100 -> 500
    EXPECT_EQ(Bandenbetrag(3, 4, 5, 7, 33), 400);        // Allgemein f = 6: 370,05 + 100
    EXPECT_EQ(Bandenbetrag(1, 5, 17, 60, 50), 98100);    // Fernsehen f = 12: 98 039,8 + 100
    EXPECT_EQ(Bandenbetrag(2, 3, 0, 60, 50), 100);       // Sponsor 0 bringt nur den Sockel
    // Trikot: AbrundenAuf(trunc((5 000 000 / L) / 360 000 * (x + 1) * s * n * t) + 1000, 3).
    EXPECT_EQ(Trikotbetrag(4, 6, 3, 50, 40), 167000);    // 166 666,7 + 1 000
    EXPECT_EQ(Trikotbetrag(3, 8, 23, 100, 45), 4001000); // genau 4 000 000 + 1 000
    EXPECT_EQ(Trikotbetrag(1, 7, 0, 1, 1), 1000);
}

TEST(Werbung, AngeboteAusDenZiehungen)
{
    SkriptOberflaeche ui;
    Manager_& mg = Werbewelt(3);
    ZufallSetzen(99);
    const int x = Zufall(0, 17), n = Zufall(1, 60), spruch = Zufall(0, 23);
    ZufallSetzen(99);
    const auto a = WerbeangebotMachen(0, 2);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->sponsor, x);
    EXPECT_EQ(a->spiele, n);
    EXPECT_EQ(a->spruch, spruch);
    EXPECT_EQ(a->betrag, Bandenbetrag(3, 2, x, n, 43));
    EXPECT_FLOAT_EQ(mg.Werbeanfragen, 2.0f);
    EXPECT_EQ(AngebotText(*a), std::to_string(n) + " Spiel(e) je " + Geldtext(a->betrag) + " €");

    // Shirt: Sponsor 0..23, 1..100 Spiele.
    ZufallSetzen(5);
    const int ts = Zufall(0, 23), tn = Zufall(1, 100);
    ZufallSetzen(5);
    const auto t = WerbeangebotMachen(0, 7);
    ASSERT_TRUE(t);
    if (ts != RisikoSponsor) {
        EXPECT_EQ(t->betrag, Trikotbetrag(3, 7, ts, tn, 43));
    }
    EXPECT_EQ(t->spruch, -1);

    // Unter einer Anfrage kein Angebot; Fernsehen nie in der 4. Liga; belegter Platz nie.
    mg.Werbeanfragen = 0.99f;
    EXPECT_FALSE(WerbeangebotMachen(0, 1));
    EXPECT_FLOAT_EQ(mg.Werbeanfragen, 0.99f);
    Werbewelt(4);
    EXPECT_FALSE(WerbeangebotMachen(0, 5));
    Werbeangebot leer;
    EXPECT_EQ(BandenKlick(0, 5, leer), WerbeKlick::Traum);
    EXPECT_FLOAT_EQ(S.Manager[0].Werbeanfragen, 3.0f);
    S.Werbevertraege[0][1] = {500, 10, 3, 2, {}};
    EXPECT_FALSE(WerbeangebotMachen(0, 1));
    EXPECT_TRUE(ui.texte().empty());
    S.Manager[0].Werbeanfragen = 0.5f;
    EXPECT_EQ(BandenKlick(0, 2, leer), WerbeKlick::Niemand);
    EXPECT_FALSE(TrikotAnfragen(0, 6, leer));
    EXPECT_EQ(ui.texte(), (std::vector<std::string>{
                              "Keiner da zum Verhandeln.\r\nErst mal Tore schießen, dann kommen auch die "
                              "Gesprächspartner.",
                              "Kein Werbepartner weit und breit zu sehen !\r\nNur mit Leistung zu Erfolgsgesprächen !"}));
}

TEST(Werbung, RisikoSponsor)
{
    SkriptOberflaeche ui;
    // Fall 5 in der Oberliga: ein Spiel, 100 000 vom Konto.
    Manager_& mg = Werbewelt(4);
    RisikoSaat(5);
    auto a = WerbeangebotMachen(0, 8);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->betrag, -100000);
    EXPECT_EQ(a->spiele, 1);
    EXPECT_EQ(AngebotText(*a), "? ? ? ? ? ? ? ? ?  ? ? ?");
    EXPECT_TRUE(WerbevertragAnnehmen(0, *a));
    EXPECT_EQ(mg.Kontostand, 1000000 - 100000);
    EXPECT_EQ(mg.Werbeeinnahmen, 0);
    // Kündigen eines negativen Vertrags kostet nichts und bringt nichts.
    EXPECT_EQ(Kuendigungskosten(0, 8), 0);
    EXPECT_TRUE(WerbevertragKuendigen(0, 8));
    EXPECT_EQ(mg.Kontostand, 900000);
    EXPECT_TRUE(WerbeplatzFrei(0, 8));

    // Fall 6, zweiter Zweig: 11 111 111 über 111 Spiele; in der Bundesliga Fall 5: 400 000 Miese.
    RisikoSaat(6, 1);
    a = WerbeangebotMachen(0, 6);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->betrag, 11111111);
    EXPECT_EQ(a->spiele, 111);
    Werbewelt(1);
    RisikoSaat(5);
    a = WerbeangebotMachen(0, 6);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->betrag, -400000);
}

TEST(Werbung, KuendigenUndWerbeeinnahmen)
{
    SkriptOberflaeche ui;
    Manager_& mg = Werbewelt(3);
    mg.Kontostand = 1000000;
    // Bande 50 000 je Spiel, 10 Spiele übrig: 250 000, Werbeeinnahmen -50 000.
    ASSERT_TRUE(WerbevertragAnnehmen(0, {1, 50000, 20, 3, 0}));
    EXPECT_EQ(ui.klaenge(), std::vector<std::string>{"kasse"});
    EXPECT_EQ(mg.Kontostand, 1050000);
    EXPECT_EQ(mg.Werbeeinnahmen, 50000);
    EXPECT_FALSE(WerbevertragAnnehmen(0, {1, 999, 5, 3, 0}));
    S.Werbevertraege[0][1].SpieleRest = 10;
    EXPECT_EQ(Kuendigungskosten(0, 1), 250000);
    EXPECT_EQ(WerbeplatzText(0, 1), "noch 10 (20) Spiel(e) je 50.000 €");
    ui.antworte("Nein");
    EXPECT_FALSE(WerbungKuendigenFragen(0, 1));
    EXPECT_EQ(mg.Kontostand, 1050000);
    ui.antworte("Ja");
    EXPECT_TRUE(WerbungKuendigenFragen(0, 1));
    EXPECT_EQ(ui.texte().back(), std::string(BandenSponsoren[3]) +
                                     "\r\nnoch 10 (20) Spiel(e) je 50.000 €\r\n\r\nKündigen für 250.000 €");
    EXPECT_EQ(mg.Kontostand, 800000);
    EXPECT_EQ(mg.Werbeeinnahmen, 0);
    EXPECT_EQ(WerbeplatzText(0, 1), "- Klicke hier für Anwerbung -");

    // Halbe Euro zur geraden Zahl: 33 333 * 3 / 2 = 49 999,5 -> 50 000; 33 331 * 3 / 2 -> 49 996.
    S.Werbevertraege[0][2] = {33333, 9, 3, 1, {}};
    EXPECT_EQ(Kuendigungskosten(0, 2), 50000);
    S.Werbevertraege[0][2].Betrag = 33331;
    EXPECT_EQ(Kuendigungskosten(0, 2), 49996);

    // Trikot 1 000 000 über 100 Spiele, 40 übrig: 800 000. Länge 0 teilt nie.
    S.Werbevertraege[0][7] = {1000000, 100, 40, 4, {}};
    EXPECT_EQ(Kuendigungskosten(0, 7), 800000);
    EXPECT_EQ(WerbeplatzText(0, 7), "noch 40 (100) Spiele für einmalig 1.000.000 €");
    S.Werbevertraege[0][7].SpieleGesamt = 0;
    EXPECT_EQ(Kuendigungskosten(0, 7), 2000000);
    ui.antworte("Ja");
    EXPECT_TRUE(WerbungKuendigenFragen(0, 7));
    EXPECT_EQ(ui.texte().back(), "Kündigen für 2.000.000 €\r\n\r\n" + std::string(TrikotSponsoren[4]));
    EXPECT_EQ(mg.Werbeeinnahmen, 0);
    EXPECT_EQ(mg.Kontostand, 800000 - 2000000);
    EXPECT_EQ(WerbeplatzText(0, 7), "- Klicke hier für -");
}

TEST(Werbung, EinnahmenSindDieSummeDerLaufendenPlaetze)
{
    // Ein echtes Spiel: unterschreiben, kündigen, ablaufen lassen; Platz 0 bleibt leer.
    EchteWelt(17);
    Automat automat;
    Manager_& mg = S.Manager[0];
    mg.Werbeanfragen = 20.0f;
    mg.Kontostand = 50000000;
    ASSERT_EQ(S.Mannschaft.hoch(), S.Spiel.MannschaftHoch);
    int unterschrieben = 0;
    for (int platz = 1; platz <= 8; ++platz) {
        const auto a = WerbeangebotMachen(0, platz);
        if (!a) continue;
        ++unterschrieben;
        Werbeangebot kurz = *a;
        kurz.spiele = static_cast<int16_t>(platz); // Platz k läuft k Spiele
        EXPECT_TRUE(WerbevertragAnnehmen(0, kurz));
        EXPECT_EQ(mg.Werbeeinnahmen, Summe(0));
    }
    EXPECT_EQ(unterschrieben, 7); // Fernsehen nicht in der 4. Liga
    EXPECT_GT(mg.Werbeeinnahmen, 0);
    EXPECT_TRUE(WerbevertragKuendigen(0, 4));
    EXPECT_EQ(mg.Werbeeinnahmen, Summe(0));
    for (int tag = 1; tag <= 8; ++tag) {
        S.AktManager = 0;
        S.Spiel.Wettbewerb = Wettbewerb_::Liga;
        ASSERT_TRUE(ZugAbschliessen());
        EXPECT_EQ(mg.Werbeeinnahmen, Summe(0)) << "nach Abschluss " << tag;
    }
    EXPECT_EQ(mg.Werbeeinnahmen, 0);
    for (int k = 0; k <= 8; ++k) EXPECT_EQ(S.Werbevertraege[0][k].SpieleRest, 0);
    EXPECT_EQ(S.Werbevertraege[0][0].Betrag, 0);
}

// Am unteren Rand des Kontos: ein Vertrag, der kostet (Risiko-Sponsor), und eine Kündigung werden
// abgelehnt, statt ohne Buchung durchzugehen; die Kündigung fragt dann gar nicht erst.
// Geld herein wird bis an die obere Grenze gebucht, und der Vertrag steht.
TEST(Werbung, UnterschreibenUndKuendigenAnDenKontogrenzen)
{
    SkriptOberflaeche ui;
    struct Fall {
        const char* name;
        int32_t konto;
        bool (*handlung)();
        bool geschehen;
        int32_t kontoDanach;
    };
    const Fall faelle[] = {
        {"Kosten am Boden", KontoMin + 99999, [] { return WerbevertragAnnehmen(0, {7, -100000, 1, 17, -1}); }, false,
         KontoMin + 99999},
        {"Kosten passen genau", KontoMin + 100000, [] { return WerbevertragAnnehmen(0, {7, -100000, 1, 17, -1}); }, true,
         KontoMin},
        {"Kündigung am Boden", KontoMin + 249999, [] { return WerbungKuendigenFragen(0, 1); }, false, KontoMin + 249999},
        {"Gutschrift an der Decke", KontoMax - 10, [] { return WerbevertragAnnehmen(0, {7, 5000, 10, 4, -1}); }, true,
         KontoMax},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Manager_& mg = Werbewelt(3);
        mg.Kontostand = f.konto;
        S.Werbevertraege[0][1] = {50000, 20, 10, 3, {}};
        mg.Werbeeinnahmen = 50000;
        ui.leeren();
        ui.antworte("Ja");
        const Spielstand vorher = S;
        EXPECT_EQ(f.handlung(), f.geschehen);
        EXPECT_EQ(mg.Kontostand, f.kontoDanach);
        if (!f.geschehen) {
            EXPECT_EQ(ui.texte(), std::vector<std::string>{BetragZuGrossText});
            EXPECT_EQ(std::memcmp(&vorher.Werbevertraege[0], &S.Werbevertraege[0], sizeof(S.Werbevertraege[0])), 0);
            EXPECT_EQ(mg.Werbeeinnahmen, 50000);
        } else {
            EXPECT_EQ(S.Werbevertraege[0][7].SpieleRest, f.konto == KontoMax - 10 ? 10 : 1);
        }
    }
}

// Was die Tafel als Anfragen zeigt, ist genau, was ein Angebot verbrauchen darf.
TEST(Werbung, OffeneAnfragenSindDieGanzen)
{
    struct Fall {
        float anfragen;
        int offen;
    };
    for (const Fall f : {Fall{0.0f, 0}, Fall{0.99f, 0}, Fall{1.0f, 1}, Fall{6.4f, 6}, Fall{-2.5f, 0}}) {
        Werbewelt(3);
        S.Manager[0].Werbeanfragen = f.anfragen;
        EXPECT_EQ(OffeneWerbeanfragen(0), f.offen) << f.anfragen;
        EXPECT_EQ(WerbeangebotMachen(0, 1).has_value(), f.offen > 0) << f.anfragen;
    }
}
