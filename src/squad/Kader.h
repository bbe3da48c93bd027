// Kader und Aufstellung: Spielerstärke, Mannschaftsstärke, Aufstellung.
#pragma once

#include "core/Variablen.h"

namespace torvane {

// KonstMax, Staerke und Wert eines Kaderspielers (oder Marktspielers) neu berechnen.
void BerechneSpieler(Kaderspieler_& s);
void BerechneSpieler(int m, int i);
// Mannschaft des Managers m neu berechnen; modus 0..3 (siehe Aufstellung).
void BerechneMannschaft(int m, int modus);

} // namespace torvane
