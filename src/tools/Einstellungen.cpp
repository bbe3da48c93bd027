#include "tools/Einstellungen.h"

#include "core/Cp1252.h"
#include "core/Fehler.h"
#include "core/Oberflaeche.h"
#include "core/Sprache.h"
#include "core/Variablen.h"

#include <vector>

namespace torvane {

namespace {

uint8_t& Byte(int m, int byte) { return S.Optionen[byte == OptTransferKlang ? 0 : m][byte]; }

std::string Getrimmt(const std::string& s)
{
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    const auto b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

// Ein Name muss ohne Verlust in den Spielstand passen: keine Steuerzeichen, nur Windows-1252.
bool Speicherbar(const std::string& s)
{
    for (const char c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    return Cp1252NachUtf8(Utf8NachCp1252(s)) == s;
}

std::string Gekuerzt(const std::string& s, size_t n) { return Getrimmt(Utf8Anfang(Getrimmt(s), n)); }

} // namespace

bool OptionAn(int m, int byte) { return Byte(m, byte) != 0; }

void OptionSchalten(int m, int byte, bool an)
{
    uint8_t& b = Byte(m, byte);
    const bool vorher = b != 0;
    b = an ? 1 : 0;
    if (byte == OptTransferKlang && an && !vorher) Klang("trans");
    if (byte == OptZeigeChl) S.Optionen[m][OptTempo] = 0;
}

void AnzeigeLigaWaehlen(int m, int index)
{
    if (index < 0 || index > 4) BereichFehler("Liga der Anzeige", index, 0, 4);
    S.Optionen[m][OptAnzeigeLiga] = static_cast<uint8_t>(index);
}

void TempoWaehlen(int m, int index)
{
    if (index < 0 || index > 2) BereichFehler("Spielablauf", index, 0, 2);
    S.Optionen[m][OptTempo] = static_cast<uint8_t>(index + 1);
}

int TempoEintrag(int m)
{
    const int t = S.Optionen[m][OptTempo];
    return t >= 1 && t <= 3 ? t - 1 : -1;
}

bool NamenAendern(int m, const std::string& name, const std::string& verein)
{
    if (!Frage(T("Neue Namen übernehmen ?"))) return false;

    for (const std::string* s : {&name, &verein}) {
        if (!Speicherbar(*s)) {
            Warnung(Tz("Unerlaubtes Zeichen im Namen !\nBitte nur Buchstaben, Ziffern und Satzzeichen."));
            return false;
        }
    }
    const std::string neuName = Gekuerzt(name, 15);
    const std::string neuVerein = Gekuerzt(verein, 25);

    // Die Namen aller aktiven Manager, der aktuelle schon mit den neuen.
    std::vector<std::string> namen, vereine;
    for (int s = 0; s <= S.Spiel.ManagerHoch; ++s) {
        namen.push_back(s == m ? neuName : S.Manager[s].Name.text());
        vereine.push_back(s == m ? neuVerein : S.Manager[s].Vereinsname.text());
    }
    for (size_t s = 0; s < namen.size(); ++s) {
        if (Getrimmt(namen[s]).empty() || Getrimmt(vereine[s]).empty()) {
            Warnung(Tz("Keine leeren Angaben !\n%1. Spieler", {std::to_string(s + 1)}));
            return false;
        }
    }
    auto doppelt = [](const std::string& was) {
        Warnung(Tz("Name mehrfach vorhanden !\n%1", {was}));
        return false;
    };
    for (size_t a = 0; a < namen.size(); ++a)
        for (size_t b = a + 1; b < namen.size(); ++b) {
            if (namen[a] == namen[b]) return doppelt(namen[a]);
            if (vereine[a] == vereine[b]) return doppelt(vereine[a]);
        }

    // Manager und Verein finden sich überall über den Namen: beide zugleich umbenennen.
    Manager_& mg = S.Manager[m];
    int eigener = VereinNachName(mg.Vereinsname.text());
    if (eigener < 1) eigener = ManagerVerein(m);
    // Ein zweiter Verein gleichen Namens machte jede Suche nach Namen mehrdeutig.
    const int gleich = VereinNachName(neuVerein);
    if (gleich >= 1 && gleich != eigener) return doppelt(neuVerein);

    mg.Name = neuName;
    mg.Vereinsname = neuVerein;
    S.Mannschaft[eigener].Name = neuVerein;
    return true;
}

} // namespace torvane
