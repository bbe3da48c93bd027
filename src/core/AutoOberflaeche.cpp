#include "core/AutoOberflaeche.h"

#include "core/Variablen.h"

namespace torvane {

int AutoOberflaeche::zahleneingabe(int anfang, const std::string& frage, int, int)
{
    return zahlAntwort ? zahlAntwort(anfang, frage) : anfang;
}

Befehlswert AutoOberflaeche::nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int,
                                       int, int)
{
    ++meldungen;
    if (nachrichtAntwort) return nachrichtAntwort(kopf, text, art);
    switch (art.typ) {
    case NachrichtArt::Jein: return Befehlswert::Nein;
    case NachrichtArt::Auto: return Befehlswert::Keiner;
    default: return Befehlswert::NachrichtWeiter;
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

bool AutoOberflaeche::angebot(const Angebotsfrage& f, const std::string& kopf, const std::string& text)
{
    if (!angebotAntwort) return Oberflaeche::angebot(f, kopf, text);
    ++meldungen;
    return angebotAntwort(f);
}

void AutoOberflaeche::warteAufBefehl(Befehlswert erwartet) { S.Befehl = erwartet; }

} // namespace torvane
