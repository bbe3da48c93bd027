// Ligastärke: die Vereine einer Liga nach Stärke, die Liste aller Vereine und der Spion.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace torvane {

// Seite 1: eine Liga (1..4) nach Stärke.
struct LigaStaerkeSeite_ {
    std::vector<std::string> zeilen; // 18 Zeilen für die Festbreitenschrift
    double schnitt = 0;              // Ligaschnitt der Gesamtstärke
    struct Bester {
        std::string name;
        int wert = 0;
    };
    // Verteidigung, Mittelfeld, Angriff, Moral
    std::array<Bester, 4> beste{};
};
LigaStaerkeSeite_ LigaStaerkeSeite(int liga);
std::string LigaschnittText(double schnitt);

// Seite 2: alle Vereine.
struct Staerkeeintrag_ {
    std::string name;
    int staerke = 0;
    std::string nation;
    std::string liga; // "1".."5" oder "-"
    int verein = 0;
};
enum class Sortierung { Staerke, Name, Nation };
std::vector<Staerkeeintrag_> StaerkeListe(Sortierung art = Sortierung::Staerke);
void StaerkeSortieren(std::vector<Staerkeeintrag_>& liste, Sortierung art);
// Zeile (0-basiert) des ersten Vereins, dessen Name mit text beginnt (Groß/klein egal); -1 ohne Treffer.
int StaerkeSuche(const std::vector<Staerkeeintrag_>& liste, const std::string& text);

// Liga eines Vereins nach seinem Index: 1..4, 5 für die Verbandsliga, "-" für das Ausland.
std::string LigaSpalte(int verein);

// Preis eines Spionageberichts über eine Mannschaft der Stärke gesamt für einen Manager der Liga managerLiga.
int SpionagePreis(int gesamt, int managerLiga);
// Was der Spion über verein den aktuellen Manager kostet.
int Spionagekosten(int verein);

// Beide Berichte kosten den aktuellen Manager ganz oder gar nicht: passt der Preis nicht aufs
// Konto, zeigen sie BetragZuGrossText, buchen nichts und geben false.
// Die Seite "Alle Mannschaften" kostet 1 000 €; bezahlt, zeigt sie den Hinweis des Co-Trainers.
constexpr int AlleMannschaftenPreis = 1000;
bool AlleMannschaftenBezahlen();
std::string AlleMannschaftenHinweis();
// Der Spion: bezahlt, spielt er "scroll".
bool Spionieren(int verein);

} // namespace torvane
