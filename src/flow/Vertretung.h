// Ein Manager auf Automatik: der Computermanager beantwortet seine Nachrichten und Fragen, damit
// niemand in seinem Zug klicken muss; nimmt er das Spiel wieder selbst in die Hand, zeigt eine
// Bilanz, was seitdem für ihn geschah.
#pragma once

#include "core/Oberflaeche.h"
#include "flow/Assistent.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace torvane {

// Was die Bilanz braucht, gemerkt beim Einschalten der Automatik.
struct Vertretungsstand {
    std::string name;
    int64_t konto = 0, kredit = 0, sparbuch = 0, plaetze = 0;
    std::vector<std::pair<std::string, int>> kader; // Spieler und Vertragsjahre
    AssistentStufe stufe = AssistentStufe::Neu;      // wie der Computer für ihn spielt
};
Vertretungsstand VertretungBeginnen(int m);

struct Vertretungsbilanz {
    int gekauft = 0, verkauft = 0, verlaengert = 0;
    int64_t kontoVorher = 0, kontoNachher = 0;
    int64_t kreditVorher = 0, kreditNachher = 0;
    int64_t sparbuchVorher = 0, sparbuchNachher = 0;
    int64_t plaetzeVorher = 0, plaetzeNachher = 0;
};
// Der Vergleich mit dem jetzigen Stand des Managers m.
Vertretungsbilanz VertretungBilanz(const Vertretungsstand& vorher, int m);
std::string VertretungText(const std::string& name, const Vertretungsbilanz& b);

// Solange sie lebt, beantwortet der Computermanager alle Fragen, die gestellt werden, während ein
// Manager auf Automatik am Zug ist; alles andere (Klänge, Warten) geht an die Oberfläche darunter.
class Vertretung : public Oberflaeche {
public:
    explicit Vertretung(std::function<bool(int m)> automatisch);
    ~Vertretung() override;
    Vertretung(const Vertretung&) = delete;
    Vertretung& operator=(const Vertretung&) = delete;

    void klang(const std::string& name, bool bisEnde) override { innen_->klang(name, bisEnde); }
    void warte(int ms, bool still) override { innen_->warte(ms, still); }
    void warteAufBefehl(Befehlswert erwartet) override { innen_->warteAufBefehl(erwartet); }
    int zahleneingabe(int anfang, const std::string& frage, int x, int y) override;
    Befehlswert nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int x, int y,
                          int bild) override;
    Antwort dialog(DialogArt art, const std::string& text, Knoepfe knoepfe) override;
    bool angebot(const Angebotsfrage& f, const std::string& kopf, const std::string& text) override;

private:
    bool vertreten() const;
    std::function<bool(int)> automatisch_;
    Oberflaeche* innen_;
};

} // namespace torvane
