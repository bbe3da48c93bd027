#include "flow/Diagramm.h"

#include "core/Sprache.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace torvane {

namespace {

constexpr int Breite = 960;
constexpr int Hoehe = 360;
constexpr int Links = 100, Rechts = 200, Oben = 40, Unten = 40; // Ränder; rechts die Legende

const char* const Farben[] = {"#1b5e20", "#c62828", "#1565c0", "#ef6c00", "#6a1b9a", "#00838f", "#5d4037", "#9e9d24"};
const char* Farbe(int i) { return Farben[static_cast<size_t>(i) % std::size(Farben)]; }

std::string Zahl(double v)
{
    char p[32];
    std::snprintf(p, sizeof p, "%.1f", v);
    return p;
}

// Kurze Beschriftung einer Achsenmarke: ohne ",0" bei ganzen Werten.
std::string Marke(double v)
{
    if (std::fabs(v) < 1e-9) v = 0; // kein "-0"
    char p[32];
    std::snprintf(p, sizeof p, "%g", v);
    std::string t = p;
    std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

std::string Kopf(const std::string& titel, int hoehe = Hoehe)
{
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(Breite) + "\" height=\"" +
           std::to_string(hoehe) + "\" viewBox=\"0 0 " + std::to_string(Breite) + " " + std::to_string(hoehe) +
           "\" font-family=\"sans-serif\" font-size=\"12\">\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\" "
           "stroke=\"#ccc\"/>\n<text x=\"" + std::to_string(Breite / 2) +
           "\" y=\"24\" text-anchor=\"middle\" font-size=\"15\" font-weight=\"bold\">" + HtmlText(titel) + "</text>\n";
}

std::string Text(double x, double y, const std::string& t, const char* anker = "start")
{
    return "<text x=\"" + Zahl(x) + "\" y=\"" + Zahl(y) + "\" text-anchor=\"" + anker + "\">" + HtmlText(t) +
           "</text>\n";
}

std::string Strich(double x1, double y1, double x2, double y2, const char* farbe, double dicke = 1)
{
    return "<line x1=\"" + Zahl(x1) + "\" y1=\"" + Zahl(y1) + "\" x2=\"" + Zahl(x2) + "\" y2=\"" + Zahl(y2) +
           "\" stroke=\"" + farbe + "\" stroke-width=\"" + Zahl(dicke) + "\"/>\n";
}

// Eine runde Schrittweite, mit der etwa fünf Marken auf die Spanne passen.
double Schritt(double spanne)
{
    if (spanne <= 0) return 1;
    const double roh = spanne / 5;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (roh <= f * zehner) return f * zehner;
    return 10 * zehner;
}

} // namespace

std::string Dezimal(double wert, int stellen)
{
    char p[64];
    std::snprintf(p, sizeof p, "%.*f", stellen, wert);
    std::string t = p;
    std::replace(t.begin(), t.end(), '.', ',');
    // Eine gerundete Null hat kein Vorzeichen.
    if (t[0] == '-' && t.find_first_not_of("-0,") == std::string::npos) t.erase(0, 1);
    return t;
}

std::string HtmlText(const std::string& text)
{
    std::string t;
    for (char c : text) {
        switch (c) {
        case '&': t += "&amp;"; break;
        case '<': t += "&lt;"; break;
        case '>': t += "&gt;"; break;
        case '"': t += "&quot;"; break;
        default: t += c;
        }
    }
    return t;
}

std::string LinienSvg(const std::string& titel, const std::string& xName, const std::vector<Kurve>& linien,
                      const Achse& achse)
{
    double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300;
    for (const Kurve& l : linien)
        for (const auto& [x, y] : l.punkte) {
            x0 = std::min(x0, x), x1 = std::max(x1, x);
            y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
    std::string s = Kopf(titel);
    if (x0 > x1) return s + Text(Breite / 2.0, Hoehe / 2.0, T("keine Daten"), "middle") + "</svg>\n";
    if (achse.von < achse.bis) y0 = achse.von, y1 = achse.bis;
    if (x1 - x0 < 1) x1 = x0 + 1;
    if (y1 - y0 < 1e-9) y0 -= 1, y1 += 1;
    const double w = Breite - Links - Rechts, h = Hoehe - Oben - Unten;
    auto px = [&](double x) { return Links + (x - x0) / (x1 - x0) * w; };
    auto py = [&](double y) {
        const double a = (y - y0) / (y1 - y0);
        return Oben + (achse.umgekehrt ? a : 1 - a) * h;
    };

    // Raster und Beschriftungen.
    if (!achse.marken.empty()) {
        for (const auto& [wert, name] : achse.marken) {
            s += Strich(Links, py(wert), Links + w, py(wert), "#ddd");
            s += Text(Links - 6, py(wert) + 4, name, "end");
        }
    } else {
        const double st = Schritt(y1 - y0);
        for (double y = std::ceil(y0 / st) * st; y <= y1 + 1e-9; y += st) {
            s += Strich(Links, py(y), Links + w, py(y), std::fabs(y) < 1e-9 ? "#888" : "#ddd");
            s += Text(Links - 6, py(y) + 4, Marke(y), "end");
        }
    }
    const double sx = std::max(1.0, std::round(Schritt(x1 - x0)));
    for (double x = std::ceil(x0 / sx) * sx; x <= x1 + 1e-9; x += sx)
        s += Text(px(x), Oben + h + 16, Marke(x), "middle");
    s += Text(Links + w / 2, Hoehe - 6, xName, "middle");
    s += Strich(Links, Oben, Links, Oben + h, "#444") + Strich(Links, Oben + h, Links + w, Oben + h, "#444");

    // Die Linien; die Legende nennt jeden Namen einmal.
    std::vector<std::pair<std::string, int>> legende;
    for (size_t i = 0; i < linien.size(); ++i) {
        const Kurve& l = linien[i];
        const int f = l.farbe >= 0 ? l.farbe : static_cast<int>(i);
        if (l.punkte.empty()) continue;
        std::string punkte;
        for (const auto& [x, y] : l.punkte) punkte += Zahl(px(x)) + "," + Zahl(py(y)) + " ";
        s += "<polyline fill=\"none\" stroke=\"" + std::string(Farbe(f)) + "\" stroke-width=\"2\"" +
             (l.gestrichelt ? " stroke-dasharray=\"5,4\"" : "") + " points=\"" + punkte + "\"/>\n";
        if (l.punkte.size() == 1)
            s += "<circle cx=\"" + Zahl(px(l.punkte[0].first)) + "\" cy=\"" + Zahl(py(l.punkte[0].second)) +
                 "\" r=\"3\" fill=\"" + Farbe(f) + "\"/>\n";
        if (!l.gestrichelt && std::none_of(legende.begin(), legende.end(), [&](const auto& e) { return e.first == l.name; }))
            legende.emplace_back(l.name, f);
    }
    for (size_t i = 0; i < legende.size() && i < 16; ++i) {
        const double y = Oben + 10 + 18.0 * static_cast<double>(i);
        s += Strich(Links + w + 16, y, Links + w + 40, y, Farbe(legende[i].second), 3);
        s += Text(Links + w + 46, y + 4, legende[i].first);
    }
    return s + "</svg>\n";
}

std::string BalkenSvg(const std::string& titel, const std::vector<Balken>& balken)
{
    const int hoehe = Oben + 30 * static_cast<int>(balken.size()) + 20;
    std::string s = Kopf(titel, hoehe);
    double hoechst = 0;
    for (const Balken& b : balken) hoechst = std::max(hoechst, b.wert);
    if (hoechst <= 0) hoechst = 1;
    const double w = Breite - 200 - 120;
    for (size_t i = 0; i < balken.size(); ++i) {
        const double y = Oben + 30.0 * static_cast<double>(i);
        const double lang = balken[i].wert / hoechst * w;
        s += Text(190, y + 17, balken[i].name, "end");
        s += "<rect x=\"200\" y=\"" + Zahl(y + 4) + "\" width=\"" + Zahl(lang) + "\" height=\"20\" fill=\"" +
             Farbe(static_cast<int>(i)) + "\"/>\n";
        const bool ganz = std::fabs(balken[i].wert - std::round(balken[i].wert)) < 1e-9;
        s += Text(200 + lang + 6, y + 18, Dezimal(balken[i].wert, ganz ? 0 : 2));
    }
    return s + "</svg>\n";
}

std::string AnteileSvg(const std::string& titel, const std::vector<std::string>& teilNamen,
                       const std::vector<Anteil>& anteile)
{
    const int hoehe = Oben + 30 * static_cast<int>(anteile.size()) + 50;
    std::string s = Kopf(titel, hoehe);
    const double w = Breite - 200 - 40;
    for (size_t i = 0; i < anteile.size(); ++i) {
        const double y = Oben + 30.0 * static_cast<double>(i);
        s += Text(190, y + 17, anteile[i].name, "end");
        double summe = 0;
        for (double t : anteile[i].teile) summe += t;
        double x = 200;
        for (size_t k = 0; k < anteile[i].teile.size() && summe > 0; ++k) {
            const double breit = anteile[i].teile[k] / summe * w;
            s += "<rect x=\"" + Zahl(x) + "\" y=\"" + Zahl(y + 4) + "\" width=\"" + Zahl(breit) +
                 "\" height=\"20\" fill=\"" + Farbe(static_cast<int>(k) + 1) + "\"/>\n";
            if (breit > 40) {
                char p[32];
                std::snprintf(p, sizeof p, "%.0f %%", 100 * anteile[i].teile[k] / summe);
                s += "<text x=\"" + Zahl(x + breit / 2) + "\" y=\"" + Zahl(y + 18) +
                     "\" text-anchor=\"middle\" fill=\"#fff\">" + p + "</text>\n";
            }
            x += breit;
        }
    }
    const double y = Oben + 30.0 * static_cast<double>(anteile.size()) + 14;
    for (size_t k = 0; k < teilNamen.size(); ++k) {
        const double x = 200 + 160.0 * static_cast<double>(k);
        s += "<rect x=\"" + Zahl(x) + "\" y=\"" + Zahl(y) + "\" width=\"14\" height=\"14\" fill=\"" +
             Farbe(static_cast<int>(k) + 1) + "\"/>\n";
        s += Text(x + 20, y + 12, teilNamen[k]);
    }
    return s + "</svg>\n";
}

} // namespace torvane
