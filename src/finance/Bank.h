// Die Bank: Darlehen, Flinker Kredit, Sparbuch, Geldanlage und eigene Aktien.
//
// Jede Operation ist eine Funktion, die den Betrag nimmt und sagt, ob sie
// ausgeführt wurde. Ablehnungen melden sich über die Oberfläche (Hinweis) und
// ändern nichts; Rückfragen stellt sie, wenn fragen gesetzt ist (ein Computer-
// manager ruft mit fragen = false). Beträge, die ein Feld oder das Konto
// überlaufen ließen, werden vor jeder Änderung abgewiesen. Jede Grenzprüfung
// rechnet das Vermögen frisch.
//
// Die ...Klick-Funktionen sind die Knöpfe des Bankbildschirms: sie fragen den
// Betrag am Zahlenrad ab und rufen dann die Operation.
#pragma once

#include "core/Funky.h"

#include <cstdint>
#include <string>

namespace torvane {

// --- Darlehen ---
constexpr int DarlehenSchritt = 1000000; // Liste "Darlehen": 1 .. 100 Mio. in Millionen
constexpr int DarlehenLaufzeitMax = 200; // Spiele; Rate mal Laufzeit bleibt ein Kontowert

struct Darlehensangebot {
    int64_t Rate = 0;
    int64_t Gesamt = 0;
    double ZinsenProSpiel = 0.0;
};
// R = round((T / 200 + 1) * A * 1,05 / T), genau gerechnet; G = R * T; Zinsen = R - A / T.
Darlehensangebot DarlehenBerechnen(int64_t betrag, int spiele);
// "Will ich".
bool DarlehenAufnehmen(int m, int64_t betrag, int spiele, bool fragen = true);
// "Weg damit": kostet 96 % der Restschuld (95 % plus 1 % Gebühr).
bool DarlehenAbloesen(int m, bool fragen = true);

// --- Flinker Kredit ---
// Die Grenze: Kredit + n höchstens Vermögen div 2.
bool KreditAufnehmen(int m, int64_t n);
// Mehr als die Schuld tilgen schenkt der Bank den Rest (fragt, wenn fragen gesetzt ist).
bool KreditTilgen(int m, int64_t n, bool fragen = true);

// --- Sparbuch, Geldanlage ---
// Das Sparbuch auf n setzen; die Differenz geht vom bzw. aufs Konto.
bool SparbuchSetzen(int m, int64_t n);
// Neue Anlage von n (1 000 .. 10 000 000), kostet 5 % Gebühr.
bool AnlageEroeffnen(int m, int64_t n);
// Kündigen bringt 90 % des Werts.
bool AnlageKuendigen(int m, bool fragen = true);

// --- Aktien ---
constexpr int AktienMax = 20000;
// Auf p Aktien kaufen oder verkaufen (zum aktuellen Kurs), gemessen an den gehaltenen.
bool AktienSetzen(int m, int p);
// "Wert merken".
void AktienkursMerken(int m);

// --- Knöpfe des Bildschirms (mit Zahlenrad) ---
bool KreditTilgenKlick(int m);    // "-"
bool KreditAufnehmenKlick(int m); // "+"
bool SparbuchKlick(int m);        // "Ändern"
bool AnlageKlick(int m);          // Anlegen bzw. kündigen

// --- Anzeige ---
// Geld mit Tausenderpunkten und " €"; mit Nachkommastellen, wo es welche gibt.
std::string GeldMitEuro(int64_t betrag);
std::string GeldMitEuro(double betrag, int stellen);
// "HaHa, ..." (zwei Fassungen: Darlehen mit Zeilenwechsel nach "nicht ", Kredit ohne).
extern const char* const DarlehenZuHochText;
extern const char* const KreditZuHochText;

} // namespace torvane
