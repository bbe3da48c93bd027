#include "core/Zufall.h"

#include "core/Fehler.h"

namespace torvane {

namespace {
uint32_t gSaat = 0;

// Lineare Kongruenz modulo 2^32, Ergebnis (saat * n) >> 32.
uint32_t R(uint32_t n)
{
    gSaat = gSaat * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(gSaat) * n) >> 32);
}
} // namespace

void ZufallSetzen(uint32_t saat) { gSaat = saat; }
uint32_t ZufallSaat() { return gSaat; }

int32_t Zufall(int32_t von, int32_t bis)
{
    const int64_t n = static_cast<int64_t>(bis) - von + 1;
    // R(n) < n: das Ergebnis liegt in von..bis und passt immer.
    if (n > 0) return static_cast<int32_t>(von + static_cast<int64_t>(R(static_cast<uint32_t>(n))));
    // Vertauschte Grenzen: von - R(-n); die Saisonwende verlässt sich darauf.
    return Passt<int32_t>(von - static_cast<int64_t>(R(static_cast<uint32_t>(-n))), "Zufall");
}

} // namespace torvane
