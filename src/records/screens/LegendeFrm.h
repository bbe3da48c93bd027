// "Legende": die Karriere des aktuellen Managers, Saison für Saison, und seine Quoten.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QScrollBar;

namespace torvane {

class TLegendeF : public QDialog {
    Q_OBJECT
public:
    explicit TLegendeF(QWidget* eltern = nullptr);

    void zeigen();
    void fuellen();
    void rasterZeigen();

    std::array<QLabel*, 7> Kopf{};
    std::array<std::array<QLabel*, 7>, 10> Zellen{};
    QScrollBar* ScrollBar1;
    std::array<QLabel*, 5> Werte{};
    QLabel* Label3D1;
};

extern TLegendeF* LegendeF;

} // namespace torvane
