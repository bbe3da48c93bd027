#include "core/SpielstandDatei.h"

#include "core/Cp1252.h"
#include "core/Datei.h"
#include "core/Fehler.h"
#include "core/Oberflaeche.h"
#include "core/Pfade.h"
#include "core/Sitzung.h"
#include "core/SpielstandSinn.h"
#include "core/Text.h"
#include "core/Variablen.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <type_traits>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace torvane {

namespace fs = std::filesystem;

// Die Blöcke werden als reine Speicherbilder kopiert (Größen und Lagen stehen bei den Datensätzen).
static_assert(std::is_trivially_copyable_v<Mannschaft_> && std::is_trivially_copyable_v<Spieler_> &&
              std::is_trivially_copyable_v<Saisonbilanz_> && std::is_trivially_copyable_v<Feld<Manager_, 0, 3>>);

namespace {

constexpr int64_t VereinGroesse = sizeof(Mannschaft_);
constexpr int64_t SpielerGroesse = sizeof(Spieler_);
constexpr int64_t BilanzGroesse = sizeof(Saisonbilanz_);

// Die festen Blöcke ab C in der Reihenfolge der Datei.
struct FesterBlock {
    void* ort;
    size_t groesse;
};

std::array<FesterBlock, 11> FesteBloecke(Spielstand& s)
{
    return {{
        {&s.Manager, sizeof(s.Manager)},
        {&s.Transferliste, sizeof(s.Transferliste)},
        {&s.Optionen, sizeof(s.Optionen)},
        {&s.Statistik, sizeof(s.Statistik)},
        {&s.Ergebnisse, sizeof(s.Ergebnisse)},
        {&s.Werbevertraege, sizeof(s.Werbevertraege)},
        {&s.Trainermarkt, sizeof(s.Trainermarkt)},
        {&s.Vorwerte, sizeof(s.Vorwerte)},
        {&s.Spiel, sizeof(s.Spiel)},
        {&s.AktManager, sizeof(s.AktManager)},
        {&s.ChlTabelle, sizeof(s.ChlTabelle)},
    }};
}

// Offsets im festen Teil, die die Prüfung braucht.
constexpr int64_t SpielOffset = 22688;
constexpr int64_t AktManagerOffset = 23000;

void I32Anhaengen(std::string& aus, int64_t wert)
{
    const int32_t v = Passt<int32_t>(wert, "Zähler im Spielstand");
    aus.append(reinterpret_cast<const char*>(&v), sizeof v);
}

int32_t I32Lesen(std::string_view b, int64_t ofs)
{
    int32_t v;
    std::memcpy(&v, b.data() + ofs, sizeof v);
    return v;
}

std::string Zahl(int64_t z) { return std::to_string(z); }

// Beschädigt mit Grund.
SpielstandPruefung Kaputt(std::string grund)
{
    SpielstandPruefung p;
    p.ergebnis = Pruefergebnis::Beschaedigt;
    p.grund = std::move(grund);
    return p;
}

// Liest einen Zähler, wenn die Datei bis dahin reicht.
bool ZaehlerLesen(std::string_view b, int64_t ofs, int32_t& wert, std::string& grund)
{
    if (ofs + 4 > static_cast<int64_t>(b.size())) {
        grund = Tf("Die Datei endet vorzeitig (%1 Bytes).", {Zahl(static_cast<int64_t>(b.size()))});
        return false;
    }
    wert = I32Lesen(b, ofs);
    return true;
}

std::string Fehlertext(const SpielstandPruefung& p, const std::string& pfad)
{
    if (p.ergebnis == Pruefergebnis::FremdeVersion) return VersionFehlerText(p.version);
    if (p.ergebnis == Pruefergebnis::KeinSpielstand) return T(KeinSpielstandText) + (pfad.empty() ? "" : NL + pfad);
    std::string t = T(BeschaedigtText);
    if (!pfad.empty()) t += NL + pfad;
    return t + NL + NL + p.grund;
}

// Zerlegt Bytes, deren Aufbau geprüft ist, in die gespeicherten Teile von t.
void Zerlegen(std::string_view b, Spielstand& t)
{
    const int64_t nc = I32Lesen(b, 4);
    const SpielstandLage l0 = LageBerechnen(nc, 0, 0);
    const int64_t np = I32Lesen(b, l0.A);
    const SpielstandLage l1 = LageBerechnen(nc, np, 0);
    const int64_t ns = I32Lesen(b, l1.B);
    const SpielstandLage l = LageBerechnen(nc, np, ns);
    const int64_t textLaenge = I32Lesen(b, l.D);

    t.Mannschaft.laengeSetzen(nc + 1);
    std::memcpy(t.Mannschaft.daten(), b.data() + 8, static_cast<size_t>((nc + 1) * VereinGroesse));
    t.Spieler.laengeSetzen(np + 1);
    std::memcpy(t.Spieler.daten(), b.data() + l.A + 4, static_cast<size_t>((np + 1) * SpielerGroesse));
    int64_t ofs = l.B + 4;
    for (auto& liste : t.Saisonbilanz) {
        liste.laengeSetzen(ns + 1);
        std::memcpy(liste.daten(), b.data() + ofs, static_cast<size_t>((ns + 1) * BilanzGroesse));
        ofs += (ns + 1) * BilanzGroesse;
    }
    ofs = l.C;
    for (const FesterBlock& f : FesteBloecke(t)) {
        std::memcpy(f.ort, b.data() + ofs, f.groesse);
        ofs += static_cast<int64_t>(f.groesse);
    }
    t.Trainingsbericht = Cp1252NachUtf8(b.substr(static_cast<size_t>(l.D + 4), static_cast<size_t>(textLaenge)));
}

// Prüft den Aufbau, zerlegt in t und prüft dort die Bedeutung.
SpielstandPruefung Zerlegt(std::string_view b, Spielstand& t)
{
    SpielstandPruefung p = SpielstandPruefen(b);
    if (p.ergebnis != Pruefergebnis::Gut) return p;
    Zerlegen(b, t);
    if (std::string grund = SpielstandSinn(t); !grund.empty()) return Kaputt(std::move(grund));
    return p;
}

// Übernimmt erst nach der ganzen Prüfung. Alles, was scheitern kann (Speicher holen,
// prüfen), geschieht an einer Kopie; danach wird nur noch verschoben und kopiert.
SpielstandPruefung Uebernehmen(std::string_view b)
{
    auto t = std::make_unique<Spielstand>();
    const SpielstandPruefung p = Zerlegt(b, *t);
    if (p.ergebnis != Pruefergebnis::Gut) return p;

    // Ab hier wirft nichts mehr.
    S.Mannschaft = std::move(t->Mannschaft);
    S.Spieler = std::move(t->Spieler);
    S.Saisonbilanz = std::move(t->Saisonbilanz);
    const auto ziel = FesteBloecke(S);
    const auto quelle = FesteBloecke(*t);
    for (size_t i = 0; i < ziel.size(); ++i) std::memcpy(ziel[i].ort, quelle[i].ort, ziel[i].groesse);
    S.Trainingsbericht = std::move(t->Trainingsbericht);
    // Was das vorige Spiel offen ließ (Verhandlung, Zähler), gilt im geladenen nicht.
    SitzungZuruecksetzen();
    return p;
}

fs::path PfadVon(const std::string& utf8)
{
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::FILE* Oeffnen(const fs::path& p, bool schreiben)
{
#ifdef _WIN32
    return _wfopen(p.c_str(), schreiben ? L"wb" : L"rb");
#else
    return std::fopen(p.c_str(), schreiben ? "wb" : "rb");
#endif
}

std::string Systemgrund()
{
    const int e = errno;
    return e ? std::string(" (") + std::strerror(e) + ")" : std::string();
}

enum class Lesestatus { Gut, ZuGross, Fehler };

// Liest eine Datei ganz, aber nie mehr als grenze Bytes.
Lesestatus DateiLesen(const fs::path& p, int64_t grenze, std::string& aus, std::string& grund)
{
    aus.clear();
    errno = 0;
    std::FILE* f = Oeffnen(p, false);
    if (!f) {
        // Übersetzer: %1 ist leer oder der Grund des Systems in Klammern, etwa " (Permission denied)".
        grund = Tf("Die Datei konnte nicht geöffnet werden%1.", {Systemgrund()});
        return Lesestatus::Fehler;
    }
    char puffer[65536];
    Lesestatus st = Lesestatus::Gut;
    for (;;) {
        const size_t n = std::fread(puffer, 1, sizeof puffer, f);
        aus.append(puffer, n);
        if (static_cast<int64_t>(aus.size()) > grenze) {
            st = Lesestatus::ZuGross;
            grund = T("Die Datei ist größer als jeder gültige Spielstand.");
            break;
        }
        if (n < sizeof puffer) {
            if (std::ferror(f)) {
                st = Lesestatus::Fehler;
                grund = Tf("Die Datei konnte nicht gelesen werden%1.", {Systemgrund()});
            }
            break;
        }
    }
    std::fclose(f);
    return st;
}

bool SicherSchreiben(const std::string& pfad, const std::string& bytes, std::string& grund)
{
    return DateiSicherErsetzen(pfad, bytes, grund);
}

bool Speichern(const std::string& pfad)
{
    std::string bytes;
    std::string grund;
    bool ok = false;
    try {
        bytes = SpielstandSchreiben();
        ok = SicherSchreiben(pfad, bytes, grund);
    } catch (const std::exception& e) {
        grund = e.what();
    }
    if (!ok) {
        FehlerMeldung(T(NichtGespeichertText) + std::string(NL) + pfad + NL + NL + grund);
        return false;
    }
    Klang("speichern");
    return true;
}

bool Laden(const std::string& pfad)
{
    const fs::path p = PfadVon(pfad);
    std::error_code ec;
    if (!fs::exists(p, ec)) {
        Hinweis(pfad + NL + NL + T("Nicht vorhanden."));
        return false;
    }
    // Eine Pipe oder ein Gerät hielte das Lesen auf: nicht einmal öffnen.
    if (!fs::is_regular_file(p, ec)) {
        FehlerMeldung(Tz("Der Spielstand konnte nicht gelesen werden.\n%1\n\nDas ist keine gewöhnliche Datei.", {pfad}));
        return false;
    }
    std::string bytes;
    std::string grund;
    const SpielstandLage groesste = LageBerechnen(MaxVereine, MaxSpieler, MaxSaisons, MaxBerichtLaenge);
    switch (DateiLesen(p, groesste.Ende, bytes, grund)) {
    case Lesestatus::Gut: break;
    case Lesestatus::ZuGross: FehlerMeldung(Fehlertext(Kaputt(grund), pfad)); return false;
    case Lesestatus::Fehler:
        FehlerMeldung(Tz("Der Spielstand konnte nicht gelesen werden.\n%1\n\n%2", {pfad, grund}));
        return false;
    }
    const SpielstandPruefung pruefung = Uebernehmen(bytes);
    if (pruefung.ergebnis != Pruefergebnis::Gut) {
        FehlerMeldung(Fehlertext(pruefung, pfad));
        return false;
    }
    Klang("speichern");
    return true;
}

bool Verboten(unsigned char c, bool auchPunkt)
{
    if (c < 0x20 || c == 0x7F) return true;
    switch (c) {
    case '.': return auchPunkt;
    case '"':
    case '*':
    case '<':
    case '>':
    case '\\':
    case '|':
    case '/':
    case ':': return true;
    default: return false;
    }
}

// Für Laden und Löschen: ein Listeneintrag darf Punkte enthalten, aber nie aus
// dem Save-Ordner hinausführen.
bool NameSicher(std::string_view name)
{
    if (name.empty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return Verboten(static_cast<unsigned char>(c), false); });
}

bool gLadenGesperrt = false;

bool Vorhanden(const std::string& pfad)
{
    std::error_code ec;
    return fs::exists(PfadVon(pfad), ec);
}

// Nach der Frage (wenn ein Spiel läuft) laden; erst ein geladener Spielstand sperrt das
// Laden bis zum nächsten Programmstart. Liegt die Datei nicht selbst im Save-Ordner, erfährt
// der Spieler, wo das Spiel von nun an gespeichert wird.
DiskFolge FragenUndLaden(const std::string& f, const std::string& name, bool fragen)
{
    if (fragen && !Frage(Tz("%1\n\nAktuelles Spiel Spiel abbrechen und\nneues Spiel laden ?", {f}), Knoepfe::JaNein))
        return DiskFolge::Bleiben;
    if (!SpielstandDatei("load", f)) return DiskFolge::Bleiben;
    S.Spielname = name;
    gLadenGesperrt = true;
    std::error_code ec;
    const std::string ziel = SpielstandPfad(name);
    if (!fs::equivalent(PfadVon(f), PfadVon(ziel), ec)) Hinweis(Tz(SperrText) + NL + NL + SpeicherortText(ziel));
    else Hinweis(Tz(SperrText));
    return DiskFolge::MenueNeuUndSchliessen;
}

// Zum Laden und Löschen der Name ohne Rand; nur wenn es allein die Datei mit Rand gibt
// (von früher gespeichert), diese.
std::string VorhandenerName(std::string_view text)
{
    std::string name = OhneRandLeerzeichen(text);
    if (name.size() != text.size() && !Vorhanden(SpielstandPfad(name)) && NameSicher(text) &&
        Vorhanden(SpielstandPfad(text)))
        name = std::string(text);
    return name;
}

} // namespace

SpielstandLage LageBerechnen(int64_t nc, int64_t np, int64_t ns, int64_t textLaenge)
{
    SpielstandLage l{};
    l.A = 8 + (nc + 1) * VereinGroesse;
    l.B = l.A + 4 + (np + 1) * SpielerGroesse;
    l.C = l.B + 4 + 4 * BilanzGroesse * (ns + 1);
    l.D = l.C + FesterTeilGroesse;
    l.Ende = l.D + 4 + textLaenge;
    return l;
}

std::string VersionFehlerText(int32_t version)
{
    return Tz("%1<>%2\nSpielstand eienr alten Torvane Version.\n\nDieser Spielstand kann nicht mehr eingelesen werden.",
              {Zahl(version), Zahl(SpielstandVersion)});
}

SpielstandPruefung SpielstandPruefen(std::string_view b)
{
    const auto groesse = static_cast<int64_t>(b.size());
    std::string grund;
    int32_t version = 0;
    if (!ZaehlerLesen(b, 0, version, grund)) return Kaputt(grund);
    if (version != SpielstandVersion) {
        SpielstandPruefung p;
        p.ergebnis = version >= 1 && version <= HoechsteDenkbareVersion ? Pruefergebnis::FremdeVersion
                                                                         : Pruefergebnis::KeinSpielstand;
        p.version = version;
        return p;
    }

    int32_t nc = 0;
    if (!ZaehlerLesen(b, 4, nc, grund)) return Kaputt(grund);
    if (nc < 1 || nc > MaxVereine) return Kaputt(Tf("Unglaubhafte Anzahl der Vereine: %1.", {Zahl(nc)}));
    int32_t np = 0;
    if (!ZaehlerLesen(b, LageBerechnen(nc, 0, 0).A, np, grund)) return Kaputt(grund);
    if (np < 0 || np > MaxSpieler) return Kaputt(Tf("Unglaubhafte Anzahl der Spieler: %1.", {Zahl(np)}));
    int32_t ns = 0;
    if (!ZaehlerLesen(b, LageBerechnen(nc, np, 0).B, ns, grund)) return Kaputt(grund);
    if (ns < 1 || ns > MaxSaisons) return Kaputt(Tf("Unglaubhafte Anzahl der Saisons: %1.", {Zahl(ns)}));
    const SpielstandLage l = LageBerechnen(nc, np, ns);
    int32_t textLaenge = 0;
    if (!ZaehlerLesen(b, l.D, textLaenge, grund)) return Kaputt(grund);
    if (textLaenge < 0 || textLaenge > MaxBerichtLaenge)
        return Kaputt(Tf("Unglaubhafte Länge des Trainingsberichts: %1.", {Zahl(textLaenge)}));
    const int64_t soll = LageBerechnen(nc, np, ns, textLaenge).Ende;
    if (groesse < soll) return Kaputt(Tf("Die Datei ist %1 Bytes zu kurz.", {Zahl(soll - groesse)}));
    if (groesse > soll) return Kaputt(Tf("Die Datei ist %1 Bytes zu lang.", {Zahl(groesse - soll)}));

    // Die Zähler im Spielblock müssen zu den Blöcken passen, sonst liefe jede
    // Schleife über Vereine, Spieler oder Manager ins Leere.
    Spiel_ spiel;
    std::memcpy(&spiel, b.data() + l.C + SpielOffset, sizeof spiel);
    const auto akt = static_cast<unsigned char>(b[static_cast<size_t>(l.C + AktManagerOffset)]);
    if (spiel.MannschaftHoch != nc)
        return Kaputt(Tf("Die Vereinszahl im Spielblock (%1) passt nicht zu %2.", {Zahl(spiel.MannschaftHoch), Zahl(nc)}));
    if (spiel.SpielerHoch != np)
        return Kaputt(Tf("Die Spielerzahl im Spielblock (%1) passt nicht zu %2.", {Zahl(spiel.SpielerHoch), Zahl(np)}));
    if (spiel.ManagerHoch < 0 || spiel.ManagerHoch > 3)
        return Kaputt(Tf("Unglaubhafte Anzahl der Manager: %1.", {Zahl(int64_t{spiel.ManagerHoch} + 1)}));
    if (akt > 3) return Kaputt(Tf("Unglaubhafter aktueller Manager: %1.", {Zahl(akt)}));

    SpielstandPruefung p;
    p.ergebnis = Pruefergebnis::Gut;
    p.version = version;
    return p;
}

SpielstandPruefung SpielstandGanzPruefen(std::string_view bytes)
{
    auto t = std::make_unique<Spielstand>();
    return Zerlegt(bytes, *t);
}

std::string SpielstandSchreiben()
{
    const int64_t nc = S.Mannschaft.hoch();
    const int64_t np = S.Spieler.hoch();
    // Alle vier Listen gleich lang, mindestens zwei Einträge wie in einem neuen
    // Spiel; fehlende Einträge werden leer geschrieben.
    int64_t ns = 1;
    for (const auto& liste : S.Saisonbilanz) ns = std::max(ns, liste.hoch());
    if (nc < 1 || nc > MaxVereine) throw Laufzeitfehler(Tf("Unglaubhafte Anzahl der Vereine: %1.", {Zahl(nc)}));
    if (np < 0 || np > MaxSpieler) throw Laufzeitfehler(Tf("Unglaubhafte Anzahl der Spieler: %1.", {Zahl(np)}));
    if (ns > MaxSaisons) throw Laufzeitfehler(Tf("Unglaubhafte Anzahl der Saisons: %1.", {Zahl(ns)}));
    const std::string bericht = Utf8NachCp1252(S.Trainingsbericht);
    if (static_cast<int64_t>(bericht.size()) > MaxBerichtLaenge)
        throw Laufzeitfehler(T("Der Trainingsbericht ist zu lang."));

    const SpielstandLage l = LageBerechnen(nc, np, ns, static_cast<int64_t>(bericht.size()));
    std::string aus;
    aus.reserve(static_cast<size_t>(l.Ende));
    I32Anhaengen(aus, SpielstandVersion);
    I32Anhaengen(aus, nc);
    aus.append(reinterpret_cast<const char*>(S.Mannschaft.daten()), static_cast<size_t>((nc + 1) * VereinGroesse));
    I32Anhaengen(aus, np);
    aus.append(reinterpret_cast<const char*>(S.Spieler.daten()), static_cast<size_t>((np + 1) * SpielerGroesse));
    I32Anhaengen(aus, ns);
    for (const auto& liste : S.Saisonbilanz) {
        aus.append(reinterpret_cast<const char*>(liste.daten()), static_cast<size_t>(liste.laenge() * BilanzGroesse));
        aus.append(static_cast<size_t>((ns + 1 - liste.laenge()) * BilanzGroesse), '\0');
    }
    for (const FesterBlock& f : FesteBloecke(S)) aus.append(static_cast<const char*>(f.ort), f.groesse);
    I32Anhaengen(aus, static_cast<int64_t>(bericht.size()));
    aus += bericht;

    // Nie eine Datei schreiben, die sich nicht wieder laden ließe.
    const SpielstandPruefung p = SpielstandPruefen(aus);
    if (p.ergebnis != Pruefergebnis::Gut) throw Laufzeitfehler(p.grund);
    return aus;
}

bool SpielstandLesen(std::string_view bytes, std::string& fehler)
{
    const SpielstandPruefung p = Uebernehmen(bytes);
    if (p.ergebnis != Pruefergebnis::Gut) {
        fehler = Fehlertext(p, "");
        return false;
    }
    fehler.clear();
    return true;
}

bool SpielstandDatei(std::string_view art, const std::string& pfad)
{
    const std::string a = Grossbuchstaben(art);
    if (a == "SAVE") return Speichern(pfad);
    if (a == "LOAD") return Laden(pfad);
    Hinweis(T("Dateioperation konnte nicht festgestellt werden."));
    Klang("speichern");
    return false;
}

bool AutoSpeichern()
{
    if (S.Spielname.empty()) return false;
    if (!NameSicher(S.Spielname)) {
        FehlerMeldung(T(NichtGespeichertText) + std::string(NL) + T(VerbotenText));
        return false;
    }
    SaveOrdnerAnlegen();
    return SpielstandDatei("save", SpielstandPfad(S.Spielname));
}

// --- Speicherbildschirm ---

bool SpielnameErlaubt(std::string_view name)
{
    return std::none_of(name.begin(), name.end(), [](char c) { return Verboten(static_cast<unsigned char>(c), true); });
}

std::string SpielnameEingabe(std::string_view neu, std::string_view bisher)
{
    if (SpielnameErlaubt(neu)) return std::string(neu);
    FehlerMeldung(T(VerbotenText));
    return std::string(bisher);
}

bool SpielnameZuLang(std::string_view name)
{
    // Dazu kommen ".lig" und beim Schreiben ".tmp"; Dateisysteme nehmen meist 255 Bytes.
    return Utf8Laenge(name) > static_cast<size_t>(SpielnameHoechstlaenge) || name.size() > 240;
}

std::string SpielnameVorschlag()
{
    if (!S.Spielname.empty()) return S.Spielname;
    // Übersetzer: Vorschlag für den Namen eines Spielstands: Managername, Vereinsname.
    std::string v = Tf("%1 mit %2", {S.Manager[0].Name.text(), S.Manager[0].Vereinsname.text()});
    // Der Vorschlag soll die Namensprüfung immer bestehen (Vereine wie "1.FC ...").
    for (char& c : v)
        if (Verboten(static_cast<unsigned char>(c), true)) c = '_';
    return v;
}

std::string SpielstandPfad(std::string_view name) { return Pfade.Save + std::string(name) + ".lig"; }

bool SaveOrdnerAnlegen()
{
    if (Pfade.Save.empty()) return true;
    std::error_code ec;
    const fs::path p = PfadVon(Pfade.Save);
    fs::create_directories(p, ec);
    return fs::is_directory(p, ec);
}

std::string ListenName(std::string_view dateiname)
{
    return std::string(dateiname.substr(0, dateiname.size() >= 4 ? dateiname.size() - 4 : 0));
}

std::vector<std::string> SpielstandListe()
{
    std::vector<std::string> namen;
    std::error_code ec;
    const fs::path ordner = Pfade.Save.empty() ? fs::path(".") : PfadVon(Pfade.Save);
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        std::error_code ec2;
        if (!it->is_regular_file(ec2)) continue;
        const std::u8string u = it->path().filename().u8string();
        const std::string datei(reinterpret_cast<const char*>(u.data()), u.size());
        if (datei.size() < 4 || Grossbuchstaben(datei.substr(datei.size() - 4)) != ".LIG") continue;
        namen.push_back(ListenName(datei));
    }
    std::sort(namen.begin(), namen.end(), [](const std::string& x, const std::string& y) {
        const std::string gx = Grossbuchstaben(x);
        const std::string gy = Grossbuchstaben(y);
        return gx != gy ? gx < gy : x < y;
    });
    return namen;
}

DiskFolge SpeichernKlick(std::string_view text)
{
    // "   " wäre sonst die Datei "   .lig" und eine leere Zeile in der Liste.
    const std::string name = OhneRandLeerzeichen(text);
    if (!SpielnameErlaubt(name)) {
        FehlerMeldung(T(VerbotenText));
        return DiskFolge::ListeAuffrischen;
    }
    // Ein leerer Name ergäbe die Datei ".lig" und ein Spiel ohne Namen.
    if (name.empty()) {
        Hinweis(T("Leerer Dateiname."));
        return DiskFolge::ListeAuffrischen;
    }
    if (SpielnameZuLang(name)) {
        FehlerMeldung(T(ZuLangText));
        return DiskFolge::ListeAuffrischen;
    }
    const std::string f = SpielstandPfad(name);
    if (Vorhanden(f) &&
        !Frage(Tz("%1\n\nDatei ist schon vorhanden.\nSoll die Datei überschrieben werden ?", {name}), Knoepfe::JaAbbrechen))
        return DiskFolge::ListeAuffrischen;
    SaveOrdnerAnlegen();
    if (SpielstandDatei("save", f)) S.Spielname = name;
    return DiskFolge::ListeAuffrischen;
}

DiskFolge LadenKlick(std::string_view text)
{
    // Die Sperre gilt auch für einen zweiten Versuch auf dem noch offenen Bildschirm.
    if (gLadenGesperrt) {
        Hinweis(Tz(SperrText));
        return DiskFolge::Bleiben;
    }
    const std::string name = VorhandenerName(text);
    if (!NameSicher(name)) {
        FehlerMeldung(name.empty() ? Tz("%1\n\nDatei nicht vorhanden !", {name}) : std::string(T(VerbotenText)));
        return DiskFolge::Bleiben;
    }
    const std::string f = SpielstandPfad(name);
    if (!Vorhanden(f)) {
        FehlerMeldung(Tz("%1\n\nDatei nicht vorhanden !", {name}));
        return DiskFolge::Bleiben;
    }
    // Der Name wie eingegeben, auch wenn die Datei anders geschrieben ist.
    return FragenUndLaden(f, name, true);
}

DiskFolge DateiLaden(const std::string& pfad)
{
    if (gLadenGesperrt) {
        Hinweis(Tz(SperrText));
        return DiskFolge::Bleiben;
    }
    if (pfad.empty() || !Vorhanden(pfad)) {
        FehlerMeldung(Tz("%1\n\nDatei nicht vorhanden !", {pfad}));
        return DiskFolge::Bleiben;
    }
    // Beim Programmstart läuft noch kein Spiel, das abgebrochen würde.
    return FragenUndLaden(pfad, SpielnameFuerDatei(pfad), false);
}

std::string SpielnameFuerDatei(const std::string& pfad)
{
    const std::u8string u = PfadVon(pfad).stem().u8string();
    std::string name(reinterpret_cast<const char*>(u.data()), u.size());
    for (char& c : name)
        if (Verboten(static_cast<unsigned char>(c), false)) c = '_';
    if (!NameSicher(name) || SpielnameZuLang(name)) name = "Spielstand";
    // Liegt die Datei nicht selbst im Save-Ordner, darf das automatische Speichern
    // dort keinen anderen Spielstand gleichen Namens überschreiben.
    std::error_code ec;
    const auto selbst = [&](const std::string& n) {
        return fs::equivalent(PfadVon(pfad), PfadVon(SpielstandPfad(n)), ec);
    };
    std::string frei = name;
    for (int i = 2; Vorhanden(SpielstandPfad(frei)) && !selbst(frei); ++i) frei = name + " (" + Zahl(i) + ")";
    return frei;
}

DiskFolge LoeschenKlick(std::string_view text)
{
    const std::string name = VorhandenerName(text);
    if (name.empty()) return DiskFolge::ListeAuffrischen;
    if (!NameSicher(name)) {
        FehlerMeldung(T(VerbotenText));
        return DiskFolge::ListeAuffrischen;
    }
    const std::string f = SpielstandPfad(name);
    if (!Vorhanden(f)) return DiskFolge::ListeAuffrischen;
    if (Frage(Tz("%1\n\nSicher Löschen ?", {name}), Knoepfe::JaAbbrechen)) {
        std::error_code ec;
        if (!fs::remove(PfadVon(f), ec) || ec)
            FehlerMeldung(Tz("Die Datei konnte nicht gelöscht werden.\n%1", {f}));
    }
    return DiskFolge::ListeAuffrischen;
}

std::string SpeicherortText(const std::string& pfad)
{
    return Tz("Gespeichert wird von nun an unter:\n%1", {pfad});
}

bool LadenGesperrt() { return gLadenGesperrt; }
void LadenSperreSetzen(bool gesperrt) { gLadenGesperrt = gesperrt; }

} // namespace torvane
