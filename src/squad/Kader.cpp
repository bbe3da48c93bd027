#include "squad/Kader.h"

namespace torvane {

// Vorläufig; die Aufstellungsregeln ersetzen das.
void BerechneSpieler(Kaderspieler_&) {}
void BerechneSpieler(int, int) {}
void BerechneMannschaft(int, int) {}

} // namespace torvane
