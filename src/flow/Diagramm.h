// Einfache Grafiken als SVG-Text für den Bilanzbericht: Linien, Balken, Anteile.
// Reines C++, ohne Fenster und ohne Netz.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace torvane {

// Text für HTML und SVG: &, <, > und " maskiert.
std::string HtmlText(const std::string& text);
// Zahl mit deutschem Komma und so vielen Nachkommastellen ("2,51").
std::string Dezimal(double wert, int stellen);

struct Kurve {
    std::string name;
    std::vector<std::pair<double, double>> punkte; // x, y
    bool gestrichelt = false;
    int farbe = -1; // -1: nach der Reihenfolge
};

// Senkrechte Achse: ohne von/bis aus den Daten; umgekehrt: kleine Werte oben (Tabellenplätze).
struct Achse {
    double von = 0, bis = 0;
    bool umgekehrt = false;
    std::vector<std::pair<double, std::string>> marken; // feste Beschriftungen statt Zahlen
};

struct Balken {
    std::string name;
    double wert = 0;
};

struct Anteil {
    std::string name;
    std::vector<double> teile; // werden auf 100 % gebracht
};

std::string LinienSvg(const std::string& titel, const std::string& xName, const std::vector<Kurve>& linien,
                      const Achse& achse);
std::string BalkenSvg(const std::string& titel, const std::vector<Balken>& balken);
std::string AnteileSvg(const std::string& titel, const std::vector<std::string>& teilNamen,
                       const std::vector<Anteil>& anteile);

} // namespace torvane
