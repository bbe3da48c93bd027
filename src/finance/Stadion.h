// Das Stadion des Managers: Komfort, Plätze, die drei Preise und die Dauerkarten.
//
// Jede Handlung hat zwei Schritte wie die Bank: ...Pruefen rechnet über den jetzigen Stand
// einen Plan (alle neuen Werte, Grenz- und Kontoprüfung schon gemacht) oder eine Ablehnung
// mit ihren Texten und ändert nichts; StadionAusfuehren weist den Plan nur noch zu.
// StadionHandeln ist der Klick: Texte zeigen, bei einem Verkauf den Glückstag ziehen, dann
// ausführen. Die Namen ohne ...Pruefen sind dieser Klick; die ...Fragen-Varianten holen die
// Menge vorher vom Zahlenrad (so ruft sie das Stadionfenster). Ein Computermanager ruft
// die Varianten mit Menge direkt.
#pragma once

#include "core/Sprache.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace torvane {

constexpr int MaxPlaetze = 100000;
constexpr int StartPlaetze = 12000; // so groß ist das Stadion jedes neuen Managers
constexpr int MaxKomfort = 100;

// Preis je Platz und je Komfortpunkt in der Liga 1..4; zurück gibt es jeweils die Hälfte.
int32_t Platzpreis(int liga);
int32_t Komfortpreis(int liga);
int32_t PlatzRueckpreis(int liga);
int32_t KomfortRueckpreis(int liga);

// Was eine Stadionhandlung ändert. Buchung passt ganz aufs Konto.
struct Stadionplan {
    int64_t Buchung = 0; // aufs Konto, negativ: ab
    int32_t Komfortpunkte = 0;
    int32_t Plaetze = 0;
    int32_t DauerkartenImVerkauf = 0;
    int16_t Eintrittspreis = 0;
    int16_t Dauerkartenpreis = 0;
    int32_t Pokalzuschlag = 0;
    // Ein Verkauf mit Glückstag (einer von zehn): die Werte, die dann gelten, und sein Text.
    std::shared_ptr<const Stadionplan> Glueck;
    std::string GlueckText;
};
struct Stadionpruefung {
    std::optional<Stadionplan> plan;
    std::vector<std::string> texte; // vor dem Ausführen zu zeigen; ohne Plan: die Ablehnung
};
void StadionAusfuehren(int m, const Stadionplan& p, bool glueck = false);
bool StadionHandeln(int m, const Stadionpruefung& pruefung);

Stadionpruefung KomfortKaufenPruefen(int m, int n);
Stadionpruefung KomfortVerkaufenPruefen(int m, int n);
Stadionpruefung PlaetzeKaufenPruefen(int m, int n);
Stadionpruefung PlaetzeVerschrottenPruefen(int m, int n);
Stadionpruefung EintrittspreisAendernPruefen(int m, bool hoch);
Stadionpruefung DauerkartenpreisAendernPruefen(int m, bool hoch);
Stadionpruefung PokalzuschlagAendernPruefen(int m, bool hoch);
Stadionpruefung EintrittspreisSetzenPruefen(int m, int preis);
Stadionpruefung DauerkartenpreisSetzenPruefen(int m, int preis);
Stadionpruefung DauerkartenDazuPruefen(int m, int n);
Stadionpruefung DauerkartenEntnehmenPruefen(int m, int n);

// Komfortpunkte kaufen: höchstens bis 100, nur mit Geld auf dem Konto; ab 10 einer umsonst.
bool KomfortKaufen(int m, int n);
// Komfortpunkte zum halben Preis verkaufen; einer bleibt immer. Ab 10 kommt einer zurück,
// am Glückstag alle (das Geld bleibt trotzdem).
bool KomfortVerkaufen(int m, int n);
// Plätze kaufen: höchstens 100.000, nur mit Geld; ab 10.000 ein Zehntel Rabatt.
bool PlaetzeKaufen(int m, int n);
// Plätze zum halben Preis verschrotten; verkaufte Dauerkarten behalten ihren Platz.
bool PlaetzeVerschrotten(int m, int n);

// Die drei Preisräder: hoch oder runter um einen Schritt, in ihren Grenzen.
// Ein Preis unmittelbar, in die Grenzen des Rads gesetzt (der Dauerkartenpreis auf seinen Schritt); true bei Änderung.
bool EintrittspreisSetzen(int m, int preis);
bool DauerkartenpreisSetzen(int m, int preis);
bool EintrittspreisAendern(int m, bool hoch);   // 1..100, Schritt 1
bool DauerkartenpreisAendern(int m, bool hoch); // 5..1000, Schritt 5
bool PokalzuschlagAendern(int m, bool hoch);    // 1..100 %, Schritt 1

// Dauerkarten in den Verkauf ("Mehr") und heraus ("Weniger").
bool DauerkartenDazu(int m, int n);
bool DauerkartenEntnehmen(int m, int n);

// Dieselben Handlungen mit der Frage nach der Menge (Zahlenrad; 0 = abgebrochen).
bool KomfortKaufenFragen(int m);
bool KomfortVerkaufenFragen(int m);
bool PlaetzeKaufenFragen(int m);
bool PlaetzeVerschrottenFragen(int m);
bool DauerkartenDazuFragen(int m);
bool DauerkartenEntnehmenFragen(int m);

// --- Attraktionen (deutsch; gezeigt mit T) ---
extern const std::array<const char*, 37> Attraktionen;
constexpr const char* KeinKomfortText =
    N_("Stadionsitze aus Apfelsinenkisten und Stadiumkomfort wie im Wald scheißen");
// Höchste Attraktion, die der Komfort erreicht (-1 ohne Komfort); bilder = Zahl der Bilder.
int AttraktionHoechste(int komfort, int bilder = static_cast<int>(Attraktionen.size()));
// Die nächste Attraktion nach index; fängt nach der höchsten erreichbaren wieder bei 0 an,
// auch wenn der Komfort inzwischen gesunken ist. -1 ohne Komfort.
int AttraktionNaechste(int index, int komfort);

// Reihenfolge der Überblendung: 32 x 32 Zellen (Spalte, Zeile), jede genau einmal,
// zufällig gezogen (Zufall 0..31 für beide, bei belegten Zellen neu).
std::vector<std::pair<int, int>> UeberblendReihenfolge();

} // namespace torvane
