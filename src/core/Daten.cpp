#include "core/Daten.h"

#include "core/Pfade.h"
#include "core/SpielstandDatei.h"
#include "core/Variablen.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <tuple>

namespace torvane {

namespace {

// Eine Datei Zeile für Zeile: Textzeilen ganz, Zahlzeilen wie ein readln.
class Leser {
public:
    explicit Leser(std::string d) : d_(std::move(d)) {}

    size_t groesse() const { return d_.size(); }

    // Wie viele Zeilen noch folgen (die letzte auch ohne Zeilenende).
    int64_t zeilenRest() const
    {
        int64_t n = 0;
        for (size_t p = pos_; p < d_.size(); ++p)
            if (d_[p] == '\n' || (d_[p] == '\r' && (p + 1 == d_.size() || d_[p + 1] != '\n'))) ++n;
        return n + (pos_ < d_.size() && d_.back() != '\n' && d_.back() != '\r');
    }

    // Warum das Lesen scheiterte, mit Zeile; für den Editor und die Testsaison.
    std::string grund;
    bool scheitern(const std::string& was)
    {
        if (grund.empty()) grund = Tf("Zeile %1: %2", {std::to_string(zeile_), was});
        return false;
    }

    // Die ganze Zeile ohne Zeilenende; nullopt am Dateiende.
    std::optional<std::string> text()
    {
        if (pos_ >= d_.size()) {
            ++zeile_;
            scheitern(T("Datei endet vorzeitig"));
            return std::nullopt;
        }
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
        while (pos_ < d_.size() && (d_[pos_] == ' ' || d_[pos_] == '\t' || d_[pos_] == '\r' || d_[pos_] == '\n')) {
            if (d_[pos_] == '\n') ++zeile_;
            ++pos_;
        }
        size_t p = pos_;
        auto w = ZahlLesen(d_, p);
        if (!w) {
            ++zeile_;
            scheitern(pos_ >= d_.size() ? T("Datei endet vorzeitig") : T("keine Zahl"));
            return std::nullopt;
        }
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
        ++zeile_;
        if (pos_ < d_.size() && d_[pos_] == '\r') ++pos_;
        if (pos_ < d_.size() && d_[pos_] == '\n') ++pos_;
    }
    std::string d_;
    size_t pos_ = 0;
    long zeile_ = 0;
};

std::string BereichText(int64_t von, int64_t bis)
{
    return Tf("Zahl außerhalb von %1 bis %2", {std::to_string(von), std::to_string(bis)});
}

// Eine Textzeile, die nur eine Zahl im Bereich von..bis halten darf.
std::optional<int64_t> ZahlAusText(Leser& l, int64_t von, int64_t bis)
{
    auto t = l.text();
    if (!t) return std::nullopt;
    size_t p = 0;
    auto w = Leser::ZahlLesen(*t, p);
    if (!w || p != t->size()) l.scheitern(T("keine Zahl"));
    else if (*w < von || *w > bis) l.scheitern(BereichText(von, bis));
    else return w;
    return std::nullopt;
}

std::optional<int64_t> Zahl(Leser& l, int64_t von, int64_t bis)
{
    auto w = l.zahl();
    if (w && (*w < von || *w > bis)) {
        l.scheitern(BereichText(von, bis));
        return std::nullopt;
    }
    return w;
}

// Eine Anzahl von Einträgen aus je mindestens zeilen Zeilen: nicht mehr, als ein Spielstand
// halten kann (sonst ließe sich eine Saison lang spielen und dann nie speichern), und nicht
// mehr, als der Rest der Datei Zeilen hat; erst danach wird Speicher dafür angelegt.
// zuWenig und zuViel sind die Sätze dazu, mit der Anzahl als %1 und der Grenze als %2.
struct Anzahltexte {
    const char* zuWenig;
    const char* zuViel;
};
std::optional<int64_t> Anzahl(Leser& l, int64_t mindestens, int64_t hoechstens, Anzahltexte texte, int zeilen)
{
    auto n = l.zahl();
    if (!n) return n;
    if (*n < 0) l.scheitern(BereichText(mindestens, hoechstens));
    else if (*n < mindestens) l.scheitern(Tf(texte.zuWenig, {std::to_string(*n), std::to_string(mindestens)}));
    else if (*n > hoechstens) l.scheitern(Tf(texte.zuViel, {std::to_string(*n), std::to_string(hoechstens)}));
    else if (*n * zeilen > l.zeilenRest()) l.scheitern(T("Datei endet vorzeitig"));
    else return n;
    return std::nullopt;
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

// Vier Manager ziehen ihre Kader aus dem Pool: je Kader ein Torwart, vier Verteidiger,
// fünf Mittelfeldspieler und vier Stürmer. Fehlen sie, kann kein Spiel beginnen.
constexpr std::array<std::pair<char, int>, 4> KaderBedarf = {{{'T', 4}, {'V', 16}, {'M', 20}, {'S', 16}}};

bool SpielerLesen(Leser& l, Grunddaten& g)
{
    auto n = Anzahl(l, 56, MaxSpieler,
                    {N_("nur %1 Spieler, ein Spiel braucht mindestens %2"),
                     N_("%1 Spieler sind mehr, als ein Spielstand halten kann (höchstens %2)")},
                    4);
    if (!n) return false;
    g.Spieler.laengeSetzen(0);
    g.Spieler.laengeSetzen(*n + 1);
    std::array<int64_t, 4> anzahl{};
    // Zwei gleiche Einträge gäben zwei Kadern denselben Spieler, sobald beide gleich alt gezogen werden.
    std::set<std::tuple<std::string, std::string, std::string>> namen;
    for (int64_t k = 1; k <= *n; ++k) {
        auto vor = l.text(), nach = l.text(), pos = l.text(), nat = l.text();
        if (!nat) return false;
        Spieler_& s = g.Spieler[k];
        s.Vorname.rohSetzen(*vor);
        s.Nachname.rohSetzen(*nach);
        s.Nation.rohSetzen(*nat);
        if (!namen.emplace(s.Vorname.roh(), s.Nachname.roh(), s.Nation.roh()).second)
            return l.scheitern(Tf("Spieler %1 steht mit Namen und Nation schon in der Liste", {std::to_string(k)}));
        s.Position.rohSetzen(*pos);
        // Jede Regel kennt nur diese vier Positionen; ein Spieler ohne eine von ihnen wäre
        // in keinem Kader und in keinem Spielstand gültig.
        if (s.Position.laenge != 1 || std::string_view("TVMS").find(s.Position.zeichen[0]) == std::string_view::npos)
            return l.scheitern(T("Position muss T, V, M oder S sein"));
        for (size_t b = 0; b < KaderBedarf.size(); ++b)
            if (s.Position.roh() == std::string_view(&KaderBedarf[b].first, 1)) ++anzahl[b];
    }
    for (size_t b = 0; b < KaderBedarf.size(); ++b)
        if (anzahl[b] < KaderBedarf[b].second)
            return l.scheitern(Tf("nur %1 Spieler der Position %2, vier Kader brauchen %3",
                                  {std::to_string(anzahl[b]), std::string(1, KaderBedarf[b].first),
                                   std::to_string(KaderBedarf[b].second)}));
    return true;
}

bool NationenLesen(Leser& l, Grunddaten& g)
{
    // Ein Spielstand kennt mindestens eine Nation (die eigene).
    auto n = Anzahl(l, 1, decltype(g.Nation)::bis,
                    {N_("nur %1 Nationen, ein Spiel braucht mindestens %2"),
                     N_("%1 Nationen sind mehr, als ein Spielstand halten kann (höchstens %2)")},
                    3);
    if (!n) return false;
    for (int64_t k = 1; k <= *n; ++k) {
        auto name = l.text(), kuerzel = l.text();
        if (!kuerzel) return false;
        auto bonus = Zahl(l, -128, 127);
        if (!bonus) return false;
        Nation_& nat = g.Nation[k];
        nat.Name = Cp1252NachUtf8(*name);
        nat.Kuerzel = Cp1252NachUtf8(*kuerzel);
        nat.Bonus = static_cast<int8_t>(*bonus);
    }
    g.NationAnzahl = static_cast<int32_t>(*n);
    return true;
}

// Die vier Ligen brauchen 72 deutsche Vereine vorn; dahinter die Verbandsliga und das Ausland.
constexpr int64_t Ligavereine = 72;

bool VereineLesen(Leser& l, Grunddaten& g)
{
    auto n = Anzahl(l, Ligavereine, MaxVereine,
                    {N_("nur %1 Vereine, ein Spiel braucht mindestens %2"),
                     N_("%1 Vereine sind mehr, als ein Spielstand halten kann (höchstens %2)")},
                    3);
    if (!n) return false;
    g.Mannschaft.laengeSetzen(*n + 1); // vorhandene Einträge behalten ihre übrigen Felder
    g.DeutscheHoch = static_cast<int32_t>(*n); // ohne ausländische Vereine sind alle deutsch
    std::map<std::string, int64_t> namen;
    for (int64_t k = 1; k <= *n; ++k) {
        auto name = l.text();
        if (!name) return false;
        auto liga = ZahlAusText(l, 0, 255);
        if (!liga) return false;
        auto nat = l.text();
        if (!nat) return false;
        // Ein Managerverein wird an seinem Namen erkannt: zwei gleichnamige Vereine
        // vertauschten nach dem ersten Spieltag Platz und Liga des Managers.
        if (auto [alt, neu] = namen.emplace(*name, k); !neu)
            return l.scheitern(Tf("Verein %1 heißt wie Verein %2", {std::to_string(k), std::to_string(alt->second)}));
        Mannschaft_& m = g.Mannschaft[k];
        m.Name.rohSetzen(*name);
        m.Liga = static_cast<uint8_t>(*liga);
        m.Nation.rohSetzen(*nat);
        if (g.DeutscheHoch == *n && m.Nation.roh() != Heimatnation) {
            if (k <= Ligavereine)
                return l.scheitern(
                    Tf("Verein %1 ist nicht deutsch, die vier Ligen brauchen 72 deutsche Vereine vorn", {std::to_string(k)}));
            g.DeutscheHoch = static_cast<int32_t>(k - 1);
        }
    }
    return true;
}

// Spielpläne: die Nummern müssen auf einen Platz des Plans zeigen, sonst
// scheitert später mitten im Spieltag der Zugriff.
template <class Plan>
bool PlanLesen(Leser& l, Plan& plan, int tage, int paarungen, int plaetze)
{
    for (int t = 1; t <= tage; ++t) {
        // An einem Tag spielt jeder Verein genau einmal: sonst zählte seine Tabelle mehr Spiele als Spieltage.
        std::array<bool, 19> dabei{};
        for (int p = 1; p <= paarungen; ++p)
            for (int seite = 0; seite <= 1; ++seite) {
                auto w = Zahl(l, 1, plaetze);
                if (!w) return false;
                if (dabei[static_cast<size_t>(*w)]) {
                    l.grund = Tf("Spieltag %1: Nummer %2 spielt zweimal", {std::to_string(t), std::to_string(*w)});
                    return false;
                }
                dabei[static_cast<size_t>(*w)] = true;
                plan[t][p][seite] = static_cast<uint8_t>(*w);
            }
    }
    return true;
}

// Eintrag 0 trägt den Code des Systems (y, etwa 442), die Einträge 1..11 die Plätze der
// Spieler im Bild des Spielfelds (270 x 190).
bool SystemeLesen(Leser& l, Grunddaten& g)
{
    for (int s = 0; s <= 5; ++s)
        for (int e = 0; e <= 11; ++e)
            for (int k = 0; k <= 1; ++k) {
                auto w = ZahlAusText(l, 0, k == 0 ? 270 : e == 0 ? 999 : 190);
                if (!w) return false;
                g.SpielSysteme[k][e][s] = static_cast<int16_t>(*w);
            }
    return true;
}

bool DateiLesen(std::string_view name, Leser& l, Grunddaten& g)
{
    if (l.groesse() > MaxDatenDateiGroesse) {
        l.grund = Tf("Datei größer als %1 MB", {std::to_string(MaxDatenDateiGroesse / (1024 * 1024))});
        return false;
    }
    if (name == "Spieler.dat") return SpielerLesen(l, g);
    if (name == "Nationen.dat") return NationenLesen(l, g);
    if (name == "Mansch.dat") return VereineLesen(l, g);
    if (name == "Sptg.dat") return PlanLesen(l, g.Spieltage, 17, 9, 18);
    if (name == "ChlSptg.dat") return PlanLesen(l, g.ChlSpieltage, 15, 8, 16);
    if (name == "SpielSystem.dat") return SystemeLesen(l, g);
    return l.scheitern(T("unbekannte Datei"));
}

// Liest die Dateien, die quelle liefert (nullopt: Datei fehlt), in g; beim ersten Fehler
// false mit Dateiname und Grund.
template <class Quelle>
bool AllesLesen(Quelle&& quelle, Grunddaten& g, std::string* grund)
{
    for (const char* name : DatenDateien) {
        auto inhalt = quelle(name);
        if (!inhalt) {
            if (grund) *grund = Tf("%1: Datei fehlt", {name});
            return false;
        }
        Leser l(std::move(*inhalt));
        if (!DateiLesen(name, l, g)) {
            if (grund) *grund = std::string(name) + ", " + l.grund;
            return false;
        }
    }
    return true;
}

void Uebernehmen(Grunddaten& g)
{
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
}

Grunddaten Ausgang()
{
    // DeutscheHoch immer aus dieser Datei: behielte ein neues Spiel den Wert des ersten
    // Ladens, gälte nach einem neuen Verein der Liga 5 ein deutscher Verein als ausländisch.
    Grunddaten g;
    g.Mannschaft = S.Mannschaft;
    return g;
}

} // namespace

std::optional<std::string> DateiInhalt(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    if (!f) return std::nullopt;
    f.seekg(0, std::ios::end);
    const std::streamoff groesse = f.tellg();
    f.seekg(0);
    if (groesse < 0 || !f) return std::nullopt;
    // Ein Byte mehr als erlaubt genügt, um eine zu große Datei abzuweisen.
    std::string inhalt(static_cast<size_t>(std::min<std::streamoff>(groesse, MaxDatenDateiGroesse + 1)), '\0');
    f.read(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    if (f.bad()) return std::nullopt;
    inhalt.resize(static_cast<size_t>(f.gcount()));
    return inhalt;
}

bool DatenLaden() { return DatenLaden(Pfade.Daten); }

bool DatenLaden(const std::string& ordner, std::string* grund)
{
    Grunddaten g = Ausgang();
    const std::string o = ordner.empty() || ordner.back() == '/' ? ordner : ordner + "/";
    if (!AllesLesen([&](const char* name) { return DateiInhalt(o + name); }, g, grund)) return false;
    Uebernehmen(g);
    return true;
}

bool DatenAusTextenLaden(const std::array<std::string, 6>& texte, std::string* grund)
{
    Grunddaten g = Ausgang();
    auto quelle = [&](const char* name) -> std::optional<std::string> {
        for (size_t i = 0; i < DatenDateien.size(); ++i)
            if (std::string_view(DatenDateien[i]) == name) return texte[i];
        return std::nullopt;
    };
    if (!AllesLesen(quelle, g, grund)) return false;
    Uebernehmen(g);
    return true;
}

bool DateiPruefen(const std::string& name, const std::string& inhalt, std::string* grund)
{
    Grunddaten g;
    Leser l(inhalt);
    if (DateiLesen(name, l, g)) return true;
    if (grund) *grund = name + ", " + l.grund;
    return false;
}

bool DateiEintraegeLesen(const std::string& name, const std::string& inhalt,
                         std::vector<std::vector<std::string>>& eintraege, std::string* grund)
{
    const int spalten = name == "Spieler.dat" ? 4 : name == "Mansch.dat" || name == "Nationen.dat" ? 3 : 0;
    if (spalten == 0 || !DateiPruefen(name, inhalt, grund)) {
        if (spalten == 0 && grund) *grund = Tf("%1: keine Liste", {name});
        return false;
    }
    // Die Datei ist gut: ein zweiter Durchgang holt die Texte ungekürzt.
    Leser l(inhalt);
    const int64_t n = *l.zahl();
    eintraege.assign(static_cast<size_t>(n), {});
    for (auto& e : eintraege)
        for (int s = 0; s < spalten; ++s)
            e.push_back(name == "Nationen.dat" && s == 2
                            ? std::to_string(*l.zahl())
                            : *l.text());
    return true;
}

} // namespace torvane
