// "Ratgeber": was der Computermanager dem Manager am Zug jetzt raten würde, das Wichtigste
// zuerst, jede Zeile mit dem Knopf zum Bildschirm, um den es geht. Das Öffnen ändert nichts.
#pragma once

#include "core/Menue.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace torvane {

class TRatgeberF : public QDialog {
    Q_OBJECT
public:
    explicit TRatgeberF(QWidget* eltern = nullptr);

    // Die Ratschläge für AktManager neu lesen und das Fenster zeigen.
    void zeigen();
    void fuellen();

    // Öffnet den Bildschirm hinter dem Menüpunkt (ohne Menü: nichts).
    std::function<void(Menuepunkt)> oeffnen;

    QLabel* Kopf;
    QLabel* Leer;
    QWidget* Liste;
    QPushButton* Schliessen;

private:
    QVBoxLayout* zeilen_;
};

extern TRatgeberF* RatgeberF;

// Legt das Fenster an und den Knopf "Ratgeber" in der Seitenleiste.
void RatgeberFensterAnlegen(QWidget* haupt);

} // namespace torvane
