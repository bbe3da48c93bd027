// Trainingsplan (Stunden, Schwerpunkte, Bälle), der Sondertrainer mit seiner
// Kündigung und das Trainingslager mit Preis, Spannen und Reise. Was der Plan
// bei jedem Zugbeginn bewirkt, rechnet der Zugablauf.
#pragma once

#include "core/Sprache.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace torvane {

// --- Trainingsplan ---

constexpr int BallAbstand = 40; // Pixel zwischen zwei Ballplätzen einer Skala
constexpr int BallPlaetze = 11;

enum class Skala { Technik, Konstitution };
// Bälle, die noch auf keiner Skala liegen (nie unter 0).
int FreieBaelle(int m);
// Legt so viele Bälle auf die Skala, wie die freien und die 11 Plätze erlauben; true bei Änderung.
bool BaelleSetzen(int m, Skala skala, int anzahl);
// Klick bei x Pixeln auf eine Skala: legt einen Ball dazu oder nimmt einen weg; true bei Änderung.
bool BallKlick(int m, Skala skala, int x);
std::string BaelleText(int m);          // "<frei> von <Baelle> Bälle(n) zu verteilen"
std::string StundenText(int stunden);   // "<n> Stunden Training pro Tag"
void StundenSetzen(int m, int stunden); // 1..10

enum Linie { LinieVerteidigung = 0, LinieMittelfeld = 1, LinieAngriff = 2 };
// Schwerpunkt einer Linie um 10 heben bzw. senken; die anderen gleichen aus, die Summe bleibt 100.
bool SchwerpunktHoch(int m, Linie linie);
bool SchwerpunktRunter(int m, Linie linie);

// Die Ergebniszeile: vor dem 1. Spieltag ein Hinweis, danach der Bericht des letzten Trainings.
std::string TrainingsergebnisText();

// --- Sondertrainer ---

// Trainer 0 und -1 heißen beide: keiner.
bool HatTrainer(int m);
// Was eine Kündigung kostet: Trunc(TrainerPreis * 0,1 + TrainerGehalt * TrainerSpiele).
int64_t TrainerKuendigungskosten(int m);
// Die Kündigung als Plan: Rückkaufwert minus Kosten als Buchung und die Rückfrage, oder abgelehnt.
struct Trainerplan {
    int64_t Buchung = 0;
    std::string Rueckfrage;
};
struct Trainerpruefung {
    std::optional<Trainerplan> plan;
    std::string ablehnung; // leer: still abgelehnt
};
Trainerpruefung TrainerKuendigenPruefen(int m);
// Prüft, fragt nach; bei Ja: Rückkaufwert minus Kosten aufs Konto, Trainer frei. true, wenn gekündigt.
bool TrainerKuendigen(int m);

// --- Trainingslager ---

struct Spanne {
    int von = 0;
    int bis = 0;
};
struct Lagerwerte {
    int64_t Preis = 0;
    Spanne Technik, Konstitution, Form, Genesung;
};
// Preis und Spannen für kaderAnzahl Spieler, Lager 1..3 und 1..10 Tage.
Lagerwerte LagerBerechnen(int kaderAnzahl, int lager, int tage);
// Lager c ist ab Liga 5 - c erlaubt (Verbandsliga: keines).
bool LagerErlaubt(int liga, int lager);

struct Lager_ {
    const char* Name;
    const char* Beschreibung;
};
extern const std::array<Lager_, 4> Lager; // 1..3
extern const std::array<const char*, 40> Lagertaetigkeiten;

constexpr const char* LagerVerbotenText = N_("Was willst Du hier ?");

// Was der Bericht der Reise anzeigt; ohne Bildschirm geschieht nichts.
class Lagerbericht {
public:
    enum class Art { Name, Taetigkeit, Ergebnis, Schluss };
    virtual ~Lagerbericht() = default;
    virtual void zeile(const std::string& text, Art art) { (void)text, (void)art; }
};

// Die Prüfung der Reise, ein Probelauf ohne Ziehung: erlaubt das Lager und passt sein Preis aufs Konto?
// Die Reise selbst zieht für jeden Spieler, rechnet den ganzen Kader an einer Kopie und
// weist ihn dann mit dem Preis zu.
struct Lagerplan {
    int lager = 0;
    int tage = 0;
    Lagerwerte Werte;
};
struct Lagerpruefung {
    std::optional<Lagerplan> plan;
    std::string ablehnung;
};
Lagerpruefung LagerPruefen(int m, int lager, int tage);

// "Hin geh´n": prüft das Lager erst jetzt (es kann von einem anderen Manager oder
// aus einer höheren Liga stammen), bucht den Preis, ändert jeden Spieler und
// erzählt davon. false (nichts geändert), wenn das Lager nicht erlaubt ist.
bool LagerFahren(int m, int lager, int tage, Lagerbericht& bericht);

} // namespace torvane
