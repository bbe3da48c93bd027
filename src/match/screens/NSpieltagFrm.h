// Die Spieltage einer Liga ("Spieltage"): ein Rollbalken wählt den Spieltag 1..34,
// darunter die neun Paarungen mit Plätzen und den gespeicherten Ergebnissen.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QScrollBar;
class QFrame;

namespace torvane {

class TNSpieltagF : public QDialog {
    Q_OBJECT
public:
    explicit TNSpieltagF(QWidget* eltern = nullptr);

    // Aus dem Menü: die Liga Spiel.AnzeigeLiga, am aktuellen Spieltag.
    void zeigen();
    // Liga 1..4 und Spieltag 1..34 zeichnen.
    void zeichnen(int liga, int spieltag);

    struct Zeile {
        QFrame* Reihe;
        QLabel *HeimPlatz, *Heim, *GastPlatz, *Gast, *Ergebnis;
    };
    std::array<Zeile, 9> Zeilen{};
    QScrollBar* ScrollBar1;
    QLabel *Ueberschrift, *Runde, *Spieltag;

private:
    int liga_ = 1;
};

extern TNSpieltagF* NSpieltagF;

} // namespace torvane
