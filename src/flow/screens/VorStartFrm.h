// Der kurze Splash "Systemcheck" beim Programmstart.
#pragma once

#include <QWidget>

class QLabel;

namespace torvane {

class TVorStartF : public QWidget {
    Q_OBJECT
public:
    explicit TVorStartF(QWidget* eltern = nullptr);
    QLabel* Meldung;
};

extern TVorStartF* VorStartF;

} // namespace torvane
