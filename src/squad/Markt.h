// Transfermarkt und Trainer.
#pragma once

#include <cstdint>

namespace torvane {

int32_t Gehaltsforderung(int alter, int staerke, int vertrag);
// Erneuert anzahl Zeilen der Transferliste (-1: eine zufällige Zahl).
void NeueTransferliste(int anzahl);
// Preis, Gehalt und Stufe der Trainer von..bis neu festlegen.
void ErneuereTrainer(int von, int bis);

} // namespace torvane
