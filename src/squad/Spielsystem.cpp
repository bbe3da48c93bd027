#include "squad/Spielsystem.h"

#include "core/Fehler.h"
#include "core/Variablen.h"
#include "squad/Kader.h"

namespace torvane {

std::string SystemText(std::string_view code)
{
    std::string t;
    for (char z : code) {
        if (!t.empty()) t += '-';
        t += z;
    }
    return t;
}

std::string SystemText(int code) { return SystemText(std::to_string(code)); }

int SystemCode(int n)
{
    if (n < 1 || n > 5) BereichFehler("Spielsystem", n, 1, 5);
    return S.SpielSysteme[1][0][n];
}

int GewaehltesSystem(int m)
{
    const auto gewaehlt = S.Manager[m].SpielSystem.roh();
    for (int n = 1; n <= 5; ++n)
        if (std::to_string(SystemCode(n)) == gewaehlt) return n;
    return 0;
}

namespace {

// Ein Code mit mehr als drei Ziffern wird auf drei gekürzt.
void SystemSetzen(int m, int n) { S.Manager[m].SpielSystem.rohSetzen(std::to_string(SystemCode(n))); }

} // namespace

void WaehleSystem(int m, int n)
{
    SystemSetzen(m, n);
    BerechneMannschaft(m, 0);
}

void SystemProbieren(int m, int n)
{
    SystemSetzen(m, n);
    // Spieler und Reihenfolge hängen nicht am System: neu ist nur die Aufstellung.
    if (S.Optionen[m][OptAutoaufstellung] != 0) AutoAufstellung(m);
    BerechneMannschaft(m, 1);
}

} // namespace torvane
