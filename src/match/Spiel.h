// Die Spielberechnung.
#pragma once

namespace torvane {

// Hält Moral und Linienstärken der Vereine von..bis in ihren Grenzen und berechnet Gesamt.
void MannschaftenPruefen(int von, int bis);

} // namespace torvane
