// Vereinsvermögen und Vorschau je Spieltag; Sollschnitt der Zuschauer.
#pragma once

#include <cstdint>

namespace torvane {

// Vermögen des Managers m ohne jede Nebenwirkung (Summe in einfacher Genauigkeit, gerundet).
int64_t VermoegenWert(int m);

// Die Abgabe, die ein Vermögen über AbgabeGrenze kostet (sonst 0).
int64_t Abgabe(int64_t vermoegen);

// Vermögen des Managers m; schreibt auch Stadionkosten, Ausgaben, Nebeneinnahmen und
// Einnahmen. Über zwei Milliarden wird eine Abgabe fällig (Hinweis und Abbuchung).
int32_t BerechneVermoegen(int m);

// Zuschauer je Heimspiel, die das Minus eines Spieltags beim jetzigen Eintrittspreis decken.
int64_t Sollschnitt(int m);

constexpr const char* AbgabeText =
    "\"Meine Herren\" \r\n\r\ngefuscht oder wirklich so viel gescheffelt ?\r\n"
    "Egal, jedenfalls können wir mehr als 2 Milliarden nicht dulden.\r\n"
    "Lass Dich Überraschen, ist ganz Simpel !";

} // namespace torvane
