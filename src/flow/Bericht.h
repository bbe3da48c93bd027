// Der Bilanzbericht eines langen Laufs ohne Bildschirm: sammelt während des Spiels,
// was über das Gleichgewicht des Spiels Auskunft gibt, und schreibt es als HTML-Seite
// mit Tabellen und Grafiken (SVG, ohne Netz lesbar) und als CSV daneben.
#pragma once

#include "core/Sprache.h"
#include "core/Variablen.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace torvane {

// Eine Liga in einer Saison, aus den gespeicherten Ergebnissen gezählt.
struct Ligasaison {
    int lauf = 0; // laufende Saison des Berichts (1, 2, ...), über Neustarts hinweg
    int liga = 0;
    long spiele = 0, tore = 0, heimsiege = 0, remis = 0, auswaertssiege = 0;
    int meisterPunkte = 0;
    std::array<int, 3> absteigerPunkte{}; // Plätze 16..18
};

// Ein Manager am Ende einer Saison (vor Prämien und Auf- und Abstieg).
struct Managersaison {
    int lauf = 0;
    int spiel = 0; // das wievielte Spiel des Laufs (Neustarts zählen hoch)
    int saison = 0;
    std::string name, verein;
    int liga = 0, platz = 0;
    int64_t konto = 0, vermoegen = 0;
    bool aufstieg = false, abstieg = false;
    std::string stufe; // des Computermanagers ("alt", "neu", "passiv"); leer: unbekannt
};

// Was die Manager einer Stufe erreicht haben, über alle Saisons.
struct Stufensumme {
    long saisons = 0;             // Manager-Saisons
    long bundesliga = 0, titel = 0; // Saisons in der Bundesliga, davon als Meister
    long championsLeague = 0;     // Siege ihrer Vereine
    long pleiten = 0;
    long anGrenze = 0;            // Vermögen am Saisonende nahe der Abgabegrenze
    double platzBundesliga = 0;   // mittlerer Platz in der Bundesliga
    int64_t kontoMittel = 0;
    long knapp = 0;               // Züge, nach denen der Kader die Aufstellung nicht füllte
    int knappFolge = 0;           // die längste Folge solcher Züge eines Managers
};

// Ab diesem Vermögen steht ein Verein an der Grenze der Vermögensabgabe (zwei Milliarden).
constexpr int64_t AbgabeNaehe = 1800000000;

struct Pleitefall {
    int lauf = 0, spiel = 0, saison = 0, spieltag = 0, liga = 0;
    std::string name, stufe;
};

// Zahlen einer Liga über alle Saisons.
struct Ligasumme {
    long spiele = 0, tore = 0, heimsiege = 0, remis = 0, auswaertssiege = 0;
    std::vector<int> meisterPunkte, absteigerPunkte;
};

class Bilanzbericht {
public:
    Bilanzbericht();

    // Ein neues Spiel beginnt (auch nach einem Neustart).
    void neuesSpiel();
    // Beim Öffnen des Saisonendes: Tabellen und Ergebnisse der Saison sind fertig.
    void saisonende();
    // Der Manager AktManager geht pleite.
    void pleite();
    // Nach dem Zug des Computermanagers m: reicht sein Kader für die Aufstellung seines Systems?
    void zug(int m);
    // Sieger eines Pokals oder der Champions League.
    void pokalsieger(Wettbewerb_ wettbewerb, const std::string& verein);
    // Vor einem neuen Spiel und am Ende des Laufs: die Ereignisse seit dem letzten Mal übernehmen.
    void abschliessen();

    std::string html() const;
    std::string csv() const;
    // Schreibt DATEI (HTML) und daneben DATEI mit der Endung .csv; false mit fehler.
    bool schreiben(const std::string& datei, std::string& fehler) const;
    static std::string csvPfad(const std::string& datei);

    Ligasumme summe(int liga) const;
    double pleitenJeHundert() const;
    // Die Zahlen der Manager einer Stufe ("" : aller).
    Stufensumme stufensumme(const std::string& stufe) const;

    // Die Stufe je Managername; wer darin steht, wird in den Saisons und Pleiten mit ihr vermerkt.
    std::map<std::string, std::string> stufen;
    std::map<std::string, long> championsLeague; // Stufe -> Siege der Vereine ihrer Manager
    std::vector<Ligasaison> ligen;
    std::vector<Managersaison> manager;
    std::vector<Pleitefall> pleiten;
    std::map<std::string, std::array<int, 5>> sieger; // Nation -> Titel je Wettbewerb 1..4
    std::array<long, 43> ereignisse{};
    int spiele = 0;
    int saisons = 0;
    std::string titel = N_("Bilanzbericht"); // gezeigt mit TWert

private:
    std::array<long, 43> ereignisseStart_{};
    struct Knapp {
        long zuege = 0;
        int laengste = 0;
    };
    std::map<std::string, Knapp> knapp_;  // je Stufe
    std::map<std::string, int> folge_;    // je Manager: knappe Züge in Folge
};

} // namespace torvane
