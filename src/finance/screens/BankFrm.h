// Die Bank: Darlehen mit Angebot, Flinker Kredit, Sparbuch, Geldanlage und eigene Aktien.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace torvane {

class TBankF : public QDialog {
    Q_OBJECT
public:
    explicit TBankF(QWidget* eltern = nullptr);

    void zeigen();
    // Alles neu aus dem Spielstand; stellt den Aktienbalken hin, ohne zu handeln.
    void zeichnen();
    // Betrag A der Liste und Laufzeit T des Balkens.
    int64_t betrag() const;
    int laufzeit() const;

    QComboBox* Darlehen;
    QScrollBar* Laufzeit;
    QLabel *LaufzeitLabel, *Rate, *Gesamt, *Zinsen, *LaeuftNoch;
    QPushButton *WillIch, *WegDamit;
    QLabel* Kredit;
    QPushButton *KreditMinus, *KreditPlus;
    QLabel* Sparbuch;
    QPushButton* Aendern;
    QLabel* AnlageText;
    QPushButton* AnlageKnopf;
    QScrollBar* Aktien;
    QLabel *Kurs, *Gemerkt, *AktienAnzahl, *ImWert;
    QPushButton* WertMerken;
};

extern TBankF* BankF;

} // namespace torvane
