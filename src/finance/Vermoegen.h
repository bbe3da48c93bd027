// Vereinsvermögen und Vorschau je Spieltag; Sollschnitt der Zuschauer.
#pragma once

#include "core/Sprache.h"

#include <cstdint>

namespace torvane {

// Vermögen des Managers m ohne jede Nebenwirkung (Summe in einfacher Genauigkeit, gerundet).
int64_t VermoegenWert(int m);

// Die Abgabe, die ein Vermögen über AbgabeGrenze kostet (sonst 0).
int64_t Abgabe(int64_t vermoegen);

// Stadionkosten je Spieltag für Plätze und Komfort des Managers m, ohne Nebenwirkung.
int64_t StadionkostenWert(int m);
// Die Zuschüsse je Spiel nach Liga und Kadergröße, wie BerechneVermoegen sie setzt.
int64_t NebeneinnahmenWert(int m);

// Vermögen des Managers m, mit Wirkung: schreibt Vermoegen (höchstens KontoMax) und die
// Vorschau Stadionkosten, Ausgaben, Nebeneinnahmen, Einnahmen. Über AbgabeGrenze bucht es die
// Abgabe vom Konto und zeigt AbgabeText. Wer nur eine Zahl zeigt, nimmt VermoegenWert.
int32_t BerechneVermoegen(int m);

// Zuschauer je Heimspiel, die das Minus eines Spieltags beim jetzigen Eintrittspreis decken.
int64_t Sollschnitt(int m);

// Im Katalog mit \n; gezeigt mit Tz.
constexpr const char* AbgabeText =
    N_("\"Meine Herren\" \n\ngefuscht oder wirklich so viel gescheffelt ?\n"
       "Egal, jedenfalls können wir mehr als 2 Milliarden nicht dulden.\n"
       "Lass Dich Überraschen, ist ganz Simpel !");

} // namespace torvane
