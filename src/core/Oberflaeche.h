// Die Pforten zwischen Regeln und Benutzer. Eine Regel, die etwas zeigen,
// fragen, klingen oder warten will, ruft die freien Funktionen unten; wer
// sie beantwortet, entscheidet die eingesetzte Oberfläche: Qt-Fenster,
// ein Testskript oder der Automat für das Spiel ohne Bildschirm.
#pragma once

#include "core/Befehl.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

enum class DialogArt { Warnung, Information, Bestaetigung, Fehler };
enum class Knoepfe { Ok, JaNein, JaAbbrechen, JaNeinAbbrechen, OkAbbrechen };
enum class Antwort { Ok, Ja, Nein, Abbrechen };

// Art des Nachrichtenfensters, aus dem Art-Text gelesen.
struct NachrichtArt {
    enum Typ { Ok, Jein, Alles, Auto, Unbekannt } typ = Unbekannt;
    int autoMs = 0; // bei Auto: schließt sich nach so vielen Millisekunden
};
NachrichtArt NachrichtArtLesen(std::string_view art);

// Ein Angebot zum Annehmen oder Ablehnen, in Werten: wer ohne Bildschirm antwortet,
// entscheidet danach und nicht nach dem Wortlaut der Frage.
struct Angebotsfrage {
    enum Art { AktienKauf, AktienVerkauf, VereinVerkauf, SpielerVerkauf } art = AktienKauf;
    int64_t anzahl = 0; // Aktien; beim Spieler sein Kaderplatz, beim Verein 1
    int64_t preis = 0;  // der ganze Betrag (bei Aktien: alle zusammen)
};

class Oberflaeche {
public:
    virtual ~Oberflaeche() = default;

    // Spielt MusikPfad + name + ".wav"; bisEnde: erst zurück, wenn es verklungen ist.
    virtual void klang(const std::string& name, bool bisEnde) = 0;
    // Wartet (und hält die Fenster lebendig); der Automat kehrt sofort zurück.
    virtual void warte(int ms, bool still) = 0;
    // Zahlenrad; 0, wenn der Benutzer das Fenster anders als mit OK schließt.
    virtual int zahleneingabe(int anfang, const std::string& frage, int x, int y) = 0;
    // Das Nachrichtenfenster; gibt den gedrückten Knopf zurück (Befehlswert::Keiner bei Auto).
    virtual Befehlswert nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int x,
                                  int y, int bild) = 0;
    // Die Dialoge des Fenstersystems.
    virtual Antwort dialog(DialogArt art, const std::string& text, Knoepfe knoepfe) = 0;
    // Wartet, bis ein Knopf den erwarteten Befehl geschrieben hat.
    virtual void warteAufBefehl(Befehlswert erwartet) = 0;
    // Ein Angebot; true bei Annahme. Sonst wie jede Frage: Spielerangebote im Dialog,
    // die übrigen im Nachrichtenfenster mit Ja und Nein.
    virtual bool angebot(const Angebotsfrage& f, const std::string& kopf, const std::string& text);
};

// Die aktuelle Oberfläche (zu Beginn der Automat).
Oberflaeche& UI();
void OberflaecheSetzen(Oberflaeche* o);

// --- was die Regeln aufrufen ---
// art 0: im Hintergrund, art 1: bis zum Ende; andere Arten melden einen Fehler.
void Klang(std::string_view name, int art = 0);
void Warte(int ms);
void WarteSekunden(double s, bool still = false);
int Zahleneingabe(int anfang, std::string_view frage, int x = 0, int y = 0);
// Zeigt das Nachrichtenfenster und schreibt den gedrückten Knopf nach Befehl.
void Nachricht(std::string_view kopf, std::string_view text, std::string_view art, int x = 0, int y = 0,
               int bild = -1);
Antwort Meldung(DialogArt art, std::string_view text, Knoepfe knoepfe = Knoepfe::Ok);
inline void Hinweis(std::string_view text) { Meldung(DialogArt::Information, text); }
inline void Warnung(std::string_view text) { Meldung(DialogArt::Warnung, text); }
inline void FehlerMeldung(std::string_view text) { Meldung(DialogArt::Fehler, text); }
inline bool Frage(std::string_view text, Knoepfe knoepfe = Knoepfe::JaNein)
{
    return Meldung(DialogArt::Bestaetigung, text, knoepfe) == Antwort::Ja;
}
void WarteAufBefehl(Befehlswert erwartet);
// Fragt nach einem Angebot (mit Klang wie jede Nachricht); true bei Annahme.
bool AngebotFragen(const Angebotsfrage& f, std::string_view kopf, std::string_view text);
// Am Ende jeder Aktion, die den Spielstand ändert: Menü und offene Fenster zeichnen ihn neu
// (die Menüpforte in core/Menue.h); ohne Bildschirm geschieht nichts.
void SpielstandGeaendert();

// Solange ein Meldungstitel lebt, tragen die Dialoge des Fenstersystems ihn als Fenstertitel
// (wessen Sache die Meldung ist, wenn mehrere Manager spielen); sonst steht dort der Spielname.
class MeldungsTitel {
public:
    explicit MeldungsTitel(std::string titel);
    ~MeldungsTitel();
    MeldungsTitel(const MeldungsTitel&) = delete;
    MeldungsTitel& operator=(const MeldungsTitel&) = delete;
    static const std::string& aktuell();

private:
    std::string vorher_;
};

// Zeilenwechsel in Meldungstexten.
constexpr const char* NL = "\r\n";

} // namespace torvane
