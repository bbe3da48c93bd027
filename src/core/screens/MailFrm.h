// Das Nachrichtenfenster "Nachricht": Überschrift, Text, Bild und die
// Knöpfe je nach Art; der gedrückte Knopf landet in Befehl.
#pragma once

#include "core/Befehl.h"
#include "core/Oberflaeche.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QScrollArea;

namespace torvane {

class TMailF : public QDialog {
    Q_OBJECT
public:
    explicit TMailF(QWidget* eltern = nullptr);

    // Füllt das Fenster; bild < 0: ohne Bild.
    void fuellen(const QString& kopf, const QString& text, const NachrichtArt& art, int bild);
    // (0, 0) mittig auf dem Fenster, das fragt, (-1, -1) mittig auf dem Spieltagsfenster,
    // sonst dieser Abstand von der linken oberen Ecke des Hauptfensters.
    void platzieren(int x, int y);
    // Zeigt modal; Rückgabe der gedrückte Knopf, bei Auto Befehlswert::Keiner.
    Befehlswert zeigen();

    Befehlswert gedrueckt = Befehlswert::Keiner;
    // Ist der Text mit Punkten oder Leerzeichen in Spalten aufgefüllt?
    static bool InSpalten(const QString& text);

protected:
    void reject() override;

private:
    QLabel* bild_;
    QLabel* kopf_;
    QLabel* text_;
    QScrollArea* rolle_;
    QPushButton* weiter_;
    QPushButton* ja_;
    QPushButton* nein_;
    NachrichtArt art_;
};

// Das gerade offene Nachrichtenfenster (für Tests), sonst nullptr.
extern TMailF* MailF;

} // namespace torvane
