// Die Oberfläche der Qt-Fenster: Dialoge, Klänge und Warten in einer
// verschachtelten Ereignisschleife, damit die Regeln synchron laufen.
#pragma once

#include "core/Oberflaeche.h"

#include <QString>
#include <QWidget>

#include <functional>

namespace torvane {

QString Q(const std::string& utf8);
std::string U(const QString& s);

class QtOberflaeche : public Oberflaeche {
public:
    // Das Hauptfenster, an dem sich Dialoge ausrichten.
    QWidget* hauptfenster = nullptr;

    void klang(const std::string& name, bool bisEnde) override;
    void warte(int ms, bool still) override;
    int zahleneingabe(int anfang, const std::string& frage, int x, int y) override;
    std::string nachricht(const std::string& kopf, const std::string& text, const NachrichtArt& art, int x, int y,
                          int bild) override;
    Antwort dialog(DialogArt art, const std::string& text, Knoepfe knoepfe) override;
    void warteAufBefehl(const std::string& erwartet) override;

    // Für Bildschirmtests: die nächste Frage wird hiermit beantwortet statt angezeigt.
    std::function<Antwort(DialogArt, const std::string&, Knoepfe)> dialogVorgabe;
};

} // namespace torvane
