// Jedes der 42 Ereignisse mit vielen Saaten auf einem angespielten Spiel: alle Felder bleiben
// in ihren Grenzen, die Werbeeinnahmen passen zu den Verträgen, der Kader ist sortiert und frisch
// berechnet, und es erscheint genau eine Meldung (wo vorgesehen keine oder die Frage dazu).
#include "../flow/Invarianten.h"
#include "EreignisHilfe.h"
#include "flow/Autoplay.h"

#include <set>
#include <sstream>

using namespace torvane;

namespace {

void Pruefen(Invarianten& p, int m)
{
    const Manager_& mg = S.Manager[m];
    p.bereich("Aktienkurs", S.Spiel.Aktienkurs, 100, 100000000);
    p.bereich("Plaetze", mg.Plaetze, 0, 100000);
    p.bereich("Komfortpunkte", mg.Komfortpunkte, 0, 100);
    p.bereich("Aktien", mg.Aktien, 0, 20000);
    p.bereich("DauerkartenImVerkauf", mg.DauerkartenImVerkauf, 0, mg.Plaetze);
    p.bereich("DauerkartenVerkauft", mg.DauerkartenVerkauft, 0, mg.DauerkartenImVerkauf);
    p.bereich("Baelle verteilt", mg.BaelleTechnik + mg.BaelleKonstitution, 0, mg.Baelle);
    p.wahr(mg.Managerpunkte >= 1.0f && mg.Managerpunkte <= 100.0f, "Managerpunkte");
    p.bereich("KaderAnzahl", mg.KaderAnzahl, 0, 23);

    int64_t werbung = 0;
    for (int k = 1; k <= 5; ++k)
        if (S.Werbevertraege[m][k].SpieleRest > 0) werbung += S.Werbevertraege[m][k].Betrag;
    p.wahr(werbung == mg.Werbeeinnahmen, "Werbeeinnahmen " + std::to_string(mg.Werbeeinnahmen) +
                                             " statt " + std::to_string(werbung));

    std::vector<Kaderspieler_> kader;
    for (int i = 1; i <= mg.KaderAnzahl; ++i) {
        const Kaderspieler_& s = mg.Kader[i];
        p.bereich("Technik", s.Technik, 1, 120);
        p.bereich("Konstitution", s.Konstitution, 1, s.KonstMax);
        p.bereich("Form", s.Form, -10, 10);
        p.bereich("Vertrag", s.Vertrag, 1, 7);
        p.wahr(!s.Vorname.leer(), "Spieler ohne Namen");
        Kaderspieler_ neu = s;
        BerechneSpieler(neu);
        p.wahr(neu.Staerke == s.Staerke && neu.Wert == s.Wert && neu.Konstitution == s.Konstitution,
               "Spieler " + s.Vorname.text() + " nicht neu berechnet");
        kader.push_back(s);
    }
    for (int i = mg.KaderAnzahl + 1; i <= 23; ++i) p.wahr(mg.Kader[i].Vorname.leer(), "Eintrag hinter dem Kader");
    std::vector<Kaderspieler_> sortiert = kader;
    if (!sortiert.empty()) SortiereSpieler(sortiert.data(), static_cast<int>(sortiert.size()));
    for (size_t i = 0; i < kader.size(); ++i)
        p.wahr(kader[i].Vorname.gleich(sortiert[i].Vorname) && kader[i].Staerke == sortiert[i].Staerke,
               "Kader nicht sortiert");

    // Die Mannschaftswerte stimmen, wenn eine Neuberechnung nichts mehr ändert.
    const Mannschaft_ verein = VereinVon(m);
    const int16_t team = mg.TeamStaerke;
    const int32_t wert = mg.KaderWert, gehalt = mg.KaderGehalt;
    BerechneMannschaft(m, 1);
    p.wahr(team == mg.TeamStaerke && wert == mg.KaderWert && gehalt == mg.KaderGehalt &&
               verein.Gesamt == VereinVon(m).Gesamt && verein.Angriff == VereinVon(m).Angriff,
           "Mannschaftswerte veraltet");
}

// Ein Spiel mit zwei Managern, sieben Tage gespielt; Manager 0 bekommt laufende Werbung.
const Spielstand& Angespielt()
{
    static const Spielstand stand = [] {
        Zuschauer ui;
        EchtesSpiel(2, 77);
        for (int k = 0; k < 14; ++k) AbschlussClick();
        S.AktManager = 0;
        auto& w = S.Werbevertraege[0];
        w[1] = Werbevertrag_{12000, 30, 12, 3, {}};
        w[4] = Werbevertrag_{25000, 40, 25, 17, {}};
        w[5] = Werbevertrag_{50000, 10, 3, 12, {}};
        w[7] = Werbevertrag_{400000, 60, 44, 22, {}};
        S.Manager[0].Werbeeinnahmen = 87000;
        return S;
    }();
    return stand;
}

// Je nach Saat ein anderer Verein: leerer oder voller Kader, Aktien, Stadion, Punkte, Saison.
void Abwandeln(uint32_t saat)
{
    Manager_& mg = S.Manager[0];
    switch (saat % 6) {
    case 0:
        while (mg.KaderAnzahl > 0) SpielerAbgeben(0, mg.KaderAnzahl);
        break;
    case 1:
        mg.Aktien = 20000;
        mg.Plaetze = 5;
        mg.DauerkartenImVerkauf = 5;
        mg.DauerkartenVerkauft = 3;
        mg.Komfortpunkte = 100;
        mg.Managerpunkte = 1.0f;
        break;
    case 2:
        mg.Aktien = static_cast<int16_t>(saat % 20000);
        mg.Plaetze = 100000;
        mg.DauerkartenImVerkauf = 100000;
        mg.DauerkartenVerkauft = 60000;
        mg.Managerpunkte = 80.5f;
        S.Spiel.Aktienkurs = 100;
        break;
    case 3:
        while (mg.KaderAnzahl < 23) {
            ++mg.KaderAnzahl;
            mg.Kader[mg.KaderAnzahl] = Kaderspieler("Neu", "M", 119, 60, 17);
        }
        BerechneMannschaft(0, 2);
        mg.Managerpunkte = 10.0f;
        S.Spiel.Saison = 3;
        mg.Baelle = 0;
        mg.BaelleTechnik = 0;
        mg.BaelleKonstitution = 0;
        break;
    case 4:
        mg.Kontostand = -200000000;
        mg.Managerpunkte = 30.0f;
        S.Spiel.Saison = 2;
        mg.Komfortpunkte = 1;
        break;
    default: break;
    }
}

} // namespace

TEST(EreignisDurchlauf, AlleEreignisseVieleSaatenBleibenInDenGrenzen)
{
    const Spielstand& vorher = Angespielt();
    Invarianten p;
    std::set<std::string> gesehen;
    for (int n = 1; n <= 42; ++n) {
        for (uint32_t saat = 1; saat <= 60; ++saat) {
            S = vorher;
            Abwandeln(saat);
            Zuschauer ui;
            const bool ja = saat % 4 < 2;
            ui.antworten = {ja ? "Ja" : "Nein"};
            ZufallSetzen(saat * 1000 + static_cast<uint32_t>(n));
            p.wo = "Ereignis " + std::to_string(n) + ", Saat " + std::to_string(saat);
            const bool leer = S.Manager[0].KaderAnzahl == 0;
            try {
                Ereignis(n);
            } catch (const std::exception& e) {
                p.fehler.push_back(p.wo + ": " + e.what());
                continue;
            }
            Pruefen(p, 0);
            Pruefen(p, 1);

            // Eine Meldung; keine bei einem Angebot ohne Spieler; "Nein" auf die Frage bringt die Überraschung dazu.
            size_t erwartet = 1;
            if ((n == 31 || n == 32) && leer) erwartet = 0;
            if (n == 25 && !ja) erwartet = 2;
            p.wahr(ui.anzahl() == erwartet, std::to_string(ui.anzahl()) + " Meldungen");
            for (const auto& m : ui.meldungen) {
                const bool nichts = m.text.find("Ritz Ratz Rotz") != std::string::npos;
                p.wahr(!nichts || m.bild == BildNichts, "nichts geschehen, aber Bild " + std::to_string(m.bild));
                if (!nichts) gesehen.insert(std::to_string(n));
            }
        }
    }
    for (size_t i = 0; i < std::min<size_t>(p.fehler.size(), 30); ++i) ADD_FAILURE() << p.fehler[i];
    EXPECT_EQ(p.fehler.size(), 0u);
    // Jede Nummer, die etwas zu sagen hat, hat es mindestens einmal gesagt.
    EXPECT_GE(gesehen.size(), 40u);
}

TEST(EreignisDurchlauf, AutomatSpieltEinGewaehltesEreignis)
{
    AutoplayOptionen o;
    std::string fehler;
    EXPECT_FALSE(AutoplayArgumente({"0", "--ereignis", "43"}, o, fehler));
    ASSERT_TRUE(AutoplayArgumente({"0", "--ereignis", "2"}, o, fehler));
    const std::string vorher = Pfade.Daten;
    Pfade.Daten = TORVANE_QUELLEN "/daten/";
    std::ostringstream aus, fehlerAus;
    EXPECT_EQ(Autoplay(o, aus, fehlerAus), 0) << fehlerAus.str();
    Pfade.Daten = vorher;
    EXPECT_NE(aus.str().find("Versuchen Sie mit Geschick"), std::string::npos);
}
