// Die Live-Ansicht eines Managerspiels: die Ballspur der letzten Spielberechnung
// Minute für Minute abspielen, dabei Karten und Verletzungen der Managervereine.
#pragma once

#include "core/Felder.h"
#include "match/Spiel.h"

#include <cstdint>

namespace torvane {

// Gelbe Karten des laufenden Wettbewerbstags je Manager 0..3 und Kaderplatz 0..23: die zweite
// am selben Tag heißt Gelb-Rot. Sie entstehen nur hier, gelten aber für den ganzen Tag, nicht
// für ein Spiel; der Wettbewerbstag löscht sie zu Beginn. Nicht Teil des Spielstands.
extern Feld<Feld<uint8_t, 0, 23>, 0, 3> GelbHeute;

// Spielt das eben berechnete Spiel e (heim gegen gast) ab.
// Nur aufrufen, wenn jemand zusieht: nur hier entstehen Vorfälle.
void LiveSpiel(int heim, int gast, const Spielergebnis_& e);

// Ein Vorfall für den Verein des Managers m; tafel 1 ("Aktion1", Heim) oder 2 ("Aktion2", Gast).
void Aktion(int m, int tafel);

} // namespace torvane
