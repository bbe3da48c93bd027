// Ordner des Spiels, einmal beim Start festgelegt; immer mit "/".
#pragma once

#include <string>

namespace torvane {

struct Pfade_ {
    std::string Programm; // mit abschließendem "/"
    std::string Daten;
    std::string Grafik;
    std::string Musik;
    std::string Spezial;
    std::string Save;
    std::string Sprachen;    // die Kataloge: <Sprachen>/<kürzel>/LC_MESSAGES/torvane.mo
    std::string Benutzer;    // Datenordner des Benutzers, leer: keiner
    bool Installiert = false; // Spielordner unter <präfix>/share/torvane
};
extern Pfade_ Pfade;

// Eine Regel für beide Aufstellungen: liegt "daten" neben dem Programm (Bauordner), ist
// das der Spielordner; sonst <Programmordner>/../share/torvane (installiert). Ein
// installiertes Spiel schreibt nie in die Installation: Spielstände und bearbeitete
// Daten liegen im benutzerOrdner, die Daten von dort, sobald es dort eine Kopie gibt.
// Im Bauordner ist benutzerOrdner nur der Ausweichort für Save/, wenn der
// Programmordner nicht beschreibbar ist.
void PfadeSetzen(const std::string& programmOrdner, const std::string& benutzerOrdner);
// Grunddaten aus einem anderen Ordner (Testsaison des Editors, eigene Datensätze).
void DatenOrdnerSetzen(const std::string& ordner);

// Vor jedem Schreiben in den Datenordner: ein installiertes Spiel kopiert die
// mitgelieferten Daten erst jetzt in den Benutzerordner und liest fortan von dort.
// false, wenn das nicht ging (Pfade bleiben dann unverändert).
bool DatenBeschreibbarMachen();

// Der Ordner des laufenden Programms ohne Qt (über /proc/self/exe, sonst argv[0]).
std::string ProgrammOrdnerAusSystem(const char* argv0);

// Datenordner des Benutzers ohne Qt: $XDG_DATA_HOME/Torvane oder ~/.local/share/Torvane.
std::string BenutzerOrdnerAusUmgebung();

} // namespace torvane
