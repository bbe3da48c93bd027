// "Einstellungen": die Optionen des aktuellen Managers und das Umbenennen von Manager und Verein.
#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace torvane {

class TEinstellF : public QDialog {
    Q_OBJECT
public:
    explicit TEinstellF(QWidget* eltern = nullptr);

    void zeigen();
    // Alle Bedienelemente aus den Optionen des aktuellen Managers.
    void fuellen();
    void aendern();

    // Nach einer Umbenennung (das Menü frischt sich auf).
    std::function<void()> nachAenderung;

    QCheckBox *Autoaufstellung, *Transferklang, *Dfb, *Uefa, *Pdp, *Chl, *Dauerkarten;
    QComboBox *Liga, *Tempo;
    QLineEdit *Name, *Verein;
    QPushButton* Aendern;
};

extern TEinstellF* EinstellF;

} // namespace torvane
