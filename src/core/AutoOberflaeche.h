// Der Automat: beantwortet alles mit vernünftigen Vorgaben und wartet nie.
// Für das Spiel ohne Bildschirm (--autoplay), Dauertests und Benchmarks.
#pragma once

#include "core/Oberflaeche.h"

#include <functional>

namespace torvane {

class AutoOberflaeche : public Oberflaeche {
public:
    // Wer es genauer will, setzt eigene Antworten; sonst gilt: Hinweise
    // bestätigen, Fragen ablehnen, Zahlen unverändert lassen.
    std::function<Befehlswert(const std::string& kopf, const std::string& text, NachrichtArt art)> nachrichtAntwort;
    std::function<Antwort(const std::string& text, Knoepfe knoepfe)> dialogAntwort;
    std::function<int(int anfang, const std::string& frage)> zahlAntwort;
    // Angebote in Werten; ohne sie gelten die Antworten auf Nachrichten und Dialoge.
    std::function<bool(const Angebotsfrage& f)> angebotAntwort;

    long meldungen = 0;

    void klang(const std::string&, bool) override {}
    void warte(int, bool) override {}
    int zahleneingabe(int anfang, const std::string& frage, int, int) override;
    Befehlswert nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int, int,
                          int) override;
    Antwort dialog(DialogArt art, const std::string& text, Knoepfe knoepfe) override;
    void warteAufBefehl(Befehlswert erwartet) override;
    bool angebot(const Angebotsfrage& f, const std::string& kopf, const std::string& text) override;
};

} // namespace torvane
