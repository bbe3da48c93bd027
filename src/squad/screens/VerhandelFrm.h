// "Verhandlungen": Kauf eines Marktspielers oder neuer Vertrag. Öffnet modal für
// die eine laufende Verhandlung; drei Schieber, die Zusage live, "Anbieten" mit
// einer Ziehung oder "Verhandlung Abbrechen".
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

namespace torvane {

class TVerhandelF : public QDialog {
    Q_OBJECT
public:
    explicit TVerhandelF(QWidget* eltern = nullptr);

    // Zeigt die begonnene Verhandlung und wartet, bis sie entschieden oder abgebrochen ist.
    void oeffnen();
    // Aus dem Spielstand und den Schiebern neu zeichnen.
    void zeichnen();
    void anbietenGeklickt();
    void abbrechen();

    QLabel* Titel;
    QGroupBox* Spielerbox;
    QLabel *PositionLabel, *AlterLabel, *StaerkeLabel, *Gebuehrtext;
    QGroupBox* Abloesebox;
    QLabel *AbloeseWert, *GehaltWert, *JahreWert, *ZusageLabel;
    QSlider *AbloeseRegler, *GehaltRegler, *JahreRegler;
    QPushButton *Anbieten, *Abbrechen;

protected:
    void reject() override;

private:
    void reglerGeaendert();
    bool beschaeftigt_ = false;
};

extern TVerhandelF* VerhandelF;

} // namespace torvane
