#include "core/Fehler.h"

#include <cfenv>
#include <sstream>

namespace torvane {

void BereichFehler(const char* was, int64_t index, int64_t von, int64_t bis)
{
    std::ostringstream s;
    s << "Laufzeitfehler: Index außerhalb des gültigen Bereichs (" << was << ": " << index << " nicht in "
      << von << ".." << bis << ").";
    throw Laufzeitfehler(s.str());
}

void UeberlaufFehler(const char* was, long double wert)
{
    std::ostringstream s;
    s.precision(15);
    s << "Laufzeitfehler: Überlauf (" << was << " = " << wert << " passt nicht in sein Feld).";
    throw Laufzeitfehler(s.str());
}

static void Endlich(double wert, const char* was)
{
    if (!std::isfinite(wert) || std::fabs(wert) >= 9.2e18) UeberlaufFehler(was, wert);
}

int64_t RundenGeprueft(double wert, const char* was)
{
    Endlich(wert, was);
    return static_cast<int64_t>(std::nearbyint(wert)); // Standardrundung: Hälften zur geraden Zahl
}

int64_t Abschneiden(double wert, const char* was)
{
    Endlich(wert, was);
    return static_cast<int64_t>(std::trunc(wert));
}

} // namespace torvane
