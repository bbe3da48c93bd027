// "Statistik": Vermögen, Tabellenplätze und Teamstärke des aktuellen Managers als Grafik.
#pragma once

#include <QDialog>

class QLabel;

namespace torvane {

class TStatistikF : public QDialog {
    Q_OBJECT
public:
    explicit TStatistikF(QWidget* eltern = nullptr);

    void zeigen();
    // Statistik auf den jetzigen Stand bringen und alle drei Bilder neu zeichnen.
    void zeichnen();
    // Hinweis zur Mauslage im Bild (lokale Koordinaten); leer blendet ihn aus.
    void hinweis(QLabel* bild, QPoint p);
    // Füllt die Farbfläche unter p im Geldbild schwarz.
    void fuellen(QPoint p);

    QLabel *Image1, *Image2, *Image3, *Panel1;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

extern TStatistikF* StatistikF;

} // namespace torvane
