// Genaues Runden eines Bruchs: für Geld mit Faktoren wie 1,05 oder 0,9, damit eine
// Hälfte wirklich eine Hälfte ist und nicht der Gleitkommarest entscheidet.
#pragma once

#include "core/Fehler.h"
#include "core/Sprache.h"

#include <cstdint>

namespace torvane {

// zaehler / nenner, gerundet mit Hälften zur geraden Zahl.
inline int64_t RundenBruch(int64_t zaehler, int64_t nenner)
{
    if (nenner == 0) throw Laufzeitfehler(T("Laufzeitfehler: Division durch Null."));
    if (nenner < 0) {
        zaehler = -zaehler;
        nenner = -nenner;
    }
    int64_t q = zaehler / nenner;
    int64_t r = zaehler % nenner;
    if (r < 0) {
        --q;
        r += nenner;
    }
    // jetzt zaehler = q * nenner + r mit 0 <= r < nenner
    if (2 * r > nenner || (2 * r == nenner && q % 2 != 0)) ++q;
    return q;
}

} // namespace torvane
