// Zufall: die einzige Quelle des Zufalls für das Spiel.
#pragma once

#include <cstdint>

namespace torvane {

void ZufallSetzen(uint32_t saat);
uint32_t ZufallSaat();
// Gleichverteilt in [von, bis]; bei bis < von ein Wert in bis + 2 .. von.
int32_t Zufall(int32_t von, int32_t bis);

} // namespace torvane
