// Der Computermanager: spielt den Zug eines Managers, wie es ein vernünftiger Mensch
// am Bildschirm täte, und zwar nur über die Regeln, die auch die Bildschirme rufen.
// Er zieht keinen Zufall selbst; unter derselben Saat spielt er dasselbe Spiel.
#pragma once

#include "core/Oberflaeche.h"

#include <string>
#include <vector>

namespace torvane {

struct Kaderspieler_;

// Wie er spielt: Alt hält den Verein nur am Leben (so spielte er lange), Neu spielt auf Sieg:
// kauft Verstärkungen, Fähigkeitspunkte, Trainingslager und Darlehen, wo sie sich lohnen.
enum class AssistentStufe { Alt, Neu };

// Spielt den offenen Zug des Managers m, bevor er geschlossen wird. Die eigenen
// Rückfragen der gerufenen Regeln (etwa die Gebühr der Transferliste) bestätigt er selbst.
void AssistentZug(int m, AssistentStufe stufe = AssistentStufe::Neu);
// Das Sparbuch aufs Konto, so weit es dort Platz hat: der erste Schritt des Zuges und alles,
// was ein passiver Manager tut, wenn sein Konto die Kosten des Abschlusses nicht trägt.
void SparbuchAufsKonto(int m);

// Die Schritte, in dieser Reihenfolge von AssistentZug gerufen; jeder bestätigt seine Rückfragen selbst.
void AssistentAufstellung(int m); // Autoaufstellung und das stärkste Spielsystem
void AssistentTraining(int m, AssistentStufe stufe = AssistentStufe::Alt); // Trainingsplan und Sondertrainer
void AssistentVertraege(int m);   // Verträge der Spieler verlängern, die es wert sind
void AssistentEinkauf(int m, AssistentStufe stufe = AssistentStufe::Alt); // Kader auffüllen (Neu: verstärken)
void AssistentVerkauf(int m);     // Überzählige und Alte auf die Transferliste
void AssistentBank(int m, AssistentStufe stufe = AssistentStufe::Alt); // Konto aus dem teuren Dispo halten
void AssistentStadion(int m, AssistentStufe stufe = AssistentStufe::Alt); // Preise, Plätze und Komfort
void AssistentWerbung(int m);     // Werbeverträge abschließen
// Nur Neu: Fähigkeitspunkte der Stammspieler kaufen, und ins Trainingslager, wenn es heilt.
void AssistentPunkte(int m);
void AssistentLager(int m);

// Was die Schritte Verträge und Einkauf verhandeln würden.
// Die Marktzeile (1..11), über die er jetzt einen Kauf verhandeln würde; 0: keine. Zuerst die
// Linie unter ihrem Minimum, dann bis zum Mindestkader; der Stärkste, den Konto und Rücklage tragen.
int AssistentMarktwahl(int m);
// Eine Verstärkung vom Markt: die Zeile, der Spieler, den sie aus der Elf drängt, und der Gewinn
// an Stärke. Nur bei freiem Kaderplatz, nur unter 30 Jahren und nur, was die Rücklage der Stufe Neu
// übrig lässt.
struct Verstaerkung {
    int zeile = 0;      // Marktzeile 1..11; 0: keine
    int verdraengt = 0; // Kaderplatz des Schwächsten seiner Linie in der Elf
    int gewinn = 0;
    int64_t preis = 0;  // Ablöse und Gebühr
};
Verstaerkung AssistentVerstaerkung(int m);
// Der Kaderplatz, den er jetzt auf die Transferliste setzen würde; 0: keiner.
int AssistentVerkaufswahl(int m);
// Nur Neu: lebt der Verein vom Kredit, der teuerste entbehrliche Ersatzmann; 0: keiner.
int AssistentSparwahl(int m);
// Was die Stufe Neu mindestens auf Konto und Sparbuch lässt.
int64_t AssistentRuecklage(int m);
// Die Kaderplätze der Spieler, deren auslaufenden Vertrag er jetzt verlängern würde: ungelistet,
// unter der Altersgrenze und unter den 16 Stärksten oder für das Minimum seiner Linie nötig.
std::vector<int> AssistentVerlaengerungen(int m);

// Wie der Computermanager Fragen beantwortet, die ihm der Zugablauf stellt (Gebühren,
// Ereignisse). Er entscheidet nach den Knöpfen, nie nach dem Wortlaut. m ist der Manager am Zug.
Antwort AssistentAntwort(int m, const std::string& text, Knoepfe knoepfe);
// Knopf im Nachrichtenfenster (Befehlswert::Keiner bei Auto).
Befehlswert AssistentKnopf(int m, const std::string& text, const NachrichtArt& art);
// Angebote in Werten: Aktien unter dem Kurs aus dem Überfluss, über dem Kurs verkaufen, gelistete
// Spieler gehen; den Verein verkauft er nie.
bool AssistentAngebot(int m, const Angebotsfrage& f);

// Die Linie eines Spielers: 0 Torwart, 1 Verteidigung, 2 Mittelfeld, 3 Sturm.
int AssistentLinie(const Kaderspieler_& s);

// So viele Spieler hält der Computermanager mindestens im Kader (ohne die gelisteten).
constexpr int AssistentMindestkader = 16;

} // namespace torvane
