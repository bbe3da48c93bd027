// Geld: jede Buchung auf ein Konto geht über KontoBuchen; dazu Rundung und Geldtext.
#pragma once

#include "core/Sprache.h"

#include <cstdint>
#include <string>

namespace torvane {

// Grenzen der Geldfelder (32 Bit) und die Vermögensgrenze, über der die Abgabe fällig wird.
constexpr int64_t KontoMax = 2147483647;
constexpr int64_t KontoMin = -KontoMax - 1;
constexpr int64_t AbgabeGrenze = 2000000000;
// Keine Geldbewegung hält das Spiel an: eine Gutschrift, die nicht ganz ins Feld passt,
// wird bis an seine Grenze gebucht (der Rest verfällt wie Sparbuchzinsen über der Grenze);
// Kosten werden ganz gebucht oder gar nicht. Wer Kosten bucht, prüft vorher mit KontoPasst
// und lehnt die ganze Handlung ab; sonst gäbe es, was sie bringt, umsonst.
// Ergebnis: der wirklich gebuchte Betrag.
int64_t KontoBuchen(int32_t& konto, int64_t betrag);
// Prüfstelle für Tests: sieht jede Buchung mit verlangtem und wirklich gebuchtem Betrag.
extern void (*KontoPruefstelle)(int64_t verlangt, int64_t gebucht);
// Was KontoBuchen buchen würde, ohne zu buchen.
int64_t KontoBuchbar(int64_t konto, int64_t betrag);
// Passt der ganze Betrag auf das Konto?
inline bool KontoPasst(int64_t konto, int64_t betrag) { return KontoBuchbar(konto, betrag) == betrag; }
// Die Ablehnung einer Handlung, deren Geld nicht aufs Konto passt; beim Zeigen durch T(...).
constexpr const char* BetragZuGrossText = N_("So viel Geld passt nicht auf das Konto !");

// v zur Null hin auf ein Vielfaches von 10^k gekürzt.
inline int64_t AbrundenAuf(int64_t v, int k)
{
    // Im Kopf: mit festem k (meist 1) bleibt von der Schleife eine Konstante.
    int64_t p = 1;
    for (int i = 0; i < k; ++i) p *= 10;
    return v / p * p;
}
int64_t AbrundenAuf(double v, int k);

// Gerundet (Hälften zur geraden Zahl), mit "." als Tausendertrenner.
std::string Geldtext(double v);

} // namespace torvane
