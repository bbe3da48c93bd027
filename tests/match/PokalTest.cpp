// Pokale: Saisonstart, Auslosung, Hin- und Rückspiel, Prämien.
#include "Welt.h"

#include "core/SkriptOberflaeche.h"
#include "match/Champions.h"

#include <set>

using namespace matchtest;

TEST(PokalCode, LesenUndSetzen)
{
    EXPECT_EQ(CodeWert("A12B6C10D2", 'C'), "10");
    EXPECT_EQ(CodeSetzen("A-3B-1C0D0", 'C', "12"), "A-3B-1C12D0");
    EXPECT_EQ(CodeSetzen("A1", 'B', "0"), "A1B0");
    EXPECT_THROW(CodeZahl("J", 'B'), Laufzeitfehler);
    EXPECT_THROW(CodeZahl("A1Bx", 'B'), Laufzeitfehler);
}

TEST(PokaleVorbereiten, TeilnehmerNationenUndErsteRunden)
{
    ZufallSetzen(11);
    WeltBauen(16, 6);
    ManagerSetzen(0, 30); // 2. Liga: DFB-Pokal ja, Europa nein
    S.Mannschaft[40].DfbRunde = "Sieger";
    S.Mannschaft[100].UefaRunde = "Sieger"; // Reste der alten Saison
    S.Spiel.ChlSpieltag = 15;
    S.ChlTabelle[3].ChlPunkte = 30;

    PokaleVorbereiten();

    EXPECT_EQ(S.Spiel.ChlSpieltag, 0);
    EXPECT_EQ(Zaehle(Wettbewerb_::Uefa, "Sieger"), 0);
    for (int p = 1; p <= 32; ++p) { // 64 im DFB-Pokal und im Uefa Pokal, alle ausgelost
        EXPECT_EQ(Zaehle(Wettbewerb_::Dfb, std::to_string(p)) + Zaehle(Wettbewerb_::Dfb, std::to_string(-p)), 2);
        EXPECT_EQ(Zaehle(Wettbewerb_::Uefa, "A" + std::to_string(-p) + "B-1C0D0"), 1);
    }
    for (int i = 65; i <= S.Spiel.MannschaftHoch; ++i) EXPECT_TRUE(S.Mannschaft[i].DfbRunde.leer());
    for (int i = 2; i <= 5; ++i) EXPECT_FALSE(S.Mannschaft[i].UefaRunde.leer());
    EXPECT_FALSE(S.Mannschaft[40].PdpRunde.leer()); // der letzte DFB-Pokalsieger
    EXPECT_TRUE(S.Mannschaft[1].PdpRunde.leer());
    EXPECT_EQ(S.Mannschaft[1].ChlRunde.text(), "1");

    // Die Nationen nach ihrer Summe, ihre Vereine nach Stärke; aus den besten 15 der
    // Erste in die ChampionsLige, der Zweite zu den Pokalsiegern, 3 bis 6 in den Uefa Pokal.
    int64_t vorige = INT64_MAX;
    for (int n = 0; n < 16; ++n) {
        int64_t summe = 0;
        for (int k = 0; k < 6; ++k) {
            const Mannschaft_& v = S.Mannschaft[79 + 6 * n + k];
            const Mannschaft_& davor = S.Mannschaft[78 + 6 * n + k];
            EXPECT_EQ(v.Nation.text(), S.Mannschaft[79 + 6 * n].Nation.text());
            summe += v.Gesamt;
            if (k > 0) {
                EXPECT_TRUE(davor.Gesamt > v.Gesamt || (davor.Gesamt == v.Gesamt && davor.Moral >= v.Moral));
            }
            EXPECT_EQ(v.ChlRunde.text(), n < 15 && k == 0 ? std::to_string(n + 2) : "");
            EXPECT_EQ(!v.PdpRunde.leer(), n < 15 && k == 1);
            EXPECT_EQ(!v.UefaRunde.leer(), n < 15 && k >= 2);
        }
        EXPECT_GE(vorige, summe);
        vorige = summe;
    }
    for (int k = 1; k <= 16; ++k) EXPECT_EQ(S.ChlTabelle[k].ChlSlot * 100 + S.ChlTabelle[k].ChlPunkte, k * 100);
    const Saisonbilanz_& b = S.Saisonbilanz[0][1];
    // In der ChampionsLige bekommen nur Teilnehmer einen Eintrag.
    EXPECT_EQ(b.DfbErgebnis.text() + b.UefaErgebnis.text() + b.PdpErgebnis.text() + b.ChlErgebnis.text(), "1.Runde--");
}

TEST(PokalAuslosen, UnterklassigerHatHeimrecht)
{
    for (uint32_t saat = 1; saat <= 20; ++saat) {
        ZufallSetzen(saat);
        WeltBauen();
        S.Mannschaft[3].DfbRunde = "J";  // Bundesliga
        S.Mannschaft[60].DfbRunde = "J"; // Oberliga
        PokalAuslosen(Wettbewerb_::Dfb);
        EXPECT_EQ(S.Mannschaft[60].DfbRunde.text(), "1");
        EXPECT_EQ(S.Mannschaft[3].DfbRunde.text(), "-1");
    }
}

namespace {

// Verein 20 hat im Hinspiel Heimrecht, Verein 10 im Rückspiel. Wer kommt weiter?
int Zweikampf(int hin20, int hin10, int rueck10, int rueck20)
{
    KurzText<12>& x = S.Mannschaft[10].UefaRunde;
    KurzText<12>& y = S.Mannschaft[20].UefaRunde;
    y = "A7B-1C0D0";
    x = "A-7B-1C0D0";
    EXPECT_EQ(RueckspielEntscheiden(y, x, 0, 10, 20, hin20, hin10), 0);
    return RueckspielEntscheiden(x, y, 0, 20, 10, rueck10, rueck20);
}

} // namespace

TEST(Rueckspiel, PunkteToreAuswaertstoreElfmeter)
{
    SkriptOberflaeche ui;
    WeltBauen();
    // Nach dem Hinspiel 1:2 steht es so; das Heimrecht hat gewechselt.
    KurzText<12> y{}, x{};
    y = "A7B-1C0D0";
    x = "A-7B-1C0D0";
    RueckspielEntscheiden(y, x, 0, 10, 20, 1, 2);
    EXPECT_EQ(y.text(), "A-7B0C1D0");
    EXPECT_EQ(x.text(), "A7B3C0D2");

    EXPECT_EQ(Zweikampf(0, 2, 1, 1), 10); // Punkte 4:1
    EXPECT_EQ(S.Mannschaft[10].UefaRunde.text() + "|" + S.Mannschaft[20].UefaRunde.text(), "J|");
    EXPECT_EQ(Zweikampf(0, 1, 0, 3), 20); // 3:3 Punkte, Tore 1:3
    EXPECT_EQ(Zweikampf(1, 2, 0, 1), 10); // 3:3 Punkte, 2:2 Tore, auswärts 2 gegen 1
    EXPECT_EQ(Zweikampf(1, 0, 2, 1), 20); // umgekehrt: nur 20 traf auswärts
    EXPECT_TRUE(ui.protokoll.empty());

    // 2:1 auswärts gewonnen, 1:2 daheim verloren: beide haben 2 Auswärtstore, also Elfmeter.
    S.PokalZeigen = true;
    ZufallSetzen(5);
    const int weiter = Zweikampf(1, 2, 1, 2);
    EXPECT_TRUE(ui.enthaelt("Entscheidung durch Elfmeterschießen !"));
    EXPECT_EQ(ui.texte().back(), "Elfmeterschießen|Verein " + std::to_string(weiter) + " hat es geschafft !");

    // Das Elfmeterschießen endet nie unentschieden, und jeder kann es gewinnen.
    S.PokalZeigen = false;
    std::set<int> sieger;
    for (uint32_t saat = 1; saat <= 100; ++saat) {
        ZufallSetzen(saat);
        sieger.insert(Zweikampf(0, 0, 0, 0));
        EXPECT_EQ(Zaehle(Wettbewerb_::Uefa, "J"), 1);
        EXPECT_EQ(Zaehle(Wettbewerb_::Uefa, ""), S.Spiel.MannschaftHoch - 1);
    }
    EXPECT_EQ(sieger, (std::set<int>{10, 20}));
}

TEST(DfbPokaltag, FinalePraemieUndRundengeldAuchFuerDenVerlierer)
{
    int siege = 0, lacher = 0;
    for (uint32_t saat = 1; saat <= 16; ++saat) {
        ZufallSetzen(saat);
        WeltBauen();
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        const bool zeigen = saat % 2 == 0;
        // Oberligist daheim gegen Bundesligist; Manager 0 führt abwechselnd den einen oder den anderen.
        const int manager = zeigen ? 3 : 60;
        ManagerSetzen(0, manager);
        S.Mannschaft[60].Verteidigung = S.Mannschaft[60].Mittelfeld = S.Mannschaft[60].Angriff = 85;
        MannschaftenPruefen(60, 60);
        S.Mannschaft[60].DfbRunde = "1";
        S.Mannschaft[3].DfbRunde = "-1";
        S.Spiel.Wettbewerb = Wettbewerb_::Dfb;
        S.PokalZeigen = zeigen;
        S.Optionen[0][OptZeigeDfb] = 1;
        if (zeigen) { // zwei Manager: nach jedem Rundengeld die Frage an den Verlierer
            ManagerSetzen(1, 60);
            S.Optionen[1][OptZeigeDfb] = 1;
        }
        ui.antworte("Ja");
        ui.antworte("Nein");

        DfbPokaltag();

        const int sieger = S.Mannschaft[60].DfbRunde == "Sieger" ? 60 : 3;
        const bool sieg = sieger == manager;
        EXPECT_EQ(S.Mannschaft[sieger].DfbRunde.text(), "Sieger");
        EXPECT_TRUE(S.Mannschaft[63 - sieger].DfbRunde.leer());
        EXPECT_EQ(S.Saisonbilanz[0][1].DfbErgebnis.text(), sieg ? "Sieger" : "-");
        EXPECT_EQ(ui.anzahl("Klang:tataa"), sieg || zeigen ? 1u : 0u); // zeigen: zwei Managervereine
        siege += sieg;
        if (!zeigen) {
            // Finale: (5 - Liga) * 10 000 * 6, ob gewonnen oder verloren; daheim die Kasse ohne Dauerkarten.
            EXPECT_EQ(S.Manager[0].Kontostand, 1000000 + ZuschauerAus(anz, 0) * 20 + 60000 + (sieg ? 2000000 : 0));
            EXPECT_EQ(ui.anzahl("Warte:") + ui.anzahl("Befehl:") + anz.anzahl("meldung:"), 0u);
            continue;
        }
        // Mit Zuschauern: Meldung neben der Zeile, Frage nach dem Aus, Warten auf "weiter".
        EXPECT_TRUE(anz.enthaelt("240.000 € Pokaleinnahmen !"));
        EXPECT_EQ(ui.anzahl("Befehl:weiter"), 1u);
        EXPECT_EQ(ui.anzahl("Klang:Lach"), sieg ? 0u : 1u); // der Große verliert beim Kleinen
        EXPECT_EQ(ui.anzahl("ist nicht mehr im DFB Pokal !"), 2u);
        EXPECT_EQ(S.Optionen[0][OptZeigeDfb] + S.Optionen[1][OptZeigeDfb], 1);
        EXPECT_EQ(S.Optionen[0][OptZeigeDfb], sieg ? 1 : 0);
        lacher += !sieg;
    }
    EXPECT_GT(siege, 0);
    EXPECT_GT(lacher, 0);
}

TEST(Europapokaltag, FinaleInHinUndRueckspiel)
{
    for (uint32_t saat = 1; saat <= 6; ++saat) {
        ZufallSetzen(saat);
        WeltBauen();
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        ManagerSetzen(0, 2);
        S.Mannschaft[2].PdpRunde = "A1B-1C0D0";
        S.Mannschaft[85].PdpRunde = "A-1B-1C0D0";
        S.Spiel.Wettbewerb = Wettbewerb_::Pdp;

        PdpPokaltag();
        // Das Ergebnis steht vorn, das Hinspiel hat noch keins hinter sich.
        const std::string kopf = "zeile:0:4: ", ohne = " (-:-)";
        const auto hinZeile = Mit(anz.protokoll, kopf);
        ASSERT_EQ(hinZeile.size(), 1u);
        ASSERT_TRUE(hinZeile[0].ends_with(ohne)) << hinZeile[0];
        const std::string hin = hinZeile[0].substr(kopf.size(), hinZeile[0].size() - kopf.size() - ohne.size());
        // Finale: (5 - 1) * 10 000 * 10 je Spiel, daheim die Kasse dazu.
        const int64_t nachHin = 1000000 + ZuschauerAus(anz, 0) * 20 + 400000;
        EXPECT_EQ(S.Manager[0].Kontostand, nachHin);
        EXPECT_FALSE(anz.enthaelt("sieger:"));

        anz.leeren();
        PdpPokaltag();
        // Dahinter das Hinspiel aus Sicht des heutigen Gastgebers.
        const size_t d = hin.find(':');
        const auto rueckZeile = Mit(anz.protokoll, kopf);
        ASSERT_EQ(rueckZeile.size(), 1u);
        EXPECT_TRUE(rueckZeile[0].ends_with(" (" + hin.substr(d + 1) + ":" + hin.substr(0, d) + ")")) << rueckZeile[0];
        EXPECT_EQ(Zaehle(Wettbewerb_::Pdp, "Sieger"), 1);
        const bool sieg = S.Mannschaft[2].PdpRunde == "Sieger";
        // Auswärts dazu der Gastanteil: halbe Zuschauer mal Eintritt des Gastgebers (höchstens 8 * 4).
        const int64_t erwartet = nachHin + 400000 + (sieg ? 3333333 : 0);
        EXPECT_GE(S.Manager[0].Kontostand, erwartet);
        EXPECT_LE(S.Manager[0].Kontostand, erwartet + ZuschauerAus(anz, 0) / 2 * 32);
        EXPECT_TRUE(anz.enthaelt(std::string("sieger:Verein ") + (sieg ? "2" : "85") +
                                 "|Sieger im Pokal der Pokalsieger bekommt 3.333.333 € Siegesprämie"));
        EXPECT_EQ(S.Saisonbilanz[0][1].PdpErgebnis.text(), sieg ? "Sieger" : "-");
    }
}

TEST(DfbPokaltag, PaarungenInJederVereinsfolgeUnvollstaendigeHaeltAn)
{
    // Gastgeber und Gast stehen verstreut in der Vereinsliste, mal vor-, mal nachher.
    const std::array<std::array<int, 2>, 3> paare{{{12, 55}, {70, 3}, {40, 7}}};
    auto auslosen = [&] {
        WeltBauen();
        S.Spiel.Wettbewerb = Wettbewerb_::Dfb;
        for (size_t p = 0; p < paare.size(); ++p) {
            S.Mannschaft[paare[p][0]].DfbRunde = std::to_string(p + 1);
            S.Mannschaft[paare[p][1]].DfbRunde = "-" + std::to_string(p + 1);
        }
    };
    ZufallSetzen(3);
    auslosen();
    DfbPokaltag();
    // Die Sieger sind für die nächste Runde ausgelost (oder warten mit "J"), die Verlierer leer.
    int weiter = 0;
    for (int i = 1; i <= 72; ++i) weiter += !S.Mannschaft[i].DfbRunde.leer();
    EXPECT_EQ(weiter, 3);
    for (const auto& paar : paare) EXPECT_NE(S.Mannschaft[paar[0]].DfbRunde.leer(), S.Mannschaft[paar[1]].DfbRunde.leer());

    // "02" ist nicht die Nummer 2: der Paarung fehlt ihr Gastgeber.
    auslosen();
    S.Mannschaft[70].DfbRunde = "02";
    try {
        DfbPokaltag();
        ADD_FAILURE() << "kein Laufzeitfehler";
    } catch (const Laufzeitfehler& f) {
        EXPECT_NE(std::string(f.what()).find("DFB-Pokal-Paarung 2 ist unvollständig"), std::string::npos) << f.what();
    }
}
