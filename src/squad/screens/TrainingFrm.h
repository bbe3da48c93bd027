// Der Trainingsplan "Training": Stunden, Schwerpunkte, Bälle auf Technik und
// Konstitution, der Sondertrainer mit Kündigung und das letzte Trainingsergebnis.
#pragma once

#include "squad/Training.h"

#include <QDialog>

#include <array>

class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;

namespace torvane {

// Eine Skala mit elf Ballplätzen; ein Klick meldet seine waagrechte Lage.
class TBallSkala : public QWidget {
    Q_OBJECT
public:
    TBallSkala(Skala skala, QWidget* eltern);
    Skala skala;
    int baelle = 0;
signals:
    void geklickt(int x);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
};

class TTrainingF : public QDialog {
    Q_OBJECT
public:
    explicit TTrainingF(QWidget* eltern = nullptr);

    // Aus dem Menü: für den AktManager zeichnen und zeigen.
    void zeigen();
    void zeichnen();

    QSlider* Stunden;
    QLabel* StundenLabel;
    std::array<QToolButton*, 3> Hoch{}, Runter{};
    std::array<QProgressBar*, 3> Gauge{};
    TBallSkala *Technik, *Konstitution;
    QLabel* BaelleLabel;
    QLabel* BallMarke;
    QLabel *TrainerName, *TrainerBild, *BringtNoch, *Gehalt, *Spiele, *Stufe, *Kosten;
    QWidget* TrainerDaten;
    QPushButton* Kuendigen;
    QLabel* Ergebnis;
    QTimer* Blinker;

private:
    void ballGeklickt(Skala s, int x);
};

extern TTrainingF* TrainingF;

} // namespace torvane
