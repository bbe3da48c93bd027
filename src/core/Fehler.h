// Der eine Laufzeitfehler des Spiels und die geprüfte Ganzzahlarithmetik.
// Ein Wert, der nicht in sein Feld passt, oder ein Index außerhalb seiner
// Grenzen bricht die laufende Operation ab, statt still überzulaufen.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace torvane {

class Laufzeitfehler : public std::runtime_error {
public:
    explicit Laufzeitfehler(const std::string& text) : std::runtime_error(text) {}
};

[[noreturn]] void BereichFehler(const char* was, int64_t index, int64_t von, int64_t bis);
[[noreturn]] void UeberlaufFehler(const char* was, long double wert);

// Prüft, ob wert in den Typ F passt, und gibt ihn als F zurück.
template <class F>
F Passt(int64_t wert, const char* was = "Wert")
{
    static_assert(std::is_integral_v<F>);
    if constexpr (std::is_same_v<F, uint64_t>) {
        if (wert < 0) UeberlaufFehler(was, static_cast<long double>(wert));
    } else {
        if (wert < static_cast<int64_t>(std::numeric_limits<F>::min()) ||
            wert > static_cast<int64_t>(std::numeric_limits<F>::max()))
            UeberlaufFehler(was, static_cast<long double>(wert));
    }
    return static_cast<F>(wert);
}

// Der geprüfte Speicherweg für jedes Ganzzahlfeld.
template <class F>
void Setze(F& feld, int64_t wert, const char* was = "Feld")
{
    feld = Passt<F>(wert, was);
}

#define SETZE(feld, wert) ::torvane::Setze((feld), static_cast<int64_t>(wert), #feld)

// Gleitkomma nach Ganzzahl: runden (Hälften zur geraden Zahl) bzw. abschneiden.
int64_t RundenGeprueft(double wert, const char* was);
inline int64_t Runden(double wert, const char* was = "Wert")
{
    // Unter 2^52 rundet schon die Addition von 2^52 auf eine ganze Zahl, Hälften zur geraden wie
    // nearbyint; das spart den Aufruf in den heißen Schleifen. Alles andere (auch NaN) prüft RundenGeprueft.
    constexpr double grenze = 4503599627370496.0;
    if (std::fabs(wert) < grenze) {
        const double m = std::copysign(grenze, wert);
        return static_cast<int64_t>((wert + m) - m);
    }
    return RundenGeprueft(wert, was);
}
int64_t Abschneiden(double wert, const char* was = "Wert");

// Geldsummen: 64 Bit rechnen, dann prüfen, dass es ein Kontowert (32 Bit) bleibt.
inline int32_t Geld(int64_t wert, const char* was = "Geldbetrag") { return Passt<int32_t>(wert, was); }

} // namespace torvane
