#include "match/LiveSpiel.h"

namespace torvane {

// Vorläufig; die Live-Ansicht folgt.
void LiveSpiel(int, int) {}
void Aktion(int, int) {}

} // namespace torvane
