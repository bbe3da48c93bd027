// Die Fenster des Kaders an einem Ort angelegt und ans Menü gehängt: Aufstellung,
// Spielsystem, Transfermarkt und Verhandlungen; dazu ihre Bildschirmfotos und
// was sie gemeinsam brauchen.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <string_view>

class QWidget;

namespace torvane {

// Legt AufstellF, SpielsystemF, TransferF und VerhandelF an (einmal) und setzt die
// Unterknöpfe "Aufstellung", "Spielsystem" und "Transfermarkt" des Menüs.
void KaderFensterAnlegen(QWidget* haupt);

// Alle Kaderfenster mit einem Beispielspiel als PNG in ordner; gibt die Dateien zurück.
QStringList KaderBildschirmfotos(const QString& ordner);

// Farbe einer Position: T blau, V limette, M aqua, S gelb, sonst schwarz.
QColor PositionsFarbe(std::string_view position);

// Solange sie lebt, nimmt das Fenster keinen Klick an; danach ist es wieder bedienbar,
// auch wenn ein Laufzeitfehler dazwischenkam.
class Beschaeftigt {
public:
    Beschaeftigt(QWidget* w, bool& merker);
    ~Beschaeftigt();
    Beschaeftigt(const Beschaeftigt&) = delete;
    Beschaeftigt& operator=(const Beschaeftigt&) = delete;

private:
    QWidget* w_;
    bool& merker_;
    bool warAn_;
};

} // namespace torvane
