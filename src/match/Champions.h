// Die ChampionsLige: 16 Vereine, 15 Spieltage, jeder gegen jeden.
#pragma once

#include "match/Pokal.h"

namespace torvane {

// Verein, dessen ChlRunde die Nummer trägt; sonst Meldung und 0.
int ChlManschNr(int nummer);
// Dasselbe still: 0 ohne Meldung (für Anzeigen).
int ChlVereinSuchen(int nummer);
// Tabellenplatz, auf dem die Nummer steht; sonst Meldung und 0.
int ChlManschIndex(int nummer);
// Sortiert die Tabelle; die Ergebnistexte der Spieltage bleiben stehen.
void ChlTabelleSortieren();

// Prämien.
constexpr int32_t ChlSpielPraemie = 100000;
constexpr int32_t ChlSiegerPraemie = 5555555;

} // namespace torvane
