// Das Zahlenrad "Zahleneingabe": neun Ziffernräder, Linksklick zählt hoch,
// Rechtsklick runter; getippte Ziffern laufen von rechts ein. Nur OK (oder Enter)
// übernimmt die Zahl, jedes andere Schließen gibt 0.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QString>

#include <array>

class QPushButton;

namespace torvane {

// Ein Ziffernrad; 9 läuft nach 0 über und 0 nach 9.
class TRad : public QLabel {
    Q_OBJECT
public:
    explicit TRad(QWidget* eltern = nullptr);
    int ziffer() const { return ziffer_; }
    void zifferSetzen(int z);
    bool hervorgehoben() const { return hervor_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void zeichnen();
    int ziffer_ = 0;
    bool hervor_ = false;
};

class TRechnerF : public QDialog {
    Q_OBJECT
public:
    explicit TRechnerF(QWidget* eltern = nullptr);

    void vorbereiten(int anfang, const QString& frage);
    // Die neun Ziffern als eine Zahl.
    int zahl() const;
    void nullen();
    void anfangswert();
    // Modal; die Zahl bei OK, sonst 0. Mittig auf dem fragenden Fenster, bei einem Abstand
    // (x, y) so weit von der Ecke des Hauptfensters.
    static int eingabe(int anfang, const QString& frage, int x, int y);

    std::array<TRad*, 9> raeder{};

protected:
    // Ziffern und Rücktaste; Enter und Escape wie im Dialog üblich.
    void keyPressEvent(QKeyEvent* e) override;

private:
    void zahlSetzen(int z);
    int anfang_ = 0;
    bool getippt_ = false; // die erste getippte Ziffer ersetzt die Zahl auf den Rädern
    QLabel* frage_;
};

// Das gerade offene Zahlenrad (für Tests), sonst nullptr.
extern TRechnerF* RechnerF;

} // namespace torvane
