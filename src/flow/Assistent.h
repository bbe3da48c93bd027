// Der Computermanager: spielt den Zug eines Managers, wie es ein vernünftiger Mensch
// am Bildschirm täte, und zwar nur über die Regeln, die auch die Bildschirme rufen.
// Er zieht keinen Zufall selbst; unter derselben Saat spielt er dasselbe Spiel.
#pragma once

#include "core/Oberflaeche.h"

#include <string>
#include <vector>

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

// Was die Schritte Verträge und Einkauf verhandeln würden.
// Die Marktzeile (1..11), über die er jetzt einen Kauf verhandeln würde; 0: keine. Zuerst die
// Linie unter ihrem Minimum, dann bis zum Mindestkader; der Stärkste, den Konto und Rücklage tragen.
int AssistentMarktwahl(int m);
// Die Kaderplätze der Spieler, deren auslaufenden Vertrag er jetzt verlängern würde: ungelistet,
// unter der Altersgrenze und unter den 16 Stärksten oder für das Minimum seiner Linie nötig.
std::vector<int> AssistentVerlaengerungen(int m);

// Wie der Computermanager Fragen beantwortet, die ihm der Zugablauf stellt (Gebühren,
// Angebote für eigene Spieler, Ereignisse). m ist der Manager, der gerade dran ist.
Antwort AssistentAntwort(int m, const std::string& text, Knoepfe knoepfe);
// Knopf im Nachrichtenfenster ("Ja", "Nein", "Weiter"; "" bei Auto).
std::string AssistentKnopf(int m, const std::string& text, const NachrichtArt& art);

// So viele Spieler hält der Computermanager mindestens im Kader (ohne die gelisteten).
constexpr int AssistentMindestkader = 16;

} // namespace torvane
