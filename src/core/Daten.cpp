#include "core/Daten.h"

#include "core/Funky.h"
#include "core/Variablen.h"

#include <fstream>
#include <iterator>
#include <optional>

namespace torvane {

namespace {

// Eine Datei Zeile für Zeile: Textzeilen ganz, Zahlzeilen wie ein readln.
class Leser {
public:
    explicit Leser(std::string d) : d_(std::move(d)) {}

    size_t rest() const { return d_.size() - pos_; }

    // Die ganze Zeile ohne Zeilenende; nullopt am Dateiende.
    std::optional<std::string> text()
    {
        if (pos_ >= d_.size()) return std::nullopt;
        size_t ende = pos_;
        while (ende < d_.size() && d_[ende] != '\r' && d_[ende] != '\n') ++ende;
        std::string z = d_.substr(pos_, ende - pos_);
        pos_ = ende;
        zeilenende();
        return z;
    }

    // Überspringt Leerzeichen, Tabs und Leerzeilen, liest eine Ganzzahl und
    // verwirft den Rest der Zeile.
    std::optional<int64_t> zahl()
    {
        while (pos_ < d_.size() && (d_[pos_] == ' ' || d_[pos_] == '\t' || d_[pos_] == '\r' || d_[pos_] == '\n'))
            ++pos_;
        size_t p = pos_;
        auto w = ZahlLesen(d_, p);
        if (!w) return std::nullopt;
        pos_ = p;
        while (pos_ < d_.size() && d_[pos_] != '\r' && d_[pos_] != '\n') ++pos_;
        zeilenende();
        return w;
    }

    // Eine Ganzzahl mit Vorzeichen ab p; nicht mehr als 18 Ziffern.
    static std::optional<int64_t> ZahlLesen(const std::string& s, size_t& p)
    {
        bool negativ = false;
        if (p < s.size() && (s[p] == '+' || s[p] == '-')) negativ = s[p++] == '-';
        int64_t w = 0;
        int ziffern = 0;
        while (p < s.size() && s[p] >= '0' && s[p] <= '9') {
            if (++ziffern > 18) return std::nullopt;
            w = w * 10 + (s[p++] - '0');
        }
        if (ziffern == 0) return std::nullopt;
        return negativ ? -w : w;
    }

private:
    void zeilenende()
    {
        if (pos_ < d_.size() && d_[pos_] == '\r') ++pos_;
        if (pos_ < d_.size() && d_[pos_] == '\n') ++pos_;
    }
    std::string d_;
    size_t pos_ = 0;
};

// Eine Textzeile, die nur eine Zahl im Bereich von..bis halten darf.
std::optional<int64_t> ZahlAusText(Leser& l, int64_t von, int64_t bis)
{
    auto t = l.text();
    if (!t) return std::nullopt;
    size_t p = 0;
    auto w = Leser::ZahlLesen(*t, p);
    if (!w || p != t->size() || *w < von || *w > bis) return std::nullopt;
    return w;
}

std::optional<int64_t> Zahl(Leser& l, int64_t von, int64_t bis)
{
    auto w = l.zahl();
    if (!w || *w < von || *w > bis) return std::nullopt;
    return w;
}

// Passt eine Anzahl von Einträgen aus je zeilen Zeilen überhaupt in den Rest der
// Datei? Sonst ist sie vorzeitig zu Ende, bevor wir Speicher dafür anlegen.
bool Platz(const Leser& l, int64_t anzahl, int zeilen)
{
    return anzahl == 0 || static_cast<uint64_t>(anzahl) * static_cast<uint64_t>(zeilen) - 1 <= l.rest();
}

std::optional<Leser> Oeffnen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    if (!f) return std::nullopt;
    std::string inhalt((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) return std::nullopt;
    return Leser(std::move(inhalt));
}

// Was geladen wird, entsteht erst hier und geht nur als Ganzes in den Spielstand.
struct Grunddaten {
    Liste<Spieler_> Spieler;
    Feld<Nation_, 0, 47> Nation{};
    int32_t NationAnzahl = 0;
    Liste<Mannschaft_> Mannschaft;
    int32_t DeutscheHoch = 0;
    decltype(Spielstand::Spieltage) Spieltage{};
    decltype(Spielstand::ChlSpieltage) ChlSpieltage{};
    decltype(Spielstand::SpielSysteme) SpielSysteme{};
};

bool SpielerLesen(Leser l, Grunddaten& g)
{
    auto n = Zahl(l, 0, 10'000'000);
    if (!n || !Platz(l, *n, 4)) return false;
    g.Spieler.laengeSetzen(0);
    g.Spieler.laengeSetzen(*n + 1);
    for (int64_t k = 1; k <= *n; ++k) {
        auto vor = l.text(), nach = l.text(), pos = l.text(), nat = l.text();
        if (!nat) return false;
        Spieler_& s = g.Spieler[k];
        s.Vorname.rohSetzen(*vor);
        s.Nachname.rohSetzen(*nach);
        s.Position.rohSetzen(*pos);
        s.Nation.rohSetzen(*nat);
    }
    return true;
}

bool NationenLesen(Leser l, Grunddaten& g)
{
    auto n = Zahl(l, 0, 47);
    if (!n) return false;
    for (int64_t k = 1; k <= *n; ++k) {
        auto name = l.text(), kuerzel = l.text();
        if (!kuerzel) return false;
        auto bonus = l.zahl();
        if (!bonus) return false;
        Nation_& nat = g.Nation[k];
        nat.Name = Cp1252NachUtf8(*name);
        nat.Kuerzel = Cp1252NachUtf8(*kuerzel);
        // Ein Byte: die unteren acht Bit, mit Vorzeichen gelesen.
        nat.Bonus = static_cast<int8_t>(static_cast<uint8_t>(*bonus & 0xFF));
    }
    g.NationAnzahl = static_cast<int32_t>(*n);
    return true;
}

bool VereineLesen(Leser l, Grunddaten& g)
{
    auto n = Zahl(l, 0, 100'000);
    if (!n || !Platz(l, *n, 3)) return false;
    g.Mannschaft.laengeSetzen(*n + 1); // vorhandene Einträge behalten ihre übrigen Felder
    for (int64_t k = 1; k <= *n; ++k) {
        auto name = l.text();
        if (!name) return false;
        auto liga = ZahlAusText(l, 0, 255);
        if (!liga) return false;
        auto nat = l.text();
        if (!nat) return false;
        Mannschaft_& m = g.Mannschaft[k];
        m.Name.rohSetzen(*name);
        m.Liga = static_cast<uint8_t>(*liga);
        m.Nation.rohSetzen(*nat);
        if (g.DeutscheHoch == 0 && m.Nation.roh() != Heimatnation) g.DeutscheHoch = static_cast<int32_t>(k - 1);
    }
    return true;
}

// Spielpläne: die Nummern müssen auf einen Platz des Plans zeigen, sonst
// scheitert später mitten im Spieltag der Zugriff.
template <class Plan>
bool PlanLesen(Leser l, Plan& plan, int tage, int paarungen, int plaetze)
{
    for (int t = 1; t <= tage; ++t)
        for (int p = 1; p <= paarungen; ++p)
            for (int seite = 0; seite <= 1; ++seite) {
                auto w = Zahl(l, 1, plaetze);
                if (!w) return false;
                plan[t][p][seite] = static_cast<uint8_t>(*w);
            }
    return true;
}

bool SystemeLesen(Leser l, Grunddaten& g)
{
    for (int s = 0; s <= 5; ++s)
        for (int e = 0; e <= 11; ++e)
            for (int k = 0; k <= 1; ++k) {
                auto w = ZahlAusText(l, -32768, 32767);
                if (!w) return false;
                g.SpielSysteme[k][e][s] = static_cast<int16_t>(*w);
            }
    return true;
}

} // namespace

bool DatenLaden() { return DatenLaden(Pfade.Daten); }

bool DatenLaden(const std::string& ordner)
{
    Grunddaten g;
    g.Mannschaft = S.Mannschaft;
    g.DeutscheHoch = S.Spiel.DeutscheHoch;
    const std::string o = ordner.empty() || ordner.back() == '/' ? ordner : ordner + "/";

    auto datei = [&](const char* name, auto&& lesen) {
        auto l = Oeffnen(o + name);
        return l && lesen(std::move(*l));
    };
    const bool ok =
        datei("Spieler.dat", [&](Leser l) { return SpielerLesen(std::move(l), g); }) &&
        datei("Nationen.dat", [&](Leser l) { return NationenLesen(std::move(l), g); }) &&
        datei("Mansch.dat", [&](Leser l) { return VereineLesen(std::move(l), g); }) &&
        datei("Sptg.dat", [&](Leser l) { return PlanLesen(std::move(l), g.Spieltage, 17, 9, 18); }) &&
        datei("ChlSptg.dat", [&](Leser l) { return PlanLesen(std::move(l), g.ChlSpieltage, 15, 8, 16); }) &&
        datei("SpielSystem.dat", [&](Leser l) { return SystemeLesen(std::move(l), g); });
    if (!ok) return false;

    S.Spieler = std::move(g.Spieler);
    S.Spiel.SpielerHoch = static_cast<int32_t>(S.Spieler.hoch());
    S.Nation = g.Nation;
    S.Spiel.NationAnzahl = g.NationAnzahl;
    S.Mannschaft = std::move(g.Mannschaft);
    S.Spiel.MannschaftHoch = static_cast<int32_t>(S.Mannschaft.hoch());
    S.Spiel.DeutscheHoch = g.DeutscheHoch;
    S.Spieltage = g.Spieltage;
    S.ChlSpieltage = g.ChlSpieltage;
    S.SpielSysteme = g.SpielSysteme;
    return true;
}

} // namespace torvane
