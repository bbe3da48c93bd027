// Angebote fremder Vereine für Spieler auf der Transferliste, einmal je Zug.
#pragma once

#include <cstdint>

namespace torvane {

// Geht die gelisteten Spieler des Managers m durch; jeder kann ein Angebot bekommen.
void Spielerangebote(int m);

// Die Beträge eines Angebots (ganzzahlig gerechnet).
int32_t AngebotsBetrag(int prozent, int32_t wert);
int32_t Vertragsbruchstrafe(int vertrag, int spieltag, int32_t gehalt);
// Ein bietender Verein, der keinem Manager gehört (ganzer Name verglichen); 0, wenn es keinen gibt.
int BietenderVerein();

} // namespace torvane
