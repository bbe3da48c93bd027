// Die Oberfläche für Tests: schreibt jede Meldung, jeden Klang und jede
// Wartezeit mit und beantwortet Fragen aus einem Skript. Eine Frage, die
// niemand vorgesehen hat, lässt den Test scheitern.
#pragma once

#include "core/Oberflaeche.h"

#include <deque>
#include <stdexcept>
#include <vector>

namespace torvane {

class UngeskriptetFehler : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class SkriptOberflaeche : public Oberflaeche {
public:
    // Setzt sich beim Anlegen als aktuelle Oberfläche ein und beim Ende wieder aus.
    SkriptOberflaeche();
    ~SkriptOberflaeche() override;
    SkriptOberflaeche(const SkriptOberflaeche&) = delete;
    SkriptOberflaeche& operator=(const SkriptOberflaeche&) = delete;

    // Antworten der Reihe nach: "Ja", "Nein", "Weiter", "Abbrechen", "Ok" oder eine Zahl.
    void antworte(std::string a) { antworten.push_back(std::move(a)); }

    // Protokoll: "Klang:name", "KlangEnde:name", "Warte:ms", "Nachricht:kopf|text",
    // "Dialog:text", "Zahl:frage", "Befehl:wert".
    std::vector<std::string> protokoll;
    std::deque<std::string> antworten;

    bool enthaelt(std::string_view teil) const;
    size_t anzahl(std::string_view teil) const;
    std::vector<std::string> klaenge() const;
    std::vector<std::string> texte() const; // Nachrichten und Dialoge
    void leeren() { protokoll.clear(); }

    void klang(const std::string& name, bool bisEnde) override;
    void warte(int ms, bool still) override;
    int zahleneingabe(int anfang, const std::string& frage, int x, int y) override;
    Befehlswert nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int x, int y,
                          int bild) override;
    Antwort dialog(DialogArt art, const std::string& text, Knoepfe knoepfe) override;
    void warteAufBefehl(Befehlswert erwartet) override;

private:
    std::string naechste(const std::string& frage);
    Oberflaeche* vorher_;
};

} // namespace torvane
