// Kader und Aufstellung: Spielerstärke, Mannschaftsstärke, Aufstellung und
// alles, was der Aufstellungsbildschirm mit einem Klick auslöst.
#pragma once

#include "core/Variablen.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace torvane {

// Preise je Punkt.
constexpr int32_t PreisTechnik = 20000;
constexpr int32_t PreisKonstitution = 10000;
constexpr int32_t PreisForm = 50000;

// Höchster Konstitutionswert für ein Alter: ab 31 je Jahr einer weniger.
int KonstMaxFuer(int alter);

// KonstMax, Staerke und Wert eines Kaderspielers (oder Marktspielers) neu berechnen.
void BerechneSpieler(Kaderspieler_& s);
void BerechneSpieler(int m, int i);

// Ordnet anzahl Einträge ab erster: T, V, M, Rest; in jeder Gruppe stärker
// zuerst, bei gleicher Stärke der Jüngere. Auch für die Transferliste.
void SortiereSpieler(Kaderspieler_* erster, int anzahl);
void SortiereKader(int m);

// 0 spielberechtigt; 1 Gelb national, 2 Rot national, 3 Gelb international, 4 Rot international.
int SperreGrund(const Kaderspieler_& s);
int SperreGrund(int m, int i);

// Im letzten Vertragsjahr (oder ohne Vertrag): Zeit für ein Gespräch.
inline bool VertragLaeuftAus(const Kaderspieler_& s) { return s.Vertrag <= 1; }

// Ziffer k (0..2) des Spielsystems als Zahl; fehlt sie oder ist sie keine Ziffer: 0.
int SystemZiffer(int m, int k);

// Mannschaft des Managers m neu berechnen.
// modus 1: nur die Stärken; 0 und 2: alle Spieler, sortieren, Autoaufstellung
// falls eingeschaltet, dann die Stärken; 3: wie 0, aber immer Autoaufstellung.
void BerechneMannschaft(int m, int modus);
// Aufgestellte zählen in der Gehaltssumme (KaderGehalt) mit ihrer Prämie doppelt: passt die Summe
// der Gehälter eines Kaders doppelt in das Feld, passt jede Aufstellung.
inline bool GehaelterPassen(int64_t summe) { return 2 * summe <= INT32_MAX; }
// Die automatische Aufstellung allein (Kader muss sortiert sein).
void AutoAufstellung(int m);
int AnzahlEingesetzt(int m);

// Entfernt Kaderspieler i; sein Name geht zurück in den Spielerpool.
void SpielerAbgeben(int m, int i);

// Spielerpool: erster freier Platz (leerer Vorname) in 1..SpielerHoch, sonst -1.
int FreierPoolplatz();
// Die fünf Texte (Namen, Position, Nation, Zusatz) zwischen Pool und Spieler kopieren.
void NamenInPool(Spieler_& p, const Kaderspieler_& s);
void NamenAusPool(Kaderspieler_& s, const Spieler_& p);

// --- Aufstellungsbildschirm ---

// Linksklick auf den Namen (nur ohne Autoaufstellung): ein- oder auswechseln.
void AufstellungKlick(int m, int i);
// Häkchen "Autoaufstellung"; beim Einschalten wie "Aktualisieren".
void AutoaufstellungSetzen(int m, bool an);
// "Aktualisieren": Klang und alles neu berechnen.
void Aktualisieren(int m);

enum class Attribut { Technik, Konstitution, Form };
// Punkte kaufen als Plan: der geänderte Spieler und was er kostet, oder die Ablehnung
// (klick: der Klick ist zu hören, weil noch Punkte fehlen).
struct Punkteplan {
    int Anzahl = 0;
    int64_t Kosten = 0;
    Kaderspieler_ Spieler{};
};
struct Punktepruefung {
    std::optional<Punkteplan> plan;
    std::string ablehnung;
    bool klick = false;
};
Punktepruefung PunkteKaufenPruefen(int m, int i, Attribut a, int punkte);
// Punkte kaufen (Linksklick 1, Rechtsklick 5); gibt die gekauften Punkte zurück.
int PunkteKaufen(int m, int i, Attribut a, int punkte);
// "Maximieren"; neuZeichnen wird nach jedem Durchgang gerufen. Ganz oder gar nicht.
void Maximieren(int m, const std::function<void()>& neuZeichnen = {});
void KostenInfo();

// Transferliste und Vertragswunsch als Plan: der geänderte Spieler, Kosten, Managerpunkte,
// die Rückfrage davor bzw. die Meldung danach; Verhandeln: die Verlängerung öffnet.
struct Vertragsplan {
    Kaderspieler_ Spieler{};
    int64_t Kosten = 0;
    float Managerpunkte = 0;
    std::string Rueckfrage;
    std::string Meldung;
    bool Verhandeln = false;
};
struct Vertragspruefung {
    std::optional<Vertragsplan> plan;
    std::string ablehnung;
};
// Ein Klick, der ein Gespräch will (Kader oder Markt): beim ersten Mal öffnet es, danach zählt
// das Drängen (höchstens 100), ab dem dritten Mal mit 1.000 € Strafe je Mal. Ohne Plan: die
// Strafe passt nicht aufs Konto.
std::optional<Vertragsplan> Gespraechswunsch(const Manager_& mg, const Kaderspieler_& s);
Vertragspruefung SpielerVerkaufenPruefen(int m, int i);
Vertragspruefung NeuerVertragPruefen(int m, int i);
void VertragAusfuehren(int m, int i, const Vertragsplan& p);
// "Spieler Verkaufen" auf der Spielerkarte.
void SpielerVerkaufen(int m, int i);
// "Neuer Vertrag": true, wenn die Verhandlung (Verlängerung) öffnen soll;
// der Spieler steht dann als Kopie in Kader[0].
bool NeuerVertrag(int m, int i);

// Anzeigetexte.
std::string PositionsName(std::string_view position);
std::string AltersBemerkung(int alter);
std::string SpielerZustand(int m, int i);
std::string AufstellungsUeberschrift();

struct Schnitt_ {
    bool leer = true; // niemand eingesetzt
    int Technik = 0;
    int Konstitution = 0;
    int Form = 0;
};
Schnitt_ SchnittEingesetzte(int m);

} // namespace torvane
