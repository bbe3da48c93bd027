// Kleine Spielstände für die Kader- und Markttests.
#pragma once

#include "core/Variablen.h"

#include <sstream>
#include <string>

namespace kadertest {

using namespace torvane;

// Ein gesunder Spieler mit Staerke = staerke: (T + K) / 1,5 rundet darauf, solange 21 <= staerke <= 100.
inline Kaderspieler_ Spieler(const std::string& position, int staerke, int alter = 25, const std::string& name = "")
{
    Kaderspieler_ s{};
    s.Position = position;
    s.Alter = static_cast<int16_t>(alter);
    s.Konstitution = 30;
    s.Technik = static_cast<int16_t>(staerke * 3 / 2 - 30);
    s.Staerke = static_cast<int16_t>(staerke);
    s.Wert = staerke * 10000;
    s.Vorname = name.empty() ? position + std::to_string(staerke) : name;
    s.Nachname = "Muster";
    return s;
}

inline void Hinzu(const Kaderspieler_& s)
{
    Manager_& mg = S.Manager[0];
    mg.Kader[++mg.KaderAnzahl] = s;
}

// Manager 0 mit 1 000 000 € im Verein 55 (Liga 4, Platz 1), System 3-4-3, ohne Trainer;
// der Kader aus Kürzeln wie "T60 V70*": Position und Stärke, zugleich der Vorname; "*" spielt.
inline void Grundstand(const std::string& kader = "")
{
    S = Spielstand{};
    S.Mannschaft.laengeSetzen(73);
    Manager_& mg = S.Manager[0];
    mg.Liga = 4;
    mg.Platz = 1;
    mg.SpielSystem = "343";
    mg.Managerpunkte = 50.0f;
    mg.Kontostand = 1000000;
    mg.Trainer = -1;
    mg.Baelle = 5;
    std::istringstream ein(kader);
    for (std::string k; ein >> k;) {
        Kaderspieler_ s = Spieler(k.substr(0, 1), std::stoi(k.substr(1)));
        s.Eingesetzt = k.back() == '*';
        Hinzu(s);
    }
}

// Vornamen in Kaderreihenfolge, wahlweise nur die der Eingesetzten.
inline std::string Namen(bool nurEingesetzte = false)
{
    std::string t;
    for (int i = 1; i <= S.Manager[0].KaderAnzahl; ++i) {
        const auto& s = S.Manager[0].Kader[i];
        if (!nurEingesetzte || s.Eingesetzt != 0) t += (t.empty() ? "" : " ") + s.Vorname.text();
    }
    return t;
}

} // namespace kadertest
