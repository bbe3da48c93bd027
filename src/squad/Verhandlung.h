// Vertragsverhandlung: Kauf eines Marktspielers oder neuer Vertrag für einen
// eigenen Spieler. Es gibt höchstens eine laufende Verhandlung; sie arbeitet
// auf der Kopie in Kader[0] des Managers und schreibt am Ende in die Zeile
// zurück, aus der der Spieler kam.
//
// Die Schieber gehören dem, der verhandelt (Fenster, Computermanager, Test); die Regeln bekommen
// ihre Stellung als Wert. Ohne Bildschirm läuft eine Verhandlung so:
//   if (KaufVerhandlungOeffnen(m, zeile, {abloese, gehalt, jahre})) // oder VertragsVerhandlungOeffnen
//       Anbieten();                                                 // oder VerhandlungAbbrechen()
// Die laufende Verhandlung steht in Sitzung.Verhandlung. Meldungen gehen über die Pforten.
#pragma once

#include "core/Bruch.h"
#include "core/Sitzung.h"

#include <cstdint>
#include <string>

namespace torvane {

struct Kaderspieler_;

// Die Stellung der drei Schieber.
struct Regler_ {
    int Abloese = 0; // -5..5: 50 % bis 150 % des Marktwerts
    int Gehalt = 0;  // -5..5: 50 % bis 150 % der Gehaltsforderung
    int Jahre = 1;   // 1..6
};

// --- Rechnungen (ganzzahlig, ohne Gleitkommarest) ---
// Ablöse beim Kauf: (regler / 10 + 1) x wert, gerundet.
int32_t AbloeseFuer(int32_t wert, int regler);
// Angebotenes Gehalt: (regler / 10 + 1) x Forderung, auf Zehner gekürzt.
int32_t AngebotsgehaltFuer(int alter, int staerke, int jahre, int regler);
// Wahrscheinlichkeit der Zusage in Prozent (1..100).
int ZusageFuer(Verhandlungsart art, int abloese, int gehalt, int jahre);
// Was das Eröffnen kostet: 2 % der Ablöse.
int32_t Verhandlungsgebuehr(int32_t abloese);
// Was ein Kauf mit diesen Schiebern bucht: die Gebühr beim Eröffnen (auf den Marktwert) und die Ablöse
// bei der Zusage. Dieselbe Zahl nennt der Ratgeber.
int64_t Kaufkosten(const Kaderspieler_& s, const Regler_& regler);

// --- Ablauf ---
// Klick auf Marktzeile: Prüfungen des Markts, dann Eröffnung. false: keine Verhandlung.
// Beide Eröffnungen sind ganz oder gar nicht; eine Meldung kommt nach dem Buchen.
bool KaufVerhandlungOeffnen(int m, int zeile, const Regler_& regler);
// "Neuer Vertrag" für Kaderspieler i: Prüfungen des Kaders, dann Eröffnung.
bool VertragsVerhandlungOeffnen(int m, int i, const Regler_& regler);
// Eröffnung, wenn der Spieler schon in Kader[0] steht: Gebühr abbuchen, Werte rechnen.
void VerhandlungBeginnen(int m, Verhandlungsart art, int zeile, const Regler_& regler);
// Die Werte der offenen Verhandlung nach den Schiebern (auf ihre Grenzen gebracht) neu rechnen.
void VerhandlungRechnen(const Regler_& regler);

// Ignoriert: kein Angebot gemacht (nichts offen, schon beschäftigt, oder der Kader ist inzwischen
// voll bzw. die Marktzeile leer; dann schließt die Verhandlung mit der Meldung).
enum class Verhandlungsergebnis { Zusage, Absage, Ignoriert };
// Ein Angebot mit einer Ziehung; danach ist die Verhandlung zu. Ganz oder gar nicht: nach einem
// Laufzeitfehler ist nur die Verhandlung zu; Klang, Pause und Meldungen kommen nach dem Buchen.
Verhandlungsergebnis Anbieten();
// "Verhandlung Abbrechen": ein Zehntel Managerpunkt, die Verhandlung ist zu.
void VerhandlungAbbrechen();

// Überraschung s (1..40) nach einem Kauf für Kaderspieler i: bucht und ändert den Spieler; was sie
// zu sagen hat, kommt als Satz für die Nachricht des Spielers oder als eigene Meldung davor.
struct Ueberraschungstext {
    std::string satz;
    std::string meldung{};
};
Ueberraschungstext Ueberraschung(int m, int i, int s, int32_t abloese, int32_t angebotsgehalt);

// Anzeigetexte.
std::string VerhandlungsTitel(Verhandlungsart art);
std::string PositionsTitel(std::string_view position);
std::string ZusageText(int zusage);

} // namespace torvane
