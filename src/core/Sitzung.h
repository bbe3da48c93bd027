// Was die Regeln zwischen zwei Aufrufen wissen, aber nicht speichern: der Stand des
// Zugablaufs, die laufende Verhandlung, die Zähler der Ereignisse. Alles an einer Stelle,
// damit ein neues oder geladenes Spiel mit SitzungZuruecksetzen() sauber beginnt und kein
// Aufrufer einzelne Reste von Hand richten muss.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace torvane {

struct Spielstand;

enum class Verhandlungsart { Verlaengerung = 0, Kauf = 1 };

// Die eine laufende Verhandlung; sie arbeitet auf der Kopie in Kader[0] ihres Managers.
struct Verhandlung_ {
    bool Offen = false;
    bool Beschaeftigt = false; // ein Angebot wird gerade bearbeitet
    int Manager = -1;
    Verhandlungsart Art = Verhandlungsart::Verlaengerung;
    int Zeile = 0; // Kaderplatz 1..23 (Verlängerung) oder Marktzeile 1..11 (Kauf)
    int32_t Abloese = 0;
    int32_t Angebotsgehalt = 0;
    int Jahre = 1;
    int Zusage = 1; // Prozent, 1..100
    bool operator==(const Verhandlung_&) const = default;
};

// Alles, was eine Einheit zurückholt. Ein neues Feld gehört hierher, nicht in Sitzung_:
// dann kopiert es die Einheit mit, ohne dass jemand es ihr sagt.
struct Sitzungsstand {
    // --- Zugablauf ---
    // Der Zug des aktuellen Managers wurde mit heruntergerolltem Menü geöffnet.
    bool ZugOffen = true;
    // Gespielte Wettbewerbstage und beendete Saisons dieses Spiels.
    long GespielteTage = 0;
    long BeendeteSaisons = 0;
    // Ab so vielen gespielten Tagen spielt ein spielfreier Zug keinen weiteren Tag (-1: keine
    // Grenze); der Automat setzt sie nach jedem neuen Spiel und hält so genau am Ziel an.
    long TageGrenze = -1;
    // Der letzte Abschluss scheiterte an Kosten, die das Konto nicht trägt.
    bool AbschlussOhneDeckung = false;

    // Paarungen, die heute in den Pokalen noch zu spielen sind (Teilnehmer div 2);
    // der Wettbewerbstag zählt sie zu Beginn.
    int DfbPaarungen = 0;
    int UefaPaarungen = 0;
    int PdpPaarungen = 0;

    Verhandlung_ Verhandlung;

    // Eintrag 0: wie oft der Zugablauf ein Ereignis gezogen hat (jede Chance 1 zu 8, die traf);
    // 1..42: wie oft genau dieses Ereignis eintrat (zählt das Ereignis selbst).
    std::array<long, 43> EreignisZaehler{};

    bool operator==(const Sitzungsstand&) const = default;
};

struct Sitzung_ : Sitzungsstand {
    // --- Prüfstellen für Tests; sie gehören dem, der sie setzt, und überstehen das Zurücksetzen ---
    // Wird vor jedem Schritt des Abschlusses gerufen und darf einen Laufzeitfehler werfen.
    std::function<void(int schritt)> AbschlussPruefstelle;
    // Liefert statt Zufall die Ziehungen der Ereignisse (leer: Zufall).
    std::function<int32_t(int32_t von, int32_t bis)> EreignisZiehung;
};

// Sitzung_ hat außer den Prüfstellen nichts Eigenes, was eine Einheit vergessen könnte.
static_assert(sizeof(Sitzung_) ==
              sizeof(Sitzungsstand) + sizeof(std::function<void(int)>) + sizeof(std::function<int32_t(int32_t, int32_t)>));

extern Sitzung_ Sitzung;

// Ein neues oder geladenes Spiel: alles auf Anfang, nur die Prüfstellen bleiben.
void SitzungZuruecksetzen();

// Ganz oder gar nicht: eine Einheit merkt sich beim Anlegen den Spielstand S und den Sitzungsstand;
// wer nicht fertig() sagt (ein Laufzeitfehler, eine Ablehnung), findet beides beim Verlassen wieder
// wie vorher. Einheiten dürfen ineinander stecken; die innere holt nur ihren eigenen Anfang zurück.
class Einheit {
public:
    Einheit();
    ~Einheit();
    Einheit(const Einheit&) = delete;
    Einheit& operator=(const Einheit&) = delete;
    void fertig() { fertig_ = true; }

private:
    static void OhnePoolKopieren(Spielstand& ziel, Spielstand& quelle);
    size_t tiefe_;
    bool fertig_ = false;
};

// Läuft gerade eine Einheit (ein Klick, eine Handlung)?
bool EinheitLaeuft();

} // namespace torvane
