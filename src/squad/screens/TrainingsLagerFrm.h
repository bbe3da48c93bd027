// Das Trainingslager "Komm´t wir fahren ins Trainingslager": drei Lager mit Bild,
// Text und Preis, die Tage, die Spannen der Steigerung und die Reise mit Bericht.
#pragma once

#include "squad/Training.h"

#include <QDialog>

#include <array>

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;

namespace torvane {

class TTrainingsLagerF : public QDialog {
    Q_OBJECT
public:
    explicit TTrainingsLagerF(QWidget* eltern = nullptr);

    void zeigen();
    void zeichnen();
    // Klick auf das Bild eines Lagers (1..3).
    void lagerKlick(int lager);
    // "Hin geh´n": die Reise mit Bericht; läuft sie schon, geschieht nichts.
    void hinGehen();
    bool reiseLaeuft() const { return reise_; }
    int lager() const { return lager_; }

    struct Lagerfeld {
        QWidget* Gruppe;
        QLabel *Bild, *Text, *Preis;
    };
    std::array<Lagerfeld, 3> Felder{};
    QSlider* Tage;
    QLabel *TageLabel, *Technik, *Konstitution, *Form, *Genesung;
    QPushButton* HinGehen;
    QWidget* BerichtTafel;
    QListWidget* Bericht;

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    int lager_ = 1;
    bool reise_ = false;
};

extern TTrainingsLagerF* TrainingsLagerF;

// Die Bilder der drei Lager, selbst gemalt.
QPixmap LagerBild(int lager, QSize groesse);

} // namespace torvane
