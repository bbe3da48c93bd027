#include "core/Oberflaeche.h"

#include "core/AutoOberflaeche.h"
#include "core/Cp1252.h"
#include "core/PortHalter.h"
#include "core/Sprache.h"
#include "core/Variablen.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace torvane {

namespace {
PortHalter<Oberflaeche, AutoOberflaeche> gAktuell;
} // namespace

Oberflaeche& UI() { return *gAktuell; }
void OberflaecheSetzen(Oberflaeche* o) { gAktuell.setzen(o); }

NachrichtArt NachrichtArtLesen(std::string_view art)
{
    const std::string a = Grossbuchstaben(art);
    NachrichtArt n;
    if (a == "OK") {
        n.typ = NachrichtArt::Ok;
    } else if (a == "JEIN") {
        n.typ = NachrichtArt::Jein;
    } else if (a == "ALLES") {
        n.typ = NachrichtArt::Alles;
    } else if (a.find("AUTO") != std::string::npos) {
        n.typ = NachrichtArt::Auto;
        // Die Zahl steht ab dem fünften Zeichen ("Auto1500").
        n.autoMs = a.size() > 4 ? std::atoi(a.c_str() + 4) : 0;
        if (n.autoMs < 0) n.autoMs = 0;
    }
    return n;
}

void Klang(std::string_view name, int art)
{
    if (S.KlangAus) return;
    if (art != 0 && art != 1) {
        Meldung(DialogArt::Information, T("ID Nummer für Wav nicht bekannt !"));
        return;
    }
    UI().klang(std::string(name), art == 1);
}

void Warte(int ms) { UI().warte(ms, false); }

void WarteSekunden(double s, bool still) { UI().warte(static_cast<int>(std::lround(s * 1000.0)), still); }

// Vor jeder Frage zeigen Menü und Fenster den Stand, nach dem gefragt wird: Buchungen ohne
// eigene Aktion (Zugbeginn, Ereignis, Angebot) stehen sonst erst nach dem nächsten Klick da.
int Zahleneingabe(int anfang, std::string_view frage, int x, int y)
{
    SpielstandGeaendert();
    Klang("rechner");
    return UI().zahleneingabe(anfang, std::string(frage), x, y);
}

void Nachricht(std::string_view kopf, std::string_view text, std::string_view art, int x, int y, int bild)
{
    const NachrichtArt a = NachrichtArtLesen(art);
    if (a.typ == NachrichtArt::Unbekannt) {
        Meldung(DialogArt::Information, T("Mail nicht definiert !"));
        return;
    }
    SpielstandGeaendert();
    Klang("error");
    const Befehlswert knopf = UI().nachricht(std::string(kopf), std::string(text), a, x, y, bild);
    if (knopf != Befehlswert::Keiner) S.Befehl = knopf;
}

Antwort Meldung(DialogArt art, std::string_view text, Knoepfe knoepfe)
{
    SpielstandGeaendert();
    return UI().dialog(art, std::string(text), knoepfe);
}

void WarteAufBefehl(Befehlswert erwartet) { UI().warteAufBefehl(erwartet); }

namespace {
std::string gMeldungsTitel;
} // namespace

MeldungsTitel::MeldungsTitel(std::string titel) : vorher_(std::exchange(gMeldungsTitel, std::move(titel))) {}
MeldungsTitel::~MeldungsTitel() { gMeldungsTitel = std::move(vorher_); }
const std::string& MeldungsTitel::aktuell() { return gMeldungsTitel; }

bool Oberflaeche::angebot(const Angebotsfrage& f, const std::string& kopf, const std::string& text)
{
    if (f.art == Angebotsfrage::SpielerVerkauf) return dialog(DialogArt::Bestaetigung, text, Knoepfe::JaNein) == Antwort::Ja;
    return nachricht(kopf, text, NachrichtArt{NachrichtArt::Jein, 0}, 0, 0, -1) == Befehlswert::Ja;
}

bool AngebotFragen(const Angebotsfrage& f, std::string_view kopf, std::string_view text)
{
    SpielstandGeaendert();
    const bool spieler = f.art == Angebotsfrage::SpielerVerkauf;
    if (!spieler) Klang("error");
    const bool ja = UI().angebot(f, std::string(kopf), std::string(text));
    if (!spieler) S.Befehl = ja ? Befehlswert::Ja : Befehlswert::Nein;
    return ja;
}

} // namespace torvane
