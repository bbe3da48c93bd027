// Zufall: die einzige Quelle des Zufalls für das Spiel.
#pragma once

#include <cstdint>

namespace torvane {

void ZufallSetzen(uint32_t saat);
uint32_t ZufallSaat();

namespace zufall_intern {
// Lineare Kongruenz modulo 2^32; im Kopf, weil eine Saison sie einige hunderttausend Mal zieht.
inline uint32_t gSaat = 0;
inline uint32_t R(uint32_t& saat, uint32_t n)
{
    saat = saat * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(saat) * n) >> 32);
}
// Vertauschte Grenzen (selten): von - r, geprüft.
int32_t ZufallRueckwaerts(int32_t von, uint32_t r);
// Gleichverteilt in [von, bis] aus der Saat saat; bei bis < von ein Wert in bis + 2 .. von.
inline int32_t Ziehen(uint32_t& saat, int32_t von, int32_t bis)
{
    const int64_t n = static_cast<int64_t>(bis) - von + 1;
    // R(n) < n: das Ergebnis liegt in von..bis und passt immer.
    if (n > 0) return static_cast<int32_t>(von + static_cast<int64_t>(R(saat, static_cast<uint32_t>(n))));
    return ZufallRueckwaerts(von, R(saat, static_cast<uint32_t>(-n)));
}
} // namespace zufall_intern

// Gleichverteilt in [von, bis]; bei bis < von ein Wert in bis + 2 .. von.
inline int32_t Zufall(int32_t von, int32_t bis) { return zufall_intern::Ziehen(zufall_intern::gSaat, von, bis); }

// Für enge Schleifen: dieselbe Folge wie Zufall, aber die Saat bleibt im Register, statt nach
// jedem Schreiben in den Speicher neu gelesen zu werden. Nach der Schleife gibt abgeben() sie zurück;
// dazwischen darf nichts anderes würfeln.
class Wuerfel {
public:
    Wuerfel() : saat_(zufall_intern::gSaat) {}
    int32_t operator()(int32_t von, int32_t bis) { return zufall_intern::Ziehen(saat_, von, bis); }
    // Derselbe Wurf wie (u, u + n - 1), ohne die Untergrenze u: 0..n-1, für n >= 1.
    uint32_t ab0(uint32_t n) { return zufall_intern::R(saat_, n); }
    void abgeben() const { zufall_intern::gSaat = saat_; }

private:
    uint32_t saat_;
};

} // namespace torvane
