// Der Bildschirm "SpielEnde": wirklich aufhören? Dann sichern, schütteln,
// wegschieben, Glas zerbricht, Schluss.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace torvane {

class TEndeF : public QDialog {
    Q_OBJECT
public:
    explicit TEndeF(QWidget* eltern = nullptr);

    // Modal öffnen (vom Menü und beim Schließen des Hauptfensters).
    void oeffnen();
    // "E N D E": der ganze Abspann, dann endet das Programm.
    void endeKlick();

    QPushButton *BitBtn1, *BitBtn2;
    // Wohin das automatische Speichern schreibt (leer, wenn das Spiel keinen Namen hat).
    QLabel* Speicherort;
};

extern TEndeF* EndeF;

} // namespace torvane
