// Die Grunddaten aus daten/: Spielerpool, Nationen, Vereine, Spielpläne, Spielsysteme.
#pragma once

#include <string>

namespace torvane {

// Liest die sechs Dateien in dieser Reihenfolge in den Spielstand. Beim ersten
// Fehler gleich welcher Art: false, und im Spielstand hat sich nichts geändert
// (der Aufrufer zeigt DatenFehlerText und beendet das Programm).
bool DatenLaden();
bool DatenLaden(const std::string& ordner);

constexpr const char* DatenFehlerText = "Eine oder mehrere Programmdateien wurden nicht gefunden !";

} // namespace torvane
