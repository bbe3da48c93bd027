// Gemeinsame Welten und Hilfen der Spieltests.
#pragma once

#include "core/Pfade.h"
#include "core/Variablen.h"
#include "core/Zufall.h"
#include "flow/Neuanlage.h"
#include "match/Anzeige.h"
#include "match/Pokal.h"
#include "match/Spiel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace matchtest {
using namespace torvane;

// 72 Ligavereine "Verein i" (Liga und Platz nach der Nummer, Spielplan im Kreisverfahren), 6 der
// Verbandsliga, dann je Nation jeNation fremde Vereine, die Nationen nicht nach Stärke geordnet.
inline void WeltBauen(int nationen = 2, int jeNation = 6)
{
    S = Spielstand{};
    S.Spiel.Saison = 1;
    S.Spiel.Aktienkurs = 1000;
    S.Spiel.NationAnzahl = nationen + 1;
    S.Nation[1].Kuerzel = "D";
    for (int n = 2; n <= nationen + 1; ++n) S.Nation[n].Kuerzel = std::string("F") + static_cast<char>('A' + n);
    S.Spiel.DeutscheHoch = 78;
    S.Spiel.MannschaftHoch = 78 + nationen * jeNation;
    S.Mannschaft.laengeSetzen(S.Spiel.MannschaftHoch + 1);
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Name = "Verein " + std::to_string(i);
        const int n = i <= 78 ? 1 : (i - 79) / jeNation + 2;
        v.Nation = S.Nation[n].Kuerzel;
        v.Liga = static_cast<uint8_t>(i <= 72 ? (i - 1) / 18 + 1 : i <= 78 ? 5 : 1);
        v.SpielplanNr = v.Platz = static_cast<uint8_t>(i <= 72 ? (i - 1) % 18 + 1 : 0);
        v.Legende = "----------";
        const int basis = i <= 78 ? 100 - 10 * v.Liga : 55 + (n * 37) % 45;
        v.Moral = static_cast<int16_t>(Zufall(20, 80));
        v.Verteidigung = static_cast<int16_t>(basis + Zufall(-5, 5));
        v.Mittelfeld = static_cast<int16_t>(basis + Zufall(-5, 5));
        v.Angriff = static_cast<int16_t>(basis + Zufall(-5, 5));
    }
    MannschaftenPruefen(1, S.Spiel.MannschaftHoch);
    // Liga: Slot 18 fest, die übrigen 17 drehen sich; ChampionsLige ebenso mit 16.
    auto slot = [](int t) { return static_cast<uint8_t>(t % 17 + 1); };
    for (int tag = 1; tag <= 17; ++tag) {
        S.Spieltage[tag][1][0] = slot(tag);
        S.Spieltage[tag][1][1] = 18;
        for (int k = 1; k <= 8; ++k) {
            S.Spieltage[tag][k + 1][0] = slot(tag + k);
            S.Spieltage[tag][k + 1][1] = slot(tag + 17 - k);
        }
    }
    for (int tag = 1; tag <= 15; ++tag)
        for (int p = 1; p <= 8; ++p) {
            int a = p == 1 ? 16 : (tag + p - 2) % 15 + 1;
            int b = p == 1 ? tag : (tag + 15 - p) % 15 + 1;
            if (tag % 2 == 0) std::swap(a, b);
            S.ChlSpieltage[tag][p][0] = static_cast<uint8_t>(a);
            S.ChlSpieltage[tag][p][1] = static_cast<uint8_t>(b);
        }
    for (int m = 0; m <= 3; ++m) S.Saisonbilanz[m].laengeSetzen(2);
}

// Manager m ("Manager" + m) führt Verein v und sieht dessen Liga.
inline void ManagerSetzen(int m, int v)
{
    Manager_& mg = S.Manager[m];
    mg.Name = "Manager" + std::to_string(m);
    mg.Vereinsname = S.Mannschaft[v].Name.text();
    mg.Liga = static_cast<int8_t>(S.Mannschaft[v].Liga);
    mg.Platz = static_cast<int8_t>(S.Mannschaft[v].Platz);
    mg.Eintrittspreis = 20;
    mg.Plaetze = 30000;
    mg.Kontostand = 1000000;
    S.Optionen[m][OptTempo] = 2;
    S.Optionen[m][OptAnzeigeLiga] = S.Mannschaft[v].Liga;
    S.Spiel.ManagerHoch = std::max(S.Spiel.ManagerHoch, m);
}

// Zwei gleich starke Vereine der Liga liga (Indizes 1 und 2); die ersten `manager` gehören Managern.
inline void ZweiVereine(int liga = 1, int manager = 0)
{
    S = Spielstand{};
    S.Spiel.MannschaftHoch = 2;
    S.Spiel.Spieltag = 1;
    S.Mannschaft.laengeSetzen(3);
    for (int i = 1; i <= 2; ++i) {
        Mannschaft_& v = S.Mannschaft[i];
        v.Liga = static_cast<uint8_t>(liga);
        v.Platz = static_cast<uint8_t>(i);
        v.Moral = 50;
        v.Verteidigung = v.Mittelfeld = v.Angriff = v.Gesamt = 60;
        v.Name = i == 1 ? "Heimverein" : "Gastverein";
        v.Legende = "----------";
    }
    for (int m = 0; m < manager; ++m) {
        ManagerSetzen(m, m + 1);
        Manager_& mg = S.Manager[m];
        mg.Komfortpunkte = 20;
        mg.DauerkartenVerkauft = 2000;
        mg.Pokalzuschlag = 10;
        mg.Managerpunkte = 50;
        mg.Werbeanfragen = 5;
    }
}

// Die ausgelieferte Spielwelt, neues Spiel mit zwei Managern.
inline void EchteWelt(uint32_t saat)
{
    const std::string datenVorher = Pfade.Daten;
    const auto namenVorher = Vorgabenamen;
    Pfade.Daten = TORVANE_QUELLEN "/daten/";
    S = Spielstand{};
    ZufallSetzen(saat);
    const bool angelegt = NeuesSpielOhneBildschirm(
        {{Vorgabenamen[0].Name, Vorgabenamen[0].Verein}, {Vorgabenamen[1].Name, Vorgabenamen[1].Verein}});
    Pfade.Daten = datenVorher;
    Vorgabenamen = namenVorher;
    ASSERT_TRUE(angelegt);
}

// Wie viele Vereine im Pokal w diesen Eintrag tragen.
inline int Zaehle(Wettbewerb_ w, const std::string& text)
{
    int n = 0;
    for (int i = 1; i <= S.Spiel.MannschaftHoch; ++i) n += PokalFeld(S.Mannschaft[i], w) == text;
    return n;
}

// Die Protokolleinträge, die mit anfang beginnen.
inline std::vector<std::string> Mit(const std::vector<std::string>& p, const std::string& anfang)
{
    std::vector<std::string> aus;
    std::copy_if(p.begin(), p.end(), std::back_inserter(aus),
                 [&](const std::string& e) { return e.rfind(anfang, 0) == 0; });
    return aus;
}

// Zuschauer aus der Zelle "Zuschauer 12.345" der Zeile.
inline int64_t ZuschauerAus(const ProtokollAnzeige& a, int zeile)
{
    const auto zellen = Mit(a.protokoll, "zeile:" + std::to_string(zeile) + ":1:Zuschauer ");
    if (zellen.empty()) return -1;
    std::string zahl = zellen.back().substr(zellen.back().rfind(' ') + 1);
    std::erase(zahl, '.');
    return std::stoll(zahl);
}

} // namespace matchtest
