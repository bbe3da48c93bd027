// Die Live-Ansicht: Ballspur, Spielanteile, Tore, Pausen und die Vorfälle.
#include "Welt.h"

#include "core/SkriptOberflaeche.h"
#include "match/LiveSpiel.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <optional>

using namespace matchtest;

namespace {

// Heimverein 1 gehört Manager 0, Gastverein 2 Manager 1; je `kader` Spieler, die ersten 11 eingesetzt.
// Liefert ein Spiel ohne Ballspur vor 12.345 Zuschauern.
Spielergebnis_ LiveWelt(int kader = 14)
{
    ZweiVereine(1, 2);
    for (int m = 0; m <= 1; ++m) {
        Manager_& mg = S.Manager[m];
        mg.KaderAnzahl = static_cast<uint8_t>(kader);
        for (int i = 1; i <= kader; ++i) {
            mg.Kader[i].Eingesetzt = i <= 11;
            mg.Kader[i].Vorname = "Vor" + std::to_string(i);
            mg.Kader[i].Nachname = "Nach" + std::to_string(i);
        }
    }
    GelbHeute = {};
    Spielergebnis_ e;
    e.Zuschauer = 12345;
    e.HeimManager = 0;
    e.GastManager = 1;
    return e;
}

// Aktion zieht zuerst r = Zufall(1, 100): 1..79 Gelb, 80..89 Rot, 90 nur Pfiff, 91..100 Verletzung.
uint32_t SaatFuer(int von, int bis)
{
    for (uint32_t saat = 1;; ++saat) {
        ZufallSetzen(saat);
        const int r = Zufall(1, 100);
        if (r >= von && r <= bis) return saat;
    }
}

// Wie viele Spieler des Managers 0 die Bedingung erfüllen.
template <class Bedingung>
int Gezaehlt(Bedingung b)
{
    int n = 0;
    for (int i = 1; i <= 14; ++i) n += b(S.Manager[0].Kader[i]);
    return n;
}

} // namespace

TEST(LiveSpiel, BallspurToreSpielanteileUndPausen)
{
    for (const bool hansDampf : {false, true}) {
        Spielergebnis_ e = LiveWelt(0); // ohne Kader keine Vorfälle
        e.Spielverlauf[1].X = 240; // 3 Schritte nach rechts: H = 1 + 1 + (1 + 2)
        e.Spielverlauf[2].X = 230; // 5 Schritte nach links: G = 5 + 2 (Schritt 6) + 2 (Ankunft)
        e.Spielverlauf[5].X = PlatzBreite - 10;
        e.Spielverlauf[5].Ereignis = -1;
        e.Spielverlauf[10].X = -22;
        e.Spielverlauf[10].Ereignis = 1;
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        anz.hansDampfAn = hansDampf;
        LiveSpiel(1, 2, e);

        EXPECT_EQ(anz.protokoll.front(), "live:Heimverein|Gastverein|zahlende Zuschauer 12.345");
        EXPECT_EQ(Mit(anz.protokoll, "stand:"), (std::vector<std::string>{"stand:0:0", "stand:1:0", "stand:1:1"}));
        const auto minuten = Mit(anz.protokoll, "minute:");
        ASSERT_EQ(minuten.size(), 92u); // 0 zu Beginn, dann 0..90
        EXPECT_EQ(minuten[1], "minute:0");
        EXPECT_EQ(minuten[61], "minute:60");
        EXPECT_EQ(minuten.back(), "minute:90");
        // Minute 0 bewegt nichts; nach Minute 2 steht es 5 : 9.
        auto anteile = Mit(anz.protokoll, "anteil:");
        anteile.resize(3);
        EXPECT_EQ(anteile, (std::vector<std::string>{"anteil:HomeComputer", "anteil:Spielanteile: 100 % : 0 %",
                                                     "anteil:Spielanteile: 36 % : 64 %"}));
        EXPECT_EQ(ui.klaenge(), (std::vector<std::string>{"Pfiff1", "ToorH", "ToorG", "Pfiff1"}));
        // Nach dem letzten Tor steht der Ball wieder in der Mitte.
        EXPECT_EQ(anz.letzterBallX, 234);

        // Tempo 2: Bewegung 40 (mit Hans Dampf keine), je Minute 100 + 100 (mit Hans Dampf 100 + 20),
        // je Tor 200 + 1200, Schlusspfiff 3000.
        const auto& p = ui.protokoll;
        EXPECT_EQ(std::count(p.begin(), p.end(), "Warte:40") > 60, !hansDampf);
        EXPECT_EQ(std::count(p.begin(), p.end(), "Warte:20"), hansDampf ? 91 : 0);
        EXPECT_EQ(std::count(p.begin(), p.end(), "Warte:200"), 2);
        EXPECT_EQ(std::count(p.begin(), p.end(), "Warte:1200"), 2);
        EXPECT_EQ(p.back(), "Warte:3000");
    }
}

TEST(LiveSpiel, OhneZuschauerDieselbenWuerfeUndVorfaelle)
{
    // Ohne Bildschirm fällt das Abspielen weg, nicht aber ein Wurf oder eine Karte.
    Spielergebnis_ e = LiveWelt();
    S.Manager[0].Einsatz = S.Manager[1].Einsatz = 100;
    e.Spielverlauf[3] = {400, 120, 0};
    e.Spielverlauf[4] = {490, 0, -1};
    e.Spielverlauf[60] = {-22, 120, 1};
    const Spielstand anfang = S;
    std::array<uint32_t, 2> saat{};
    std::array<Feld<Manager_, 0, 3>, 2> manager{};
    std::array<decltype(GelbHeute), 2> gelb{};
    for (int mitBild = 0; mitBild <= 1; ++mitBild) {
        S = anfang;
        GelbHeute = {};
        ZufallSetzen(77);
        SkriptOberflaeche ui;
        std::optional<ProtokollAnzeige> anz;
        if (mitBild) anz.emplace();
        LiveSpiel(1, 2, e);
        saat[mitBild] = ZufallSaat();
        manager[mitBild] = S.Manager;
        gelb[mitBild] = GelbHeute;
    }
    EXPECT_EQ(saat[0], saat[1]);
    EXPECT_EQ(std::memcmp(&manager[0], &manager[1], sizeof manager[0]), 0);
    EXPECT_EQ(std::memcmp(&gelb[0], &gelb[1], sizeof gelb[0]), 0);
    EXPECT_NE(std::memcmp(&manager[0], &anfang.Manager, sizeof manager[0]), 0); // es gab Vorfälle
}

TEST(LiveSpiel, VorfallChanceHaengtAmEinsatz)
{
    // 1 zu (111 - Einsatz) je Minute: bei 100 etwa 91 / 11 = 8,3 Vorfälle je Spiel, bei -100 etwa 0,43.
    for (const int einsatz : {100, -100}) {
        Spielergebnis_ e = LiveWelt();
        S.Manager[0].Einsatz = static_cast<int8_t>(einsatz);
        e.GastManager = 4;
        const Manager_ kader = S.Manager[0];
        ZufallSetzen(static_cast<uint32_t>(einsatz + 1000));
        size_t vorfaelle = 0;
        for (int i = 0; i < 200; ++i) {
            SkriptOberflaeche ui;
            S.Manager[0] = kader;
            GelbHeute = {};
            LiveSpiel(1, 2, e);
            vorfaelle += ui.anzahl("Klang:Pfiff2");
        }
        const double schnitt = static_cast<double>(vorfaelle) / 200;
        EXPECT_GT(schnitt, einsatz > 0 ? 6.5 : 0.2);
        EXPECT_LT(schnitt, einsatz > 0 ? 10.0 : 0.7);
    }
}

TEST(Aktion, GelbRotVerletzungUndPfiff)
{
    int zahl[4] = {};
    for (uint32_t saat = 1; saat <= 600; ++saat) {
        LiveWelt();
        ZufallSetzen(saat);
        const int r = Zufall(1, 100);
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        ZufallSetzen(saat);
        Aktion(0, 1);
        EXPECT_EQ(ui.protokoll.front(), "Klang:Pfiff2");

        // Ein eingesetzter Spieler, dessen Name auf der Tafel steht; die anderen bleiben unberührt.
        const auto tafel = Mit(anz.protokoll, "aktion:1:");
        ASSERT_EQ(tafel.size(), 1u);
        const int i = std::atoi(tafel[0].c_str() + 12);
        ASSERT_TRUE(i >= 1 && i <= 11 && tafel[0] == "aktion:1:Vor" + std::to_string(i) + " Nach" + std::to_string(i));
        for (int k = 1; k <= 14; ++k) {
            const Kaderspieler_& x = S.Manager[0].Kader[k];
            if (k == i) continue;
            EXPECT_EQ(x.GelbNational + x.RotNational + x.Verletzt + GelbHeute[0][k] + !x.Eingesetzt, k > 11 ? 1 : 0);
        }
        const Kaderspieler_& sp = S.Manager[0].Kader[i];
        const auto symbole = Mit(anz.protokoll, "symbol:");
        EXPECT_EQ(sp.GelbInternational + sp.RotInternational, 0); // Ligatag: nur national
        const int art = r < 80 ? 0 : r < 90 ? 1 : r == 90 ? 2 : 3;
        ++zahl[art];
        if (art == 0) {
            EXPECT_EQ(sp.GelbNational + GelbHeute[0][i] + sp.Eingesetzt, 3);
        } else if (art == 1) {
            EXPECT_TRUE(sp.RotNational >= 2 && sp.RotNational <= 6);
        } else if (art == 3) {
            EXPECT_TRUE(sp.Verletzt >= 1 && sp.Verletzt <= 10);
            EXPECT_EQ(sp.VerletzungArt, sp.Verletzt);
        }
        // Nur der Pfiff lässt den Spieler auf dem Platz und zeigt kein Symbol.
        EXPECT_EQ(sp.Eingesetzt, art == 0 || art == 2 ? 1 : 0);
        const std::string symbol = "symbol:" + std::to_string(art == 3 ? 2 : art) + ":110:8";
        EXPECT_EQ(symbole, art == 2 ? std::vector<std::string>{} : std::vector<std::string>{symbol});
    }
    EXPECT_TRUE(zahl[0] && zahl[1] && zahl[2] && zahl[3]);
}

TEST(Aktion, GelbRotSperrenNationalUndInternational)
{
    const uint32_t gelb = SaatFuer(1, 79), rot = SaatFuer(80, 89);
    auto vomPlatz = [] { return Gezaehlt([](const Kaderspieler_& k) { return k.Eingesetzt == 0; }) - 3; };

    // Zweite Gelbe am selben Tag: vom Platz, obwohl die Saisonzahl unter 4 bleibt; Rot 32 Pixel daneben.
    LiveWelt();
    for (int i = 1; i <= 14; ++i) GelbHeute[0][i] = 1;
    {
        ProtokollAnzeige anz;
        ZufallSetzen(gelb);
        Aktion(0, 2);
        EXPECT_EQ(vomPlatz(), 1);
        EXPECT_EQ(Gezaehlt([](const Kaderspieler_& k) { return k.GelbNational == 1; }), 1);
        EXPECT_EQ(Mit(anz.protokoll, "symbol:"), (std::vector<std::string>{"symbol:1:392:8", "symbol:0:360:8"}));
    }
    // Die vierte Gelbe der Saison sperrt; über 4 geht es nicht.
    for (const uint8_t vorher : {3, 4}) {
        LiveWelt();
        for (int i = 1; i <= 14; ++i) S.Manager[0].Kader[i].GelbNational = vorher;
        ZufallSetzen(gelb);
        Aktion(0, 1);
        EXPECT_EQ(Gezaehlt([](const Kaderspieler_& k) { return k.GelbNational == 4; }), vorher == 3 ? 1 : 14);
        EXPECT_EQ(vomPlatz(), vorher == 3 ? 1 : 0);
    }
    // Wer schon nach Rot gesperrt ist, bekommt keine neue Sperre und bleibt drin.
    LiveWelt();
    for (int i = 1; i <= 14; ++i) S.Manager[0].Kader[i].RotNational = 3;
    ZufallSetzen(rot);
    Aktion(0, 1);
    EXPECT_EQ(Gezaehlt([](const Kaderspieler_& k) { return k.RotNational == 3; }), 14);
    EXPECT_EQ(vomPlatz(), 0);

    // Europapokale und ChampionsLige zählen international, der DFB-Pokal national.
    for (const Wettbewerb_ wb : PokaleUndChl) {
        LiveWelt();
        S.Spiel.Wettbewerb = wb;
        ZufallSetzen(rot);
        Aktion(0, 1);
        ZufallSetzen(gelb);
        Aktion(0, 1);
        const bool national = wb == Wettbewerb_::Dfb;
        EXPECT_EQ(Gezaehlt([](const Kaderspieler_& k) { return k.RotNational > 0 || k.GelbNational > 0; }),
                  national ? 2 : 0);
        EXPECT_EQ(Gezaehlt([](const Kaderspieler_& k) { return k.RotInternational > 0 || k.GelbInternational > 0; }),
                  national ? 0 : 2);
    }
}

TEST(Aktion, OhneEingesetzteSpielerNichts)
{
    for (const int kader : {0, 14}) {
        LiveWelt(kader);
        for (int i = 1; i <= kader; ++i) S.Manager[0].Kader[i].Eingesetzt = 0;
        const Manager_ vorher = S.Manager[0];
        SkriptOberflaeche ui;
        ProtokollAnzeige anz;
        for (uint32_t saat = 1; saat <= 50; ++saat) {
            ZufallSetzen(saat);
            Aktion(0, 1);
        }
        EXPECT_TRUE(ui.protokoll.empty() && anz.protokoll.empty());
        EXPECT_EQ(std::memcmp(&vorher, &S.Manager[0], sizeof vorher), 0);
    }
}
