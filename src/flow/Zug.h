// Der Zugablauf: die Manager schließen reihum ab, danach wird der Tag gespielt
// (oder die Saison beendet), dann beginnt der nächste Zug. Dazu die Buchungen
// beim Abschluss und beim Zugbeginn, die Managerpunkte und die Texte des Menüs.
// Was der Zugablauf zwischen zwei Klicks weiß (ZugOffen, gezählte Tage), steht in Sitzung.
#pragma once

#include "core/Menue.h"
#include "core/Sitzung.h"
#include "core/Sprache.h"

#include <string>
#include <string_view>

namespace torvane {

// --- Regeln ---
// Spielt der Verein des Managers m heute?
bool HatSpiel(int m);

// Der Abschluss eines Zuges (Abschlussknopf oder Enter).
void AbschlussClick();
// Ziehung für das automatische Speichern: 1 zu (Manager + 5) je Abschluss.
bool AutospeichernGezogen();

// Buchungen beim Abschluss des AktManager; false, wenn er die Überziehungsgebühr ablehnt oder
// das Konto eine Kostenbuchung nicht trägt (dann Sitzung.AbschlussOhneDeckung).
// Ganz oder gar nicht: abgelehnt oder nach einem Laufzeitfehler steht der Spielstand wie vorher
// (den Laufzeitfehler nimmt in einer laufenden Einheit, etwa dem Klick, diese zurück).
bool ZugAbschliessen();
// Sitzung.AbschlussPruefstelle wird vor jedem Schritt 1 .. AbschlussSchritte - 1 des Abschlusses
// und nach dem letzten (AbschlussSchritte) gerufen.
constexpr int AbschlussSchritte = 8;
// Buchungen beim Zugbeginn des AktManager (Training, Dauerkarten, Trainer, Punkte).
void ZugBeginnen();
// Das Training eines Zugbeginns samt Bericht (Teil von ZugBeginnen).
void TrainingAnwenden(int m);
// Dauerkartenverkauf eines Zugbeginns nach einem Sieg (Teil von ZugBeginnen).
void DauerkartenVerkaufen(int m);

// Managerpunkte aller aktiven Manager: merken beim Abschluss, werten beim Zugbeginn.
void ManagerpunkteMerken();
void ManagerpunkteWerten();
// Die Änderung, die ManagerpunkteWerten dem Manager s gäbe.
float ManagerpunkteAenderung(int s);

// --- Texte und Knöpfe des Menüs ---
// Menü neu: AnzeigeErster auf den Verein des AktManager, dann zeichnen.
void MenueAnzeigen();
std::string MoralWort(int moral);        // L4
std::string EinsatzText(int einsatz);    // L2
std::string SaisonText();                // P3: "3.Saison"
struct Abschlusstexte {
    std::string wettbewerb; // Label3D1
    std::string tag;        // Label3D2
};
Abschlusstexte AbschlussTexte();
// UpDown1: 10 mehr (unter 100) bzw. weniger (ab -99); true, wenn sich etwas geändert hat.
bool EinsatzHoch();
bool EinsatzRunter();
// Nach einer Änderung des Einsatzes die Mannschaft neu berechnen.
void EinsatzBerechnen();
// Ein Hauptknopf: Vermögen neu, "klick2", Fenster zu. Ein Unterknopf: +0,01 Managerpunkte, Fenster zu, "klick".
void HauptknopfKlick();
void UnterknopfKlick();

// "Neuer Spieler": fragt und legt einen weiteren Manager an; true, wenn einer dazukam.
bool NeuerSpielerKlick();
// "Neues Spiel": fragt und speichert das laufende Spiel, wenn es einen Namen hat;
// true, wenn die Schale ein neues Spiel anlegen soll.
bool NeuesSpielKlick();

// Die Texte, die der Zugablauf zeigt (deutsch; gezeigt wird T(...), die Frage mit Tz(...)).
constexpr const char* PleiteFrageText =
    N_("Mit diesem Vermögen werden Sie aus\ndem Spiel geworfen.\n\nZurück um dies zu Verhindern ?");
constexpr const char* AbschlussOhneDeckungText =
    N_("Das Konto kann die Kosten dieses Spieltags nicht tragen: erst Geld vom Sparbuch holen.");
constexpr const char* ZuWenigSpielerText = N_("Sie schafften es nicht min. 7 Spieler einzusetzen");

// Der gespeicherte (deutsche) Trainingsbericht in der Sprache des Spiels; Zeilen, die er nicht
// kennt, bleiben, wie sie sind.
std::string TrainingsberichtZeigen(std::string_view bericht);

// Zwei Nachkommastellen mit Komma, ohne Nullen am Ende ("0,5", "-1,25", "3").
std::string KommaText(double wert, int stellen);

} // namespace torvane
