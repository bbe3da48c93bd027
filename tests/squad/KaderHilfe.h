// Kleine Spielstände für die Kader- und Markttests.
#pragma once

#include "core/Variablen.h"

#include <string>

namespace kadertest {

using namespace torvane;

// Ein Manager (Slot 0) mit leerem Kader im Verein 55 (Liga 4, Platz 1), System 3-4-3.
inline void Grundstand()
{
    S = Spielstand{};
    S.Mannschaft.laengeSetzen(73);
    S.Spiel.MannschaftHoch = 72;
    S.Spiel.DeutscheHoch = 72;
    S.Spiel.ManagerHoch = 0;
    Manager_& mg = S.Manager[0];
    mg.Name = "Tester";
    mg.Liga = 4;
    mg.Platz = 1;
    mg.SpielSystem = "343";
    mg.Managerpunkte = 50.0f;
    mg.Kontostand = 1000000;
    mg.Trainer = -1;
    mg.Baelle = 5;
    S.Mannschaft[55].Name = "FC Test";
    mg.Vereinsname = "FC Test";
}

// Ein gesunder Spieler; Technik und Konstitution so, dass Staerke = staerke.
inline Kaderspieler_ Spieler(const char* position, int staerke, int alter = 25, const std::string& name = "")
{
    Kaderspieler_ s{};
    s.Position = position;
    s.Alter = static_cast<int16_t>(alter);
    // (T + K) / 1.5 rundet auf staerke, solange 21 <= staerke <= 100.
    s.Konstitution = 30;
    s.Technik = static_cast<int16_t>(staerke * 3 / 2 - 30);
    s.Form = 0;
    s.Staerke = static_cast<int16_t>(staerke);
    s.Wert = staerke * 10000;
    s.Gehalt = 1000;
    s.Vertrag = 3;
    s.Vorname = name.empty() ? std::string(position) + std::to_string(staerke) : name;
    s.Nachname = "Muster";
    s.Nation = "D";
    return s;
}

inline int Hinzu(const Kaderspieler_& s, int m = 0)
{
    Manager_& mg = S.Manager[m];
    mg.KaderAnzahl = static_cast<uint8_t>(mg.KaderAnzahl + 1);
    mg.Kader[mg.KaderAnzahl] = s;
    return mg.KaderAnzahl;
}

// Vornamen der Eingesetzten in Kaderreihenfolge.
inline std::string Eingesetzte(int m = 0)
{
    std::string t;
    for (int i = 1; i <= S.Manager[m].KaderAnzahl; ++i) {
        const auto& s = S.Manager[m].Kader[i];
        if (s.Eingesetzt == 0) continue;
        if (!t.empty()) t += ' ';
        t += s.Vorname.text();
    }
    return t;
}

} // namespace kadertest
