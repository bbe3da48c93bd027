// Die drei Grafiken des Managers: Vermögen, Tabellenplätze, Teamstärke. Die Regeln
// hier lesen und ergänzen seine Statistik; das Fenster zeichnet nur.
#pragma once

#include "core/Variablen.h"

#include <string>

namespace torvane {

// Bringt die neuesten Einträge der Statistik von Manager m auf den jetzigen Stand:
// Geldpunkt 148, Platz des laufenden Spieltags, 19 für die kommenden, Stärkebytes 167 und 168.
void GrafikAuffrischen(int m);

// Byte i (1..168) der Stärkegrafik; 1..165 die Geschichte, 166 reserviert, 167/168 der jetzige Wert.
uint8_t& StaerkeByte(Statistik_& st, int i);
// Platzbyte des Spieltags d (1..34).
uint8_t& PlatzByte(Statistik_& st, int d);

std::string GeldTitel(int m);
std::string PlatzTitel();
std::string StaerkeTitel(int m);

// Beschriftung der Geldachse in ganzen Millionen für die Zeile k (26 oben .. 1 unten).
int GeldAchse(int grenze, int k);
// Die Gitterlinie der Zeile k liegt auf der Höhe des neuesten Punktes.
bool GeldLinieAktuell(int punkt148, int k);

// Spieltag unter der Maus in der Platzgrafik.
inline int HinweisSpieltag(int x) { return (x - 11) / 7; }
// Hinweistexte; leer, wenn die Maus außerhalb der Grafik steht.
std::string PlatzHinweis(int m, int x, int y);
std::string StaerkeHinweis(int m, int x, int y);

} // namespace torvane
