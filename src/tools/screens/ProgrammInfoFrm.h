// Das Fenster "Info" über das Programm (nicht die Vereinsinformation).
#pragma once

#include <QDialog>

namespace torvane {

class TProgrammInfoF : public QDialog {
    Q_OBJECT
public:
    explicit TProgrammInfoF(QWidget* eltern = nullptr);
    void oeffnen();
};

extern TProgrammInfoF* ProgrammInfoF;

} // namespace torvane
