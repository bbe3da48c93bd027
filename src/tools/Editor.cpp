#include "tools/Editor.h"

#include "core/Cp1252.h"
#include "core/Daten.h"
#include "core/Datei.h"
#include "core/Oberflaeche.h"
#include "core/Pfade.h"
#include "core/Sprache.h"
#include "core/Variablen.h"

#include <filesystem>
#include <map>
#include <optional>
#include <set>

namespace torvane {

namespace fs = std::filesystem;

namespace {

constexpr const char* VerbotenText = N_("Ändern verboten.");
constexpr const char* SteuerzeichenText = N_("Zeilenumbrüche und Steuerzeichen sind nicht erlaubt.");
constexpr const char* ZeichensatzText = N_("Dieses Zeichen kann in den Grunddaten nicht gespeichert werden: %1");
constexpr const char* BonusText = N_("Der Bonus muss eine ganze Zahl von -128 bis 127 sein.");

std::string Getrimmt(const std::string& s)
{
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// Leer, wenn der Text so in eine Zeile der Datei passt; sonst die Meldung.
// Ein Zeilenumbruch würde jeden folgenden Wert der Datei verschieben.
std::string ZeichenFehler(const std::string& t)
{
    for (size_t i = 0; i < t.size(); ++i) {
        const auto b = static_cast<unsigned char>(t[i]);
        const bool c1 = b == 0xC2 && i + 1 < t.size() && static_cast<unsigned char>(t[i + 1]) <= 0x9F;
        if (b < 0x20 || b == 0x7F || c1) return T(SteuerzeichenText);
    }
    const std::vector<std::string> fehlt = NichtInCp1252(t);
    return fehlt.empty() ? std::string() : Tf(ZeichensatzText, {fehlt.front()});
}

const char* Dateiname(EditorListe l)
{
    switch (l) {
    case EditorListe::Mannschaften: return "Mansch.dat";
    case EditorListe::Spieler: return "Spieler.dat";
    case EditorListe::Nationen: return "Nationen.dat";
    default: return "";
    }
}

std::string Nr(int z) { return std::to_string(z); }

std::string Leereintrag(int z) { return Tf("Leereintrag in Zeile %1 gibt es nicht !", {Nr(z)}); }
std::string MannschaftDoppelt(int z, int k) { return Tf("Diese Mannschaft gibt es schon in Nr.%1 + %2", {Nr(z), Nr(k)}); }
std::string SpielerDoppelt(int z, int k) { return Tf("Diesen Spieler gibt es schon in Nr.%1 + %2", {Nr(z), Nr(k)}); }

} // namespace

// --- Anzeige ---

std::vector<std::string> Editor::kopf() const
{
    switch (liste_) {
    case EditorListe::Mannschaften: return {T("Mannschaft"), T("Liga"), T("Nation")};
    // Übersetzer: Pos ist die Spalte der Position (T, V, M, S), so schmal wie möglich.
    case EditorListe::Spieler: return {T("Vorname"), T("Nachname"), T("Pos"), T("Nation")};
    case EditorListe::Nationen: return {T("Nation"), T("Kürzel"), T("Bonus")};
    default: return {};
    }
}

std::vector<int> Editor::breiten() const
{
    switch (liste_) {
    case EditorListe::Mannschaften: return {165, 35, 40};
    case EditorListe::Spieler: return {110, 110, 35, 40};
    case EditorListe::Nationen: return {165, 50, 50};
    default: return {};
    }
}

std::string Editor::titel() const
{
    switch (liste_) {
    case EditorListe::Mannschaften: return T("Mannschaften");
    case EditorListe::Spieler: return TC("Liste", "Spieler");
    case EditorListe::Nationen: return T("Nationen");
    default: return {};
    }
}

std::string Editor::status() const
{
    const std::string n = Nr(zeilen());
    switch (liste_) {
    case EditorListe::Mannschaften: return Tf("%1 Mannschaften", {n});
    case EditorListe::Nationen: return Tf("%1 Nationenn", {n});
    case EditorListe::Spieler: {
        std::map<std::string, int> pos;
        for (const auto& r : werte_) ++pos[r[2]];
        return Tf("%1 Spieler - Torwächter: %2 - Verteidiger: %3 - Mittelfeld: %4 - Stürmer: %5",
                  {n, Nr(pos["T"]), Nr(pos["V"]), Nr(pos["M"]), Nr(pos["S"])});
    }
    default: return {};
    }
}

std::string Editor::zelle(int zeile, int spalte) const
{
    if (zeile < 1 || zeile > zeilen() || spalte < 1 || spalte > spalten()) return {};
    return werte_[static_cast<size_t>(zeile - 1)][static_cast<size_t>(spalte - 1)];
}

bool Editor::spalteEditierbar(int spalte) const
{
    switch (liste_) {
    case EditorListe::Mannschaften: return spalte == 1;
    case EditorListe::Spieler: return spalte == 1 || spalte == 2;
    // Das Kürzel nicht: Vereine und Spieler hängen an ihm.
    case EditorListe::Nationen: return spalte == 1 || spalte == 3;
    default: return false;
    }
}

// --- Laden und Wechseln ---

std::string Editor::datei() const { return Pfade.Daten + Dateiname(liste_); }

bool Editor::laden(EditorListe l)
{
    const std::string name = Dateiname(l);
    std::vector<std::vector<std::string>> roh;
    std::string grund = Tf("%1: Datei fehlt", {name});
    const auto text = DateiInhalt(Pfade.Daten + name);
    if (!text || !DateiEintraegeLesen(name, *text, roh, &grund)) {
        FehlerMeldung(Tz("Die Datei kann nicht gelesen werden:\n%1", {grund}));
        return false;
    }
    for (auto& r : roh)
        for (auto& w : r) w = Cp1252NachUtf8(w);
    werte_ = std::move(roh);
    geladen_ = werte_;
    liste_ = l;
    zeile_ = spalte_ = bearbeitet_ = 0;
    vorher_.clear();
    return true;
}

bool Editor::listeWaehlen(EditorListe l)
{
    if (geaendert() && sichern(true) == Ausgang::Fehler) return false;
    return laden(l);
}

// --- Prüfungen ---

int Editor::deutsche() const
{
    int n = 0;
    while (n < zeilen() && werte_[static_cast<size_t>(n)][2] == Heimatnation) ++n;
    return n;
}

void Editor::zelleSetzen(const std::string& text)
{
    if (zeile_ < 1 || zeile_ > zeilen() || !spalteEditierbar(spalte_)) return;
    std::string& w = werte_[static_cast<size_t>(zeile_ - 1)][static_cast<size_t>(spalte_ - 1)];
    w = text;
}

bool Editor::zelleVerlassen()
{
    if (zeile_ < 1 || zeile_ > zeilen() || spalte_ < 1 || spalte_ > spalten()) return true;
    std::string& w = werte_[static_cast<size_t>(zeile_ - 1)][static_cast<size_t>(spalte_ - 1)];
    w = Getrimmt(w);
    if (!w.empty()) return true;
    FehlerMeldung(Leereintrag(zeile_));
    return false;
}

// Eine Zeile gegen sich und alle anderen; bei einem Fehler die Meldung und, wenn
// verlangt, die Werte vor der Bearbeitung zurück.
bool Editor::zeilePruefen(int z, bool wiederherstellen, bool doppelte)
{
    if (z < 1 || z > zeilen()) return true;
    auto& r = werte_[static_cast<size_t>(z - 1)];
    std::string fehler;
    for (int s = 1; s <= spalten() && fehler.empty(); ++s) {
        if (!spalteEditierbar(s)) continue; // so geschrieben, wie es gelesen wurde
        const std::string& w = r[static_cast<size_t>(s - 1)];
        fehler = w.empty() ? Leereintrag(z) : ZeichenFehler(w);
    }
    auto gleich = [&](auto&& schluessel) {
        for (int k = 1; k <= zeilen() && doppelte; ++k)
            if (k != z && schluessel(werte_[static_cast<size_t>(k - 1)]) == schluessel(r)) return k;
        return 0;
    };
    if (!fehler.empty()) {
    } else if (liste_ == EditorListe::Mannschaften) {
        if (Utf8Laenge(r[0]) > 25) fehler = T("Ein Mannschaftsname darf nur max. 25 Zeichen haben.");
        else if (const int k = gleich([](const auto& x) { return x[0]; }))
            fehler = r[0] + NL + MannschaftDoppelt(z, k);
    } else if (liste_ == EditorListe::Spieler) {
        if (Utf8Laenge(r[0]) > 15 || Utf8Laenge(r[1]) > 15) fehler = T("Ein Spielername darf nur max. 15 Zeichen haben.");
        else if (const int k = gleich([](const auto& x) { return x[0] + " " + x[1]; }))
            fehler = r[0] + " " + r[1] + NL + SpielerDoppelt(z, k);
    } else if (liste_ == EditorListe::Nationen) {
        const std::string& b = r[2];
        const bool zahl = b.find_first_not_of("-0123456789") == std::string::npos && b.size() <= 4 &&
                          b.find('-', 1) == std::string::npos && b != "-";
        if (Utf8Laenge(r[0]) > 25) fehler = T("Ein Nationenname darf nur max. 25 Zeichen haben.");
        else if (!zahl || std::stoi(b) < -128 || std::stoi(b) > 127) fehler = T(BonusText);
    }
    if (fehler.empty()) return true;
    // Beim Prüfen der ganzen Liste ist es nicht die gewählte Zeile: sie nennen.
    FehlerMeldung(wiederherstellen ? fehler : Tf("Zeile %1: %2", {Nr(z), fehler}));
    if (wiederherstellen && z == bearbeitet_ && vorher_.size() == r.size()) r = vorher_;
    return false;
}

// Die offene Bearbeitung: erst die Zelle, dann ihre Zeile (mit Wiederherstellen).
bool Editor::offeneZeilePruefen()
{
    if (!zelleVerlassen()) return false;
    if (!zeilePruefen(bearbeitet_, true)) return false;
    if (bearbeitet_ >= 1 && bearbeitet_ <= zeilen()) vorher_ = werte_[static_cast<size_t>(bearbeitet_ - 1)];
    return true;
}

bool Editor::allesPruefen()
{
    if (!offeneZeilePruefen()) return false;
    // Doppelte über eine Tabelle statt Zeile gegen Zeile: die Spielerliste ist lang.
    std::map<std::string, int> erste;
    for (int z = 1; z <= zeilen(); ++z) {
        if (!zeilePruefen(z, false, false)) return false;
        if (liste_ == EditorListe::Nationen) continue;
        const auto& r = werte_[static_cast<size_t>(z - 1)];
        const bool verein = liste_ == EditorListe::Mannschaften;
        const std::string name = verein ? r[0] : r[0] + " " + r[1];
        const auto [it, neu] = erste.emplace(name, z);
        if (neu) continue;
        FehlerMeldung(name + NL + (verein ? MannschaftDoppelt(z, it->second) : SpielerDoppelt(z, it->second)));
        return false;
    }
    return true;
}

bool Editor::auswahl(int zeile, int spalte)
{
    if (liste_ == EditorListe::Keine || zeile < 1 || zeile > zeilen() || spalte < 1 || spalte > spalten())
        return false;
    if (!zelleVerlassen()) return false;
    if (!spalteEditierbar(spalte)) {
        FehlerMeldung(T(VerbotenText));
        return false;
    }
    if (zeile != bearbeitet_) {
        zeilePruefen(bearbeitet_, true); // abgelehnt: alte Werte zurück, die Auswahl geht trotzdem weiter
        bearbeitet_ = zeile;
        vorher_ = werte_[static_cast<size_t>(zeile - 1)];
    }
    zeile_ = zeile;
    spalte_ = spalte;
    return true;
}

// --- Einträge ---

bool Editor::neuerEintrag()
{
    if (liste_ == EditorListe::Keine || zeile_ < 1 || zeile_ > zeilen()) return false;
    if (liste_ == EditorListe::Nationen) {
        FehlerMeldung(T("Neueintrag nur für Mannschaften und Spieler."));
        return false;
    }
    if (!offeneZeilePruefen()) return false;
    const auto alt = werte_[static_cast<size_t>(zeile_ - 1)];
    std::vector<std::string> neu;
    if (liste_ == EditorListe::Mannschaften) {
        // Nur zwischen die deutschen Vereine der Liga 5: die Reihenfolge der Blöcke bleibt.
        if (alt[1] != "5" || zeile_ <= 72 || zeile_ > deutsche()) {
            FehlerMeldung(T("Neueintrag nur für Liga 5 erlaubt."));
            return false;
        }
        neu = {Nr(zeile_), "5", Heimatnation};
    } else {
        neu = {Nr(zeile_), Nr(zeile_), alt[2], alt[3]};
    }
    werte_.insert(werte_.begin() + (zeile_ - 1), neu);
    bearbeitet_ = zeile_;
    vorher_ = neu;
    return true;
}

bool Editor::einfuegen(const std::string& text)
{
    if (zeile_ < 1 || zeile_ > zeilen()) return false;
    if (!spalteEditierbar(spalte_)) {
        FehlerMeldung(T(VerbotenText));
        return false;
    }
    if (const std::string f = ZeichenFehler(text); !f.empty()) {
        FehlerMeldung(f);
        return false;
    }
    if (!offeneZeilePruefen()) return false;
    zelleSetzen(Getrimmt(text));
    return offeneZeilePruefen(); // abgelehnt: die Zeile steht wieder wie vorher
}

// --- Schreiben ---

std::string Editor::inhalt() const
{
    std::string s = Nr(zeilen()) + "\r\n";
    for (const auto& r : werte_)
        for (const auto& w : r) s += Utf8NachCp1252(w) + "\r\n";
    return s;
}

// Geprüft, dann sicher ersetzt: scheitert etwas, bleibt die alte Datei ganz.
bool Editor::dateiSchreiben(const std::string& pfad)
{
    const std::string text = inhalt();
    std::string grund;
    if (DateiPruefen(Dateiname(liste_), text, &grund) && DateiSicherErsetzen(pfad, text, grund)) return true;
    FehlerMeldung(Tz("Die Datei wurde nicht gespeichert, die alte bleibt erhalten:\n%1\n%2", {pfad, grund}));
    return false;
}

Editor::Ausgang Editor::sichern(bool fragen)
{
    if (fragen && !Frage(T("Speichern und vorhandene Datei überschreiben ?"))) return Ausgang::Verworfen;
    if (!allesPruefen()) return Ausgang::Fehler;
    // Ein installiertes Spiel schreibt in seine Kopie der Daten im Benutzerordner.
    if (!DatenBeschreibbarMachen()) {
        FehlerMeldung(Tz("Die Datei wurde nicht gespeichert: der Datenordner im Benutzerordner\n"
                         "konnte nicht angelegt werden (%1).",
                         {Pfade.Benutzer}));
        return Ausgang::Fehler;
    }
    if (!dateiSchreiben(datei())) return Ausgang::Fehler;
    geladen_ = werte_;
    Klang("speichern");
    return Ausgang::Gespeichert;
}

bool Editor::speichern()
{
    if (liste_ == EditorListe::Keine) {
        Hinweis(T("Keine Speicherdefinition"));
        return false;
    }
    return sichern(true) == Ausgang::Gespeichert;
}

bool Editor::schliessen()
{
    if (!geaendert()) return true;
    switch (Meldung(DialogArt::Bestaetigung, T("Die Änderungen sind noch nicht gespeichert. Vorher speichern ?"),
                    Knoepfe::JaNeinAbbrechen)) {
    case Antwort::Ja: return sichern(false) == Ausgang::Gespeichert;
    case Antwort::Nein: werte_ = geladen_; return true;
    default: return false;
    }
}

bool Editor::testdatenSchreiben(const std::string& ordner)
{
    if (liste_ != EditorListe::Keine && !allesPruefen()) return false;
    std::error_code fe;
    fs::create_directories(ordner, fe);
    const std::string o = ordner.empty() || ordner.back() == '/' ? ordner : ordner + "/";
    for (const char* name : DatenDateien) {
        const auto quelle = DateiInhalt(Pfade.Daten + name);
        if (!quelle) continue; // fehlt sie, meldet es die Prüfung
        std::string grund;
        if (!DateiSicherErsetzen(o + name, *quelle, grund)) {
            FehlerMeldung(Tz("Die Testdaten können nicht angelegt werden:\n%1", {grund}));
            return false;
        }
    }
    return liste_ == EditorListe::Keine || dateiSchreiben(o + Dateiname(liste_));
}

// --- Testsaison ---

std::vector<std::string> DatenProbleme(const std::string& ordner)
{
    const std::string o = ordner.empty() || ordner.back() == '/' ? ordner : ordner + "/";
    std::vector<std::string> p;
    std::map<std::string, std::vector<std::vector<std::string>>> listen;
    for (const char* name : DatenDateien) {
        const auto text = DateiInhalt(o + name);
        std::string grund;
        if (!text) p.push_back(Tf("%1: Datei fehlt", {name}));
        else if (!DateiPruefen(name, *text, &grund)) p.push_back(Tf("Der Lader weist die Datei ab: %1", {grund}));
        else DateiEintraegeLesen(name, *text, listen[name]);
    }
    if (!p.empty()) return p;

    std::set<std::string> kuerzel;
    for (const auto& n : listen["Nationen.dat"]) kuerzel.insert(n[1]);
    if (!kuerzel.count(Heimatnation)) p.push_back(T("Die Nation \"D\" fehlt in Nationen.dat."));
    // Wenige Beispiele je Art genügen; sonst wird der Bericht endlos.
    std::map<std::string, int> arten;
    auto melden = [&](const char* art, const std::string& text) {
        if (++arten[art] <= 5) p.push_back(text);
        else if (arten[art] == 6) p.push_back(Tf("... und weitere: %1", {T(art)}));
    };
    auto nummer = [](size_t k, const std::string& name) { return Tf("Nr.%1 %2", {Nr(static_cast<int>(k + 1)), name}); };

    const auto& v = listen["Mansch.dat"];
    size_t deutsche = 0;
    while (deutsche < v.size() && v[deutsche][2] == Heimatnation) ++deutsche;
    std::array<int, 6> proLiga{};
    for (size_t k = 0; k < deutsche; ++k) {
        const int liga = std::stoi(v[k][1]);
        const std::string name = nummer(k, Cp1252NachUtf8(v[k][0]));
        if (liga < 1 || liga > 5) {
            melden(N_("Liga"), Tf("Der Verein %1 hat die Liga %2, erlaubt sind 1 bis 5.", {name, v[k][1]}));
            continue;
        }
        ++proLiga[static_cast<size_t>(liga)];
        const int soll = k < 72 ? static_cast<int>(k) / 18 + 1 : 5;
        if (liga != soll)
            melden(N_("Reihenfolge"),
                   Tf("Der Verein %1 steht im Block der Liga %2, hat aber Liga %3.", {name, Nr(soll), Nr(liga)}));
    }
    for (int liga = 1; liga <= 4; ++liga)
        if (proLiga[static_cast<size_t>(liga)] != 18)
            p.push_back(Tf("Die %1 hat %2 Vereine statt 18.",
                           {LigaNamen[static_cast<size_t>(liga)], Nr(proLiga[static_cast<size_t>(liga)])}));
    int auslaender = 0;
    for (size_t k = deutsche; k < v.size(); ++k) {
        const std::string name = nummer(k, Cp1252NachUtf8(v[k][0]));
        if (v[k][2] == Heimatnation)
            melden(N_("Reihenfolge"), Tf("Der deutsche Verein %1 steht hinter den ausländischen.", {name}));
        else if (!kuerzel.count(v[k][2]))
            melden(N_("Nation"), Tf("Der Verein %1 hat keine gültige Nation (\"%2\").", {name, Cp1252NachUtf8(v[k][2])}));
        else ++auslaender;
    }
    if (auslaender < 15)
        p.push_back(Tf("Nur %1 ausländische Vereine; die ChampionsLige braucht mindestens 15.", {Nr(auslaender)}));

    const auto& sp = listen["Spieler.dat"];
    for (size_t k = 0; k < sp.size(); ++k) {
        const std::string name = nummer(k, Cp1252NachUtf8(sp[k][0] + " " + sp[k][1]));
        if (sp[k][2] != "T" && sp[k][2] != "V" && sp[k][2] != "M" && sp[k][2] != "S")
            melden(N_("Position"), Tf("Der Spieler %1 hat keine gültige Position.", {name}));
        if (!kuerzel.count(sp[k][3]))
            melden(N_("Spielernation"),
                   Tf("Der Spieler %1 hat keine gültige Nation (\"%2\").", {name, Cp1252NachUtf8(sp[k][3])}));
    }
    return p;
}

std::string TestsaisonBericht(const std::vector<std::string>& probleme, const std::string& ausgabe,
                              const std::string& fehler, int rc)
{
    std::string b;
    if (probleme.empty() && rc == 0) {
        b += T("Keine Probleme gefunden.") + std::string("\n");
    } else {
        b += T("Probleme:") + std::string("\n");
        for (const auto& p : probleme) b += "- " + p + "\n";
        if (rc > 0) {
            b += std::string("- ") + T("Die Saison brach ab.");
            if (!fehler.empty()) b += " " + Getrimmt(fehler.substr(0, fehler.find('\n')));
            b += "\n";
        }
    }
    if (rc < 0) return b + "\n" + T("Die Saison wurde nicht gespielt.") + "\n";
    b += "\n";
    // Aus dem Bericht des Automaten (deutsch, siehe die Testsaison des Editors): Meister, Aufsteiger
    // und Absteiger, in der Sprache des Spiels neu gesetzt.
    const struct {
        const char* wort;
        const char* anfang;
        const char* zeile;
    } arten[] = {{"Meister ", "Meister ", N_("Meister %1: %2")},
                 {"Aufsteiger ", "Aufsteiger in die ", N_("Aufsteiger in die %1: %2")},
                 {"Absteiger ", "Absteiger in die ", N_("Absteiger in die %1: %2")}};
    size_t a = 0;
    while (a < ausgabe.size()) {
        size_t e = ausgabe.find('\n', a);
        if (e == std::string::npos) e = ausgabe.size();
        const std::string zeile = Getrimmt(ausgabe.substr(a, e - a));
        const std::string_view z = zeile;
        for (const auto& k : arten) {
            if (!z.starts_with(k.wort)) continue;
            const size_t n = std::string_view(k.anfang).size();
            const size_t trenner = z.find(": ");
            if (z.starts_with(k.anfang) && trenner != std::string_view::npos && trenner >= n)
                b += Tf(k.zeile, {z.substr(n, trenner - n), z.substr(trenner + 2)});
            else b += z;
            b += "\n";
        }
        a = e + 1;
    }
    return b;
}

} // namespace torvane
