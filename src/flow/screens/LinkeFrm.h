// Die Seitenleiste links neben dem Menü: Titel, Untertitel, Uhr, Version,
// ein Bild und der Schalter "Automatic".
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace torvane {

class TLinkeF : public QWidget {
    Q_OBJECT
public:
    explicit TLinkeF(QWidget* eltern = nullptr);

    void uhrZeigen(const QString& zeit);
    // Der Schalter: an beendet den laufenden Zug einmal (über MenuF->abschluss).
    void automaticKlick();
    bool automatic() const { return automatic_; }

    QLabel* Titel;
    QLabel* Untertitel;
    QLabel* Uhr;
    QLabel* Version;
    QLabel* Bild1;
    QPushButton* Automatic;

private:
    bool automatic_ = false;
};

extern TLinkeF* LinkeF;

} // namespace torvane
