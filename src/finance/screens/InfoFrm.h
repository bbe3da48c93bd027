// Die Vereinsinformation "Info": Vermögen, Vorschau je Spieltag, Stadion, Schulden,
// Managerqualität und Mitspieler; bei jedem Zeigen frisch gefüllt.
#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QProgressBar;

namespace torvane {

class TInfoF : public QDialog {
    Q_OBJECT
public:
    explicit TInfoF(QWidget* eltern = nullptr);

    // Füllen und zeigen; die Warnung bei leerem Vermögen erscheint danach über dem Fenster.
    void zeigen();
    // true: das Vermögen ist kritisch.
    bool fuellen();

    QLabel *Vermoegen, *Liquiditaet, *Werbeeinnahmen, *Geldanlage, *Sparbuch, *SparZinsen, *Kontozinsen;
    QLabel *Zuschuesse, *Einnahmen, *Kosten;
    QLabel *Stadiongroesse, *Zuschauerschnitt, *Sollschnitt, *LetzteZuschauer, *Auslastung, *Eintrittspreis;
    QLabel *Kredit, *KreditZinsen, *Darlehen, *DarlehenText;
    QGroupBox *Managerqualitaet, *Spieler;
    std::array<QLabel*, 4> N{};
    std::array<QProgressBar*, 4> P{};
    QLabel* SpielerText;
};

extern TInfoF* InfoF;

} // namespace torvane
