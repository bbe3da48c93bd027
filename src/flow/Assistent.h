// Der Computermanager: spielt den Zug eines Managers, wie es ein vernünftiger Mensch
// am Bildschirm täte, und zwar nur über die Regeln, die auch die Bildschirme rufen.
// Er zieht keinen Zufall selbst; unter derselben Saat spielt er dasselbe Spiel.
#pragma once

#include "core/Oberflaeche.h"

#include <string>

namespace torvane {

// Spielt den offenen Zug des Managers m, bevor er geschlossen wird. Die eigenen
// Rückfragen der gerufenen Regeln (etwa die Gebühr der Transferliste) bestätigt er selbst.
void AssistentZug(int m);

// Die Schritte, in dieser Reihenfolge von AssistentZug gerufen; jeder bestätigt seine Rückfragen selbst.
void AssistentAufstellung(int m); // Autoaufstellung und das stärkste Spielsystem
void AssistentTraining(int m);    // Trainingsplan und Sondertrainer
void AssistentVertraege(int m);   // Verträge der Spieler verlängern, die es wert sind
void AssistentEinkauf(int m);     // Kader über den Markt auffüllen
void AssistentVerkauf(int m);     // Überzählige und Alte auf die Transferliste
void AssistentBank(int m);        // Konto aus dem teuren Dispo halten
void AssistentStadion(int m);     // Plätze und Komfort ausbauen
void AssistentWerbung(int m);     // Werbeverträge abschließen

// Wie der Computermanager Fragen beantwortet, die ihm der Zugablauf stellt (Gebühren,
// Angebote für eigene Spieler, Ereignisse). m ist der Manager, der gerade dran ist.
Antwort AssistentAntwort(int m, const std::string& text, Knoepfe knoepfe);
// Knopf im Nachrichtenfenster ("Ja", "Nein", "Weiter"; "" bei Auto).
std::string AssistentKnopf(int m, const std::string& text, const NachrichtArt& art);

// So viele Spieler hält der Computermanager mindestens im Kader (ohne die gelisteten).
constexpr int AssistentMindestkader = 16;

} // namespace torvane
