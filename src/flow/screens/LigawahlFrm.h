// Der kleine Dialog "Ligawahl": welche Liga soll die Ansicht zeigen?
#pragma once

#include <QDialog>

namespace torvane {

class TLigawahlF : public QDialog {
    Q_OBJECT
public:
    explicit TLigawahlF(QWidget* eltern = nullptr);
    // Modal; die Zahl am Anfang der Knopfbeschriftung, 0 ohne Wahl.
    int waehlen();
    int gewaehlt = 0;
};

extern TLigawahlF* LigawahlF;

} // namespace torvane
