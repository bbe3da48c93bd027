// Der Bildschirm des Saisonendes: Liga für Liga Meister, Plätze 2 und 3 mit ihren
// Prämien, Absteiger und Aufsteiger. Er ist die Saisonendeanzeige; die Regeln des
// Saisonendes zeichnen über ihn und warten auf seinen Weiter-Knopf.
#pragma once

#include "season/Saisonende.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace torvane {

class TSaisonEndeF : public QDialog, public Saisonendeanzeige {
    Q_OBJECT
public:
    explicit TSaisonEndeF(QWidget* eltern = nullptr);

    // --- Saisonendeanzeige ---
    void oeffnen(const std::string& fetteLiga) override;
    void ligaZeigen(const std::string& ligaName) override;
    void ueberschriftSchieben() override;
    void tafelZeigen(const std::string& meister, const std::array<std::string, 3>& vereine,
                     const std::array<std::string, 3>& praemien) override;
    void wechselZeigen(const std::string& ab1, const std::array<std::string, 3>& vereine, Wechsel art,
                       bool blinken) override;
    void weiterZeigen() override;
    void tafelVerbergen() override;
    void musikAus() override;
    void textZeigen(const std::string& text) override;
    void schliessen() override;

    QLabel* FetteLiga;
    QFrame* Panel;
    QLabel *Meister1, *M1, *M2, *M3, *Label3D5, *Label3D6, *G1, *G2, *G3, *Ab1, *A1, *A2, *A3;
    QPushButton* BitBtn1;
    // Überspringt den Rest des Saisonendes: Pausen, Musik und die "Weiter" der Ligen.
    QPushButton* Abkuerzen;
    QTimer* Timer1; // Musik, solange das Saisonende läuft
    QTimer* Timer2; // Piepen und schließen
    QTimer* Blinker;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void reject() override {}

private:
    void anordnen();
    void mittig();
    void blinkenBeenden();
    QString ab1Text_;
    bool ab1An_ = true;
};

extern TSaisonEndeF* SaisonEndeF;

} // namespace torvane
