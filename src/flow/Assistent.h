// Der Computermanager: spielt den Zug eines Managers, wie es ein vernünftiger Mensch
// am Bildschirm täte, und zwar nur über die Regeln, die auch die Bildschirme rufen.
// Er zieht keinen Zufall selbst; unter derselben Saat spielt er dasselbe Spiel.
#pragma once

#include "core/Oberflaeche.h"
#include "squad/Verhandlung.h"

#include <array>
#include <cstdint>
#include <initializer_list>
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

// Die Schritte des Zuges; jeder bestätigt seine Rückfragen selbst. Was Geld kostet (Käufe, Verkäufe,
// Trainer, Plätze, Komfort, Lager, Punkte), führt AssistentZug aus der Liste AssistentEntscheidungen
// aus; Einkauf, Verkauf, Punkte und Lager sind dieselben Entscheidungen als Schritt für sich.
void AssistentAufstellung(int m); // Autoaufstellung und das stärkste Spielsystem
void AssistentTraining(int m, AssistentStufe stufe = AssistentStufe::Alt); // Stunden und Bälle
void AssistentVertraege(int m);   // Verträge der Spieler verlängern, die es wert sind
void AssistentEinkauf(int m, AssistentStufe stufe = AssistentStufe::Alt); // Kader auffüllen (Neu: verstärken)
void AssistentVerkauf(int m);     // Überzählige und Alte auf die Transferliste
void AssistentBank(int m, AssistentStufe stufe = AssistentStufe::Alt); // Konto aus dem teuren Dispo halten
void AssistentStadion(int m, AssistentStufe stufe = AssistentStufe::Alt); // Eintritt und Dauerkarten
void AssistentWerbung(int m);     // Werbeverträge abschließen
// Was ein mittleres Angebot für einen Werbeplatz je Spiel brächte.
int64_t AssistentWerbewert(int m, int platz);
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
// Die Schieber eines Kaufs: 150 % Ablöse, 120 % Gehalt, sechs Jahre; das sagt jeder zu.
constexpr Regler_ AssistentKaufregler{5, 2, 6};
// Ablöse und Gebühr, wenn er für den Marktspieler s 150 % bietet.
int64_t AssistentKaufpreis(const Kaderspieler_& s);
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
// So viel stärker muss ein Marktspieler sein, damit er einen aus der Elf verdrängt.
constexpr int AssistentMarge = 5;

// Eine Entscheidung des Computermanagers als Wert: dieselbe Liste zeigt der Ratgeber, und der
// Computermanager führt sie aus. Alles, was Geld kostet, passt in den Spielraum über der Rücklage.
struct Entscheidung {
    enum Art {
        Pleite,      // der Abschluss nähme die Lizenz: betrag ist das Vermögen, geld was fehlt (negativ)
        Verkaufen,   // ziel: Kaderplatz auf die Transferliste; grund 0 alt, 1 Kader zu groß, 2 lebt vom Kredit
        Kaufen,      // ziel: Marktzeile, um den Kader aufzufüllen
        Verstaerken, // ziel: Marktzeile, bezug: der Verdrängte in der Elf, betrag: Gewinn an Stärke
        Trainer,     // ziel: Zeile am Trainermarkt für 50 Spiele
        Plaetze,     // ziel: so viele Plätze; grund 0 ausverkauft, 1 kleiner als zu Beginn
        Komfort,     // ziel: so viele Komfortpunkte
        Punkte,      // Fähigkeitspunkte der Stammspieler; betrag: Stärke, die sie der Elf bringen
        Lager,       // ziel: Lager 1..3 für zehn Tage
    };
    Art art;
    int ziel = 0;
    int bezug = 0;
    int grund = 0;
    int64_t betrag = 0;
    int64_t geld = 0;      // was sie sofort aufs Konto bucht, negativ: Ausgabe
    int64_t ruecklage = 0; // so viel bleibt nach dem Abschluss mindestens auf Konto und Sparbuch
};
// Die Entscheidungen dieses Zuges für Manager m, in der Reihenfolge, in der er sie ausführt.
// Liest nur und zieht keinen Zufall.
std::vector<Entscheidung> AssistentEntscheidungen(int m, AssistentStufe stufe = AssistentStufe::Neu);
// Führt eine Entscheidung über die Regeln aus (die bestätigt er selbst); false, wenn die Regel ablehnt
// oder die Verhandlung scheitert.
bool EntscheidungAusfuehren(int m, const Entscheidung& e);
// Nur die Entscheidungen dieser Arten aus der Liste ausführen (ein Schritt des Zuges für sich).
void AssistentAusfuehren(int m, AssistentStufe stufe, std::initializer_list<Entscheidung::Art> arten);
// Das Konto nach den Buchungen, die der Abschluss dieses Zuges erwarten lässt (ohne Ereignis).
int64_t KontoNachAbschluss(int m);
// Die Spieler, die in der besten Elf stünden, wären alle gesund und spielberechtigt (Kaderplätze).
std::vector<int> BesteElf(int m);
// Was Manager m an Spielern je Linie (T, V, M, S) für sein System braucht.
std::array<int, 4> LinienBedarf(int m);

} // namespace torvane
