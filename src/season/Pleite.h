// Pleite und Spielende: ein Manager verlässt das Spiel, der letzte beendet es.
#pragma once

#include "core/Sprache.h"

#include <string>

namespace torvane {

// Der Bildschirm "Lizenzentzug" und das Programmende als Pforte; ohne Bildschirm geschieht nichts.
class Pleiteanzeige {
public:
    virtual ~Pleiteanzeige() = default;
    // Zeigt den Bildschirm mit Label2 (Name + " hat´s geschafft").
    virtual void zeigen(const std::string& label2) { (void)label2; }
    // Wartet auf "und Tschüss" und schließt den Bildschirm.
    virtual void warteAufTschuess() {}
    // Kein Manager mehr da: das Programm endet.
    virtual void programmBeenden() {}
};

Pleiteanzeige& PleiteAnzeige();
void PleiteAnzeigeSetzen(Pleiteanzeige* a); // nullptr: wieder die stille Anzeige

// Übersetzt erst beim Zeigen.
constexpr const char* PleiteText =
    N_("Mit diesem geringen Vermögen kann der Verein  nicht bestehen, daraus folgt der Lizenzentzug.");

// Entfernt den Manager im Platz AktManager; die folgenden rücken samt ihren Tabellen
// (Optionen, Statistik, Vorwerte, Werbeverträge, Saisonbilanz) einen Platz auf.
void ManagerEntfernen();

// Der Pleite-Bildschirm für AktManager: zeigen, entfernen, auf "und Tschüss" warten.
// false, wenn danach kein Manager mehr im Spiel ist (das Programm endet dann).
bool PleiteAbwickeln();

// Label2 des Pleite-Bildschirms.
std::string PleiteZeile(int m);

// Kein Manager mehr im Spiel.
bool SpielVorbei();

// "E N D E": speichert unter dem Spielnamen, wenn es einen gibt, und wartet dann 1 s.
// true, wenn gespeichert wurde.
bool EndeAutospeichern();

} // namespace torvane
