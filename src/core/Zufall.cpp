#include "core/Zufall.h"

#include "core/Fehler.h"

namespace torvane {

void ZufallSetzen(uint32_t saat) { zufall_intern::gSaat = saat; }
uint32_t ZufallSaat() { return zufall_intern::gSaat; }

namespace zufall_intern {
// Die Saisonwende verlässt sich auf vertauschte Grenzen.
int32_t ZufallRueckwaerts(int32_t von, uint32_t r) { return Passt<int32_t>(von - static_cast<int64_t>(r), "Zufall"); }
} // namespace zufall_intern

} // namespace torvane
