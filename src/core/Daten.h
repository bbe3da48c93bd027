// Die Grunddaten aus daten/: Spielerpool, Nationen, Vereine, Spielpläne, Spielsysteme.
#pragma once

#include "core/Sprache.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace torvane {

// Die sechs Dateien in der Reihenfolge, in der sie gelesen werden.
inline constexpr std::array<const char*, 6> DatenDateien = {"Spieler.dat", "Nationen.dat", "Mansch.dat",
                                                            "Sptg.dat",    "ChlSptg.dat",  "SpielSystem.dat"};

// Liest die sechs Dateien in dieser Reihenfolge in den Spielstand. Beim ersten
// Fehler gleich welcher Art: false, und im Spielstand hat sich nichts geändert
// (der Aufrufer zeigt DatenFehlerText und beendet das Programm). grund nennt
// dann Datei, Zeile und Art des Fehlers.
bool DatenLaden();
bool DatenLaden(const std::string& ordner, std::string* grund = nullptr);
// Dasselbe aus den Inhalten der sechs Dateien (Reihenfolge wie DatenDateien).
bool DatenAusTextenLaden(const std::array<std::string, 6>& texte, std::string* grund = nullptr);
// Liest den Inhalt einer der sechs Dateien probeweise, wie der Lader es täte;
// am Spielstand ändert sich nichts.
bool DateiPruefen(const std::string& name, const std::string& inhalt, std::string* grund = nullptr);

// Keine gültige Datendatei ist so groß (so viele Spieler, wie ein Spielstand hält, zu je
// vier Zeilen von 40 Bytes); größere werden abgewiesen, bevor sie ganz im Speicher liegen.
constexpr int64_t MaxDatenDateiGroesse = 16 * 1024 * 1024;

// Der ganze Inhalt einer Datei, von einer größeren als MaxDatenDateiGroesse nur so viel,
// dass der Lader sie abweist; nullopt, wenn sie fehlt oder nicht lesbar ist.
std::optional<std::string> DateiInhalt(const std::string& pfad);
// Spieler.dat, Mansch.dat oder Nationen.dat als Einträge (je Eintrag seine Zeilen,
// Windows-1252, ungekürzt; der Bonus einer Nation als Zahl).
// false mit Grund, wenn der Lader die Datei abwiese.
bool DateiEintraegeLesen(const std::string& name, const std::string& inhalt,
                         std::vector<std::vector<std::string>>& eintraege, std::string* grund = nullptr);

constexpr const char* DatenFehlerText = N_("Eine oder mehrere Programmdateien wurden nicht gefunden !");

} // namespace torvane
