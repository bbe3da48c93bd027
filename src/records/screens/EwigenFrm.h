// "Ewigentabelle": alle Vereine nach ihren ewigen Punkten, der eigene Verein markiert.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

namespace torvane {

class TEwigenF : public QDialog {
    Q_OBJECT
public:
    explicit TEwigenF(QWidget* eltern = nullptr);

    void zeigen();
    void fuellen();

    QLabel *Kopf, *Legende;
    QListWidget* ListBox1;
};

extern TEwigenF* EwigenF;

} // namespace torvane
