// Der Totoschein ("TotoTip"): Einsatz, Gewinntafel, die neun Paarungen des nächsten
// Ligaspieltags, getippt von unten nach oben; jede getippte Reihe fällt auf den Stapel.
#pragma once

#include "finance/Toto.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace torvane {

class TTototipF : public QDialog {
    Q_OBJECT
public:
    explicit TTototipF(QWidget* eltern = nullptr);

    // Aus dem Menü: Einsatz, Tafel und ein schon abgegebener Tipp.
    void zeigen();
    // Einsatz zahlen und die Paarungen auflisten.
    void setzen();
    // Tipp '1', '0' oder '2' für die Paarung an der Reihe (nimmt keinen Klick, solange eine Reihe fällt).
    void tippen(char tip);
    bool faellt() const { return faellt_; }
    const TotoSchein& schein() const { return schein_; }

    QPushButton* BitBtn1; // "TotoTip für ..."
    std::array<QLabel*, 7> Gewinne{}; // 3..9 Richtige
    struct Reihe {
        QFrame* Rahmen;
        QLabel *Nummer, *Paarung, *Tip;
    };
    std::array<Reihe, 10> Reihen{}; // 1..9
    QPushButton *Heimsieg, *Unentschieden, *Auswaertssieg;
    QLabel *InfoHeim, *InfoGast;
    QLabel* Hinweistext;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void reiheFuellen(int p, int heim, int gast, char tip);
    void reiheZurueck(int p);
    void infoZeigen();
    void tippknoepfe(bool an);
    void fallen(int p);

    TotoSchein schein_;
    bool faellt_ = false;
    int ziel_ = 0; // Oberkante, auf die die nächste getippte Reihe fällt
};

extern TTototipF* TototipF;

} // namespace torvane
