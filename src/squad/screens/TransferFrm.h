// "Transfermarkt": links die Spielerverpflichtung (elf Zeilen, ein Klick öffnet die
// Verhandlung), rechts die Trainerverpflichtung mit Blättern, Spielen und "Her damit".
#pragma once

#include "core/Sprache.h"

#include <QDialog>
#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSpinBox;

namespace torvane {

// Die Liste der Marktspieler: Kopf 42 Pixel, dann Zeilen zu 18 Pixeln.
class TMarktliste : public QWidget {
    Q_OBJECT
public:
    explicit TMarktliste(QWidget* eltern = nullptr);
    static constexpr int Kopf = 42, Zeilenhoehe = 18;
    // Name, Position, Alter, Stärke, Wert, Gehaltsforderung, Vertragsjahre: linke Kante, Breite, Titel.
    static constexpr int Spalten = 7;
    static constexpr int SpalteX[Spalten] = {8, 144, 180, 216, 264, 356, 410};
    static constexpr int SpalteBreite[Spalten] = {134, 34, 34, 44, 88, 50, 28};
    static constexpr const char* SpalteTitel[Spalten] = {N_("Spieler"), N_("Pos."), N_("Alter"), "Stärke",
                                                          N_("Wert ca."), N_("Gehalt"), ""};
    int hell = 0; // Zeile unter der Maus
signals:
    void gewaehlt(int zeile);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
};

class TTransferF : public QDialog {
    Q_OBJECT
public:
    explicit TTransferF(QWidget* eltern = nullptr);

    void zeigen();
    void zeichnen();
    // Klick auf Marktzeile i: Verhandlung über den Kauf.
    void spielerKlick(int i);
    // Trainer t (1..) zeigen, mit den Bedingungen für die eingestellten Spiele.
    void trainerZeigen(int t);
    void herDamit();

    TMarktliste* Liste;
    QGroupBox* Trainerbox;
    QLabel *TrainerBild, *TrainerStufe, *TrainerText, *Kostet, *Gehalt, *Wertverlust, *Auswahltext, *Werbetext;
    QLabel *Trainerkopf, *Blaetterstand;
    QScrollBar* Blaettern;
    QSpinBox* Spiele;
    QPushButton* HerDamit;

private:
    bool beschaeftigt_ = false;
};

extern TTransferF* TransferF;

} // namespace torvane
