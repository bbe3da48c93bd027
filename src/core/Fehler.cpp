#include "core/Fehler.h"

#include "core/Sprache.h"

#include <cfenv>
#include <sstream>

namespace torvane {

void BereichFehler(const char* was, int64_t index, int64_t von, int64_t bis)
{
    throw Laufzeitfehler(Tf("Laufzeitfehler: Index außerhalb des gültigen Bereichs (%1: %2 nicht in %3..%4).",
                            {was, std::to_string(index), std::to_string(von), std::to_string(bis)}));
}

void UeberlaufFehler(const char* was, long double wert)
{
    std::ostringstream w;
    w.precision(15);
    w << wert;
    throw Laufzeitfehler(Tf("Laufzeitfehler: Überlauf (%1 = %2 passt nicht in sein Feld).", {was, w.str()}));
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
