// Die Tabelle einer Liga ("Tabelle"): 18 farbige Balken in Platzfolge. Nach einem
// Ligaspieltag steht sie über dem Spieltag, bis ihr Weiter-Knopf "tabelleweiter" schreibt.
#pragma once

#include <QColor>
#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QFrame;

namespace torvane {

class TTabelleF : public QDialog {
    Q_OBJECT
public:
    explicit TTabelleF(QWidget* eltern = nullptr);

    // Aus dem Menü: die Liga Spiel.AnzeigeLiga.
    void zeigen();
    // Nach einem Spieltag mittig über dem Spieltagsbildschirm.
    void nachSpieltag(int liga, QWidget* ueber);
    // Zeichnet die Liga 1..4 neu aus dem Spielstand.
    void zeichnen(int liga);
    int liga() const { return liga_; }

    // Balkenfarbe des Platzes 1..18 in der Liga 1..4.
    static QColor Balkenfarbe(int liga, int platz);

    struct Zeile {
        QFrame* Balken;
        QLabel *Platz, *Name, *Punkte, *Tore, *S, *U, *N, *Legende;
    };
    std::array<Zeile, 18> Zeilen{};
    QLabel* Ueberschrift;
    QPushButton* Weiter;

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    int liga_ = 1;
};

extern TTabelleF* TabelleF;

} // namespace torvane
