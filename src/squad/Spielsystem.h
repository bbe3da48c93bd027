// Spielsysteme: Anzeige der Codes und Wahl eines Systems.
#pragma once

#include <string>
#include <string_view>

namespace torvane {

// "343" -> "3-4-3".
std::string SystemText(std::string_view code);
std::string SystemText(int code);
// Code des Systems n (1..5) aus den Grunddaten, etwa 343.
int SystemCode(int n);
// Nummer 1..5 des Systems, das Manager m gewählt hat; 0, wenn keins passt.
int GewaehltesSystem(int m);
// Knopf n (1..5): System übernehmen und die Mannschaft neu berechnen.
void WaehleSystem(int m, int n);
// Wie WaehleSystem, aber für einen Kader, den BerechneMannschaft eben berechnet und sortiert hat:
// nur Aufstellung und Linien neu (der Assistent probiert so alle Systeme durch).
void SystemProbieren(int m, int n);

} // namespace torvane
