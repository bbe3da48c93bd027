// Das Fenster "Info" über das Programm (nicht die Vereinsinformation), mit der
// Fenstergröße (Zoom) für große Bildschirme.
#pragma once

#include <QDialog>

class QComboBox;

namespace torvane {

class TProgrammInfoF : public QDialog {
    Q_OBJECT
public:
    explicit TProgrammInfoF(QWidget* eltern = nullptr);
    void oeffnen();

    QComboBox* Zoom;
};

extern TProgrammInfoF* ProgrammInfoF;

// --- Zoom: für jeden Benutzer gespeichert, nicht im Spielstand ---
// Die angebotenen Stufen in Prozent.
constexpr int ZoomStufen[] = {100, 125, 150, 200};
bool ZoomErlaubt(int prozent);
// Die gespeicherte Stufe (100, wenn nichts oder Unsinn gespeichert ist).
int ZoomGespeichert();
void ZoomSpeichern(int prozent);
// Vor dem Anlegen der Anwendung: prozent (0 = gespeichert) als Qt-Skalierung aller
// Fenster. Eine vom Benutzer gesetzte QT_SCALE_FACTOR gilt, wenn nichts verlangt ist.
void ZoomVorDemStartSetzen(int prozent);

} // namespace torvane
