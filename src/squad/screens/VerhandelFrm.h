// "Verhandlungen": Kauf eines Marktspielers oder neuer Vertrag. Öffnet modal für
// die eine laufende Verhandlung; drei Schieber, die Zusage live, "Anbieten" mit
// einer Ziehung oder "Verhandlung Abbrechen".
#pragma once

#include "squad/Verhandlung.h"

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
    // Aus der laufenden Verhandlung neu zeichnen.
    void zeichnen();
    // Die Stellung der Schieber; sie bleibt von einer Verhandlung zur nächsten stehen.
    Regler_ regler() const;
    // Schieber stellen, ohne die Verhandlung neu zu rechnen.
    void reglerSetzen(const Regler_& r);
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

// Womit Markt und Kader eine Verhandlung eröffnen: die Schieber des Fensters, ohne Fenster die Mitte.
Regler_ Verhandlungsregler();

} // namespace torvane
