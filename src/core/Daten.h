// Die Grunddaten aus daten/: Spielerpool, Nationen, Vereine, Spielpläne, Spielsysteme.
#pragma once

#include <string>

namespace torvane {

// Liest die sechs Dateien aus Pfade.Daten in den Spielstand. false beim ersten
// Fehler; dann hat sich nichts geändert (der Aufrufer zeigt DatenFehlerText und beendet).
bool DatenLaden();
bool DatenLaden(const std::string& ordner);

constexpr const char* DatenFehlerText = "Eine oder mehrere Programmdateien wurden nicht gefunden !";

} // namespace torvane
