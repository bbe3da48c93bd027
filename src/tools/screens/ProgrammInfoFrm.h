// Das Fenster "Info" über das Programm (nicht die Vereinsinformation), mit der
// Fenstergröße (Zoom) für große Bildschirme.
#pragma once

#include <QDialog>
#include <QList>
#include <QSize>
#include <QString>

#include <string>

class QComboBox;

namespace torvane {

class TProgrammInfoF : public QDialog {
    Q_OBJECT
public:
    explicit TProgrammInfoF(QWidget* eltern = nullptr);
    void oeffnen();

    QComboBox* Zoom;
    QComboBox* SpracheWahl;

private:
    void ZoomZeigen();
    void SpracheZeigen();
};

extern TProgrammInfoF* ProgrammInfoF;

// --- Zoom: für jeden Benutzer gespeichert, nicht im Spielstand ---
// Die angebotenen Stufen in Prozent.
constexpr int ZoomStufen[] = {100, 125, 150, 200};
bool ZoomErlaubt(int prozent);
// Das größte Fenster des Spiels (der Spieltag) in Punkten bei 100 %, mit Platz für den Rahmen.
constexpr QSize GroesstesFenster{1000, 740};
// Die Stufen, bei denen das größte Fenster ganz auf die freie Fläche (in Pixeln des
// Bildschirms) passt; 100 % immer, kleiner geht es nicht.
QList<int> PassendeZoomStufen(QSize freiInPixeln, QSize groesstes = GroesstesFenster);
// Die freie Fläche des Hauptbildschirms in Pixeln, gleich bei welchem Zoom die Anwendung läuft.
QSize FreiInPixeln();
// Die gespeicherte Stufe (100, wenn nichts oder Unsinn gespeichert ist).
int ZoomGespeichert();
void ZoomSpeichern(int prozent);
// Vor dem Anlegen der Anwendung: prozent (0 = gespeichert) als Qt-Skalierung aller
// Fenster, höchstens die größte Stufe, die auf frei passt (leer: ungeprüft). Eine vom
// Benutzer gesetzte QT_SCALE_FACTOR gilt, wenn nichts verlangt ist.
void ZoomVorDemStartSetzen(int prozent, QSize freiInPixeln = {});

// --- Sprache: ebenso je Benutzer; leer heißt: wie das System ---
QString SpracheGespeichert();
void SpracheSpeichern(const QString& kuerzel);
// Vor dem ersten Fenster: verlangt (--sprache), sonst gespeichert, sonst die des Systems.
void SpracheVorDemStartSetzen(const std::string& verlangt);

} // namespace torvane
