// "Spielsystem": fünf Systeme als Knöpfe (das gewählte rot), das Spielfeld mit der
// Aufstellung, die auf Wunsch einläuft, und die Stärken inklusive Einsatz.
#pragma once

#include <QDialog>
#include <QPointF>
#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace torvane {

// Das Spielfeld mit den elf nummerierten Spielern.
class TSpielfeld : public QWidget {
    Q_OBJECT
public:
    explicit TSpielfeld(QWidget* eltern = nullptr);
    // Lage der Spieler im Bild der Grunddaten (270 x 190), je Spieler 1..11 in figuren[1..11].
    std::vector<QPointF> figuren;
    int schritt = 0; // wechselt das Spielerbild beim Laufen

protected:
    void paintEvent(QPaintEvent* e) override;
};

class TSpielsystemF : public QDialog {
    Q_OBJECT
public:
    explicit TSpielsystemF(QWidget* eltern = nullptr);

    // Für den aktuellen Manager zeigen; das gewählte System wird erneut gedrückt.
    void zeigen();
    // Knopf n (1..5).
    void systemKlick(int n);
    // Stärken und Knöpfe aus dem Spielstand.
    void zeichnen();
    // Die Aufstellung des Systems n aufs Feld, mit oder ohne Einlaufen.
    void aufstellen(int n);
    bool beschaeftigt() const { return beschaeftigt_; }

    std::array<QPushButton*, 5> BitBtn{};
    QLabel *Untertitel, *SystemLabel, *VerteidigungLabel, *MittelfeldLabel, *AngriffLabel, *GesamtLabel;
    QCheckBox* OhneAnimation;
    TSpielfeld* Feld;
    int gewaehlt = 0;

private:
    bool beschaeftigt_ = false;
};

extern TSpielsystemF* SpielsystemF;

} // namespace torvane
