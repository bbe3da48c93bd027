// Einstellungen je Manager: Anzeigeoptionen, Spielablauf und die Umbenennung von Manager und Verein.
#pragma once

#include <string>

namespace torvane {

// Schalter eines Optionsbytes; der Transfermarktklang gilt für das ganze Spiel und steht bei Slot 0.
bool OptionAn(int m, int byte);
// Schreibt 1 oder 0. Der Transfermarktklang spielt beim Einschalten "trans";
// die Champions League setzt den Spielablauf auf "Gefudelt" zurück.
void OptionSchalten(int m, int byte, bool an);
// Liste "zeige Liga ...": 0 = Auswahl, 1..4 die Ligen.
void AnzeigeLigaWaehlen(int m, int index);
// Liste "Spielablauf ": Eintrag 0..2 = "Schneller", "Normal", "Langsamer".
void TempoWaehlen(int m, int index);
// Eintrag der Spielablaufliste, -1 für "Gefudelt".
int TempoEintrag(int m);

// Fragt "Neue Namen übernehmen ?" und benennt Manager m und seinen Verein um, wenn alle
// Prüfungen bestehen; meldet sonst, was nicht geht. true, wenn umbenannt.
bool NamenAendern(int m, const std::string& name, const std::string& verein);

} // namespace torvane
