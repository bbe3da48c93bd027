// Transfermarkt und Trainer.
#pragma once

#include "squad/Kader.h"

#include <cstdint>
#include <optional>
#include <string>

namespace torvane {

// Gehalt pro Spiel, das ein Spieler für vertrag Jahre verlangt.
int32_t Gehaltsforderung(int alter, int staerke, int vertrag);
// Erneuert anzahl Zeilen der Transferliste (-1: eine zufällige Zahl).
void NeueTransferliste(int anzahl);
// Preis, Gehalt und Stufe der Trainer von..bis neu festlegen.
void ErneuereTrainer(int von, int bis);

// --- Spielerverpflichtung ---

// Der Klick als Plan (wie der Vertragswunsch im Kader): der Marktspieler danach, die Strafe
// fürs Drängen mit ihrer Meldung, oder die Ablehnung.
Vertragspruefung MarktspielerWaehlenPruefen(int m, int i);
// Der Plan des Klicks, ohne Meldung.
void MarktspielerWaehlenAusfuehren(int m, int i, const Vertragsplan& p);
// Linksklick auf Marktzeile i: true, wenn die Verhandlung (Kauf) öffnen soll;
// der Spieler steht dann als Kopie in Kader[0] des Managers.
bool MarktspielerWaehlen(int m, int i);

// --- Trainerverpflichtung ---

struct Trainerbedingungen_ {
    int32_t Kostet = 0;
    int32_t GehaltProSpiel = 0;
};
// Was Trainer t für g Spiele einmal kostet und pro Spiel verlangt.
Trainerbedingungen_ TrainerBedingungen(int t, int g);
// Wie viele Trainer (1..n) der Manager in seiner Liga sehen darf.
int AngeboteneTrainer(int m);
std::string TrainerUeberschrift();
// Die Verpflichtung als Plan: Trainer, Bedingungen, Stufe, Spiele und die Bälle danach.
struct Trainervertrag {
    int8_t Trainer = 0;
    Trainerbedingungen_ Bedingungen;
    uint8_t Stufe = 0;
    int8_t Spiele = 0;
    uint8_t Baelle = 0;
};
struct Trainerwahl {
    std::optional<Trainervertrag> plan;
    std::string ablehnung;
};
Trainerwahl TrainerVerpflichtenPruefen(int m, int t, int g);
// "Her damit": true, wenn Trainer t für g Spiele eingestellt wurde.
bool TrainerVerpflichten(int m, int t, int g);
// Der Trainer des Managers m geht (Kündigung oder Vertragsende): sein Markteintrag wird frei
// und bekommt neue Bedingungen; Trainerfelder, seine Bälle und ihre Verteilung gehen auf null.
// Bucht kein Geld. Trainer 0 oder -1 heißt: keiner, dann geschieht nichts.
void TrainerFreigeben(int m);

} // namespace torvane
