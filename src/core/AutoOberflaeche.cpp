#include "core/AutoOberflaeche.h"

#include "core/Variablen.h"

namespace torvane {

int AutoOberflaeche::zahleneingabe(int anfang, const std::string& frage, int, int)
{
    return zahlAntwort ? zahlAntwort(anfang, frage) : anfang;
}

std::string AutoOberflaeche::nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int,
                                       int, int)
{
    ++meldungen;
    if (nachrichtAntwort) return nachrichtAntwort(kopf, text, art);
    switch (art.typ) {
    case NachrichtArt::Jein: return "Nein";
    case NachrichtArt::Auto: return "";
    default: return "Weiter";
    }
}

Antwort AutoOberflaeche::dialog(DialogArt, const std::string& text, Knoepfe knoepfe)
{
    ++meldungen;
    if (dialogAntwort) return dialogAntwort(text, knoepfe);
    switch (knoepfe) {
    case Knoepfe::Ok: return Antwort::Ok;
    case Knoepfe::JaNein: return Antwort::Nein;
    default: return Antwort::Abbrechen;
    }
}

void AutoOberflaeche::warteAufBefehl(const std::string& erwartet) { S.Befehl = erwartet; }

} // namespace torvane
