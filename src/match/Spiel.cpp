#include "match/Spiel.h"

namespace torvane {

int32_t ToreHeim = 0;
int32_t ToreGast = 0;
int32_t Zuschauer = 0;
int32_t HeimManager = 4;
int32_t GastManager = 4;
Feld<uint8_t, 1, 9> TotoErgebnis{};
Feld<Spielminute_, 0, 90> Spielverlauf{};
Feld<Feld<uint8_t, 0, 23>, 0, 3> GelbHeute{};

// Vorläufig; die Spielberechnung folgt.
void SpielBerechnen(int, int, int) {}
void SpielNachbereiten(int, int) {}
void MannschaftenPruefen(int, int) {}

} // namespace torvane
