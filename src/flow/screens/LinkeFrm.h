// Die Seitenleiste links neben dem Menü: Titel, Untertitel, Uhr, Version,
// ein Bild und der Schalter "Automatic".
#pragma once

#include <QWidget>

#include <string>

class QLabel;
class QPushButton;
class QTimer;

namespace torvane {

class TLinkeF : public QWidget {
    Q_OBJECT
public:
    explicit TLinkeF(QWidget* eltern = nullptr);

    void uhrZeigen(const QString& zeit);
    // Der Schalter: an spielt der Computermanager die Züge des Managers, der ihn einschaltete,
    // und schließt sie wie ein Klick auf die Abschlusstafel, bis er wieder aus ist.
    void automaticKlick();
    bool automatic() const { return automatic_; }
    // Ist der automatische Manager mit offenem Zug dran und das Menü frei, spielt er ihn jetzt.
    void automatikTakt();

    QLabel* Titel;
    QLabel* Untertitel;
    QLabel* Uhr;
    QLabel* Version;
    QLabel* Bild1;
    QPushButton* Automatic;

private:
    bool automatic_ = false;
    bool automatikLaeuft_ = false;
    std::string automatikName_; // Name statt Platz: nach einer Pleite rücken die Plätze auf
    QTimer* automatikTimer_;
};

extern TLinkeF* LinkeF;

} // namespace torvane
