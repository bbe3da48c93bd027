// Zufall für den Schmuck der Bildschirme (Farben, Beben, Laufwege). Ein eigener Generator:
// eine Anzeigeeinstellung, der Zoom oder eine neue Animation verschiebt so nie einen Zug des
// Spiels, und ein Lauf mit Fenstern spielt dasselbe Spiel wie einer ohne.
#pragma once

#include <random>

namespace torvane {

// Gleichverteilt in [von, bis].
inline int Zierzufall(int von, int bis)
{
    static std::minstd_rand quelle;
    return std::uniform_int_distribution<int>(von, bis)(quelle);
}

} // namespace torvane
