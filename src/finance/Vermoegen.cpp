#include "finance/Vermoegen.h"

#include "core/Fehler.h"
#include "core/Konto.h"
#include "core/Oberflaeche.h"
#include "core/Variablen.h"
#include "finance/Bank.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace torvane {

namespace {

// Die Summen laufen wie im Spiel in einfacher Genauigkeit: jede Addition wird genau gerechnet
// und erst das Ergebnis gerundet; der Summand selbst wird nicht vorher auf float gerundet.
float Dazu(float summe, double teil) { return static_cast<float>(static_cast<double>(summe) + teil); }

float Summe(std::initializer_list<int64_t> teile)
{
    float v = 0.0f;
    for (int64_t t : teile) v = Dazu(v, static_cast<double>(t));
    return v;
}

float VermoegenRoh(int m)
{
    const Manager_& mg = S.Manager[m];
    const int64_t liga = 5 - mg.Liga;
    return Summe({mg.Kontostand, -static_cast<int64_t>(mg.Kredit),
                  -static_cast<int64_t>(mg.DarlehenRate) * mg.DarlehenRestSpiele, mg.Sparbuch, mg.KaderWert,
                  AktienWert(m), mg.AnlageBetrag,
                  liga * mg.Plaetze * 250 / 2, liga * mg.Komfortpunkte * 100000 / 2, mg.TrainerPreis});
}

} // namespace

int64_t Abgabe(int64_t vermoegen) { return vermoegen > AbgabeGrenze ? Runden(vermoegen * 0.1) : 0; }

int64_t VermoegenWert(int m) { return Runden(VermoegenRoh(m), "Vermoegen"); }

int64_t StadionkostenWert(int m)
{
    const Manager_& mg = S.Manager[m];
    return Runden(mg.Plaetze / 2.0 + mg.Komfortpunkte * 500.0, "Stadionkosten");
}

int64_t NebeneinnahmenWert(int m)
{
    const Manager_& mg = S.Manager[m];
    return static_cast<int64_t>(mg.Liga) * 400 * mg.KaderAnzahl;
}

int32_t BerechneVermoegen(int m)
{
    Manager_& mg = S.Manager[m];
    // Konto und Sparbuch können zusammen mehr halten als das Feld; es steht dann an seiner
    // Grenze, die Abgabe rechnet mit dem ganzen Betrag.
    const int64_t vermoegen = Runden(VermoegenRoh(m), "Vermoegen");
    mg.Vermoegen = static_cast<int32_t>(std::min(vermoegen, KontoMax));

    if (const int64_t abgabe = Abgabe(vermoegen); abgabe > 0) {
        Hinweis(Tz(AbgabeText));
        KontoBuchen(mg.Kontostand, -abgabe);
    }

    SETZE(mg.Stadionkosten, StadionkostenWert(m));

    float aus = static_cast<float>(mg.Kredit / 100.0 * 1.2);
    if (mg.Kontostand < 0) aus = Dazu(aus, std::fabs(mg.Kontostand / 100.0 * 1.5));
    aus = Dazu(aus, mg.KaderGehalt);
    aus = Dazu(aus, mg.DarlehenRate);
    aus = Dazu(aus, mg.TrainerGehalt);
    aus = Dazu(aus, mg.Stadionkosten);
    SETZE(mg.Ausgaben, Abschneiden(aus, "Ausgaben"));

    SETZE(mg.Nebeneinnahmen, NebeneinnahmenWert(m));

    float ein = static_cast<float>(mg.Sparbuch / 100.0 * 0.3);
    if (mg.Kontostand > 0) ein = Dazu(ein, mg.Kontostand / 100.0 * 0.1);
    ein = Dazu(ein, mg.Werbeeinnahmen);
    ein = Dazu(ein, mg.AnlageBetrag / 100.0 * 0.5);
    ein = Dazu(ein, mg.Nebeneinnahmen);
    SETZE(mg.Einnahmen, Abschneiden(ein, "Einnahmen"));

    return mg.Vermoegen;
}

int64_t Sollschnitt(int m)
{
    const Manager_& mg = S.Manager[m];
    // Ohne Eintrittspreis ist jede Zahl zu klein; mit 1 € bleibt die Rechnung endlich.
    const int preis = std::max<int>(1, mg.Eintrittspreis);
    return Runden((static_cast<double>(mg.Ausgaben) - mg.Einnahmen) * 2.0 / preis, "Sollschnitt");
}

} // namespace torvane
