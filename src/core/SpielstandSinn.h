// Die Bedeutung eines Spielstands: jeder Index, jede Anzahl und jeder Bereich, den
// die Regeln lesen. Ein geladener Spielstand muss sie bestehen, bevor er das laufende
// Spiel ersetzt; die langen Testläufe prüfen mit denselben Grenzen jeden Tag.
#pragma once

#include "core/Variablen.h"

#include <string>
#include <vector>

namespace torvane {

// Die Grenzen, die das Spiel selbst einhält.
constexpr int AlterHoch = 150;     // ein Jahr je Saison; auch ein 50-Jähriger bleibt lange darunter
constexpr int TechnikHoch = 120;
constexpr int KonstitutionHoch = 60;
constexpr int StaerkeHoch = 130;   // (120 + 60) / 1,5 + Form 10
constexpr int VerletztHoch = 100;  // ein Trainingslager verlängert über zehn Wochen hinaus
constexpr int VertragHoch = 7;
constexpr int TrainerStufeHoch = 15;
// Eine Linie eines Managers zählt ohne Plätze im System alle ihre Spieler ganz; auch ein ganzer
// Kader der Stärksten bleibt weit darunter, und das Treiben eines Tages bleibt im Feld.
constexpr int LinieHoch = 10000;
constexpr int SpieleHoch = 60000; // Spiele eines Managers, je Saison höchstens fünfzig

// Jeder Verstoß als deutscher Satz, der das Feld nennt; leer, wenn alles stimmt.
std::vector<std::string> SpielstandSinnFehler(const Spielstand& s);
// Nur der erste Verstoß, leer, wenn der Spielstand spielbar ist.
std::string SpielstandSinn(const Spielstand& s);

} // namespace torvane
