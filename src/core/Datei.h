// Alles, was das Spiel auf die Platte schreibt, geht hier durch: nie durch einen
// untergeschobenen Link, nie halb. Dazu die Sperre, die zwei laufende Spiele vom
// selben Save-Ordner fernhält.
#pragma once

#include <string>
#include <string_view>

namespace torvane {

// Schreibt bytes in eine neue Zwischendatei im Ordner des Ziels (exklusiv angelegt,
// nie über einen Link), liest sie zurück und benennt sie dann über das Ziel um. Ein
// Link unter dem Zielnamen wird dabei selbst ersetzt; seine Zieldatei bleibt unberührt.
// false: das alte Ziel ist unverändert, grund sagt auf Deutsch, warum.
bool DateiSicherErsetzen(const std::string& pfad, std::string_view bytes, std::string& grund);

// Ob sich im Ordner Dateien anlegen lassen; die Probe hat einen eigenen, neuen Namen.
bool OrdnerBeschreibbar(const std::string& ordner);

// Der Name der Sperrdatei in einem Save-Ordner.
constexpr const char* SperrdateiName = ".torvane.lock";

// Exklusive Sperre auf einen Ordner, solange das Objekt sie hält. Stirbt der Halter,
// gibt das System sie frei; seine Sperrdatei übernimmt der Nächste einfach.
class OrdnerSperre {
public:
    OrdnerSperre() = default;
    ~OrdnerSperre() { freigeben(); }
    OrdnerSperre(const OrdnerSperre&) = delete;
    OrdnerSperre& operator=(const OrdnerSperre&) = delete;

    // false: ein anderer Prozess hält den Ordner, oder die Sperrdatei geht nicht auf;
    // grund ist dann der Text für den Spieler.
    bool nehmen(const std::string& ordner, std::string& grund);
    void freigeben();
    bool gehalten() const { return fd_ >= 0; }
    // Nach einem gescheiterten nehmen(): hält ein anderer Prozess den Ordner? (Sonst ließ sich
    // die Sperrdatei nur nicht anlegen, etwa in einem schreibgeschützten Ordner.)
    bool belegt() const { return belegt_; }

private:
    int fd_ = -1;
    bool belegt_ = false;
};

} // namespace torvane
