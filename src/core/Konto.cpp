#include "core/Konto.h"

#include "core/Fehler.h"

#include <algorithm>

namespace torvane {

int64_t KontoBuchbar(int64_t konto, int64_t betrag)
{
    const int64_t neu = konto + betrag;
    if (betrag >= 0) return std::max<int64_t>(0, std::min(neu, KontoMax) - konto);
    return neu < KontoMin ? 0 : betrag;
}

void (*KontoPruefstelle)(int64_t verlangt, int64_t gebucht) = nullptr;

int64_t KontoBuchen(int32_t& konto, int64_t betrag)
{
    const int64_t b = KontoBuchbar(konto, betrag);
    konto = static_cast<int32_t>(konto + b);
    if (KontoPruefstelle) KontoPruefstelle(betrag, b);
    return b;
}

int64_t AbrundenAuf(double v, int k) { return AbrundenAuf(Abschneiden(v, "AbrundenAuf"), k); }

std::string Geldtext(double v)
{
    const int64_t w = Runden(v, "Geldtext");
    std::string ziffern = std::to_string(w < 0 ? -w : w);
    std::string aus;
    const size_t n = ziffern.size();
    for (size_t i = 0; i < n; ++i) {
        aus += ziffern[i];
        const size_t rest = n - 1 - i;
        if (rest > 0 && rest % 3 == 0) aus += '.';
    }
    return w < 0 ? "-" + aus : aus;
}

} // namespace torvane
